#include "stats/best_combination_painter.h"

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kUpperBase = 247;
constexpr int kPlaceY = 270;
constexpr int kLowerTop = 275;
constexpr int kBarWidth = 15;
constexpr int kBallTop = 49;

QFont value_font() {
    QFont f = small_font();
    f.setPixelSize(10);
    return f;
}

}  // namespace

int BestCombinationPainter::balls_above() const {
    const int size = m_.entries.empty() ? 2 : m_.entries.front().combination.size;
    return (size + 1) / 2;
}

// Below the longest gap bar and its value (up to four digits, one under the other).
int BestCombinationPainter::lower_ball_y(int ball) const {
    return kLowerTop + m_.gap_length + 4 * 13 + 4 + 20 * ball;
}

void BestCombinationPainter::paint(QPainter& p) const {
    p.save();
    paint_frame(p, size());
    paint_step_buttons(p);
    paint_heading(p, m_.heading);
    const int above = balls_above();
    for (size_t i = 0; i < m_.entries.size(); ++i) {
        const BestEntry& e = m_.entries[i];
        const int x = column_x(static_cast<int>(i));
        const int hc = m_.count_bar(i);
        const int hg = m_.gap_bar(i);
        p.fillRect(x, kUpperBase - hc, kBarWidth, hc, palette_colour(4));
        p.fillRect(x, kLowerTop, kBarWidth, hg, palette_colour(m_.gap_colour));
        p.setPen(palette_colour(0));
        p.setFont(value_font());
        text_centred(p, x, kBarWidth, kUpperBase - hc - 12, QString::number(e.count));
        paint_vertical_value(p, x, kLowerTop + hg + 1, e.gap, digit_count(e.gap));
        text_centred(p, x, kBarWidth, kPlaceY - 14, QString::number(i + 1));
        for (int b = 0; b < e.combination.size; ++b) {
            const int n = e.combination.numbers[static_cast<size_t>(b)];
            const int y = b < above ? kBallTop + 20 * b : lower_ball_y(b - above);
            paint_ball(p, x, y, n, m_.marked[static_cast<size_t>(n)]);
        }
    }
    r_line(p, 0, kPlaceY - 1, kChartWidth - 4, kPlaceY - 1, 8);
    if (m_.plus_mark) {
        p.setPen(palette_colour(0));
        p.setFont(small_font());
        text_at(p, 908, 29, QStringLiteral("PLUS"));
    }
    p.restore();
}

}  // namespace zw
