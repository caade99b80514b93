#include "stats/combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "stats/combination_chart_model.h"
#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

Combination combo(std::initializer_list<int> numbers) {
    Combination c;
    for (int n : numbers) c.numbers[static_cast<size_t>(c.size++)] = static_cast<uint8_t>(n);
    return c;
}

bool holds(const DrawNumbers& draw, const Combination& c) {
    const auto six = draw.begin();
    for (int i = 0; i < c.size; ++i)
        if (std::find(six, six + 6, c.numbers[static_cast<size_t>(i)]) == six + 6) return false;
    return true;
}

bool is_real(const Combination& c, int highest) {
    for (int i = 0; i < c.size; ++i) {
        const int n = c.numbers[static_cast<size_t>(i)];
        if (n < 1 || n > highest || (i > 0 && n <= c.numbers[static_cast<size_t>(i - 1)])) return false;
    }
    return true;
}

// Every combination of `size` numbers 1..n, ascending.
std::vector<Combination> all_combinations(int n, int size) {
    std::vector<Combination> out;
    std::vector<int> v(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) v[static_cast<size_t>(i)] = i + 1;
    while (true) {
        Combination c;
        c.size = size;
        for (int i = 0; i < size; ++i) c.numbers[static_cast<size_t>(i)] = static_cast<uint8_t>(v[static_cast<size_t>(i)]);
        out.push_back(c);
        int i = size - 1;
        while (i >= 0 && v[static_cast<size_t>(i)] == n - (size - 1 - i)) --i;
        if (i < 0) return out;
        ++v[static_cast<size_t>(i)];
        for (int k = i + 1; k < size; ++k) v[static_cast<size_t>(k)] = v[static_cast<size_t>(k - 1)] + 1;
    }
}

TEST(Combinations, OneDrawRangeGivesFifteenPairsTwentyTriplesFifteenQuadruplesOfCountOne) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {1, 2, 3, 4, 5, 6});
    a.draw(2, {4, 11, 19, 23, 37, 49});
    const auto r = range(2, 2);
    const CombinationCounts pairs = count_pairs(a.source(), r);
    const CombinationCounts triples = count_triples(a.source(), r);
    const CombinationCounts quads = count_quadruples(a.source(), r);
    EXPECT_EQ(pairs.distinct(), 15u);
    EXPECT_EQ(triples.distinct(), 20u);
    EXPECT_EQ(quads.distinct(), 15u);
    EXPECT_EQ(pairs.total(), 15);
    EXPECT_EQ(quads.count_of(combo({4, 19, 37, 49})), 1);
    EXPECT_EQ(quads.count_of(combo({1, 2, 3, 4})), 0);  // outside the range

    // The best list: the draw's 15 pairs first, then never-drawn real pairs in order.
    const auto best = best_combinations(a.source(), r, CombinationFamily::kPairs);
    ASSERT_EQ(best.size(), 49u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(best[i].count, 1) << i;
        EXPECT_EQ(best[i].gap, 0) << i;
    }
    EXPECT_EQ(best[0].combination, combo({4, 11}));
    EXPECT_EQ(best[14].combination, combo({37, 49}));
    EXPECT_EQ(best[15].count, 0);
    EXPECT_EQ(best[15].combination, combo({1, 2}));
    EXPECT_EQ(best[15].gap, 1);  // drawn in draw 1, before the range
    EXPECT_EQ(best[16].combination, combo({1, 3}));
    for (const auto& e : best) EXPECT_TRUE(is_real(e.combination, 49));
}

