// Building the card-index list over the shipped Saturday+Wednesday archive:
// 800 normal tickets of 18 rows playing 8 weeks Mi+Sa, and 800 system tickets
// of six 13-number full systems; and the comparison of either index with one
// draw, stepped over the archive as "+" does.
#include <benchmark/benchmark.h>

#include "archive/draw_archive.h"
#include "base/random_source.h"
#include "cardindex/balance.h"
#include "cardindex/card_list_format.h"
#include "cardindex/comparison.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"

namespace zw {
namespace {

struct Fixture {
    GameParams params = game_params(kLottoBoth);
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    PartialSystems partial;
    DrawRange range;
    CardIndex normal{CardKind::Normal};
    CardIndex system{CardKind::System};

    Fixture() {
        const fs::path data = fs::path(ZIEHWERK_SOURCE_DIR) / "data";
        if (!archive.load_draws(data, params)) archive.clear_for(params);
        range.set(1, archive.newest());
        RandomSource rng(800);
        auto numbers = [&](int count) {
            std::vector<uint8_t> v;
            uint64_t used = 0;
            while (static_cast<int>(v.size()) < count) {
                const auto n = static_cast<uint8_t>(1 + rng.below(49));
                if (used >> n & 1u) continue;
                used |= uint64_t{1} << n;
                v.push_back(n);
            }
            std::sort(v.begin(), v.end());
            return v;
        };
        std::vector<CardTicket> rows, systems;
        for (int i = 0; i < kCardCapacity; ++i) {
            CardTicket t;
            t.first_draw = static_cast<int16_t>(std::max(1, archive.newest() - 16 * (i + 1)));
            t.extra_weeks = 7;
            t.draw_days = 2;
            t.options = kOptSpiel77 | kOptSuper6;
            t.lottery = 1234567;
            CardTicket s = t;
            for (auto& row : t.rows) {
                const auto v = numbers(6);
                std::copy(v.begin(), v.end(), row.begin());
            }
            for (auto& f : s.fields) {
                f.in_use = true;
                f.numbers = numbers(13);
                f.size = 13;
                f.full = true;
            }
            rows.push_back(t);
            systems.push_back(s);
        }
        normal.assign(rows, 1, 0);
        system.assign(systems, 1, 0);
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void build_list(benchmark::State& state, const CardIndex& index) {
    const Fixture& f = fixture();
    const EvaluationInputs in{f.params, f.archive, f.range, f.money, f.partial};
    for (auto _ : state) {
        const auto evs = evaluate_card_index(index, in);
        std::string text;
        for (int i = 0; i < index.count(); ++i)
            text += card_line(f.params.code, index.kind(), i + 1, index.at(i), evs[static_cast<size_t>(i)], false);
        benchmark::DoNotOptimize(text);
    }
}

void BM_CardListNormal(benchmark::State& state) { build_list(state, fixture().normal); }
void BM_CardListSystem(benchmark::State& state) { build_list(state, fixture().system); }
BENCHMARK(BM_CardListNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardListSystem)->Unit(benchmark::kMillisecond);

// One step of "+": the whole index compared with the next draw.
void compare_step(benchmark::State& state, const CardIndex& index) {
    const Fixture& f = fixture();
    const EvaluationInputs in{f.params, f.archive, f.range, f.money, f.partial};
    int draw = std::max(1, f.archive.newest() - 500);
    for (auto _ : state) {
        const Comparison c = compare_with_draw(index, draw, in);
        benchmark::DoNotOptimize(c.winnings);
        draw = draw >= f.archive.newest() ? 1 : draw + 1;
    }
}

void BM_CompareStepNormal(benchmark::State& state) { compare_step(state, fixture().normal); }
void BM_CompareStepSystem(benchmark::State& state) { compare_step(state, fixture().system); }
BENCHMARK(BM_CompareStepNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareStepSystem)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zw
