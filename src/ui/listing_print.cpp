#include "ui/listing_print.h"

#include <QPainter>
#include <QPrinter>

namespace zw {

bool print_listing(QPrinter& printer, const QFont& font, const QString& title, const QString& header,
                   const QStringList& lines, const QStringList& closing) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int step = fm.lineSpacing();
    int y = 0;
    const auto start_page = [&] {
        y = fm.ascent();
        p.drawText(0, y, title);
        y += 2 * step;
        p.drawText(0, y, header);
        y += step;
        p.drawLine(0, y - fm.ascent() / 2, page.width(), y - fm.ascent() / 2);
        y += step / 2;
    };
    const auto line = [&](const QString& text) {
        if (y + step > page.height()) {
            if (!printer.newPage()) return false;
            start_page();
        }
        p.drawText(0, y, text);
        y += step;
        return true;
    };
    start_page();
    for (const QString& text : lines)
        if (!line(text)) return false;
    if (!closing.isEmpty()) y += step;
    for (const QString& text : closing)
        if (!line(text)) return false;
    return p.end();
}

}  // namespace zw
