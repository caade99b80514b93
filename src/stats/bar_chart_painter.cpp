#include "stats/bar_chart_painter.h"

#include <algorithm>
#include <cmath>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kSingleBase = 448;
constexpr int kUpperBase = 247;
constexpr int kUpperHeight = 152;
constexpr int kLowerTop = 275;
constexpr int kLowerHeight = 120;
constexpr int kBarWidth = 15;

int largest(const std::vector<int>& v) {
    int m = 0;
    for (int x : v) m = std::max(m, x);
    return m;
}
int largest(const std::array<int, kLuckyNumbers>& v) { return *std::max_element(v.begin(), v.end()); }

double scale_for(int full, int largest_value) {
    return largest_value > 0 ? static_cast<double>(full) / largest_value : 0.0;
}

int bar(double value, double scale) { return static_cast<int>(std::lround(value * scale)); }

}  // namespace

int BarChartPainter::upper_digits() const {
    int d = digit_count(largest(m_.upper));
    if (m_.lucky) d = std::max(d, digit_count(largest(m_.lucky_upper)));
    return d;
}

int BarChartPainter::upper_height() const {
    // The value above the tallest bar must not run into the balls.
    const int room = (m_.overview ? kUpperBase : kSingleBase) - balls_bottom() - 2 - 13 * upper_digits();
    return std::min(m_.overview ? kUpperHeight : m_.full_height, room);
}

void BarChartPainter::paint(QPainter& p) const {
    p.save();
    paint_frame(p, size());
    paint_step_buttons(p);
    paint_heading(p, m_.heading);
    if (m_.overview)
        paint_overview(p);
    else
        paint_single(p);
    paint_balls(p);
    paint_places(p);
    if (m_.lucky) paint_lucky(p);
    paint_marks(p);
    p.restore();
}

void BarChartPainter::paint_single(QPainter& p) const {
    const double scale = scale_for(upper_height(), largest(m_.upper));
    const int digits = upper_digits();
    p.setFont(small_font());
    for (size_t i = 0; i < m_.columns.size(); ++i) {
        const int x = column_x(static_cast<int>(i));
        const int h = bar(m_.upper[i], scale);
        p.fillRect(x, kSingleBase - h, kBarWidth, h, palette_colour(m_.upper_colour));
        p.setPen(palette_colour(0));
        paint_vertical_value(p, x, kSingleBase - h - 13 * digits - 1, m_.upper[i], digits);
    }
    paint_average(p, kSingleBase - bar(m_.upper_mean, scale));
    p.setPen(palette_colour(0));
    p.setFont(small_font());
    const int shift = m_.swiss ? 40 : 0;
    text_at(p, 830 - shift, 29, qs(m_.mean_text));
    if (!m_.expected_text.empty()) text_at(p, 922 - shift, 29, qs(m_.expected_text));
}

void BarChartPainter::paint_overview(QPainter& p) const {
    const double upper_scale = scale_for(upper_height(), largest(m_.upper));
    const double lower_scale = scale_for(kLowerHeight, largest(m_.lower));
    const int ud = upper_digits();
    p.setFont(small_font());
    for (size_t i = 0; i < m_.columns.size(); ++i) {
        const int x = column_x(static_cast<int>(i));
        const int hu = bar(m_.upper[i], upper_scale);
        const int hl = bar(m_.lower[i], lower_scale);
        p.fillRect(x, kUpperBase - hu, kBarWidth, hu, palette_colour(m_.upper_colour));
        p.fillRect(x, kLowerTop, kBarWidth, hl, palette_colour(m_.lower_colour));
        p.setPen(palette_colour(0));
        paint_vertical_value(p, x, kUpperBase - hu - 13 * ud - 1, m_.upper[i], ud);
        paint_value_below(p, x, kLowerTop + hl + 1, m_.lower[i]);
    }
    paint_average(p, kUpperBase - bar(m_.upper_mean, upper_scale));
    paint_average(p, kLowerTop + bar(m_.lower_mean, lower_scale));
}

