// The column print of the last draws on paper: the heading, one line per
// draw with "__" for the numbers not drawn, and the two even/odd summaries,
// in a fixed-pitch font sized so that the whole grid fits the page.
#pragma once

#include <QPainter>
#include <QRect>

#include "archive/draw_export.h"

namespace zw {

class ColumnPrintPainter {
public:
    void paint(QPainter& p, const QRect& page, const DrawGrid& grid) const;
};

}  // namespace zw
