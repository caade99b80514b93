// The gap-average diagram: step curves of the last 300 mean gaps.
#pragma once

#include "stats/chart_painter.h"
#include "stats/gap_average.h"

namespace zw {

class GapAveragePainter : public ChartPainter {
public:
    explicit GapAveragePainter(GapAverageSeries series) : s_(std::move(series)) {}
    void paint(QPainter& p) const override;
    bool has_step_buttons() const override { return false; }
    const GapAverageSeries& series() const { return s_; }

    static int point_x(int index) { return 33 + 3 * index; }
    static int tick_length(int draw);
    // Mouse at the left or right edge moves the window.
    static bool at_left_edge(int x) { return x <= 30; }
    static bool at_right_edge(int x) { return x >= 950; }

private:
    void paint_axes(QPainter& p) const;
    void paint_curve(QPainter& p, bool upper) const;

    GapAverageSeries s_;
};

}  // namespace zw
