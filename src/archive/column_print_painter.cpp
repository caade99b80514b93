#include "archive/column_print_painter.h"

#include <QFontMetricsF>
#include <algorithm>

namespace zw {
namespace {

QFont print_font(qreal points) {
    QFont f(QStringLiteral("Courier New"));
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(points);
    return f;
}

}  // namespace

void ColumnPrintPainter::paint(QPainter& p, const QRect& page, const DrawGrid& grid) const {
    QStringList lines;
    lines << QString::fromStdString(grid.heading) << QString();
    for (const auto& l : grid.lines) lines << QString::fromStdString(l);
    lines << QString() << QString::fromStdString(grid.numbers_summary)
          << QString::fromStdString(grid.extras_summary);

    // Measure at 10 points, then scale so that the widest line and all lines fit.
    QFont font = print_font(10);
    p.setFont(font);
    QFontMetricsF m(p.fontMetrics());
    qreal widest = 1;
    for (const QString& l : lines) widest = std::max(widest, m.horizontalAdvance(l));
    const qreal by_width = page.width() / widest;
    const qreal by_height = page.height() / (m.lineSpacing() * lines.size());
    const qreal points = std::clamp(10 * std::min(by_width, by_height), 3.0, 12.0);
    font = print_font(points);
    p.setFont(font);
    p.setPen(Qt::black);
    const qreal step = QFontMetricsF(p.fontMetrics()).lineSpacing();
    qreal y = page.top() + QFontMetricsF(p.fontMetrics()).ascent();
    for (const QString& l : lines) {
        p.drawText(QPointF(page.left(), y), l);
        y += step;
    }
}

}  // namespace zw
