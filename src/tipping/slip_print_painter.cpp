#include "tipping/slip_print_painter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "tipping/slip_marks.h"
#include "tipping/slip_pdf.h"

namespace zw {

void SlipPrintPainter::paint(QPainter& p, const SlipSheet& sheet, double dots_per_mm, bool outline) const {
    p.save();
    auto at = [&](double x, double y) {
        const SlipPoint pt = page_position(sheet, x, y);
        return QPointF(pt.x * dots_per_mm, pt.y * dots_per_mm);
    };
    if (outline) {
        // The slip's edge and its cells, light enough that the marks stand out.
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0, 0, sheet.width * dots_per_mm, sheet.height * dots_per_mm));
        p.setPen(QPen(QColor(0xe0, 0x90, 0x80), 0));
        const double w = sheet.cell_w * 0.8 * dots_per_mm, h = sheet.cell_h * 0.8 * dots_per_mm;
        // The numbers the slip prints in its cells, so that the user can check each cross.
        QFont small(QStringLiteral("Liberation Sans"));
        small.setStyleHint(QFont::SansSerif);
        small.setPixelSize(std::max(1, qRound(h * 0.6)));
        p.setFont(small);
        for (size_t i = 0; i < sheet.cells.size(); ++i) {
            const QPointF centre = at(sheet.cells[i].x, sheet.cells[i].y);
            const QRectF cell(centre.x() - w / 2, centre.y() - h / 2, w, h);
            p.drawRect(cell);
            if (i < sheet.cell_labels.size() && !sheet.cell_labels[i].empty())
                p.drawText(cell, Qt::AlignCenter, QString::fromStdString(sheet.cell_labels[i]));
        }
    }
    QFont courier(QStringLiteral("Liberation Mono"));
    courier.setStyleHint(QFont::TypeWriter);
    // Points into device units, whatever the device's resolution.
    courier.setPixelSize(std::max(1, qRound(kSlipMarkPoints * 25.4 / 72.0 * dots_per_mm)));
    p.setFont(courier);
    p.setPen(Qt::black);
    const QFontMetricsF fm(courier, p.device());
    for (const SlipMark& m : sheet.marks) {
        const QString text = QString::fromStdString(m.text);
        // Centre the glyph's body (its x-height) on the mark; on an upside-down
        // feed the text turns with the slip.
        p.save();
        p.translate(at(m.x, m.y));
        if (sheet.upside_down) p.rotate(180);
        p.drawText(QPointF(-fm.horizontalAdvance(text) / 2, fm.xHeight() / 2), text);
        p.restore();
    }
    p.restore();
}

void prepare_slip_printer(QPrinter& printer, const SlipSheet& sheet) {
    printer.setDocName(QStringLiteral("Scheindruck"));
    printer.setFullPage(true);
    // Page sizes are kept upright; a slip wider than long is the landscape page.
    const bool landscape = sheet.width > sheet.height;
    const QSizeF upright = landscape ? QSizeF(sheet.height, sheet.width) : QSizeF(sheet.width, sheet.height);
    const QPageSize size(upright, QPageSize::Millimeter, QStringLiteral("Spielschein"), QPageSize::ExactMatch);
    printer.setPageLayout(
        QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool print_slip(QPrinter& printer, const SlipSheet& sheet, bool outline) {
    // The print dialog and the preview's page setup offer the printer's own
    // paper sizes and hand back the one chosen there (often Letter or A4):
    // the page is set to the slip again right before painting.
    prepare_slip_printer(printer, sheet);
    QPainter p;
    if (!p.begin(&printer)) return false;
    // Full-page mode: the painter's origin is the paper's top-left corner.
    const double dots_per_mm = printer.resolution() / 25.4;
    SlipPrintPainter().paint(p, sheet, dots_per_mm, outline);
    return p.end();
}

}  // namespace zw
