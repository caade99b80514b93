// Draws a best or worst list: the heading, the 30 lines at y = 73 + 13 i,
// the number list below them and the remaining time of a running search.
// The same painter serves the window and the printout.
#pragma once

#include <QFont>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>

#include "evaluation/backtest_list.h"

namespace zw {

class BacktestListPainter {
  public:
    static constexpr int kFirstLineY = 73;
    static constexpr int kLineStep = 13;

    // The window: fixed positions for the lines; `status` is the bottom line
    // ("Restlaufzeit: ..." while a search runs).
    void paint(QPainter& p, const BacktestList& list, const QString& status) const;
    QSize size_hint() const { return {760, 590}; }

    // The printout: heading and lines one after another in the printer's font.
    static void print(QPainter& p, const QRect& page, const BacktestList& list);
};

QFont best_list_font();
// The heading: title, "Richtige" caption, column header.
QStringList list_heading_lines(const BacktestList& list);
QStringList list_footer_lines(const BacktestList& list);

}  // namespace zw
