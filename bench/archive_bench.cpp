// Text exports and the Austrian merge over a full archive.
#include <benchmark/benchmark.h>

#include "archive/calendar.h"
#include "archive/csv_import.h"
#include "archive/draw_archive.h"
#include "archive/draw_export.h"

namespace {

zw::GameParams game(zw::GameCode code) {
    zw::GameParams p;
    zw::apply_game(p, code);
    return p;
}

// An archive filled to its capacity with plausible draws.
void fill(zw::DrawArchive& a, const zw::GameParams& p, int draws) {
    a.clear_for(p);
    a.extend_to(draws);
    for (int n = 1; n <= draws; ++n) {
        zw::Draw d;
        for (int k = 0; k < 6; ++k) d.numbers[k] = static_cast<uint8_t>(1 + (n * 7 + k * 6) % p.highest_number);
        d.extra = static_cast<uint8_t>(1 + (n * 7 + 6 * 6) % p.highest_number);
        a.set_draw(n, d);
    }
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

// A CSV import of the last `rows` Saturday draws of a full archive's calendar.
void BM_ParseDrawsCsv(benchmark::State& state) {
    const auto p = game(zw::kLottoSaturday);
    const int rows = static_cast<int>(state.range(0));
    std::string text = "date;n1;n2;n3;n4;n5;n6\n";
    for (int n = zw::kMaxDraws - rows + 1; n <= zw::kMaxDraws; ++n) {
        const zw::CivilDate d = zw::draw_date(p.code, n).date;
        text += std::to_string(d.year) + "-" + (d.month < 10 ? "0" : "") + std::to_string(d.month) + "-" +
                (d.day < 10 ? "0" : "") + std::to_string(d.day) + ";1;2;3;4;5;6\n";
    }
    for (auto _ : state) {
        zw::CsvDraws csv;
        benchmark::DoNotOptimize(zw::parse_draws_csv(text, p, csv));
    }
}
BENCHMARK(BM_ParseDrawsCsv)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
