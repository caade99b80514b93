#include "stats/distributions.h"

#include <gtest/gtest.h>

#include "stats/probability.h"
#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

TEST(Distributions, OneDrawOfSixEvenNumbers) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {2, 4, 6, 8, 10, 12});
    const Histogram h = count_even_odd(a.source(), range(1, 1));
    EXPECT_EQ(h.counts, (std::array<int, 7>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(h.draws, 1);
    EXPECT_EQ(expected_counts(h, a.params.even_distribution), (std::array<int, 7>{}));
    // All six are low as well (below 25).
    EXPECT_EQ(count_low_high(a.source(), range(1, 1)).counts[6], 1);
}

TEST(Distributions, LowLimitFollowsTheGameAndEmptyDrawsAreLeftOut) {
    StatsArchive swiss(kSwiss);
    swiss.draw(3, {21, 22, 23, 24, 25, 26});  // draws 1 and 2 not entered
    const Histogram h = count_low_high(swiss.source(), range(1, 3));
    EXPECT_EQ(h.draws, 1);
    EXPECT_EQ(h.counts[1], 1);  // only 21 is below 22
    StatsArchive toto(kToto);
    toto.draw(1, {22, 23, 1, 2, 3, 4});
    EXPECT_EQ(count_low_high(toto.source(), range(1, 1)).counts[5], 1);
    GameParams p;
    apply_game(p, kAustria);
    EXPECT_EQ(low_limit(p), 23);
    apply_game(p, kLottoBoth);
    EXPECT_EQ(low_limit(p), 25);
}

TEST(Distributions, ExpectedCountsRoundTheSplitTable) {
    Histogram h;
    h.draws = 6554;
    GameParams p;
    apply_game(p, kLottoBoth);
    EXPECT_EQ(expected_counts(h, p.even_distribution),
              (std::array<int, 7>{83, 598, 1637, 2182, 1494, 498, 63}));
}

NumberTable table(std::initializer_list<std::pair<int, int>> values, int fill = 0) {
    NumberTable t{};
    t.fill(fill);
    for (auto [i, v] : values) t[static_cast<size_t>(i)] = v;
    return t;
}

TEST(Probability, MeanDeviationAndEqualValuesStackInNumberOrder) {
    // Numbers 1..6 drawn twice, the others never: N = 42.
    NumberTable f = table({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}});
    NumberTable g = table({}, 3);
    std::array<bool, kNumberSlots> current{};
    current[2] = true;
    const ProbabilityView v = make_probability_view(f, g, 42, true, current);
    EXPECT_EQ(v.k, 6);
    EXPECT_NEAR(v.mean, 12.0 / 42, 1e-9);
    EXPECT_NEAR(v.sd, std::sqrt(24.0 / 42 - v.mean * v.mean), 1e-9);
    EXPECT_DOUBLE_EQ(v.mean_gap, 3.0);
    ASSERT_EQ(v.frequency_balls.size(), 42u);
    // Number 1 lowest in its stack, number 2 above it and marked.
    EXPECT_GT(v.frequency_balls[0].y, v.frequency_balls[1].y);
    EXPECT_TRUE(v.frequency_balls[1].current);
    EXPECT_EQ(v.frequency_balls[0].x, v.frequency_balls[1].x);
    // 36 equal gaps would stack beyond the panel: the stack step shrinks.
    for (const auto& b : v.gap_balls) EXPECT_GE(b.y, 251);
    EXPECT_FALSE(bell_curve(v).empty());
}

TEST(Probability, NoBellCurveWhenEveryNumberIsEquallyFrequent) {
    const ProbabilityView v = make_probability_view(table({}, 5), table({}, 1), 49, false, {});
    EXPECT_EQ(v.sd, 0.0);
    EXPECT_TRUE(bell_curve(v).empty());
    EXPECT_EQ(v.sd_offset(), 0);
}

TEST(Probability, WideSpreadsAreScaledIntoTheWindow) {
    NumberTable f = table({{1, 0}, {2, 400}}, 200);
    NumberTable g = table({{7, 5000}}, 2);
    const ProbabilityView v = make_probability_view(f, g, 49, false, {});
    for (const auto& b : v.frequency_balls) {
        EXPECT_GE(b.x, 0);
        EXPECT_LE(b.x, kProbabilityWidth);
    }
    for (const auto& b : v.gap_balls) EXPECT_LE(b.x, kProbabilityWidth);
    EXPECT_LT(v.frequency_step, 7);
}

TEST(Probability, InformationLineNamesTheNumbersUnderThePointer) {
    NumberTable f = table({{3, 9}, {8, 9}, {10, 11}}, 10);
    NumberTable g = table({{5, 4}, {6, 4}}, 1);
    const ProbabilityView v = make_probability_view(f, g, 49, false, {});
    const int x9 = v.mean_x() + static_cast<int>(std::lround((9 - v.mean) * v.frequency_step));
    EXPECT_EQ(probability_info(v, x9, 200), "9 mal gezogen: 3  8  ");
    const int x4 = kGapLeft + static_cast<int>(std::lround(4 * v.gap_step));
    EXPECT_EQ(probability_info(v, x4, 400), "4 mal nicht gezogen: 5  6  ");
    EXPECT_EQ(probability_info(v, x4 + 20 * 7, 400), "");  // no number with that gap
    EXPECT_EQ(probability_info(v, x9, 300), "");          // between the panels
}

}  // namespace
}  // namespace zw
