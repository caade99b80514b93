#include "evaluation/backtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "base/random_source.h"

namespace zw {
namespace {

EvalDraw draw_of(std::array<int, 6> six, int zusatz = 0) {
    EvalDraw d;
    d.drawn = number_mask(six);
    d.zusatz = zusatz;
    return d;
}

// Random draws of six distinct numbers of 1..highest and a Zusatzzahl among the rest.
std::vector<EvalDraw> random_draws(RandomSource& rng, int count, int highest, bool concentrated) {
    std::vector<EvalDraw> out;
    for (int i = 0; i < count; ++i) {
        std::vector<int> pool(static_cast<size_t>(highest));
        std::iota(pool.begin(), pool.end(), 1);
        // A concentrated archive draws mostly from the low numbers, so rows hit often.
        const int span = concentrated ? std::min(highest, 12) : highest;
        std::array<int, 7> seven{};
        for (int k = 0; k < 7; ++k) {
            const uint32_t j = rng.below(static_cast<uint32_t>(span - k));
            seven[static_cast<size_t>(k)] = pool[j];
            std::swap(pool[j], pool[static_cast<size_t>(span - k - 1)]);
        }
        out.push_back(draw_of({seven[0], seven[1], seven[2], seven[3], seven[4], seven[5]}, seven[6]));
    }
    return out;
}

// The reference: every row in lexicographic order of its positions, scored
// draw by draw; the lists are the first 30 rows by score (best: descending,
// worst: ascending), ties in the order the rows were found.
struct Reference {
    std::vector<ListEntry> rows;  // in enumeration order
    std::vector<ListEntry> best, worst;
};

Reference reference_search(const NumberList& list, const std::vector<EvalDraw>& draws, RuleSet rules) {
    Reference r;
    const int n = list.size();
    const int b = list.bankers;
    std::array<int, 6> pos{};
    auto score_of = [&](uint64_t row) {
        int s = 0;
        for (const EvalDraw& d : draws) {
            const int hits = std::popcount(row & d.drawn);
            if (hits >= 3 || (rules == RuleSet::Austria && hits == 0 && d.zusatz > 0 && (row >> d.zusatz & 1))) ++s;
        }
        return s;
    };
    auto walk = [&](auto&& self, int k) -> void {
        if (k == 6) {
            ListEntry e;
            uint64_t row = 0;
            for (int i = 0; i < 6; ++i) {
                const int v = list.numbers[static_cast<size_t>(pos[static_cast<size_t>(i)])];
                e.numbers[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
                row |= uint64_t{1} << v;
            }
            e.score = score_of(row);
            r.rows.push_back(e);
            return;
        }
        const int lo = k == 0 ? 0 : pos[static_cast<size_t>(k - 1)] + 1;
        const int hi = k < b ? k : n - 6 + k;
        for (int p = lo; p <= hi; ++p) {
            pos[static_cast<size_t>(k)] = p;
            self(self, k + 1);
        }
    };
    if (n >= 6 && b <= 5) walk(walk, 0);
    r.best = r.rows;
    std::stable_sort(r.best.begin(), r.best.end(), [](const ListEntry& a, const ListEntry& c) { return a.score > c.score; });
    r.worst = r.rows;
    std::stable_sort(r.worst.begin(), r.worst.end(), [](const ListEntry& a, const ListEntry& c) { return a.score < c.score; });
    if (r.best.size() > 30) r.best.resize(30);
    if (r.worst.size() > 30) r.worst.resize(30);
    return r;
}

void expect_same(const std::vector<ListEntry>& got, const std::vector<ListEntry>& want, const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].score, want[i].score) << what << " place " << i;
        EXPECT_EQ(got[i].numbers, want[i].numbers) << what << " place " << i;
    }
}

NumberList number_list(std::vector<int> bankers, std::vector<int> tips, int highest = 49) {
    NumberList l;
    EXPECT_TRUE(make_number_list(bankers, tips, highest, l));
    return l;
}

