#include <gtest/gtest.h>

#include <charconv>

#include "stats/chart_model.h"
#include "stats/stat_table_export.h"
#include "stats/statistic_codes.h"
#include "stats_fixture.h"

namespace zw {
namespace {

TEST(StatTableExport, FrequencyTableFollowsTheChartValuesAndSharesAddUp) {
    test::StatsArchive a(kLottoWednesday);
    a.random_draws(120, 7);
    const DrawSource source(a.archive, a.params);
    DrawRange range;
    range.set(11, 120);
    StatTables tables;
    const ChartModel m = *number_chart(kStatFrequency, source, range, tables);
    const StatTable t = chart_table(m);
    ASSERT_EQ(t.header, (std::vector<std::string>{"Zahl", "Häufigkeit", "Anteil %"}));
    ASSERT_EQ(t.rows.size(), m.columns.size());
    double shares = 0;
    for (size_t i = 0; i < t.rows.size(); ++i) {
        EXPECT_EQ(t.rows[i][0], std::to_string(m.columns[i]));
        EXPECT_EQ(t.rows[i][1], std::to_string(tables.main_frequency[static_cast<size_t>(m.columns[i])]));
        double share = 0;
        const std::string& cell = t.rows[i][2];
        std::from_chars(cell.data(), cell.data() + cell.size(), share);
        shares += share;
    }
    EXPECT_NEAR(shares, 100.0, 0.05);
    const std::string csv = csv_text(t);
    EXPECT_EQ(csv.rfind("Zahl;Häufigkeit;Anteil %\n" + t.rows[0][0] + ";" + t.rows[0][1] + ";", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 50);
}

TEST(StatTableExport, OverviewGapsTwinsAndSuperNumbersGetTheirColumns) {
    test::StatsArchive a(kLottoWednesday);
    a.random_draws(2000, 3);
    const DrawSource source(a.archive, a.params);
    DrawRange range;
    range.set(1, 2000);
    StatTables tables;
    StatTable t = chart_table(*number_chart(kStatOverview, source, range, tables));
    EXPECT_EQ(t.header, (std::vector<std::string>{"Zahl", "Häufigkeit", "Rückstand", "Anteil %"}));
    t = chart_table(*number_chart(kStatGaps, source, range, tables));
    EXPECT_EQ(t.header, (std::vector<std::string>{"Zahl", "Rückstand"}));
    t = chart_table(*run_chart(kStatTwinFrequency, source, range, tables));
    EXPECT_EQ(t.header[0], "Zwilling");
    EXPECT_NE(std::find_if(t.rows.begin(), t.rows.end(), [](const auto& r) { return r[0] == "12-13"; }),
              t.rows.end());
    t = chart_table(*number_chart(kStatExtraFrequency, source, range, tables));
    ASSERT_EQ(t.rows.size(), 10u);  // Superzahl 0..9, 10 shown as 0
    EXPECT_NE(std::find_if(t.rows.begin(), t.rows.end(), [](const auto& r) { return r[0] == "0"; }), t.rows.end());
}

TEST(StatTableExport, CsvQuotesCellsThatWouldBreakTheRow) {
    StatTable t{{"A;B", "C"}, {{"x\"y", "1"}}, {false, true}};
    EXPECT_EQ(csv_text(t), "\"A;B\";C\n\"x\"\"y\";1\n");
}

TEST(StatRange, LastDrawsCountBackAndStopAtTheFirstDraw) {
    DrawRange r = last_draws(10, 100);
    EXPECT_EQ(r.first, 91);
    EXPECT_EQ(r.last, 100);
    EXPECT_EQ(r.count, 10);
    r = last_draws(500, 100);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.count, 100);
    r = last_draws(0, 100);  // at least the last draw
    EXPECT_EQ(r.count, 1);
}

TEST(StatRange, DatesPickTheDrawsOnOrInsideThem) {
    test::StatsArchive a(kToto);
    a.random_draws(60, 1);
    const DrawSource source(a.archive, a.params);
    auto range = draws_between(source, source.date(5), source.date(9));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 5);
    EXPECT_EQ(range->last, 9);
    // A day between two draws: the next draw starts, the one before ends.
    const int after5 = *parse_date_key(source.date(5)) + 1;
    ASSERT_LT(after5, *parse_date_key(source.date(6)));
    char day[16];
    std::snprintf(day, sizeof day, "%02d.%02d.%04d", after5 % 100, after5 / 100 % 100, after5 / 10000);
    range = draws_between(source, day, day);
    EXPECT_FALSE(range);  // no draw on that day
    range = draws_between(source, day, source.date(8));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 6);
    EXPECT_EQ(range->last, 8);
    range = draws_between(source, "", "");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 1);
    EXPECT_EQ(range->last, source.limit());
    range = draws_between(source, "01.01.1900", source.date(3));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 1);
    EXPECT_EQ(range->last, 3);
    EXPECT_FALSE(draws_between(source, "01.01.1900", "02.01.1900"));   // before every draw
    EXPECT_FALSE(draws_between(source, source.date(9), source.date(5)));  // from after to
    EXPECT_FALSE(draws_between(source, "31.02.2000", ""));
    // Draws sharing a day (game 1 has such days) both fall into it.
    test::StatsArchive twice(kLottoWednesday);
    twice.random_draws(10, 1);
    const DrawSource two(twice.archive, twice.params);
    ASSERT_EQ(two.date(5), two.date(6));
    range = draws_between(two, two.date(5), two.date(5));
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 5);
    EXPECT_EQ(range->last, 6);
    EXPECT_FALSE(parse_date_key("1.2.2000"));
    EXPECT_EQ(parse_date_key("29.02.2000"), 20000229);
    EXPECT_FALSE(parse_date_key("29.02.1900"));
}

TEST(StatRange, AustrianDatesCountTheBonusDraws) {
    test::StatsArchive a(kAustria);
    a.random_draws(40, 5);
    const DrawSource source(a.archive, a.params);
    ASSERT_GE(source.limit(), 40);
    for (int d : {1, 17, source.limit()}) {
        const auto range = draws_between(source, source.date(d), source.date(d));
        ASSERT_TRUE(range) << d;
        EXPECT_EQ(range->first, d);
        EXPECT_EQ(range->last, d);
    }
}

}  // namespace
}  // namespace zw
