// Registers the combination statistics: partners of fixed numbers, best
// pairs, triples, quadruples and boundary pairs, smallest and largest number.
#include <span>

#include "stats/bar_chart_painter.h"
#include "stats/best_combination_painter.h"
#include "stats/combination_chart_model.h"
#include "stats/statistic_dispatch_view.h"

namespace zw {

void add_combination_statistics(StatisticDispatch& d) {
    for (int code : {7, 8, 9, 10, 11, 12, 34, 35, 38, 39, 42, 43})
        d.add(code, [code](StatisticContext& c) -> std::unique_ptr<ChartPainter> {
            const std::span<const int> fixed(c.tables.fixed.data(), static_cast<size_t>(c.tables.fixed_count));
            auto model = partner_chart(code, c.source(), c.session.range, fixed, c.tables);
            if (!model) return nullptr;
            return std::make_unique<BarChartPainter>(std::move(*model));
        });
    for (int code : {18, 19, 52, 53})
        d.add(code, [code](StatisticContext& c) -> std::unique_ptr<ChartPainter> {
            auto model = extreme_chart(code, c.source(), c.session.range, c.tables);
            if (!model) return nullptr;
            return std::make_unique<BarChartPainter>(std::move(*model));
        });
    for (int code : {20, 36, 40, 45, 37, 41, 44, 54})
        d.add(code, [code](StatisticContext& c) -> std::unique_ptr<ChartPainter> {
            auto model = best_list_chart(code, c.source(), c.session.range);
            if (!model) return nullptr;
            return std::make_unique<BestCombinationPainter>(std::move(*model));
        });
}

}  // namespace zw
