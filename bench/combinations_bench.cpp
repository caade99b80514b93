// Best-combination lists over the shipped Saturday+Wednesday archive and the
// row generator's counting and generation.
#include <benchmark/benchmark.h>

#include "archive/draw_archive.h"
#include "stats/combinations.h"
#include "tipping/row_generator.h"

namespace {

struct Both {
    zw::GameParams params = zw::game_params(zw::kLottoBoth);
    zw::DrawArchive archive;
    Both() {
        if (!archive.load_draws(zw::fs::path(ZIEHWERK_SOURCE_DIR) / "data", params))
            throw std::runtime_error("data/SM_LOTTO.DAT not readable");
    }
};

const Both& both() {
    static const Both b;
    return b;
}

// Counting, the top 49 and their gaps: what one chart of the best list costs.
void BM_BestList(benchmark::State& state) {
    const Both& b = both();
    const zw::DrawSource source(b.archive, b.params);
    zw::DrawRange range;
    range.set(1, b.archive.newest());
    const auto family = static_cast<zw::CombinationFamily>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(zw::best_combinations(source, range, family));
    state.counters["draws"] = range.count;
}
BENCHMARK(BM_BestList)
    ->Arg(static_cast<int>(zw::CombinationFamily::kPairs))
    ->Arg(static_cast<int>(zw::CombinationFamily::kTriples))
    ->Arg(static_cast<int>(zw::CombinationFamily::kQuadruples))
    ->Unit(benchmark::kMillisecond);

void BM_PossibleRowsAllTips(benchmark::State& state) {
    const zw::GameParams p = zw::game_params(zw::kLottoSaturday);
    zw::GeneratorState s(p);
    s.invert();
    zw::GeneratorFilter f;
    f.even = {false, true, true, true, true, true, false};
    f.low = {false, false, true, true, true, false, false};
    for (auto _ : state) benchmark::DoNotOptimize(zw::possible_rows(s, f, p));
}
BENCHMARK(BM_PossibleRowsAllTips)->Unit(benchmark::kMicrosecond);

// Sixteen rows of 12 tips with a narrow filter (3 even, 3 low only).
void BM_SixteenFilteredRows(benchmark::State& state) {
    const zw::GameParams p = zw::game_params(zw::kLottoSaturday);
    zw::GeneratorState s(p);
    for (int n : {2, 5, 8, 11, 14, 19, 26, 31, 36, 40, 43, 47}) s.add_tip(n);
    zw::GeneratorFilter f;
    f.even = {false, false, false, true, false, false, false};
    f.low = {false, false, false, true, false, false, false};
    zw::RandomSource random(1);
    for (auto _ : state) {
        auto r = zw::generate_rows(s, f, p, 16, random);
        if (!r.complete) state.SkipWithError("too few rows");
        benchmark::DoNotOptimize(r);
    }
    state.counters["possible"] = static_cast<double>(zw::possible_rows(s, f, p));
}
BENCHMARK(BM_SixteenFilteredRows)->Unit(benchmark::kMicrosecond);

}  // namespace
