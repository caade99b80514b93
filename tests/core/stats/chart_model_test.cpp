#include "stats/chart_model.h"

#include <gtest/gtest.h>

#include "stats/frequencies.h"
#include "stats/gap_average.h"
#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

TEST(ChartModel, GapChartHasMeanAndExpectedValueAndMarksRangeLast) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {1, 2, 3, 4, 5, 6});
    a.draw(2, {7, 8, 9, 10, 11, 12});
    StatTables t;
    const auto m = number_chart(3, a.source(), range(1, 2), t);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->columns.size(), 49u);
    EXPECT_EQ(m->columns.front(), 13);  // gap 2, smallest number first
    EXPECT_EQ(m->upper.front(), 2);
    EXPECT_EQ(m->upper_colour, 3);
    EXPECT_EQ(m->mean_text, "Ø = 1.63");  // (37 * 2 + 6) / 49
    EXPECT_EQ(m->expected_text, "(7.17)");
    EXPECT_TRUE(m->marked[7]);
    EXPECT_FALSE(m->marked[1]);
    EXPECT_EQ(m->heading.title, "    Rückstände der Gewinn-Zahlen ab der");
    EXPECT_EQ(m->heading.range_last, 2);
    EXPECT_EQ(draw_number_label(2), "   2.");
}

TEST(ChartModel, EmptyRangeLastMarksThePreviousDraw) {
    StatsArchive a(kToto);
    a.draw(1, {1, 2, 3, 4, 5, 6}, 9);
    a.archive.extend_to(2);
    StatTables t;
    const auto m = number_chart(2, a.source(), range(1, 2), t);
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->marked[9]);
    EXPECT_EQ(m->toto_x, 906);
    const auto g = number_chart(1, a.source(), range(1, 2), t);
    EXPECT_TRUE(g->marked[1]);
}

TEST(ChartModel, SuperNumberChartShowsTenColumnsWithZeroForIndexTen) {
    StatsArchive a(kLottoSaturday);
    for (int d = 1887; d <= 1890; ++d) a.draw(d, {1, 2, 3, 4, 5, 6}, 10);
    StatTables t;
    const auto m = number_chart(2, a.source(), range(1, 1890), t);
    ASSERT_TRUE(m);
    ASSERT_EQ(m->columns.size(), 10u);
    EXPECT_EQ(m->columns.front(), 10);
    EXPECT_EQ(m->ball_label(10, 0), 0);
    EXPECT_EQ(m->upper.front(), 4);
    EXPECT_EQ(m->mean_text, "Ø =  0.4");
    const auto gaps = number_chart(4, a.source(), range(1, 1890), t);
    EXPECT_EQ(gaps->expected_text, "(9)");
    EXPECT_EQ(gaps->upper.front(), 4);  // never drawn since 1887: 1890 - 1887 + 1
}

TEST(ChartModel, SwissChartsAddTheSixGlueckszahlen) {
    StatsArchive a(kSwiss);
    a.draw(3074, {1, 2, 3, 4, 5, 6}, 3);
    StatTables t;
    const auto m = number_chart(1, a.source(), range(3074, 3074), t);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->columns.size(), 42u);
    EXPECT_TRUE(m->lucky);
    EXPECT_EQ(m->lucky_upper, (std::array<int, 6>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(m->lucky_marked, 3);
    const auto runs = run_chart(13, a.source(), range(3074, 3074), t);
    EXPECT_FALSE(runs->lucky);
    EXPECT_EQ(runs->columns.size(), 41u);
}

TEST(ChartModel, RunChartsShowTheirColumnsBallsAndMean) {
    StatsArchive a(kAustria);
    a.draw(1, {1, 2, 3, 10, 20, 30}, 7);
    StatTables t;
    const auto twins = run_chart(13, a.source(), range(1, 1), t);
    ASSERT_TRUE(twins);
    EXPECT_EQ(twins->columns.size(), 44u);
    EXPECT_EQ(twins->balls, 2);
    EXPECT_EQ(twins->full_height, 318);
    EXPECT_EQ(twins->mean_text, "Ø =   0.0");  // 2 / 45
    EXPECT_TRUE(twins->marked[1] && twins->marked[2] && !twins->marked[3]);
    const auto triplets = run_chart(23, a.source(), range(1, 1), t);
    EXPECT_TRUE(triplets->overview);
    EXPECT_EQ(triplets->columns.size(), 43u);
    EXPECT_EQ(triplets->balls, 3);
    const auto plus = run_chart(47, a.source(), range(1, 1), t);
    EXPECT_TRUE(plus->plus_mark);
    EXPECT_FALSE(run_chart(16, a.source(), range(1, 1), t));
}

TEST(ChartModel, DistributionAndProbabilityModels) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {2, 4, 6, 8, 10, 12});
    StatTables t;
    const auto d = distribution_chart(16, a.source(), range(1, 1));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->heading.title_x, 22);
    EXPECT_EQ(d->histogram.counts[6], 1);
    const auto p = probability_chart(17, a.source(), range(1, 1), t);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->view.mean, 6.0 / 49, 1e-9);
    EXPECT_TRUE(p->view.frequency_balls[1].current);  // number 2
}

TEST(GapAverage, ThreeHundredPointsEndingAtTheNewestDrawAtLeast350) {
    StatsArchive a(kLottoBoth);
    a.random_draws(120, 3);  // a short archive: the run still covers 51..350
    const DrawSource s = a.source();
    EXPECT_EQ(gap_average_start_end(s), 350);
    const GapAverageSeries series = gap_average_series(s, 350, false);
    ASSERT_EQ(series.points.size(), 300u);
    EXPECT_EQ(series.first, 51);
    EXPECT_EQ(series.upper, UpperCurve::kSuperNumbers);
    EXPECT_FALSE(series.points.front().upper_y);  // super numbers start at 2463
    for (const auto& p : series.points) {
        ASSERT_TRUE(p.lower_y);
        EXPECT_GE(*p.lower_y, 268);
        EXPECT_LE(*p.lower_y, 468);
    }
    EXPECT_EQ(move_gap_average_end(s, 350, 5), 350);
    EXPECT_EQ(move_gap_average_end(s, 303, -5), 301);  // first plotted draw 2
}

TEST(GapAverage, CurvesFollowTheMeanGaps) {
    StatsArchive a(kToto);
    a.random_draws(700, 11);
    const GapAverageSeries s = gap_average_series(a.source(), 700, false);
    EXPECT_EQ(s.upper, UpperCurve::kZusatzzahlen);
    StatTables t;
    compute_gaps(a.source(), 700, t);
    const double mean = t.main_gap_sum / 45.0;
    EXPECT_EQ(*s.points.back().lower_y, std::clamp(425 - static_cast<int>(std::lround(20 * (mean - 5))), 270, 466));
    StatsArchive austria(kAustria);
    austria.random_draws(2700, 5);
    const GapAverageSeries plus = gap_average_series(austria.source(), 2700, true);
    EXPECT_FALSE(plus.points.front().lower_y);  // draw 2401: no LottoPlus yet
    EXPECT_TRUE(plus.points.back().lower_y);
    EXPECT_EQ(plus.upper, UpperCurve::kNone);
}

}  // namespace
}  // namespace zw
