// The best-combination chart: the 49 most frequent pairs, triples,
// quadruples or boundary pairs with their count above and their gap below.
#pragma once

#include "stats/chart_painter.h"
#include "stats/combination_chart_model.h"

namespace zw {

class BestCombinationPainter : public ChartPainter {
  public:
    explicit BestCombinationPainter(BestListModel model) : m_(std::move(model)) {}
    void paint(QPainter& p) const override;
    std::optional<StatTable> table() const override { return best_list_table(m_); }
    const BestListModel& model() const { return m_; }

    static int column_x(int index) { return 1 + 20 * index; }
    // Balls above the count bars and below the gap bars.
    int balls_above() const;
    int lower_ball_y(int ball) const;

  private:
    BestListModel m_;
};

}  // namespace zw
