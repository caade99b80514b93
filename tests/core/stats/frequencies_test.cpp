#include "stats/frequencies.h"

#include <gtest/gtest.h>

#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

TEST(Frequencies, OneDrawRangeCountsItsSixNumbersAndGivesThemGapZero) {
    StatsArchive a(kToto);
    a.draw(1, {3, 9, 17, 28, 35, 44}, 5);
    a.draw(2, {1, 2, 3, 4, 5, 6}, 7);
    StatTables t;
    compute_frequencies(a.source(), range(2, 2), t);
    compute_gaps(a.source(), 2, t);
    for (int n = 1; n <= 45; ++n) {
        const bool drawn = n <= 6;
        EXPECT_EQ(t.main_frequency[n], drawn ? 1 : 0) << n;
        if (drawn) {
            EXPECT_EQ(t.main_gap[n], 0) << n;
        }
    }
    EXPECT_EQ(t.main_gap[9], 1);   // drawn one draw earlier
    EXPECT_EQ(t.main_gap[10], 2);  // never drawn: range last
    EXPECT_EQ(t.extra_frequency[7], 1);
    EXPECT_EQ(t.extra_frequency[5], 0);
}

TEST(Frequencies, NeverDrawnGapIsRangeLastAndRangeFirstPlaysNoPart) {
    StatsArchive a(kToto);
    for (int d = 1; d <= 40; ++d) a.draw(d, {1, 2, 3, 4, 5, 6 + d % 30}, 7);
    StatTables whole, late;
    compute_gaps(a.source(), 40, whole);
    EXPECT_EQ(whole.main_gap[45], 40);
    EXPECT_EQ(whole.extra_gap[8], 40);
    EXPECT_EQ(whole.main_gap[1], 0);
    EXPECT_EQ(whole.main_gap[6 + 40 % 30], 0);
    EXPECT_EQ(whole.main_gap[6 + 39 % 30], 1);
    // The gaps are those of range last whatever range first is.
    compute_frequencies(a.source(), range(35, 40), late);
    compute_gaps(a.source(), 40, late);
    EXPECT_EQ(late.main_gap, whole.main_gap);
    EXPECT_EQ(late.main_gap_sum, whole.main_gap_sum);
    EXPECT_EQ(late.main_frequency[1], 6);
}

TEST(Frequencies, SuperNumbersCountFromTheStartDrawWithZeroAtIndexTen) {
    StatsArchive a(kLottoWednesday);  // super numbers from draw 993
    for (int d = 1; d <= 1000; ++d) a.draw(d, {1, 2, 3, 4, 5, 6}, d < 993 ? 10 : (d % 2 ? 10 : 4));
    StatTables t;
    compute_frequencies(a.source(), range(1, 1000), t);
    compute_gaps(a.source(), 1000, t);
    EXPECT_EQ(t.extra_frequency[10], 4);  // Superzahl 0 at draws 993, 995, 997, 999
    EXPECT_EQ(t.extra_frequency[4], 4);
    EXPECT_EQ(t.extra_gap[4], 0);
    EXPECT_EQ(t.extra_gap[10], 1);
    EXPECT_EQ(t.extra_gap[7], 1000 - 993 + 1);  // never drawn: draws with a super number
    for (int i = 11; i <= 49; ++i) EXPECT_EQ(t.extra_gap[i], 0);
    EXPECT_EQ(t.extra_gap_sum, 0 + 1 + 8 * 8);

    // Before the start draw there is no super number at all.
    compute_frequencies(a.source(), range(1, 992), t);
    compute_gaps(a.source(), 992, t);
    for (int i = 1; i <= 49; ++i) {
        EXPECT_EQ(t.extra_frequency[i], 0);
        EXPECT_EQ(t.extra_gap[i], 0);
    }
}

TEST(Frequencies, SwissGlueckszahlenIgnoreRangeFirstAndStartAtDraw3074) {
    StatsArchive a(kSwiss);
    for (int d = 3070; d <= 3080; ++d) a.draw(d, {1, 2, 3, 4, 5, 43}, d >= 3074 ? 2 : 44 - 40);
    StatTables t;
    compute_frequencies(a.source(), range(3079, 3080), t);
    EXPECT_EQ(t.main_frequency[2 + 43], 7);  // draws 3074..3080
    EXPECT_EQ(t.main_frequency[4 + 43], 0);  // Zusatzzahl 4 of draws before 3074
    EXPECT_EQ(t.main_frequency[1], 2);
    compute_gaps(a.source(), 3080, t);
    EXPECT_EQ(t.main_gap[2 + 43], 0);
    EXPECT_EQ(t.main_gap[1 + 43], 3080 - 3073);
    compute_gaps(a.source(), 3073, t);
    for (int g = 1; g <= 6; ++g) EXPECT_EQ(t.main_gap[g + 43], 0);
}

TEST(Frequencies, LottoPlusGapsCountFromDraw2668) {
    StatsArchive a(kAustria);
    a.draw(2670, {1, 2, 3, 4, 5, 6}, 7);
    a.plus(2669, {10, 11, 12, 13, 14, 15});
    StatTables t;
    compute_plus_frequencies(a.source(), range(1, 2670), t);
    compute_plus_gaps(a.source(), 2670, t);
    EXPECT_EQ(t.plus_frequency[10], 1);
    EXPECT_EQ(t.plus_gap[10], 1);
    EXPECT_EQ(t.plus_gap[20], 2670 - 2667);
    compute_plus_gaps(a.source(), 2667, t);
    EXPECT_EQ(t.plus_gap[20], 0);
    EXPECT_EQ(t.plus_gap_sum, 0);
}

