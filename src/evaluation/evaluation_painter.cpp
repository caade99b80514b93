#include "evaluation/evaluation_painter.h"

#include <QFontMetrics>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kMargin = 6;

int longest(const QStringList& lines) {
    qsizetype n = 0;
    for (const QString& l : lines) n = std::max(n, l.size());
    return static_cast<int>(n);
}

}  // namespace

QFont evaluation_font() { return ui_font(12); }

QFont print_font() {
    // "Courier New" has the metrics of Liberation Mono.
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(8.5);
    return f;
}

QSize ResultTablePainter::size_hint() const {
    const QFontMetrics fm(font);
    const int chars = std::max({longest(lines), longest(totals), static_cast<int>(header.size()),
                                static_cast<int>(caption.size())});
    const int count = 2 + static_cast<int>(lines.size()) + 1 + static_cast<int>(totals.size());
    return {2 * kMargin + fm.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 4,
            2 * kMargin + fm.lineSpacing() * count};
}

void ResultTablePainter::paint(QPainter& p, const QRect& area) const {
    r_box(p, area, 15, false);
    p.save();
    p.setFont(font);
    const QFontMetrics fm(font);
    const int x = area.left() + kMargin;
    int y = area.top() + kMargin + fm.ascent();
    auto draw = [&](const QString& text, int colour) {
        p.setPen(palette_colour(colour));
        p.drawText(x, y, text);
        y += fm.lineSpacing();
    };
    draw(caption, 1);
    draw(header, 1);
    const int rule_y = y - fm.ascent() - 1;
    r_line(p, x, rule_y, area.right() - kMargin, rule_y, 8);
    for (const QString& l : lines) draw(l, 0);
    y += fm.lineSpacing() / 2;
    for (const QString& l : totals) draw(l, 4);
    p.restore();
}

int ReviewPainter::visible_lines(int height) const {
    const QFontMetrics fm(font);
    return std::max(0, (height - 2 * kMargin) / fm.lineSpacing() - 1);
}

void ReviewPainter::paint(QPainter& p, const QRect& area) const {
    p.save();
    p.fillRect(area, palette_colour(15));
    p.setFont(font);
    const QFontMetrics fm(font);
    const int x = area.left() + kMargin;
    int y = area.top() + kMargin + fm.ascent();
    p.setPen(palette_colour(1));
    p.drawText(x, y, header);
    y += fm.lineSpacing();
    p.setPen(palette_colour(0));
    const int shown = visible_lines(area.height());
    for (int i = first; i < first + shown && i < lines.size(); ++i) {
        p.drawText(x, y, lines[i]);
        y += fm.lineSpacing();
    }
    p.restore();
}

QSize SideGamePainter::size_hint() const {
    const QFontMetrics fm(font);
    const int chars = std::max(longest(lines), static_cast<int>(title.size()));
    return {2 * kMargin + 16 + fm.horizontalAdvance(QString(chars, QLatin1Char('0'))),
            2 * kMargin + 8 + fm.lineSpacing() * (static_cast<int>(lines.size()) + 2)};
}

void SideGamePainter::paint(QPainter& p, const QRect& area) const {
    r_box(p, area, 7, true);
    const QRect inner = area.adjusted(4, 4, -4, -4);
    r_box(p, inner, 15, false);
    p.save();
    p.setFont(font);
    const QFontMetrics fm(font);
    const int x = inner.left() + kMargin;
    int y = inner.top() + kMargin + fm.ascent();
    p.setPen(palette_colour(4));
    p.drawText(x, y, title);
    y += 2 * fm.lineSpacing();
    p.setPen(palette_colour(0));
    for (const QString& l : lines) {
        p.drawText(x, y, l);
        y += fm.lineSpacing();
    }
    p.restore();
}

}  // namespace zw
