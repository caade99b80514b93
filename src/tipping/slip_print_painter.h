// Draws the slip print: an "x" in Courier on every mark, and for the preview
// a light outline of the slip's cells with their numbers under them. The same painter serves the
// print preview, PDF files and the paper slip.
#pragma once

class QPainter;
class QPrinter;

namespace zw {

struct SlipSheet;

class SlipPrintPainter {
public:
    // Paints with the painter's origin at the slip's top-left corner of the
    // page; `dots_per_mm` converts the sheet's millimetres into device units.
    void paint(QPainter& p, const SlipSheet& sheet, double dots_per_mm, bool outline) const;
};

// Makes the printer's page the slip: its size, no margins, job "Scheindruck".
void prepare_slip_printer(QPrinter& printer, const SlipSheet& sheet);
// Prints the sheet on a page of the slip's size, whatever paper the print
// dialog chose; false when the printer cannot be started or fails.
bool print_slip(QPrinter& printer, const SlipSheet& sheet, bool outline);

}  // namespace zw
