// Statistics over the shipped Saturday+Wednesday archive (6554 draws): the
// work behind one "-"/"+" step of the result window.
#include <benchmark/benchmark.h>

#include "archive/draw_archive.h"
#include "stats/chart_model.h"
#include "stats/frequencies.h"
#include "stats/gap_average.h"
#include "stats/runs.h"

namespace {

struct Shipped {
    zw::GameParams params;
    zw::DrawArchive archive;
    Shipped() {
        zw::apply_game(params, zw::kLottoBoth);
        if (!archive.load_draws(zw::fs::path(ZIEHWERK_SOURCE_DIR) / "data", params))
            throw std::runtime_error("data/SM_LOTTO.DAT not readable");
    }
    zw::DrawRange whole() const {
        zw::DrawRange r;
        r.set(1, archive.newest());
        return r;
    }
};

const Shipped& shipped() {
    static const Shipped s;
    return s;
}

void BM_FrequenciesGapsOrder(benchmark::State& state) {
    const Shipped& s = shipped();
    const zw::DrawSource source(s.archive, s.params);
    const zw::DrawRange range = s.whole();
    zw::StatTables t;
    for (auto _ : state) {
        zw::compute_frequencies(source, range, t);
        zw::compute_gaps(source, range.last, t);
        auto order = zw::order_for_display(t.main_frequency, s.params.highest_number);
        benchmark::DoNotOptimize(order);
    }
    state.counters["draws"] = range.count;
}
BENCHMARK(BM_FrequenciesGapsOrder)->Unit(benchmark::kMicrosecond);

void BM_OverviewChartModel(benchmark::State& state) {
    const Shipped& s = shipped();
    const zw::DrawSource source(s.archive, s.params);
    const zw::DrawRange range = s.whole();
    zw::StatTables t;
    for (auto _ : state) benchmark::DoNotOptimize(zw::number_chart(5, source, range, t));
}
BENCHMARK(BM_OverviewChartModel)->Unit(benchmark::kMicrosecond);

void BM_TripletOverviewChartModel(benchmark::State& state) {
    const Shipped& s = shipped();
    const zw::DrawSource source(s.archive, s.params);
    const zw::DrawRange range = s.whole();
    zw::StatTables t;
    for (auto _ : state) benchmark::DoNotOptimize(zw::run_chart(23, source, range, t));
}
BENCHMARK(BM_TripletOverviewChartModel)->Unit(benchmark::kMicrosecond);

void BM_GapAverageSeries(benchmark::State& state) {
    const Shipped& s = shipped();
    const zw::DrawSource source(s.archive, s.params);
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::gap_average_series(source, zw::gap_average_start_end(source), false));
}
BENCHMARK(BM_GapAverageSeries)->Unit(benchmark::kMicrosecond);

}  // namespace
