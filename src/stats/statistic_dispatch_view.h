// Which chart each statistic code computes and draws. The result window
// looks a code up here; further statistics add their codes with add().
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "session/session.h"
#include "stats/chart_painter.h"

namespace zw {

struct StatisticContext {
    Session& session;
    StatTables& tables;
    DrawSource source() const { return DrawSource(session.archive, session.params); }
};

using StatisticBuilder = std::function<std::unique_ptr<ChartPainter>(StatisticContext&)>;

class StatisticDispatch {
public:
    void add(int code, StatisticBuilder builder) { builders_[code] = std::move(builder); }
    bool has(int code) const { return builders_.count(code) > 0; }
    // Computes the statistic and returns its chart; nullptr for unknown codes.
    std::unique_ptr<ChartPainter> build(int code, StatisticContext& context) const;

private:
    std::map<int, StatisticBuilder> builders_;
};

// Numbers, extra and LottoPlus numbers (1..6, 31..33), twins and triplets
// (13..15, 21..23, 46..51), distributions (16, 24, 55, 56) and the
// probability view (17, 57).
void add_number_statistics(StatisticDispatch& dispatch);
void add_run_statistics(StatisticDispatch& dispatch);
void add_distribution_statistics(StatisticDispatch& dispatch);
// Partners (7..12), extremes (18..20), best lists (36, 40, 45) and their
// LottoPlus counterparts.
void add_combination_statistics(StatisticDispatch& dispatch);
StatisticDispatch default_statistics();

}  // namespace zw
