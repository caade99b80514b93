// Even/odd and low/high histograms with the expected counts.
#pragma once

#include "stats/chart_painter.h"

namespace zw {

class DistributionPainter : public ChartPainter {
public:
    explicit DistributionPainter(DistributionModel model) : m_(std::move(model)) {}
    void paint(QPainter& p) const override;
    const DistributionModel& model() const { return m_; }
    std::optional<StatTable> table() const override { return distribution_table(m_); }
    // Text above bar k: count, expected count in brackets.
    QString bar_text(int k) const;
    QString box_text(int k) const;

private:
    DistributionModel m_;
};

}  // namespace zw
