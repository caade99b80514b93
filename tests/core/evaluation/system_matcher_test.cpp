#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>

#include "evaluation/system_matchers.h"
#include "evaluation/win_plan.h"

namespace zw {
namespace {

std::vector<uint8_t> first_numbers(int n) {
    std::vector<uint8_t> v(static_cast<size_t>(n));
    std::iota(v.begin(), v.end(), uint8_t{1});
    return v;
}

EvalDraw draw_of(std::array<int, 6> six, int extra = -1, int zusatz = 0) {
    EvalDraw d;
    d.drawn = number_mask(six);
    d.extra = extra;
    d.zusatz = zusatz;
    return d;
}

WinCounts full(RuleSet rules, int n, const EvalDraw& d, const TicketExtras& t, int lucky = 0,
               SystemMatch* match = nullptr) {
    WinCounts c;
    const SystemMatch m = match_full_system(rules, *win_plan(rules, n), number_mask(first_numbers(n)), lucky, d, t, c);
    if (match) *match = m;
    return c;
}

TEST(FullSystem, SevenNumbersGermanSixHitsWithoutSuperNumber) {
    SystemMatch m;
    const WinCounts c = full(RuleSet::German, 7, draw_of({1, 2, 3, 4, 5, 6}, 2), {9, false}, 0, &m);
    EXPECT_EQ(c.cls[2], 1);
    EXPECT_EQ(c.cls[4], 6);
    EXPECT_EQ(c.wins(), 7);
    EXPECT_TRUE(m.won);
}

TEST(FullSystem, SevenNumbersGermanFiveHitsWithSuperNumber) {
    const WinCounts c = full(RuleSet::German, 7, draw_of({1, 2, 3, 4, 5, 40}, 2), {2, false});
    EXPECT_EQ(c.cls[3], 2);  // 5+S
    EXPECT_EQ(c.cls[5], 5);  // 4+S
    EXPECT_EQ(c.wins(), 7);
}

TEST(FullSystem, GermanTwoHitsNeedTheSuperNumber) {
    SystemMatch m;
    WinCounts c = full(RuleSet::German, 10, draw_of({1, 2, 30, 31, 32, 33}, 2), {2, false}, 0, &m);
    EXPECT_EQ(c.cls[9], binomial(8, 4));
    EXPECT_TRUE(m.won);
    c = full(RuleSet::German, 10, draw_of({1, 2, 30, 31, 32, 33}, 2), {3, false}, 0, &m);
    EXPECT_EQ(c.wins(), 0);
    EXPECT_FALSE(m.won);
}

TEST(FullSystem, SevenNumbersAustriaSixHitsWithZusatzzahlAsSeventh) {
    const WinCounts c = full(RuleSet::Austria, 7, draw_of({1, 2, 3, 4, 5, 6}, -1, 7), {});
    EXPECT_EQ(c.cls[2], 1);
    EXPECT_EQ(c.cls[3], 6);
    EXPECT_EQ(c.wins(), 7);
}

TEST(FullSystem, PoolFoldsFourWithZusatzzahlIntoFour) {
    const WinPlan* plan = win_plan(RuleSet::Toto, 10);
    for (const auto& e : plan->entry) EXPECT_EQ(e[5], 0);
    // 4 hits with Z among the ten: C(4,4) * (C(5,1) + C(5,2)) rows with four hits, all class IV.
    const WinCounts c = full(RuleSet::Toto, 10, draw_of({1, 2, 3, 4, 40, 41}, -1, 9), {});
    EXPECT_EQ(c.cls[6], binomial(5, 1) + binomial(5, 2));
}

TEST(FullSystem, AustrianLowHitsWinOnlyZusatzzahlRows) {
    SystemMatch m;
    const WinCounts c = full(RuleSet::Austria, 9, draw_of({1, 2, 30, 31, 32, 33}, -1, 9), {}, 0, &m);
    EXPECT_EQ(c.cls[9], binomial(9 - 2 - 1, 5));
    EXPECT_EQ(c.wins(), c.cls[9]);
    EXPECT_TRUE(m.won);
    full(RuleSet::Austria, 9, draw_of({1, 2, 30, 31, 32, 33}, -1, 40), {}, 0, &m);
    EXPECT_FALSE(m.won);
}

// Random draws that reach every hit case: k of the drawn numbers come from
// the system, the Zusatzzahl and LottoPlus numbers sometimes too.
struct DrawMaker {
    std::mt19937 rng{20240611};
    int highest;
    explicit DrawMaker(int h) : highest(h) {}

