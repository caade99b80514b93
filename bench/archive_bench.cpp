// Text exports and the Austrian merge over a full archive.
#include <benchmark/benchmark.h>

#include "archive/draw_archive.h"
#include "archive/draw_export.h"

namespace {

zw::GameParams game(int code) {
    zw::GameParams p;
    zw::apply_game(p, code);
    return p;
}

// An archive filled to its capacity with plausible draws.
void fill(zw::DrawArchive& a, const zw::GameParams& p, int draws) {
    a.clear_for(p);
    a.extend_to(draws);
    for (int n = 1; n <= draws; ++n)
        for (int k = 0; k < 7; ++k)
            a.record(n)[k] = static_cast<uint8_t>(1 + (n * 7 + k * 6) % p.highest_number);
}

void BM_ExportAllDraws(benchmark::State& state) {
    const auto p = game(zw::kLottoSaturday);
    zw::DrawArchive a;
    fill(a, p, zw::kMaxDraws);
    zw::DrawRange r;
    r.set(1, zw::kMaxDraws);
    for (auto _ : state) benchmark::DoNotOptimize(zw::export_all_draws(p, a, r));
}
BENCHMARK(BM_ExportAllDraws)->Unit(benchmark::kMillisecond);

void BM_ExportGrid(benchmark::State& state) {
    const auto p = game(zw::kLottoSaturday);
    zw::DrawArchive a;
    fill(a, p, zw::kMaxDraws);
    zw::DrawRange r;
    r.set(1, zw::kMaxDraws);
    for (auto _ : state) benchmark::DoNotOptimize(zw::export_last_draws_grid(p, a, r));
}
BENCHMARK(BM_ExportGrid)->Unit(benchmark::kMicrosecond);

// The Austrian combined view is rebuilt after every stored draw of the entry.
void BM_MergeBonusDraws(benchmark::State& state) {
    const auto p = game(zw::kAustria);
    zw::DrawArchive a;
    fill(a, p, zw::kMaxDraws);
    std::vector<zw::BonusDraw> bonus(zw::kMaxBonusDraws);
    for (size_t i = 0; i < bonus.size(); ++i) bonus[i].date = "01.01." + std::to_string(1990 + i / 4);
    a.set_bonus_draws(bonus);
    for (auto _ : state) {
        a.merge_bonus_draws();
        benchmark::DoNotOptimize(a.combined().size());
    }
}
BENCHMARK(BM_MergeBonusDraws)->Unit(benchmark::kMillisecond);

}  // namespace