TEST(Backtest, FastSearchEqualsReferenceOnRandomCasesOfEveryRuleSet) {
    RandomSource rng(20261209);
    const std::pair<RuleSet, int> games[] = {
        {RuleSet::German, 49}, {RuleSet::Toto, 45}, {RuleSet::Austria, 45}, {RuleSet::Swiss, 42}};
    int cases = 0;
    for (auto [rules, highest] : games) {
        for (int round = 0; round < 12; ++round) {
            const bool concentrated = round % 2 == 0;
            const auto draws = random_draws(rng, 20 + static_cast<int>(rng.below(300)), highest, concentrated);
            const int bankers = static_cast<int>(rng.below(6));
            const int n = std::max(6, bankers + 1) + static_cast<int>(rng.below(static_cast<uint32_t>(21 - std::max(6, bankers + 1))));
            // Numbers from the low end when the archive is concentrated, else from anywhere.
            std::vector<int> pool(static_cast<size_t>(highest));
            std::iota(pool.begin(), pool.end(), 1);
            const int span = concentrated ? std::min(highest, 16) : highest;
            std::vector<int> chosen;
            for (int k = 0; k < std::min(n, span); ++k) {
                const uint32_t j = rng.below(static_cast<uint32_t>(span - k));
                chosen.push_back(pool[j]);
                std::swap(pool[j], pool[static_cast<size_t>(span - k - 1)]);
            }
            const std::vector<int> bank(chosen.begin(), chosen.begin() + bankers);
            const std::vector<int> tips(chosen.begin() + bankers, chosen.end());
            const NumberList list = number_list(bank, tips, highest);
            const Reference ref = reference_search(list, draws, rules);
            const SearchResult got = backtest_search(list, draws, rules);
            const std::string what = "rules " + std::to_string(static_cast<int>(rules)) + " round " +
                                     std::to_string(round) + " b=" + std::to_string(bankers) + " n=" +
                                     std::to_string(list.size());
            EXPECT_EQ(got.total_rows, static_cast<int64_t>(ref.rows.size())) << what;
            EXPECT_EQ(got.rows_done, got.total_rows) << what;
            EXPECT_FALSE(got.stopped);
            expect_same(got.best.entries(), ref.best, what + " best");
            expect_same(got.worst.entries(), ref.worst, what + " worst");
            ++cases;
        }
    }
    EXPECT_EQ(cases, 48);
}

TEST(Backtest, EveryScoreOfSmallSearchesEqualsThePlainScorer) {
    // Up to 30 rows: every row is in both lists, so every score is compared.
    RandomSource rng(7);
    for (RuleSet rules : {RuleSet::German, RuleSet::Austria}) {
        const auto draws = random_draws(rng, 400, 45, true);
        const PresenceTable table(draws, 45);
        for (int bankers = 0; bankers <= 5; ++bankers) {
            const std::vector<int> numbers = {1, 3, 4, 6, 7, 9, 11, 12};
            std::vector<int> bank(numbers.begin(), numbers.begin() + bankers);
            std::vector<int> tips(numbers.begin() + bankers, numbers.end());
            const NumberList list = number_list(bank, tips, 45);
            const SearchResult got = backtest_search(list, draws, rules);
            ASSERT_LE(got.total_rows, 30);
            ASSERT_EQ(got.best.entries().size(), static_cast<size_t>(got.total_rows));
            for (const ListEntry& e : got.best.entries()) {
                const std::array<int, 6> row = {e.numbers[0], e.numbers[1], e.numbers[2],
                                                e.numbers[3], e.numbers[4], e.numbers[5]};
                EXPECT_EQ(e.score, row_score(row, table, rules));
                for (int k = 0; k < bankers; ++k) EXPECT_EQ(e.numbers[static_cast<size_t>(k)], numbers[static_cast<size_t>(k)]);
            }
        }
    }
}

TEST(Backtest, TwoBankersAndSixTipsGiveFifteenRowsWithBothBankers) {
    const auto draws = std::vector<EvalDraw>{draw_of({1, 2, 3, 10, 11, 12})};
    const NumberList list = number_list({40, 2}, {1, 3, 5, 7, 9, 11});
    EXPECT_EQ(list.numbers, (std::vector<int>{2, 40, 1, 3, 5, 7, 9, 11}));
    const SearchResult r = backtest_search(list, draws, RuleSet::German);
    EXPECT_EQ(r.total_rows, 15);
    ASSERT_EQ(r.best.entries().size(), 15u);
    for (const ListEntry& e : r.best.entries()) {
        EXPECT_EQ(e.numbers[0], 2);
        EXPECT_EQ(e.numbers[1], 40);
    }
    // Rows holding 1 and 3 (with banker 2) win the draw; the first of them stays on top.
    EXPECT_EQ(r.best.entries()[0].score, 1);
    EXPECT_EQ(r.best.entries()[0].numbers, (std::array<uint8_t, 6>{2, 40, 1, 3, 5, 7}));
    EXPECT_EQ(r.worst.entries()[0].numbers, (std::array<uint8_t, 6>{2, 40, 1, 5, 7, 9}));
}