TEST(Combinations, CountsTopListsAndGapsEqualABruteForceOnARandomArchive) {
    StatsArchive a(kToto);
    a.random_draws(240, 7);
    const auto r = range(31, 220);
    const DrawSource s = a.source();
    for (int size : {2, 3, 4}) {
        // Quadruples over fewer draws: the brute force visits every one of them.
        const auto r = size == 4 ? range(31, 70) : range(31, 220);
        std::vector<uint64_t> masks;
        for (int d = r.first; d <= r.last; ++d) {
            uint64_t m = 0;
            for (int j = 0; j < 6; ++j) m |= uint64_t{1} << s.numbers(d)[j];
            masks.push_back(m);
        }
        const CombinationCounts counts = size == 2 ? count_pairs(s, r) : size == 3 ? count_triples(s, r) : count_quadruples(s, r);
        std::vector<std::pair<int, Combination>> expected;  // (count, combination)
        for (const Combination& c : all_combinations(45, size)) {
            uint64_t want = 0;
            for (int i = 0; i < size; ++i) want |= uint64_t{1} << c.numbers[static_cast<size_t>(i)];
            int n = 0;
            for (uint64_t m : masks) n += (m & want) == want;
            ASSERT_EQ(counts.count_of(c), n) << size;
            expected.emplace_back(n, c);
        }
        std::stable_sort(expected.begin(), expected.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
        const auto best = counts.best(49);
        ASSERT_EQ(best.size(), 49u);
        for (size_t i = 0; i < 49; ++i) {
            EXPECT_EQ(best[i].second, expected[i].first) << size << " " << i;
            EXPECT_EQ(best[i].first, expected[i].second) << size << " " << i;  // ties ascending
        }
    }
    // Gaps: the latest draw up to range last holding the combination.
    for (const Combination& c : {combo({1, 2}), combo({5, 17, 33}), combo({2, 9, 30, 41}), combo({44, 45})}) {
        int gap = r.last;
        for (int d = r.last; d >= 1; --d)
            if (holds(s.numbers(d), c)) {
                gap = r.last - d;
                break;
            }
        EXPECT_EQ(combination_gap(s, r.last, c), gap);
    }
}

TEST(Combinations, FewerCombinationsThanTheListIsLongStillGiveRealOnesAndNoDivisionByZero) {
    StatsArchive a(kAustria);
    a.random_draws(100, 3);  // no LottoPlus draws before 2668
    const auto r = range(1, 100);
    for (int code : {37, 41, 44, 54}) {
        const auto m = best_list_chart(code, a.source(), r);
        ASSERT_TRUE(m);
        ASSERT_EQ(m->entries.size(), 49u);
        for (size_t i = 0; i < m->entries.size(); ++i) {
            EXPECT_EQ(m->entries[i].count, 0);
            EXPECT_EQ(m->entries[i].gap, 0);  // no LottoPlus draw yet
            EXPECT_EQ(m->count_bar(i), 0);
            EXPECT_EQ(m->gap_bar(i), 0);
            EXPECT_TRUE(is_real(m->entries[i].combination, 45));
        }
        EXPECT_TRUE(m->plus_mark);
    }
    // An empty range lists never-drawn combinations in ascending order.
    const auto empty = best_combinations(a.source(), range(50, 49), CombinationFamily::kQuadruples);
    ASSERT_EQ(empty.size(), 49u);
    EXPECT_EQ(empty[0].combination, combo({1, 2, 3, 4}));
    EXPECT_EQ(empty[41].combination, combo({1, 2, 3, 45}));
    EXPECT_EQ(empty[42].combination, combo({1, 2, 4, 5}));
}

TEST(Combinations, SwissDrawsOfTheEarlierRulesDoNotOverflowAndGiveOnlyRealCombinations) {
    StatsArchive a(kSwiss);
    for (int d = 1; d <= 30; ++d) a.draw(d, {40, 41, 42, 43, 44, 45}, 1);
    const auto r = range(1, 30);
    const CombinationCounts quads = count_quadruples(a.source(), r);
    EXPECT_EQ(quads.distinct(), 0u);  // only three numbers of each draw are real
    EXPECT_EQ(count_triples(a.source(), r).count_of(combo({40, 41, 42})), 30);
    for (const auto& e : best_combinations(a.source(), r, CombinationFamily::kBoundaryPairs))
        EXPECT_TRUE(is_real(e.combination, 42));
    NumberTable f{}, g{};
    partner_frequencies(a.source(), r, std::vector<int>{40}, false, f);
    partner_gaps(a.source(), 30, std::vector<int>{40}, false, g);
    EXPECT_EQ(f[45], 30);  // kept apart from the chart's 42 columns
    EXPECT_EQ(f[40], 0);
    EXPECT_EQ(g[41], 0);
    EXPECT_EQ(g[1], 30);
}

TEST(Partners, NeverDrawnFixedNumberGivesZerosAndGapsOfRangeLast) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(200, 11);
    for (int d = 1; d <= 200; ++d) {  // take 49 out of every draw
        Draw draw = a.archive.draw(d);
        for (uint8_t& v : draw.numbers)
            if (v == 49) v = 0;
        a.archive.set_draw(d, draw);
    }
    NumberTable f{}, g{};
    const std::vector<int> fixed{49};
    partner_frequencies(a.source(), range(1, 200), fixed, false, f);
    partner_gaps(a.source(), 200, fixed, false, g);
    for (int n = 1; n <= 49; ++n) {
        EXPECT_EQ(f[n], 0) << n;
        EXPECT_EQ(g[n], n == 49 ? 0 : 200) << n;
    }
}

TEST(Partners, FrequenciesAndGapsEqualABruteForce) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(400, 5);
    const DrawSource s = a.source();
    const auto r = range(101, 380);
    for (const std::vector<int>& fixed : {std::vector<int>{7}, std::vector<int>{7, 23}, std::vector<int>{3, 19, 31}}) {
        NumberTable f{}, g{};
        partner_frequencies(s, r, fixed, false, f);
        partner_gaps(s, r.last, fixed, false, g);
        for (int n = 1; n <= 49; ++n) {
            const bool own = std::find(fixed.begin(), fixed.end(), n) != fixed.end();
            Combination c;
            for (int x : fixed) c.numbers[static_cast<size_t>(c.size++)] = static_cast<uint8_t>(x);
            c.numbers[static_cast<size_t>(c.size++)] = static_cast<uint8_t>(n);
            int count = 0, gap = r.last;
            for (int d = r.first; d <= r.last; ++d) count += holds(s.numbers(d), c);
            for (int d = r.last; d >= 1; --d)
                if (holds(s.numbers(d), c)) {
                    gap = r.last - d;
                    break;
                }
            EXPECT_EQ(f[n], own ? 0 : count) << fixed.size() << " " << n;
            EXPECT_EQ(g[n], own ? 0 : gap) << fixed.size() << " " << n;
        }
    }
}

