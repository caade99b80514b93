#include "stats/gap_average_painter.h"

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kLowerBaseline = 445;
constexpr int kUpperBaseline = 214;
constexpr int kLowerColour = 4;
constexpr int kUpperColour = 1;

}  // namespace

int GapAveragePainter::tick_length(int draw) {
    if (draw % 100 == 0) return 8;
    if (draw % 50 == 0) return 6;
    if (draw % 10 == 0) return 4;
    if (draw % 5 == 0) return 3;
    return 2;
}

void GapAveragePainter::paint_axes(QPainter& p) const {
    p.setPen(palette_colour(8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(30, 57, 919, 176));
    p.drawRect(QRect(30, 268, 919, 200));
    p.setFont(small_font());
    p.setPen(palette_colour(0));
    // Lower panel: mean gaps 9 .. 5 of the winning numbers.
    for (int i = 0; i < 5; ++i) {
        const int y = 345 + 20 * i;
        r_line(p, 31, y, 948, y, 7);
        text_at(p, 16, 342 + 20 * i, QString::number(9 - i));
    }
    if (s_.upper == UpperCurve::kSuperNumbers) {
        for (int i = 0; i < 3; ++i) {
            r_line(p, 31, 99 + 50 * i, 948, 99 + 50 * i, 7);
            text_at(p, 9, 95 + 50 * i, QString::number(15 - 5 * i).rightJustified(2, QLatin1Char(' ')));
        }
    } else if (s_.upper == UpperCurve::kZusatzzahlen) {
        for (int i = 0; i < 3; ++i) {
            r_line(p, 31, 110 + 40 * i, 948, 110 + 40 * i, 7);
            text_at(p, 9, 107 + 40 * i, QString::number(60 - 10 * i));
        }
    }
    r_line(p, 30, kLowerBaseline, 949, kLowerBaseline, 0);
    r_line(p, 30, kUpperBaseline, 949, kUpperBaseline, 0);
    for (size_t i = 0; i < s_.points.size(); ++i) {
        const int x = point_x(static_cast<int>(i));
        const int len = tick_length(s_.points[i].draw);
        r_line(p, x, kLowerBaseline, x, kLowerBaseline + len, 0);
        r_line(p, x, kUpperBaseline, x, kUpperBaseline + len, 0);
    }
}

void GapAveragePainter::paint_curve(QPainter& p, bool upper) const {
    p.save();
    p.setPen(QPen(palette_colour(upper ? kUpperColour : kLowerColour), 2));
    bool have = false;
    int prev = 0;
    for (size_t i = 0; i < s_.points.size(); ++i) {
        const auto& y = upper ? s_.points[i].upper_y : s_.points[i].lower_y;
        if (!y) {
            have = false;
            continue;
        }
        const int x = point_x(static_cast<int>(i));
        if (!have) prev = *y;
        p.drawLine(x - 3, prev, x - 3, *y);
        p.drawLine(x - 3, *y, x, *y);
        prev = *y;
        have = true;
    }
    p.restore();
}

void GapAveragePainter::paint(QPainter& p) const {
    p.save();
    paint_frame(p, size());
    p.setPen(palette_colour(0));
    p.setFont(heading_font());
    text_at(p, 19, 4, QStringLiteral("Die letzten 300 Rückstand-Durchschnittswerte im Diagramm:"));
    p.setFont(small_font());
    text_at(p, 19, 29, QStringLiteral("Datum:"));
    text_at(p, 19, 42, QStringLiteral("Ziehungs-Nr.:"));
    text_at(p, 130, 29, qs(s_.first_date));
    text_at(p, 130, 42, QString::number(s_.first));
    const int right = 949;
    p.drawText(QRect(right - 200, 29, 200, 13), Qt::AlignRight | Qt::AlignTop, qs(s_.last_date));
    p.drawText(QRect(right - 200, 42, 200, 13), Qt::AlignRight | Qt::AlignTop, QString::number(s_.last));
    paint_axes(p);
    p.setFont(note_font());
    if (s_.upper == UpperCurve::kSuperNumbers) {
        p.setPen(palette_colour(kUpperColour));
        text_at(p, 40, 60, QStringLiteral("Super-Zahlen"));
    } else if (s_.upper == UpperCurve::kZusatzzahlen) {
        p.setPen(palette_colour(kUpperColour));
        text_at(p, 40, 60, QStringLiteral("Zusatz-Zahlen"));
    }
    p.setPen(palette_colour(kLowerColour));
    text_at(p, 40, 271, s_.plus ? QStringLiteral("LottoPLUS-Zahlen") : QStringLiteral("Gewinn-Zahlen"));
    paint_curve(p, false);
    paint_curve(p, true);
    p.restore();
}

}  // namespace zw
