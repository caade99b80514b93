// The power tip over the shipped Saturday+Wednesday archive (6554 draws):
// one " _Berechne " of 16 rows, the archive check's set built each time.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "archive/draw_archive.h"
#include "tipping/power_tip.h"

namespace {

struct Shipped {
    zw::GameParams params = zw::game_params(zw::kLottoBoth);
    zw::DrawArchive archive;
    Shipped() {
        if (!archive.load_draws(zw::fs::path(ZIEHWERK_SOURCE_DIR) / "data", params))
            throw std::runtime_error("data/SM_LOTTO.DAT not readable");
    }
};

const Shipped& shipped() {
    static const Shipped s;
    return s;
}

// Every number weighted, the usual picture: "gering" to "hoch" in turn.
zw::WeightMatrix mixed_weights() {
    zw::WeightMatrix w;
    for (int n = 1; n <= 49; ++n) w.set_weight(n, zw::kLottoBoth, 1 + n % 3);
    return w;
}

void BM_PowerTip16Rows(benchmark::State& state) {
    const Shipped& s = shipped();
    const zw::WeightMatrix w = mixed_weights();
    uint64_t seed = 1;
    for (auto _ : state) {
        zw::RandomSource random(seed++);
        const zw::ArchiveRowSet archive(zw::DrawSource(s.archive, s.params));
        benchmark::DoNotOptimize(zw::power_tip(w, s.params, archive, 16, random));
    }
    state.counters["draws"] = s.archive.draw_count();
}
BENCHMARK(BM_PowerTip16Rows)->Unit(benchmark::kMicrosecond);

// A matrix that admits only seven rows: the full 10000 attempts.
void BM_PowerTipAttemptLimit(benchmark::State& state) {
    const Shipped& s = shipped();
    zw::WeightMatrix w;
    for (int n = 1; n <= 7; ++n) w.set_weight(n, zw::kLottoBoth, 3);
    for (auto _ : state) {
        zw::RandomSource random(7);
        const zw::ArchiveRowSet archive(zw::DrawSource(s.archive, s.params));
        benchmark::DoNotOptimize(zw::power_tip(w, s.params, archive, 16, random));
    }
}
BENCHMARK(BM_PowerTipAttemptLimit)->Unit(benchmark::kMicrosecond);

}  // namespace
