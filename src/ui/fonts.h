// Fonts by numeric code and the 16-colour palette used by every drawing routine.
#pragma once

#include <QColor>
#include <QFont>

namespace zw {

// 4 Arial 16/200, 8 and 12 terminal 12, 14 fixed pitch, 17 Arial 16 bold,
// 18 Arial 22/500, 20 Arial 44/200; other codes the system font.
QFont ui_font(int code);

// The 16 classic colours: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 brown, 7 light grey, 8 dark grey, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 14 yellow, 15 white.
QColor palette_colour(int index);

}  // namespace zw