TEST(Frequencies, AustrianStatisticsReadTheCombinedViewWithBonusDraws) {
    StatsArchive a(kAustria);
    a.draw(1, {1, 2, 3, 4, 5, 6}, 7);  // 07.09.1986
    a.draw(2, {1, 2, 3, 4, 5, 6}, 7);  // 14.09.1986
    BonusDraw b;
    b.date = "10.09.1986";
    b.numbers = {40, 41, 42, 43, 44, 45, 9};
    a.archive.set_bonus_draws({b});
    ASSERT_EQ(a.source().limit(), 3);
    StatTables t;
    compute_frequencies(a.source(), range(1, 3), t);
    compute_gaps(a.source(), 3, t);
    EXPECT_EQ(t.main_frequency[45], 1);
    EXPECT_EQ(t.main_gap[45], 1);  // the bonus draw is row 2 of the view
    EXPECT_EQ(t.extra_frequency[9], 1);
    EXPECT_EQ(a.source().date(2), "10.09.1986");
}

TEST(Frequencies, EmptyAndCorruptRecordsNeitherCrashNorStopTheGapWalkEarly) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {44, 45, 46, 47, 48, 49}, 1);
    for (int k = 0; k < 7; ++k)  // draws 2..8 hold 1..42
        a.draw(2 + k, {6 * k + 1, 6 * k + 2, 6 * k + 3, 6 * k + 4, 6 * k + 5, 6 * k + 6}, 2);
    a.draw(9, {43, 1, 2, 3, 4, 5}, 2);
    a.archive.extend_to(10);  // draw 10 not entered yet: all zero
    Draw beyond = a.archive.draw(9);
    beyond.numbers[0] = 200;  // beyond every table (was number 1)
    a.archive.set_draw(9, beyond);
    StatTables t;
    compute_frequencies(a.source(), range(1, 10), t);
    compute_gaps(a.source(), 10, t);
    EXPECT_EQ(t.main_frequency[49], 1);
    EXPECT_EQ(t.main_frequency[1], 1);
    // 49 was seen only in draw 1; the empty draw 10 must not count as a number.
    EXPECT_EQ(t.main_gap[49], 9);
    EXPECT_EQ(t.main_gap[44], 9);
    EXPECT_EQ(t.main_gap[43], 1);
}

TEST(DisplayOrder, DescendingValuesAndEqualValuesByAscendingNumber) {
    NumberTable v{};
    v[1] = 5; v[2] = 9; v[3] = 5; v[4] = 9; v[5] = 1;
    const DisplayOrder order = order_for_display(v, 6);
    EXPECT_EQ(display_columns(order, 6), (std::vector<int>{2, 4, 1, 3, 5, 6}));
    EXPECT_EQ(display_columns(order, 6, 5), (std::vector<int>{2, 4}));
    EXPECT_EQ(display_columns(order_for_display(v, 6, false), 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// The diagram carries gaps forward one draw at a time; every step must equal
// a full computation at that draw, for every game's special tables.
TEST(Frequencies, IncrementalGapsEqualFullComputation) {
    struct Case { GameCode game; int draws; int from; };
    for (Case c : {Case{kLottoBoth, 2600, 2400}, Case{kSwiss, 3200, 3000}, Case{kAustria, 2750, 2600},
                   Case{kToto, 400, 1}}) {
        SCOPED_TRACE(c.game);
        StatsArchive a(c.game);
        a.random_draws(c.draws, 7u + static_cast<unsigned>(c.game));
        const DrawSource s = a.source();
        StatTables step;
        compute_gaps(s, c.from, step);
        compute_plus_gaps(s, c.from, step);
        for (int d = c.from + 1; d <= c.draws; ++d) {
            advance_gaps(s, d, step);
            advance_plus_gaps(s, d, step);
            StatTables full;
            compute_gaps(s, d, full);
            compute_plus_gaps(s, d, full);
            const int n = a.params.highest_number;
            for (int i = 1; i <= n; ++i) {
                ASSERT_EQ(step.main_gap[i], full.main_gap[i]) << "draw " << d << " number " << i;
                ASSERT_EQ(step.extra_gap[i], full.extra_gap[i]) << "draw " << d << " number " << i;
                ASSERT_EQ(step.plus_gap[i], full.plus_gap[i]) << "draw " << d << " number " << i;
            }
            for (int i = 44; i <= 49; ++i) ASSERT_EQ(step.main_gap[i], full.main_gap[i]) << d;
            ASSERT_EQ(step.main_gap_sum, full.main_gap_sum) << d;
            ASSERT_EQ(step.extra_gap_sum, full.extra_gap_sum) << d;
            ASSERT_EQ(step.plus_gap_sum, full.plus_gap_sum) << d;
        }
    }
}

TEST(DrawRange, StepsStopAtRangeFirstAndAtTheLimit) {
    DrawRange r;
    r.set(5, 6);
    EXPECT_TRUE(r.step_back());
    EXPECT_FALSE(r.step_back());  // "-" at range first
    EXPECT_EQ(r.last, 5);
    EXPECT_EQ(r.count, 1);
    r.set(5, 9);
    EXPECT_FALSE(r.step_forward(9));  // "+" at the newest draw
    EXPECT_TRUE(r.step_forward(10));
    EXPECT_EQ(r.count, 6);
    r.choose_first(20);  // never beyond last
    EXPECT_EQ(r.first, 10);
    r.choose_last(3, 50);  // never before first
    EXPECT_EQ(r.last, 10);
    r.choose_last(80, 50);  // never beyond the newest draw
    EXPECT_EQ(r.last, 50);
    EXPECT_EQ(r.count, 41);
}

}  // namespace
}  // namespace zw