    uint64_t pick(const std::vector<uint8_t>& system, int k, uint64_t avoid, int count = 6) {
        std::vector<int> inside, outside;
        for (int n = 1; n <= highest; ++n) {
            if (avoid >> n & 1) continue;
            const bool in = std::find(system.begin(), system.end(), n) != system.end();
            (in ? inside : outside).push_back(n);
        }
        std::shuffle(inside.begin(), inside.end(), rng);
        std::shuffle(outside.begin(), outside.end(), rng);
        uint64_t m = 0;
        for (int i = 0; i < k && i < static_cast<int>(inside.size()); ++i) m |= uint64_t{1} << inside[static_cast<size_t>(i)];
        for (int i = 0; std::popcount(m) < count; ++i) m |= uint64_t{1} << outside[static_cast<size_t>(i)];
        return m;
    }
    EvalDraw make(const std::vector<uint8_t>& system) {
        EvalDraw d;
        d.drawn = pick(system, std::uniform_int_distribution<int>(0, 6)(rng), 0);
        d.extra = std::uniform_int_distribution<int>(0, 1)(rng) ? 3 : 5;
        const uint64_t z = pick(system, std::uniform_int_distribution<int>(0, 1)(rng), d.drawn, 1);
        d.zusatz = std::countr_zero(z);
        d.plus_draw = true;
        d.plus = pick(system, std::uniform_int_distribution<int>(0, 6)(rng), 0);
        return d;
    }
};

// Every 6-subset of the system, as the rows a full system plays.
std::vector<uint64_t> expanded_rows(const std::vector<uint8_t>& system) {
    std::vector<uint64_t> rows;
    const int n = static_cast<int>(system.size());
    for (uint32_t s = (1u << 6) - 1; s < (1u << n);) {
        uint64_t row = 0;
        for (int i = 0; i < n; ++i)
            if (s >> i & 1) row |= uint64_t{1} << system[static_cast<size_t>(i)];
        rows.push_back(row);
        const uint32_t c = s & (~s + 1), r = s + c;
        s = (((r ^ s) >> 2) / c) | r;
    }
    return rows;
}

WinCounts sum_of_rows(RuleSet rules, const std::vector<uint64_t>& rows, int lucky, const EvalDraw& d,
                      const TicketExtras& t, bool* any_won) {
    WinCounts c;
    *any_won = false;
    for (uint64_t row : rows) {
        const RowMatch m = match_row(rules, row, lucky, d, t);
        if (m.win_class) ++c.cls[static_cast<size_t>(m.win_class)];
        if (m.plus_class) ++c.plus[static_cast<size_t>(m.plus_class)];
        if (m.win_class) *any_won = true;
    }
    return c;
}

TEST(FullSystem, WinPlanEqualsTheSumOverExpandedRows) {
    const std::pair<RuleSet, int> games[] = {{RuleSet::German, 49}, {RuleSet::Swiss, 42},
                                             {RuleSet::Austria, 45}, {RuleSet::Toto, 45}};
    for (const auto& [rules, highest] : games) {
        DrawMaker maker(highest);
        const TicketExtras ticket{3, rules == RuleSet::Austria};
        for (int n = kFullSystemMin; n <= full_system_max(rules); ++n) {
            // Scattered numbers, not 1..n, so that bit positions do not line up with values.
            std::vector<uint8_t> system;
            for (int i = 0; i < n; ++i) system.push_back(static_cast<uint8_t>(2 + (i * 7) % (highest - 2)));
            const auto rows = expanded_rows(system);
            ASSERT_EQ(static_cast<int64_t>(rows.size()), binomial(n, 6));
            const int trials = n <= 12 ? 120 : 40;
            for (int t = 0; t < trials; ++t) {
                const EvalDraw d = maker.make(system);
                WinCounts plan_counts;
                const SystemMatch m = match_full_system(rules, *win_plan(rules, n), number_mask(system), 3, d, ticket, plan_counts);
                bool any_won = false;
                const WinCounts expected = sum_of_rows(rules, rows, 3, d, ticket, &any_won);
                ASSERT_EQ(plan_counts, expected) << "rules " << static_cast<int>(rules) << " n " << n
                                                 << " hits " << m.hits << " extra " << m.extra;
                if (any_won) {
                    EXPECT_TRUE(m.won);
                }
                EXPECT_EQ(m.plus_won, expected.plus_wins() > 0);
            }
        }
    }
}

TEST(PartialSystem, ClassesEqualTheSumOverItsRows) {
    std::mt19937 rng(77);
    const std::pair<RuleSet, int> games[] = {{RuleSet::German, 49}, {RuleSet::Swiss, 42},
                                             {RuleSet::Austria, 45}, {RuleSet::Toto, 45}};
    for (const auto& [rules, highest] : games) {
        for (int v : {9, 12, 17, 26}) {
            // Random distinct rows of six positions.
            std::vector<uint32_t> masks;
            while (masks.size() < 60) {
                std::vector<int> pos(static_cast<size_t>(v));
                std::iota(pos.begin(), pos.end(), 0);
                std::shuffle(pos.begin(), pos.end(), rng);
                uint32_t m = 0;
                for (int i = 0; i < 6; ++i) m |= 1u << pos[static_cast<size_t>(i)];
                if (std::find(masks.begin(), masks.end(), m) == masks.end()) masks.push_back(m);
            }
            std::vector<uint8_t> numbers;
            for (int i = 0; i < v; ++i) numbers.push_back(static_cast<uint8_t>(highest - (i * 11) % highest));
            std::vector<uint64_t> rows;
            for (uint32_t m : masks) {
                uint64_t row = 0;
                for (int i = 0; i < v; ++i)
                    if (m >> i & 1) row |= uint64_t{1} << numbers[static_cast<size_t>(i)];
                rows.push_back(row);
            }
            DrawMaker maker(highest);
            const TicketExtras ticket{3, rules == RuleSet::Austria};
            for (int t = 0; t < 200; ++t) {
                const EvalDraw d = maker.make(numbers);
                WinCounts counts;
                const SystemMatch m = match_partial_system(rules, masks, numbers, 3, d, ticket, counts);
                bool any_won = false;
                ASSERT_EQ(counts, sum_of_rows(rules, rows, 3, d, ticket, &any_won))
                    << "rules " << static_cast<int>(rules) << " v " << v;
                if (any_won) {
                    EXPECT_TRUE(m.won);
                }
                EXPECT_EQ(m.hits, std::popcount(number_mask(numbers) & d.drawn));
            }
        }
    }
}

}  // namespace
}  // namespace zw