TEST(Extremes, NumbersAboveFortyFourAreNeverTheSmallestAndGapsEqualABruteForce) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(500, 9);
    const DrawSource s = a.source();
    NumberTable small{}, small_gap{}, large{}, large_gap{};
    smallest_frequencies(s, range(1, 500), false, small);
    smallest_gaps(s, 480, false, small_gap);
    largest_frequencies(s, range(1, 500), false, large);
    largest_gaps(s, 480, false, large_gap);
    int sum = 0;
    for (int n = 1; n <= 49; ++n) sum += small[n];
    EXPECT_EQ(sum, 500);
    for (int n = 45; n <= 49; ++n) {
        EXPECT_EQ(small[n], 0);
        EXPECT_EQ(small_gap[n], 480);
    }
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(large[n], 0);
    for (int n = 1; n <= 49; ++n) {
        int sg = 480, lg = 480;
        for (int d = 480; d >= 1; --d)
            if (s.numbers(d)[0] == n) {
                sg = 480 - d;
                break;
            }
        for (int d = 480; d >= 1; --d)
            if (s.numbers(d)[5] == n) {
                lg = 480 - d;
                break;
            }
        EXPECT_EQ(small_gap[n], sg) << n;
        EXPECT_EQ(large_gap[n], lg) << n;
    }
}

TEST(Extremes, BoundaryPairsCountSmallestWithLargestAndTheirGap) {
    StatsArchive a(kToto);
    a.draw(1, {2, 5, 9, 20, 30, 41});
    a.draw(2, {2, 6, 7, 8, 9, 41});
    a.draw(3, {1, 2, 3, 4, 5, 41});
    a.draw(4, {2, 3, 4, 5, 6, 40});
    const CombinationCounts pairs = count_boundary_pairs(a.source(), range(1, 4));
    EXPECT_EQ(pairs.count_of(combo({2, 41})), 2);
    EXPECT_EQ(pairs.count_of(combo({1, 41})), 1);
    EXPECT_EQ(pairs.total(), 4);
    const auto best = best_combinations(a.source(), range(1, 4), CombinationFamily::kBoundaryPairs);
    EXPECT_EQ(best[0].combination, combo({2, 41}));
    EXPECT_EQ(best[0].gap, 2);  // draw 3 holds 2 and 41 but starts with 1
    EXPECT_EQ(best[1].combination, combo({1, 41}));
    EXPECT_EQ(best[2].combination, combo({2, 40}));
    EXPECT_EQ(boundary_pair_gap(a.source(), 4, combo({3, 4})), 4);
}

TEST(CombinationCharts, PartnerChartsNeedTheRightFixedNumbersAndCarryThemInTheTitle) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(50, 1);
    StatTables t;
    const std::vector<int> one{7}, two{7, 23}, dup{7, 7};
    EXPECT_FALSE(partner_chart(7, a.source(), range(1, 50), two, t));
    EXPECT_FALSE(partner_chart(9, a.source(), range(1, 50), dup, t));
    EXPECT_FALSE(partner_chart(7, a.source(), range(1, 50), std::vector<int>{50}, t));
    const auto gaps = partner_chart(7, a.source(), range(1, 50), one, t);
    ASSERT_TRUE(gaps);
    EXPECT_EQ(gaps->heading.title, "      Rückstände der Partner zur  7 ab der");
    EXPECT_FALSE(gaps->overview);
    EXPECT_EQ(gaps->upper_colour, 3);
    EXPECT_EQ(gaps->columns.size(), 49u);
    const auto over = partner_chart(10, a.source(), range(1, 50), two, t);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->heading.title, " Häufigkeit & Rückstand zu  7 23 nach der");
    EXPECT_TRUE(over->overview);
    EXPECT_EQ(partner_title(12, std::vector<int>{1, 12, 49}), "Häufigkeit & Rückstand zu  1 12 49 nach der");
}

TEST(CombinationCharts, ExtremesShowNumbersInOrderScaledOverTheGamesNumbers) {
    StatsArchive a(kSwiss);
    for (int d = 1; d <= 20; ++d) a.draw(d, {1 + d % 3, 20, 30, 40, 43, 45}, 2);
    StatTables t;
    const auto m = extreme_chart(19, a.source(), range(1, 20), t);
    ASSERT_TRUE(m);
    ASSERT_EQ(m->columns.size(), 42u);
    for (int i = 0; i < 42; ++i) EXPECT_EQ(m->columns[static_cast<size_t>(i)], i + 1);
    // 45 was the largest of every draw, but it is no column of this game.
    EXPECT_EQ(*std::max_element(m->upper.begin(), m->upper.end()), 0);
    EXPECT_EQ(m->heading.title, "Häufigkeit & Rückstand der größten Zahl");
    const auto small = extreme_chart(18, a.source(), range(1, 20), t);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->upper[0] + small->upper[1] + small->upper[2], 20);
}

}  // namespace
}  // namespace zw