TEST(Backtest, SixNumbersGiveOneEntryAndNoMore) {
    const auto draws = std::vector<EvalDraw>{draw_of({4, 5, 6, 20, 21, 22}), draw_of({4, 5, 6, 7, 21, 22})};
    for (int bankers = 0; bankers <= 5; ++bankers) {
        const std::vector<int> six = {4, 5, 6, 7, 8, 9};
        const NumberList list = number_list({six.begin(), six.begin() + bankers}, {six.begin() + bankers, six.end()});
        const SearchResult r = backtest_search(list, draws, RuleSet::German);
        EXPECT_EQ(r.total_rows, 1);
        ASSERT_EQ(r.best.entries().size(), 1u);
        ASSERT_EQ(r.worst.entries().size(), 1u);
        EXPECT_EQ(r.best.entries()[0].score, 2);
    }
    EXPECT_EQ(backtest_rows(0, 5), 0);
    EXPECT_EQ(backtest_rows(6, 0), 0);
    EXPECT_EQ(backtest_rows(0, 49), 13983816);
}

TEST(Backtest, AustrianDrawWithoutHitWinsWhenItsZusatzzahlIsInTheRow) {
    const NumberList list = number_list({}, {1, 2, 3, 4, 5, 6});
    const auto draws = std::vector<EvalDraw>{draw_of({10, 11, 12, 13, 14, 15}, 4),   // no hit, ZZ 4: wins
                                             draw_of({1, 11, 12, 13, 14, 15}, 4),    // one hit: nothing
                                             draw_of({10, 11, 12, 13, 14, 15}, 30),  // ZZ elsewhere
                                             draw_of({1, 2, 3, 13, 14, 15}, 4)};     // three hits
    EXPECT_EQ(backtest_search(list, draws, RuleSet::Austria).best.entries()[0].score, 2);
    EXPECT_EQ(backtest_search(list, draws, RuleSet::Toto).best.entries()[0].score, 1);
    EXPECT_EQ(backtest_search(list, draws, RuleSet::German).best.entries()[0].score, 1);
}

