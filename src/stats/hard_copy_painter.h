// Hard copy of a chart on the printer: the chart scaled onto the upper half
// of the page.
#pragma once

class QPrinter;

namespace zw {

class ChartPainter;

// False when the printer cannot be opened.
bool print_hard_copy(QPrinter& printer, const ChartPainter& chart);

}  // namespace zw
