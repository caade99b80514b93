#include "cardindex/balance_diagram_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/fonts.h"

namespace zw {
namespace {

constexpr double kLaxFloor = 0.1;  // the log scale starts here; smaller indices sit on it

double scaled(BalanceDiagramPainter::Kind kind, double v) {
    return kind == BalanceDiagramPainter::Kind::Lax ? std::log10(std::max(v, kLaxFloor)) : v;
}

QString amount(double v) { return QString::number(v, 'f', std::abs(v) >= 100 ? 0 : 2); }

}  // namespace

double BalanceDiagramPainter::low() const {
    if (kind == Kind::Lax) return std::log10(kLaxFloor);
    double m = 0;
    for (double v : values) m = std::min(m, v);
    return m;
}

double BalanceDiagramPainter::high() const {
    if (kind == Kind::Lax) {
        double m = 10;
        for (double v : values) m = std::max(m, v);
        return std::ceil(std::log10(m));
    }
    double m = 0;
    for (double v : values) m = std::max(m, v);
    return m > low() ? m : low() + 1;
}

QRect BalanceDiagramPainter::plot_area(const QRect& area) const {
    const QFontMetrics fm(font);
    const int left = fm.horizontalAdvance(QStringLiteral("-000000.00")) + 12;
    return area.adjusted(left, 2 * fm.lineSpacing() + 8, -16, -fm.lineSpacing() - 12);
}

int BalanceDiagramPainter::y_of(double value, const QRect& plot) const {
    const double lo = low(), hi = high();
    const double f = (scaled(kind, value) - lo) / (hi - lo);
    return plot.bottom() - static_cast<int>(std::lround(std::clamp(f, 0.0, 1.0) * plot.height()));
}

int BalanceDiagramPainter::x_of(size_t i, const QRect& plot) const {
    const double step = values.empty() ? 0.0 : static_cast<double>(plot.width()) / static_cast<double>(values.size());
    return plot.left() + static_cast<int>(std::lround(step * (static_cast<double>(i) + 0.5)));
}

void BalanceDiagramPainter::paint(QPainter& p, const QRect& area) const {
    p.save();
    p.fillRect(area, palette_colour(15));
    p.setFont(font);
    const QFontMetrics fm(font);
    p.setPen(palette_colour(1));
    p.drawText(QRect(area.left(), area.top() + 4, area.width(), fm.lineSpacing()), Qt::AlignHCenter, title);
    const QRect plot = plot_area(area);
    p.setPen(palette_colour(8));
    p.drawRect(plot);

    // Scale: decades of the luck index, or the balance from its lowest to its highest value.
    auto tick = [&](double v, const QString& text, int colour) {
        const int y = y_of(v, plot);
        p.setPen(QPen(palette_colour(colour), 1, Qt::DotLine));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette_colour(0));
        p.drawText(QRect(area.left(), y - fm.lineSpacing() / 2, plot.left() - area.left() - 6, fm.lineSpacing()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    if (kind == Kind::Lax) {
        for (int d = static_cast<int>(low()); d <= static_cast<int>(high()); ++d) {
            const double v = std::pow(10.0, d);
            tick(v, QString::number(v, 'g', 3), d == 0 ? 4 : 7);
        }
    } else {
        // Four even steps from the lowest to the highest value; the zero line carries the unit.
        const double lo = low(), hi = high();
        const int zero_y = y_of(0.0, plot);
        for (int k = 0; k <= 4; ++k) {
            const double v = lo + (hi - lo) * k / 4.0;
            if (std::abs(y_of(v, plot) - zero_y) > fm.lineSpacing()) tick(v, amount(v), 7);
        }
        tick(0.0, QStringLiteral("0 ") + unit, 4);
    }
    // Ticket numbers along the bottom (about ten labels).
    p.setPen(palette_colour(0));
    const size_t label_step = std::max<size_t>(1, (values.size() + 9) / 10);
    for (size_t i = 0; i < values.size(); i += label_step)
        p.drawText(QRect(x_of(i, plot) - 30, plot.bottom() + 4, 60, fm.lineSpacing()), Qt::AlignHCenter,
                   QString::number(i + 1));

    p.setPen(QPen(palette_colour(kind == Kind::Lax ? 2 : 1), 2));
    for (size_t i = 0; i < values.size(); ++i) {
        const QPoint pt(x_of(i, plot), y_of(values[i], plot));
        if (i > 0) p.drawLine(QPoint(x_of(i - 1, plot), y_of(values[i - 1], plot)), pt);
        p.drawEllipse(pt, 2, 2);
    }
    p.restore();
}

}  // namespace zw
