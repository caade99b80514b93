// Speed of the best/worst-list search over the shipped archives: all
// C(49, 6) = 13,983,816 rows of Lotto 6 aus 49 (Saturday and Wednesday) and
// all C(45, 6) rows of Austrian Lotto over the combined view, each with the
// final evaluation of the 30 rows and the poll callback at its real rate; and
// the plain scorer (presence table, six look-ups per draw) on a sample of rows,
// with the ratio of its time for all rows to the search.
#include <benchmark/benchmark.h>

#include <chrono>

#include "archive/draw_archive.h"
#include "base/random_source.h"
#include "evaluation/backtest_list.h"
#include "games/money_tables.h"

namespace zw {
namespace {

struct Archive {
    GameParams params;
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    PartialSystems partial;
    DrawRange range;
    std::vector<EvalDraw> draws;

    explicit Archive(GameCode game) {
        apply_game(params, game);
        const fs::path data = fs::path(ZIEHWERK_SOURCE_DIR) / "data";
        if (!archive.load_draws(data, params)) archive.clear_for(params);
        const DrawRangeDefault r = archive.default_range();
        range.set(r.first, r.last);
        draws = eval_draws(archive, params, range.first, range.last);
    }
    EvaluationInputs inputs() const { return {params, archive, range, money, partial}; }
    NumberList all_numbers() const {
        NumberList l;
        for (int v = 1; v <= params.highest_number; ++v) l.numbers.push_back(v);
        return l;
    }
};

const Archive& german() {
    static const Archive a(kLottoBoth);
    return a;
}
const Archive& austria() {
    static const Archive a(kAustria);
    return a;
}

// The whole operation as the list window runs it.
BacktestList full_run(const Archive& a, int64_t& polls) {
    SearchOptions options;
    options.poll = [&polls](const SearchProgress& p) {
        ++polls;
        benchmark::DoNotOptimize(p.remaining_seconds());
        return true;
    };
    const SearchResult r = backtest_search(a.all_numbers(), a.draws, rule_set_for(a.params.code), options);
    BacktestList list = make_list(ListKind::Best, a.all_numbers(), r.best.entries(), a.inputs());
    evaluate_list(list, a.inputs());
    BacktestList worst = make_list(ListKind::Worst, a.all_numbers(), r.worst.entries(), a.inputs());
    evaluate_list(worst, a.inputs());
    return list;
}

void run_full(benchmark::State& state, const Archive& a) {
    int64_t polls = 0;
    for (auto _ : state) {
        BacktestList list = full_run(a, polls);
        benchmark::DoNotOptimize(list);
    }
    state.counters["draws"] = static_cast<double>(a.draws.size());
    state.counters["rows"] = static_cast<double>(backtest_rows(0, a.params.highest_number));
    state.counters["polls"] = benchmark::Counter(static_cast<double>(polls), benchmark::Counter::kAvgIterations);
}

void BM_BacktestGerman49(benchmark::State& state) { run_full(state, german()); }
BENCHMARK(BM_BacktestGerman49)->Unit(benchmark::kMillisecond);

void BM_BacktestAustria45(benchmark::State& state) { run_full(state, austria()); }
BENCHMARK(BM_BacktestAustria45)->Unit(benchmark::kMillisecond);

// The plain scorer on 2000 random rows; "ratio" = its time for all rows / the search.
void BM_PlainScorerGerman(benchmark::State& state) {
    const Archive& a = german();
    const PresenceTable table(a.draws, a.params.highest_number);
    RandomSource rng(49);
    std::vector<std::array<int, 6>> rows(2000);
    for (auto& row : rows) {
        uint64_t used = 0;
        for (int& v : row) {
            do v = 1 + static_cast<int>(rng.below(49));
            while (used >> v & 1);
            used |= uint64_t{1} << v;
        }
    }
    const auto t0 = std::chrono::steady_clock::now();
    int64_t polls = 0;
    benchmark::DoNotOptimize(full_run(a, polls));
    const double search = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double per_row = 0;
    for (auto _ : state) {
        const auto s = std::chrono::steady_clock::now();
        int64_t sum = 0;
        for (const auto& row : rows) sum += row_score(row, table, RuleSet::German);
        benchmark::DoNotOptimize(sum);
        per_row = std::chrono::duration<double>(std::chrono::steady_clock::now() - s).count() / 2000.0;
    }
    state.counters["us_per_row"] = per_row * 1e6;
    state.counters["search_s"] = search;
    state.counters["ratio"] = per_row * static_cast<double>(backtest_rows(0, 49)) / search;
}
BENCHMARK(BM_PlainScorerGerman)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zw
