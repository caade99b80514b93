// Single bar chart and overview (frequency above, gap below) of numbers,
// super numbers, LottoPlus numbers, twins and triplets.
#pragma once

#include "stats/chart_painter.h"

namespace zw {

class BarChartPainter : public ChartPainter {
public:
    explicit BarChartPainter(ChartModel model) : m_(std::move(model)) {}
    void paint(QPainter& p) const override;
    const ChartModel& model() const { return m_; }
    std::optional<StatTable> table() const override { return chart_table(m_); }

    // Geometry, also used by the tests.
    static int column_x(int index) { return 1 + 20 * index; }
    static int lucky_x(int g) { return 852 + 20 * (g - 1); }
    // Pixels of the largest upper bar once the balls and values fit above it.
    int upper_height() const;

private:
    void paint_single(QPainter& p) const;
    void paint_overview(QPainter& p) const;
    void paint_balls(QPainter& p) const;
    void paint_places(QPainter& p) const;
    void paint_average(QPainter& p, int y) const;
    void paint_lucky(QPainter& p) const;
    void paint_marks(QPainter& p) const;
    int balls_bottom() const { return 49 + 20 * (m_.balls - 1) + 17; }
    int upper_digits() const;

    ChartModel m_;
};

}  // namespace zw
