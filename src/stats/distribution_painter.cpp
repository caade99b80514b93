#include "stats/distribution_painter.h"

#include <algorithm>
#include <cmath>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {

QString DistributionPainter::bar_text(int k) const {
    const auto i = static_cast<size_t>(k);
    return QString::number(m_.histogram.counts[i]).rightJustified(4, QLatin1Char(' ')) +
           QStringLiteral("(") + QString::number(m_.expected[i]) + QStringLiteral(".0)'");
}

QString DistributionPainter::box_text(int k) const {
    return m_.low_high ? QStringLiteral("%1xT  %2xH").arg(k).arg(6 - k)
                       : QStringLiteral("%1xG  %2xU").arg(k).arg(6 - k);
}

void DistributionPainter::paint(QPainter& p) const {
    p.save();
    paint_frame(p, size());
    paint_step_buttons(p);
    paint_heading(p, m_.heading);
    p.setPen(palette_colour(0));
    if (m_.plus_mark) {
        p.setFont(small_font());
        text_at(p, 860, 29, QStringLiteral("LOTTOPlus"));
    }
    p.setFont(note_font());
    text_at(p, 22, 31,
            QStringLiteral("'In den Klammern steht der theoretisch zu erwartente Wert und davor "
                           "steht der aus den bisherigen Ziehungen resultierende Wert."));
    const auto& h = m_.histogram.counts;
    const double scale = 321.0 / std::max(1, *std::max_element(h.begin(), h.end()));
    for (int k = 0; k < 7; ++k) {
        const int x = 8 + 138 * k;
        const int height = static_cast<int>(std::lround(h[static_cast<size_t>(k)] * scale));
        p.fillRect(x, 448 - height, 137, height, palette_colour(4));
        p.setPen(palette_colour(0));
        p.setFont(small_font());
        text_centred(p, x, 137, 448 - height - 16, bar_text(k));
        const QRect box(x + 24, 451, 89, 20);
        r_box(p, box, 7, true);
        p.setFont(note_font());
        p.setPen(palette_colour(0));
        p.drawText(box, Qt::AlignCenter, box_text(k));
    }
    p.restore();
}

}  // namespace zw
