// The two diagrams of a card index: the running luck index ("L A X") on a
// logarithmic scale and the running balance ("B i l a n z"), each plotted
// over the ticket number with the plot width shared evenly among the tickets.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace zw {

class BalanceDiagramPainter {
public:
    enum class Kind { Lax, Balance };

    Kind kind = Kind::Lax;
    QString title;          // "L A X - D i a g r a m m"
    QString unit;           // "EUR" for the balance
    std::vector<double> values;  // per ticket: luck index, or balance in currency units
    QFont font;

    void paint(QPainter& p, const QRect& area) const;
    // The plot area inside `area` (below the title, right of the scale).
    QRect plot_area(const QRect& area) const;
    // Vertical position of a value within the plot.
    int y_of(double value, const QRect& plot) const;
    // Horizontal position of ticket i (0-based).
    int x_of(size_t i, const QRect& plot) const;

private:
    double low() const;
    double high() const;
};

}  // namespace zw
