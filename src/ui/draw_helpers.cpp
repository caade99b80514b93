#include "ui/draw_helpers.h"

#include "ui/fonts.h"

namespace zw {

void r_box(QPainter& p, const QRect& r, int fill, bool raised) {
    p.save();
    p.fillRect(r, palette_colour(fill));
    const QColor light = palette_colour(15), dark = palette_colour(8);
    p.setPen(raised ? light : dark);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? dark : light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.restore();
}

void r_line(QPainter& p, int x1, int y1, int x2, int y2, int colour) {
    p.save();
    p.setPen(palette_colour(colour));
    p.drawLine(x1, y1, x2, y2);
    p.restore();
}

}  // namespace zw
