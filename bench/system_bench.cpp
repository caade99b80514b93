// The system checker on random row sets and the designer on the covering
// targets with a ten-second budget each (one core).
#include <benchmark/benchmark.h>

#include <array>
#include <bit>

#include "base/random_source.h"
#include "evaluation/system_designer.h"

namespace {

std::vector<uint64_t> random_rows(int count, int v, uint64_t seed) {
    zw::RandomSource rnd(seed);
    std::vector<uint64_t> rows;
    while (static_cast<int>(rows.size()) < count) {
        uint64_t m = 0;
        while (std::popcount(m) < 6) m |= uint64_t{1} << rnd.below(static_cast<uint32_t>(v));
        rows.push_back(m);
    }
    return rows;
}

// All p = 3..6 for b rows over v numbers.
void BM_Check(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int v = static_cast<int>(state.range(1));
    const auto set = random_rows(rows, v, 11);
    for (auto _ : state) benchmark::DoNotOptimize(zw::check_system(set, v));
}
BENCHMARK(BM_Check)->Args({50, 20})->Args({100, 49})->Unit(benchmark::kMillisecond);

struct Target {
    int v, t, best;
};
constexpr std::array<Target, 11> kTargets = {{
    {10, 3, 10}, {11, 3, 11}, {12, 3, 15}, {9, 4, 12}, {10, 4, 20}, {10, 5, 50},
    {14, 3, 25}, {16, 3, 38}, {18, 3, 48}, {13, 4, 66}, {16, 4, 152},
}};

// "t if t" over v numbers in ten seconds; rows against the best known size.
void BM_Design(benchmark::State& state) {
    const Target& target = kTargets[static_cast<size_t>(state.range(0))];
    zw::DesignRequest r;
    r.v = target.v;
    r.t = target.t;
    r.p = target.t;
    r.seconds = 10;
    r.seed = 1;
    size_t rows = 0;
    for (auto _ : state) {
        const auto d = zw::design_system(r);
        rows = d ? d->rows.size() : 0;
    }
    state.counters["v"] = target.v;
    state.counters["t"] = target.t;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["best_known"] = target.best;
}
BENCHMARK(BM_Design)->DenseRange(0, static_cast<int>(kTargets.size()) - 1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
