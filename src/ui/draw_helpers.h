// Drawing helpers shared by charts, slip grids and ticket pictures.
#pragma once

#include <QPainter>
#include <QRect>

namespace zw {

// A 3-D box: filled with `fill` (palette index), light edges top/left and dark
// edges bottom/right when raised, the other way round when sunken.
void r_box(QPainter& p, const QRect& r, int fill, bool raised = true);
// A line in a palette colour.
void r_line(QPainter& p, int x1, int y1, int x2, int y2, int colour);

}  // namespace zw
