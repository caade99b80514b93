#include "archive/calendar.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"

namespace zw {
namespace {

std::string date_of(GameCode game, int n) {
    const DrawDate d = draw_date(game, n);
    return d.prefix + d.text;
}

TEST(Calendar, CivilDayConversionRoundTrips) {
    for (int64_t day = -20000; day < 30000; day += 37) {
        const CivilDate c = civil_from_days(day);
        EXPECT_EQ(days_from_civil(c), day);
    }
    EXPECT_EQ(weekday({1955, 10, 9}), 0);  // Sunday
    EXPECT_EQ(weekday({1965, 9, 4}), 6);   // Saturday
}

TEST(Calendar, SaturdayLottoEarlyYearsAndCorrections) {
    EXPECT_EQ(date_of(kLottoSaturday, 1), "  09.10.1955");
    EXPECT_EQ(date_of(kLottoSaturday, 12), "  26.12.1955");  // Monday after Christmas
    EXPECT_EQ(date_of(kLottoSaturday, 64), "  23.12.1956");
    EXPECT_EQ(date_of(kLottoSaturday, 65), "  06.01.1957");  // one week left out
    EXPECT_EQ(date_of(kLottoSaturday, 324), "  26.12.1961");  // Tuesday
    EXPECT_EQ(date_of(kLottoSaturday, 516), "  29.08.1965");
    EXPECT_EQ(date_of(kLottoSaturday, 517), "  04.09.1965");
    EXPECT_EQ(weekday(draw_date(kLottoSaturday, 517).date), 6);
}

TEST(Calendar, SaturdayDrawsFrom1965To1974FallOnSaturdays) {
    for (int n = 517; n <= 1200; ++n) EXPECT_EQ(weekday(draw_date(kLottoSaturday, n).date), 6) << n;
    EXPECT_EQ(date_of(kLottoSaturday, 955), "  26.01.1974");
    EXPECT_EQ(date_of(kLottoSaturday, 956), "  02.02.1974");
}

TEST(Calendar, WednesdayPairsThenSingleDraws) {
    EXPECT_EQ(date_of(kLottoWednesday, 1), "A 04.06.1986");
    EXPECT_EQ(date_of(kLottoWednesday, 2), "B 04.06.1986");
    EXPECT_EQ(date_of(kLottoWednesday, 3), "A 11.06.1986");
    EXPECT_EQ(date_of(kLottoWednesday, 1514), "B 29.11.2000");
    EXPECT_EQ(date_of(kLottoWednesday, 1515), "  06.12.2000");
}

TEST(Calendar, CombinedGameCyclesThroughPairAndSaturday) {
    EXPECT_EQ(date_of(kLottoBoth, 1599), date_of(kLottoSaturday, 1599));
    EXPECT_EQ(date_of(kLottoBoth, 1600), "A 04.06.1986");
    EXPECT_EQ(date_of(kLottoBoth, 1601), "B 04.06.1986");
    EXPECT_EQ(date_of(kLottoBoth, 1602), "  07.06.1986");
    EXPECT_EQ(date_of(kLottoBoth, 1603), "A 11.06.1986");
    EXPECT_EQ(date_of(kLottoBoth, 3870), "  02.12.2000");
    EXPECT_EQ(date_of(kLottoBoth, 3871), "  06.12.2000");
    EXPECT_EQ(date_of(kLottoBoth, 3872), "  09.12.2000");
    EXPECT_EQ(date_of(kLottoBoth, 3873), "  13.12.2000");
}

TEST(Calendar, TotoWeekly) {
    EXPECT_EQ(date_of(kToto, 1), "  04.01.1975");
    EXPECT_EQ(date_of(kToto, 2), "  11.01.1975");
}

TEST(Calendar, AustrianPeriods) {
    EXPECT_EQ(date_of(kAustria, 1), "  07.09.1986");
    EXPECT_EQ(date_of(kAustria, 16), "  21.12.1986");
    EXPECT_EQ(date_of(kAustria, 17), "  31.12.1986");
    EXPECT_EQ(date_of(kAustria, 18), "  11.01.1987");
    EXPECT_EQ(date_of(kAustria, 574), "  03.09.1997");
    EXPECT_EQ(date_of(kAustria, 575), "  07.09.1997");
    EXPECT_EQ(date_of(kAustria, 605), "  21.12.1997");
    EXPECT_EQ(date_of(kAustria, 606), "  28.12.1997");
    EXPECT_EQ(date_of(kAustria, 607), "  31.12.1997");
    EXPECT_EQ(date_of(kAustria, 709), "  27.12.1998");
    EXPECT_EQ(date_of(kAustria, 710), "  30.12.1998");
}

TEST(Calendar, SwissThresholdsAndTwiceWeekly) {
    EXPECT_EQ(date_of(kSwiss, 1), "  10.01.1970");
    EXPECT_EQ(date_of(kSwiss, 11), "  21.03.1970");
    EXPECT_EQ(date_of(kSwiss, 12), "  04.04.1970");
    EXPECT_EQ(date_of(kSwiss, 1403), "  08.01.1997");
    EXPECT_EQ(date_of(kSwiss, 1404), "  11.01.1997");
    EXPECT_EQ(date_of(kSwiss, kSwissLuckyStart), "  12.01.2013");
}

TEST(Calendar, OutputForms) {
    const DrawDate d = draw_date(kLottoSaturday, 1887);
    EXPECT_EQ(d.text, "07.12.1991");
    EXPECT_EQ(d.short_text, "07.12.91");
    EXPECT_EQ(d.key, 19911207);
    EXPECT_EQ(key_from_date_text("03.01.1993"), 19930103);
    EXPECT_EQ(key_from_date_text("3.1.1993"), 0);
    EXPECT_EQ(key_from_date_text("xx.01.1993"), 0);
}

// The CSV import finds a draw by its date with a binary search over the
// calendar, which needs dates that never go back in time.
TEST(Calendar, DatesNeverGoBackAndDrawsOnDateMatchAScan) {
    for (GameCode game : kGames) {
        const int last = game_params(game).capacity();
        int32_t previous = 0;
        for (int n = 1; n <= last; ++n) {
            const int32_t key = draw_date(game, n).key;
            ASSERT_LE(previous, key) << "game " << game << " draw " << n;
            previous = key;
        }
        for (int n : {1, 2, 3, 1514, 1515, 1600, 1601, 1602, 3871, last}) {
            const int32_t key = draw_date(game, n).key;
            std::vector<int> scan;
            for (int m = std::max(1, n - 3); m <= std::min(last, n + 3); ++m)
                if (draw_date(game, m).key == key) scan.push_back(m);
            EXPECT_EQ(draws_on_date(game, last, key), scan) << "game " << game << " draw " << n;
        }
        EXPECT_TRUE(draws_on_date(game, last, 19000101).empty());
        EXPECT_TRUE(draws_on_date(game, last, previous + 1).empty());
    }
    EXPECT_EQ(draws_on_date(kLottoWednesday, 8000, 19860604), (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace zw
