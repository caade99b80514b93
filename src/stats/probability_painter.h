// The probability view: frequency dot histogram with mean, standard
// deviation and bell curve, gap dot histogram with its mean, legend and the
// information line under the mouse.
#pragma once

#include "stats/chart_painter.h"

namespace zw {

class ProbabilityPainter : public ChartPainter {
public:
    explicit ProbabilityPainter(ProbabilityModel model) : m_(std::move(model)) {}
    QSize size() const override { return {kProbabilityWidth, kChartHeight}; }
    void paint(QPainter& p) const override;
    bool mouse_moved(QPoint pos) override;
    const ProbabilityModel& model() const { return m_; }
    const QString& info() const { return info_; }

private:
    void paint_balls(QPainter& p, const std::vector<ProbabilityBall>& balls) const;
    void paint_legend(QPainter& p) const;

    ProbabilityModel m_;
    QString info_;
};

}  // namespace zw
