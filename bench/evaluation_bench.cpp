// Evaluation speed over the whole shipped archive of Lotto 6 aus 49
// (Saturday and Wednesday): a 13-number full system through its win plan,
// the same system expanded into its 1716 rows for comparison, the 17/1392
// partial system through its row masks, and a ticket of 16 rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "archive/draw_archive.h"
#include "evaluation/evaluation.h"
#include "evaluation/win_plan.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"

namespace zw {
namespace {

constexpr int kSystem17 = 13;  // catalogue index of 17/1392

struct Archive {
    GameParams params;
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    PartialSystems partial;
    DrawRange range;
    std::vector<EvalDraw> draws;

    Archive() {
        apply_game(params, kLottoBoth);
        const fs::path data = fs::path(ZIEHWERK_SOURCE_DIR) / "data";
        if (!archive.load_draws(data, params)) archive.clear_for(params);
        range.set(1, archive.newest());
        // The shipped answer file when it is there, else random rows of the right shape.
        if (!load_partial_systems(data, partial) || partial.empty()) {
            std::array<std::vector<uint32_t>, kPartialSystemCount> systems;
            std::mt19937 rng(1392);
            for (int k = 0; k < kPartialSystemCount; ++k) {
                const auto& info = kPartialSystems[static_cast<size_t>(k)];
                auto& rows = systems[static_cast<size_t>(k)];
                std::vector<int> pos(static_cast<size_t>(info.numbers));
                while (static_cast<int>(rows.size()) < info.rows) {
                    std::iota(pos.begin(), pos.end(), 0);
                    std::shuffle(pos.begin(), pos.end(), rng);
                    uint32_t m = 0;
                    for (int i = 0; i < 6; ++i) m |= 1u << pos[static_cast<size_t>(i)];
                    if (std::find(rows.begin(), rows.end(), m) == rows.end()) rows.push_back(m);
                }
            }
            (void)PartialSystems::assemble(systems, partial);
        }
        draws = eval_draws(archive, params, range.first, range.last);
    }
    EvaluationInputs inputs() const { return {params, archive, range, money, partial}; }
};

const Archive& archive() {
    static const Archive a;
    return a;
}

TicketLine system_line(int n, LineKind kind, int partial_index = -1) {
    TicketLine l;
    l.kind = kind;
    l.partial_index = partial_index;
    for (int i = 0; i < n; ++i) l.numbers.push_back(static_cast<uint8_t>(3 + i * 2));
    return l;
}

void BM_FullSystem13(benchmark::State& state) {
    const Archive& a = archive();
    const TicketLine line = system_line(13, LineKind::FullSystem);
    for (auto _ : state) {
        LineResult r = evaluate_line(line, RuleSet::German, a.draws, {7, false}, a.inputs());
        benchmark::DoNotOptimize(r);
    }
    state.counters["draws"] = static_cast<double>(a.draws.size());
}
BENCHMARK(BM_FullSystem13)->Unit(benchmark::kMillisecond);

// The same system with its 1716 rows evaluated one by one.
void BM_FullSystem13Expanded(benchmark::State& state) {
    const Archive& a = archive();
    const TicketLine system = system_line(13, LineKind::FullSystem);
    std::vector<uint64_t> rows;
    for (uint32_t s = (1u << 6) - 1; s < (1u << 13);) {
        uint64_t row = 0;
        for (int i = 0; i < 13; ++i)
            if (s >> i & 1) row |= uint64_t{1} << system.numbers[static_cast<size_t>(i)];
        rows.push_back(row);
        const uint32_t c = s & (~s + 1), r = s + c;
        s = (((r ^ s) >> 2) / c) | r;
    }
    for (auto _ : state) {
        WinCounts counts;
        for (const EvalDraw& d : a.draws)
            for (uint64_t row : rows)
                if (int cls = match_row(RuleSet::German, row, 0, d, {7, false}).win_class) ++counts.cls[static_cast<size_t>(cls)];
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(BM_FullSystem13Expanded)->Unit(benchmark::kMillisecond);

void BM_PartialSystem17of1392(benchmark::State& state) {
    const Archive& a = archive();
    const TicketLine line = system_line(17, LineKind::PartialSystem, kSystem17);
    for (auto _ : state) {
        LineResult r = evaluate_line(line, RuleSet::German, a.draws, {7, false}, a.inputs());
        benchmark::DoNotOptimize(r);
    }
    state.counters["draws"] = static_cast<double>(a.draws.size());
}
BENCHMARK(BM_PartialSystem17of1392)->Unit(benchmark::kMillisecond);

// The whole evaluation of a 16-row ticket, including preparing the draws.
void BM_Ticket16Rows(benchmark::State& state) {
    const Archive& a = archive();
    EvaluationTicket ticket;
    for (int r = 0; r < 16; ++r) {
        TicketLine l;
        l.number = r + 1;
        for (int i = 0; i < 6; ++i) l.numbers.push_back(static_cast<uint8_t>(1 + (r * 3 + i * 8) % 49));
        ticket.rows.push_back(l);
    }
    ticket.super_number = 7;
    for (auto _ : state) {
        EvaluationReport r = evaluate_ticket(ticket, a.inputs());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Ticket16Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zw
