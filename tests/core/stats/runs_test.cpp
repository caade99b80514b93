#include "stats/runs.h"

#include <gtest/gtest.h>

#include "stats_fixture.h"

namespace zw {
namespace {

using test::range;
using test::StatsArchive;

TEST(Runs, ConsecutiveNumbersCountEveryTwinAndTriplet) {
    StatsArchive a(kLottoSaturday);
    a.draw(1, {1, 2, 3, 4, 5, 6});
    a.draw(2, {5, 6, 7, 20, 30, 40});
    a.draw(3, {3, 9, 17, 28, 35, 44});
    NumberTable twins{}, triplets{};
    count_runs(a.source(), range(1, 1), RunKind::kTwin, false, twins);
    count_runs(a.source(), range(1, 1), RunKind::kTriplet, false, triplets);
    for (int n = 1; n <= 49; ++n) {
        EXPECT_EQ(twins[n], n <= 5 ? 1 : 0) << n;
        EXPECT_EQ(triplets[n], n <= 4 ? 1 : 0) << n;
    }
    count_runs(a.source(), range(2, 3), RunKind::kTwin, false, twins);
    count_runs(a.source(), range(2, 3), RunKind::kTriplet, false, triplets);
    EXPECT_EQ(twins[5], 1);
    EXPECT_EQ(twins[6], 1);
    EXPECT_EQ(triplets[5], 1);
    int total = 0;
    for (int v : twins) total += v;
    EXPECT_EQ(total, 2);  // draw 3 holds no run
}

TEST(Runs, GapsNeverDrawnAreRangeLastAndTopNumbersAreNoColumns) {
    StatsArchive a(kToto);
    a.draw(1, {44, 45, 1, 10, 20, 30});
    a.draw(2, {43, 44, 45, 2, 12, 22});
    a.draw(3, {7, 8, 15, 25, 35, 40});
    NumberTable twins{}, triplets{};
    run_gaps(a.source(), 3, RunKind::kTwin, false, twins);
    run_gaps(a.source(), 3, RunKind::kTriplet, false, triplets);
    EXPECT_EQ(twins[7], 0);
    EXPECT_EQ(twins[44], 1);
    EXPECT_EQ(twins[43], 1);
    EXPECT_EQ(twins[1], 3);  // never drawn
    EXPECT_EQ(twins[45], 0);  // 45 starts no twin
    EXPECT_EQ(triplets[43], 1);
    EXPECT_EQ(triplets[44], 0);
    EXPECT_EQ(triplets[45], 0);
    EXPECT_EQ(triplets[1], 3);
    EXPECT_EQ(run_columns(RunKind::kTwin, 45), 44);
    EXPECT_EQ(run_columns(RunKind::kTriplet, 45), 43);
}

TEST(Runs, SwissRunsBeyondFortyTwoAreLeftOut) {
    StatsArchive a(kSwiss);
    a.draw(1, {41, 42, 43, 44, 1, 20});  // earlier rules allowed 43..45
    NumberTable twins{};
    count_runs(a.source(), range(1, 1), RunKind::kTwin, false, twins);
    EXPECT_EQ(twins[41], 1);
    EXPECT_EQ(twins[42], 0);
    EXPECT_EQ(twins[43], 0);
}

TEST(Runs, LottoPlusRunsStartAtDraw2668) {
    StatsArchive a(kAustria);
    a.draw(2669, {1, 2, 3, 4, 5, 6}, 7);
    a.plus(2669, {30, 31, 32, 40, 41, 45});
    NumberTable twins{}, gaps{};
    count_runs(a.source(), range(1, 2669), RunKind::kTwin, true, twins);
    run_gaps(a.source(), 2669, RunKind::kTwin, true, gaps);
    EXPECT_EQ(twins[30], 1);
    EXPECT_EQ(twins[31], 1);
    EXPECT_EQ(twins[40], 1);
    EXPECT_EQ(twins[1], 0);
    EXPECT_EQ(gaps[30], 0);
    EXPECT_EQ(gaps[1], 2669 - 2667);
    run_gaps(a.source(), 2600, RunKind::kTwin, true, gaps);
    EXPECT_EQ(gaps[1], 0);
}

}  // namespace
}  // namespace zw
