// Painters of the evaluation: the result table, the review area (on screen
// and in the "Gewinn-Rückblick" printout) and the side-game tables. Text is
// drawn in a fixed-pitch font, so the columns follow the header strings.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QStringList>

namespace zw {

// The result table: caption line, header, one line per row or field, totals.
class ResultTablePainter {
public:
    QString caption;   // "S"/"G" or "LottoPlus" above the header
    QString header;
    QStringList lines;
    QStringList totals;
    QFont font;

    // Size the table needs in `font`.
    QSize size_hint() const;
    void paint(QPainter& p, const QRect& area) const;
};

// The review area: header, then the lines from `first` on as far as they fit.
class ReviewPainter {
public:
    QString header;
    QStringList lines;
    QFont font;
    int first = 0;

    // Lines that fit below the header in a area of this height.
    int visible_lines(int height) const;
    void paint(QPainter& p, const QRect& area) const;
};

// A side-game table: the lines of the engine's side-game text.
class SideGamePainter {
public:
    QString title;
    QStringList lines;
    QFont font;

    QSize size_hint() const;
    void paint(QPainter& p, const QRect& area) const;
};

// The fixed-pitch font of the evaluation windows, and "Courier New" for print.
QFont evaluation_font();
QFont print_font();

}  // namespace zw
