#include "stats/chance_charts.h"

#include <gtest/gtest.h>

#include "stats/chart_model.h"
#include "stats/frequencies.h"
#include "stats/statistic_codes.h"
#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

TEST(ChanceCharts, NumberChartsCarryTheirTestUnderTheHeading) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(300, 5);
    StatTables t;
    const auto freq = number_chart(kStatFrequency, a.source(), range(1, 300), t);
    ASSERT_TRUE(freq);
    const NumberChanceTests tests = number_chance_tests(kStatFrequency, a.source(), range(1, 300), t);
    ASSERT_TRUE(tests.frequency);
    EXPECT_FALSE(tests.gaps);
    EXPECT_EQ(tests.frequency->draws, 300);
    EXPECT_EQ(tests.frequency->dof, 48);
    EXPECT_EQ(freq->heading.chance, chance_line(tests.frequency, std::nullopt));
    EXPECT_EQ(freq->heading.chance.rfind("Zufallstest: Abweichungen ", 0), 0u);

    const auto gaps = number_chart(kStatGaps, a.source(), range(1, 300), t);
    EXPECT_NE(gaps->heading.chance.find("längster Rückstand "), std::string::npos);
    EXPECT_EQ(gaps->heading.chance.find("Abweichungen"), std::string::npos);
    const auto overview = number_chart(kStatOverview, a.source(), range(1, 300), t);
    EXPECT_NE(overview->heading.chance.find("Abweichungen"), std::string::npos);
    EXPECT_NE(overview->heading.chance.find("; längster Rückstand "), std::string::npos);
    // Charts without a test keep an empty line.
    EXPECT_TRUE(distribution_chart(kStatEvenOdd, a.source(), range(1, 300))->heading.chance.empty());
}

TEST(ChanceCharts, TheLongestGapIsTestedWithItsOwnValue) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(200, 9);
    StatTables t;
    compute_frequencies(a.source(), range(1, 200), t);
    compute_gaps(a.source(), 200, t);
    int longest = 0;
    for (int n = 1; n <= 49; ++n) longest = std::max(longest, t.main_gap[static_cast<size_t>(n)]);
    const auto tests = number_chance_tests(kStatGaps, a.source(), range(1, 200), t);
    ASSERT_TRUE(tests.gaps);
    EXPECT_EQ(tests.gaps->max_gap, longest);
    EXPECT_DOUBLE_EQ(tests.gaps->p, longest_gap_p(longest, 49, 6));
}

TEST(ChanceCharts, SuperNumbersAreOnePerDrawFromTheirStart) {
    StatsArchive a(kLottoSaturday);
    const int s = a.params.super_start;
    // 60 draws with a Superzahl, all of them 3.
    for (int d = s; d < s + 60; ++d) a.draw(d, {1, 2, 3, 4, 5, 6}, 3);
    StatTables t;
    const DrawRange r = range(1, s + 59);
    compute_frequencies(a.source(), r, t);
    compute_gaps(a.source(), r.last, t);
    const auto tests = number_chance_tests(kStatExtraOverview, a.source(), r, t);
    ASSERT_TRUE(tests.frequency && tests.gaps);
    EXPECT_EQ(tests.frequency->draws, 60);
    EXPECT_EQ(tests.frequency->dof, 9);
    EXPECT_NEAR(tests.frequency->statistic, 540.0, 1e-9);  // 9 x 6 + 1 x (60 - 6)^2 / 6
    EXPECT_LT(tests.frequency->p, 0.001);
    EXPECT_EQ(tests.gaps->max_gap, 60);  // never-drawn super numbers: every draw since the start
    EXPECT_DOUBLE_EQ(tests.gaps->p, longest_gap_p(60, 10, 1));
}

TEST(ChanceCharts, LottoPlusCountsFromItsFirstDraw) {
    StatsArchive a(kAustria);
    a.random_draws(2667 + 60, 11);  // 60 LottoPlus draws
    StatTables t;
    const DrawRange r = range(1, 2667 + 60);
    const auto m = number_chart(kStatPlusOverview, a.source(), r, t);
    ASSERT_TRUE(m);
    const auto tests = number_chance_tests(kStatPlusOverview, a.source(), r, t);
    ASSERT_TRUE(tests.frequency && tests.gaps);
    EXPECT_EQ(tests.frequency->draws, 60);
    EXPECT_EQ(tests.frequency->dof, 44);
    EXPECT_EQ(tests.gaps->draws, 60);
    EXPECT_LE(tests.gaps->max_gap, 60);
    EXPECT_EQ(m->heading.chance, chance_line(tests.frequency, tests.gaps));
}

TEST(ChanceCharts, ShortAndEmptyRangesSayWhy) {
    StatsArchive a(kLottoSaturday);
    a.random_draws(20, 3);
    StatTables t;
    const auto m = number_chart(kStatFrequency, a.source(), range(1, 20), t);
    EXPECT_EQ(m->heading.chance, "Zufallstest: zu wenige Ziehungen im Rahmen (ab 41 aussagekräftig)");
    StatsArchive empty(kLottoSaturday);
    const auto e = number_chart(kStatOverview, empty.source(), range(1, 0), t);
    EXPECT_EQ(e->heading.chance, "Zufallstest: keine Ziehung im Rahmen");
}

TEST(ChanceCharts, SwissFrequenciesCountOnlyTheDrawsFromFortyTwoNumbers) {
    StatsArchive a(kSwiss);
    // A draw of the 45-number era with 43..45, then 50 draws of 6 aus 42.
    a.draw(kSwissLuckyStart - 1, {40, 41, 42, 43, 44, 45});
    for (int d = kSwissLuckyStart; d < kSwissLuckyStart + 50; ++d)
        a.draw(d, {1 + d % 37, 2 + d % 37, 3 + d % 37, 4 + d % 37, 5 + d % 37, 6 + d % 37}, 1 + d % 6);
    StatTables t;
    const DrawRange r = range(1, kSwissLuckyStart + 49);
    const auto m = number_chart(kStatFrequency, a.source(), r, t);
    const auto tests = number_chance_tests(kStatFrequency, a.source(), r, t);
    EXPECT_EQ(tests.first, kSwissLuckyStart);
    EXPECT_EQ(tests.frequency->draws, 50);
    EXPECT_EQ(m->heading.chance.rfind("Zufallstest ab Ziehung 3074: ", 0), 0u);
    // A range inside the 42-number era needs no note.
    const auto later = number_chart(kStatFrequency, a.source(), range(kSwissLuckyStart, r.last), t);
    EXPECT_EQ(later->heading.chance.rfind("Zufallstest: ", 0), 0u);
}

}  // namespace
}  // namespace zw