void BarChartPainter::paint_average(QPainter& p, int y) const {
    const int right = m_.swiss ? 838 : 978;
    r_line(p, 0, y, right, y, 1);
    p.setPen(palette_colour(1));
    p.setFont(small_font());
    // Right of the last column, so that it never covers a value; below the
    // line in the lower chart of an overview, where the bars hang down.
    const int label_y = (m_.overview && y >= kLowerTop) ? y + 2 : y - 15;
    text_at(p, m_.swiss ? 840 : 973, label_y, QStringLiteral("Ø"));
}

void BarChartPainter::paint_balls(QPainter& p) const {
    for (size_t i = 0; i < m_.columns.size(); ++i) {
        const int n = m_.columns[i];
        for (int b = 0; b < m_.balls; ++b)
            paint_ball(p, column_x(static_cast<int>(i)), 49 + 20 * b, m_.ball_label(n, b),
                       m_.marked[static_cast<size_t>(n)]);
    }
}

void BarChartPainter::paint_places(QPainter& p) const {
    p.setPen(palette_colour(0));
    QFont f = small_font();
    f.setPixelSize(10);
    p.setFont(f);
    for (size_t i = 0; i < m_.columns.size(); ++i)
        text_centred(p, column_x(static_cast<int>(i)), kBarWidth, 460, QString::number(i + 1));
}

void BarChartPainter::paint_lucky(QPainter& p) const {
    p.setFont(small_font());
    p.setPen(palette_colour(0));
    const int ud = upper_digits();
    if (m_.overview) {
        const double us = scale_for(upper_height(), largest(m_.lucky_upper));
        const double ls = scale_for(kLowerHeight, largest(m_.lucky_lower));
        for (int g = 1; g <= kLuckyNumbers; ++g) {
            const int x = lucky_x(g);
            const int hu = bar(m_.lucky_upper[static_cast<size_t>(g - 1)], us);
            const int hl = bar(m_.lucky_lower[static_cast<size_t>(g - 1)], ls);
            p.fillRect(x, kUpperBase - hu, kBarWidth, hu, palette_colour(m_.upper_colour));
            p.fillRect(x, kLowerTop, kBarWidth, hl, palette_colour(m_.lower_colour));
            paint_vertical_value(p, x, kUpperBase - hu - 13 * ud - 1, m_.lucky_upper[static_cast<size_t>(g - 1)], ud);
            paint_value_below(p, x, kLowerTop + hl + 1, m_.lucky_lower[static_cast<size_t>(g - 1)]);
        }
        text_at(p, 848, 250, QStringLiteral("Glückszahlen"));
    } else {
        const double s = scale_for(upper_height(), largest(m_.lucky_upper));
        for (int g = 1; g <= kLuckyNumbers; ++g) {
            const int x = lucky_x(g);
            const int h = bar(m_.lucky_upper[static_cast<size_t>(g - 1)], s);
            p.fillRect(x, kSingleBase - h, kBarWidth, h, palette_colour(m_.upper_colour));
            paint_vertical_value(p, x, kSingleBase - h - 13 * ud - 1, m_.lucky_upper[static_cast<size_t>(g - 1)], ud);
        }
        text_at(p, 848, 452, QStringLiteral("Glückszahlen"));
    }
    for (int g = 1; g <= kLuckyNumbers; ++g) paint_ball(p, lucky_x(g), 49, g, g == m_.lucky_marked);
}

void BarChartPainter::paint_marks(QPainter& p) const {
    p.setPen(palette_colour(0));
    p.setFont(small_font());
    // The bottom mark sits on the line of the places, inside the window.
    for (int y : m_.toto_y) text_at(p, m_.toto_x, std::min(y, 460), QStringLiteral("TOTO"));
    if (m_.plus_mark) text_at(p, 908, 29, QStringLiteral("PLUS"));
}

}  // namespace zw