TEST(Backtest, ARowEqualToADrawCountsItOnce) {
    // Exact matches, twice the same draw, and five hits: the inclusion-exclusion
    // must give one win per draw.
    const NumberList list = number_list({}, {1, 2, 3, 4, 5, 6, 7});
    const auto draws = std::vector<EvalDraw>{draw_of({1, 2, 3, 4, 5, 6}, 7), draw_of({1, 2, 3, 4, 5, 6}, 7),
                                             draw_of({1, 2, 3, 4, 5, 9}, 6)};
    const SearchResult r = backtest_search(list, draws, RuleSet::Austria);
    ASSERT_EQ(r.best.entries().size(), 7u);
    EXPECT_EQ(r.best.entries()[0].numbers, (std::array<uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.best.entries()[0].score, 3);
    EXPECT_EQ(r.best.entries()[6].score, 3);
}

TEST(ScoreList, EqualScoreAtTheLastPlaceDoesNotEnterAndTiesKeepTheirOrder) {
    ScoreList best(ListKind::Best);
    ScoreList worst(ListKind::Worst);
    for (int i = 0; i < 30; ++i) {
        ListEntry e;
        e.score = 100 + i % 3;
        e.numbers[0] = static_cast<uint8_t>(i);
        EXPECT_GE(best.offer(e), 0);
        EXPECT_GE(worst.offer(e), 0);
    }
    ListEntry tie;
    tie.score = 100;
    EXPECT_EQ(best.offer(tie), -1);
    tie.score = 102;
    EXPECT_EQ(worst.offer(tie), -1);
    // Equal scores: the earlier row stays above.
    EXPECT_EQ(best.entries()[0].numbers[0], 2);
    EXPECT_EQ(best.entries()[1].numbers[0], 5);
    EXPECT_EQ(worst.entries()[0].numbers[0], 0);
    // A better row goes in after the equal ones and pushes the last out.
    ListEntry better;
    better.score = 101;
    better.numbers[0] = 99;
    EXPECT_EQ(best.offer(better), 20);
    EXPECT_EQ(best.entries().size(), 30u);
    EXPECT_EQ(best.entries().back().score, 100);
}

TEST(ScoreList, WorstListTakesAnyScoreWhileItHasRoom) {
    ScoreList worst(ListKind::Worst);
    ListEntry big;
    big.score = 5000;
    EXPECT_EQ(worst.offer(big), 0);
    ListEntry small;
    small.score = 4999;
    EXPECT_EQ(worst.offer(small), 0);
}

TEST(Backtest, NumberListRefusesBadChoices) {
    NumberList l;
    EXPECT_FALSE(make_number_list({1, 2, 3, 4, 5, 6}, {7, 8}, 49, l));
    EXPECT_FALSE(make_number_list({1}, {1, 2, 3, 4, 5, 6}, 49, l));
    EXPECT_FALSE(make_number_list({}, {1, 2, 3, 4, 5, 43}, 42, l));
    EXPECT_FALSE(make_number_list({}, {0, 2, 3, 4, 5, 6}, 42, l));
    EXPECT_TRUE(make_number_list({5, 1}, {9, 3, 7}, 49, l));
    EXPECT_EQ(l.numbers, (std::vector<int>{1, 5, 3, 7, 9}));
    EXPECT_EQ(backtest_search(l, {}, RuleSet::German).total_rows, 0);
}

// A clock that moves on 1 microsecond per call.
struct TickClock {
    std::shared_ptr<int64_t> ticks = std::make_shared<int64_t>(0);
    ClockFunction fn() const {
        auto t = ticks;
        return [t] { return std::chrono::nanoseconds(++*t * 1000); };
    }
};

TEST(Backtest, PollSeesProgressAndCanStop) {
    RandomSource rng(3);
    const auto draws = random_draws(rng, 100, 49, false);
    std::vector<int> tips(20);
    std::iota(tips.begin(), tips.end(), 1);
    const NumberList list = number_list({}, tips);
    SearchOptions options;
    options.poll_interval = std::chrono::nanoseconds(0);
    options.clock = TickClock().fn();
    std::vector<int64_t> seen;
    double remaining = -1;
    options.poll = [&](const SearchProgress& p) {
        seen.push_back(p.rows_done);
        EXPECT_TRUE(p.timed);
        EXPECT_EQ(p.total_rows, 38760);
        if (p.blocks_done > 0) remaining = p.remaining_seconds();
        return p.rows_done < 10000;
    };
    const SearchResult r = backtest_search(list, draws, RuleSet::German, options);
    EXPECT_TRUE(r.stopped);
    EXPECT_GE(r.rows_done, 10000);
    EXPECT_LT(r.rows_done, 10100);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);  // before the first innermost loop
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(r.seconds_per_row, 0);
    EXPECT_GT(remaining, 0);
    EXPECT_EQ(r.best.entries().size(), 30u);
}

TEST(Backtest, NoTimingWithFiveBankersAndPollOnceBeforeTheOnlyLoop) {
    const NumberList list = number_list({1, 2, 3, 4, 5}, {6, 7, 8, 9});
    SearchOptions options;
    options.poll_interval = std::chrono::nanoseconds(0);
    int polls = 0;
    options.poll = [&](const SearchProgress& p) {
        ++polls;
        EXPECT_FALSE(p.timed);
        return true;
    };
    const SearchResult r = backtest_search(list, {}, RuleSet::German, options);
    EXPECT_EQ(polls, 1);
    EXPECT_EQ(r.rows_done, 4);
    EXPECT_EQ(r.seconds_per_row, 0);
}

TEST(Backtest, CalibrationMeasuresTheFirstBlockOfTheFastSearch) {
    RandomSource rng(5);
    const auto draws = random_draws(rng, 50, 42, false);
    const double t = calibrate_row_time(draws, 42, RuleSet::Swiss, TickClock().fn());
    // Two clock calls around the first block of C(40, 4) rows.
    EXPECT_NEAR(t, 1e-6 / 91390.0, 1e-12);
}

}  // namespace
}  // namespace zw
