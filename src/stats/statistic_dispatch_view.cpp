#include "stats/statistic_dispatch_view.h"

#include "stats/bar_chart_painter.h"
#include "stats/distribution_painter.h"
#include "stats/probability_painter.h"

namespace zw {

std::unique_ptr<ChartPainter> StatisticDispatch::build(int code, StatisticContext& context) const {
    auto it = builders_.find(code);
    if (it == builders_.end()) return nullptr;
    return it->second(context);
}

namespace {

// Wraps a model builder into a chart builder.
template <class Painter, class Build>
StatisticBuilder chart_of(int code, Build build) {
    return [code, build](StatisticContext& c) -> std::unique_ptr<ChartPainter> {
        const DrawSource source = c.source();
        auto model = build(code, source, c);
        if (!model) return nullptr;
        return std::make_unique<Painter>(std::move(*model));
    };
}

}  // namespace

void add_number_statistics(StatisticDispatch& d) {
    for (int code : {1, 2, 3, 4, 5, 6, 31, 32, 33})
        d.add(code, chart_of<BarChartPainter>(code, [](int k, const DrawSource& s, StatisticContext& c) {
                  return number_chart(k, s, c.session.range, c.tables);
              }));
}

void add_run_statistics(StatisticDispatch& d) {
    for (int code : {13, 14, 15, 21, 22, 23, 46, 47, 48, 49, 50, 51})
        d.add(code, chart_of<BarChartPainter>(code, [](int k, const DrawSource& s, StatisticContext& c) {
                  return run_chart(k, s, c.session.range, c.tables);
              }));
}

void add_distribution_statistics(StatisticDispatch& d) {
    for (int code : {16, 24, 55, 56})
        d.add(code, chart_of<DistributionPainter>(code, [](int k, const DrawSource& s, StatisticContext& c) {
                  return distribution_chart(k, s, c.session.range);
              }));
    for (int code : {17, 57})
        d.add(code, chart_of<ProbabilityPainter>(code, [](int k, const DrawSource& s, StatisticContext& c) {
                  return probability_chart(k, s, c.session.range, c.tables);
              }));
}

StatisticDispatch default_statistics() {
    StatisticDispatch d;
    add_number_statistics(d);
    add_run_statistics(d);
    add_distribution_statistics(d);
    add_combination_statistics(d);
    return d;
}

}  // namespace zw
