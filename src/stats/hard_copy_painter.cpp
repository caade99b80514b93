#include "stats/hard_copy_painter.h"

#include <QPainter>
#include <QPrinter>

#include "stats/chart_painter.h"

namespace zw {

bool print_hard_copy(QPrinter& printer, const ChartPainter& chart) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const int w = printer.width(), h = printer.height();
    const int ux = std::max(w / 1080, 1), uy = std::max(h / 500, 1);
    const QRect target(40 * ux, 10 * uy, w - 80 * ux, h / 2 - 25 * uy);
    const QSize size = chart.size();
    p.translate(target.topLeft());
    p.scale(static_cast<double>(target.width()) / size.width(),
            static_cast<double>(target.height()) / size.height());
    p.setClipRect(QRect(QPoint(0, 0), size));
    chart.paint(p);
    return p.end();
}

}  // namespace zw
