#include "tipping/power_tip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "stats/frequencies.h"
#include "stats/stats_fixture.h"

namespace zw {
namespace {

using test::StatsArchive;

PowerTipRow row_of(std::array<int, 6> six, int lucky = 0) {
    PowerTipRow r{};
    for (size_t k = 0; k < 6; ++k) r[k] = static_cast<uint8_t>(six[k]);
    r[6] = static_cast<uint8_t>(lucky);
    return r;
}

// Weight 3 on the given numbers of the game.
WeightMatrix heavy(GameCode game, std::initializer_list<int> numbers) {
    WeightMatrix w;
    for (int n : numbers) w.set_weight(n, game, 3);
    return w;
}

struct Empty {
    StatsArchive a;
    ArchiveRowSet rows;
    explicit Empty(GameCode game) : a(game), rows(DrawSource(a.archive, a.params)) {}
};

TEST(PowerTipUrn, NumbersAppearAsOftenAsTheirWeightAndSmallUrnsAreRefused) {
    const GameParams p = game_params(kAustria);
    WeightMatrix w;
    w.set_weight(2, kAustria, 1);
    w.set_weight(45, kAustria, 3);
    w.set_weight(46, kAustria, 3);  // beyond the game's numbers
    w.set_weight(2, kSwiss, 3);     // another game
    EXPECT_EQ(build_urn(w, p), (std::vector<int16_t>{2, 45, 45, 45}));

    Empty e(kLottoSaturday);
    RandomSource random(1);
    const PowerTipResult none = power_tip(WeightMatrix{}, e.a.params, e.rows, 4, random);
    EXPECT_TRUE(none.refused);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_NE(none.message.find("0 Lose"), std::string::npos);

    // 20 entries are refused, 21 are enough.
    WeightMatrix twenty = heavy(kLottoSaturday, {1, 2, 3, 4, 5, 6});
    twenty.set_weight(7, kLottoSaturday, 2);
    EXPECT_TRUE(power_tip(twenty, e.a.params, e.rows, 2, random).refused);
    twenty.set_weight(7, kLottoSaturday, 3);
    const PowerTipResult ok = power_tip(twenty, e.a.params, e.rows, 2, random);
    EXPECT_FALSE(ok.refused);
    EXPECT_TRUE(ok.complete);
    EXPECT_EQ(ok.rows.size(), 2u);
}

TEST(PowerTipRows, NumbersAreDistinctAndFromTheUrnInDrawingOrder) {
    Empty e(kLottoBoth);
    const WeightMatrix w = heavy(kLottoBoth, {3, 9, 14, 22, 30, 31, 40, 44, 49});
    RandomSource random(77);
    const PowerTipResult r = power_tip(w, e.a.params, e.rows, 16, random);
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.rows.size(), 16u);
    bool some_unsorted = false;
    for (const PowerTipRow& row : r.rows) {
        std::set<int> six(row.begin(), row.begin() + 6);
        EXPECT_EQ(six.size(), 6u);
        for (int n : six) EXPECT_EQ(w.weight(n, kLottoBoth), 3);
        EXPECT_EQ(row[6], 0);
        some_unsorted |= !std::is_sorted(row.begin(), row.begin() + 6);
    }
    EXPECT_TRUE(some_unsorted);  // stored as drawn
    // The same seed gives the same rows.
    RandomSource again(77);
    EXPECT_EQ(power_tip(w, e.a.params, e.rows, 16, again).rows, r.rows);
}

TEST(PowerTipRows, LightRowsAndRepeatsAreRejectedFromTheSecondRowOn) {
    Empty e(kLottoSaturday);
    WeightMatrix w = heavy(kLottoSaturday, {6, 20, 21, 22, 23, 24});
    for (int n = 1; n <= 5; ++n) w.set_weight(n, kLottoSaturday, 1);
    const PowerTipRow light = row_of({1, 2, 3, 4, 5, 6});  // weights 1,1,1,1,1,3
    EXPECT_EQ(judge_row(light, {}, w, e.a.params, e.rows), RowVerdict::kAccepted);
    const std::vector<PowerTipRow> one = {row_of({20, 21, 22, 23, 24, 6})};
    EXPECT_EQ(judge_row(light, one, w, e.a.params, e.rows), RowVerdict::kTooLight);
    // The same numbers in another order repeat the earlier row.
    EXPECT_EQ(judge_row(row_of({6, 24, 23, 22, 21, 20}), one, w, e.a.params, e.rows),
              RowVerdict::kRepeatsEarlierRow);
    w.set_weight(1, kLottoSaturday, 3);  // 3,1,1,1,1,3 = 10 is enough
    EXPECT_EQ(judge_row(light, one, w, e.a.params, e.rows), RowVerdict::kAccepted);

    // Swiss: 11 is needed, and another Glückszahl makes another row.
    Empty s(kSwiss);
    WeightMatrix sw;
    for (int n : {1, 2, 3, 4, 5}) sw.set_weight(n, kSwiss, 2);
    sw.set_weight(6, kSwiss, 1);  // sum 11
    const std::vector<PowerTipRow> first = {row_of({1, 2, 3, 4, 5, 6}, 2)};
    EXPECT_EQ(judge_row(row_of({6, 5, 4, 3, 2, 1}, 3), first, sw, s.a.params, s.rows),
              RowVerdict::kAccepted);
    EXPECT_EQ(judge_row(row_of({6, 5, 4, 3, 2, 1}, 2), first, sw, s.a.params, s.rows),
              RowVerdict::kRepeatsEarlierRow);
    sw.set_weight(6, kSwiss, 0);
    EXPECT_EQ(judge_row(row_of({6, 5, 4, 3, 2, 1}, 3), first, sw, s.a.params, s.rows),
              RowVerdict::kTooLight);
}

TEST(PowerTipRows, ArchiveDrawsAreRejectedWhateverTheOrder) {
    StatsArchive a(kAustria);
    a.draw(1, {5, 10, 15, 20, 25, 30}, 7);
    BonusDraw b;
    b.date = "10.09.1986";
    b.numbers = {40, 41, 42, 43, 44, 45, 9};
    a.archive.set_bonus_draws({b});
    const ArchiveRowSet rows(DrawSource(a.archive, a.params));
    EXPECT_EQ(rows.size(), 2u);
    const WeightMatrix w;
    EXPECT_EQ(judge_row(row_of({30, 5, 25, 10, 20, 15}), {}, w, a.params, rows), RowVerdict::kDrawnBefore);
    EXPECT_EQ(judge_row(row_of({45, 44, 43, 42, 41, 40}), {}, w, a.params, rows), RowVerdict::kDrawnBefore);
    EXPECT_EQ(judge_row(row_of({45, 44, 43, 42, 41, 39}), {}, w, a.params, rows), RowVerdict::kAccepted);
}

TEST(PowerTipLimit, TooNarrowMatrixStopsAfterTenThousandAttemptsKeepingTheRowsFound) {
    // Seven numbers give only seven different rows.
    Empty e(kLottoSaturday);
    const WeightMatrix w = heavy(kLottoSaturday, {1, 2, 3, 4, 5, 6, 7});
    RandomSource random(5);
    const PowerTipResult r = power_tip(w, e.a.params, e.rows, 16, random);
    EXPECT_FALSE(r.complete);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.attempts, kPowerTipAttempts);
    EXPECT_EQ(r.rows.size(), 7u);
    EXPECT_EQ(r.message, "Es konnten nicht genug|Reihen gefunden werden!|Bitte Matrix durchlässiger machen!");

    // Every possible row drawn before: not even a first row.
    StatsArchive a(kLottoSaturday);
    for (int left_out = 1; left_out <= 7; ++left_out) {
        std::array<int, 6> six{};
        for (int n = 1, k = 0; n <= 7; ++n)
            if (n != left_out) six[static_cast<size_t>(k++)] = n;
        a.draw(left_out, six);
    }
    const ArchiveRowSet drawn(DrawSource(a.archive, a.params));
    const PowerTipResult none = power_tip(w, a.params, drawn, 2, random);
    EXPECT_FALSE(none.complete);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.message, kPowerTipLimitMessage);
}

TEST(PowerTipLucky, GluckszahlComesFromItsUrnOrUniformlyWhenAllWeightsAreZero) {
    Empty e(kSwiss);
    WeightMatrix w = heavy(kSwiss, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    w.set_weight(kLuckyCellBase + 4, kSwiss, 1);
    EXPECT_EQ(build_lucky_urn(w), (std::vector<int16_t>{4}));
    RandomSource random(9);
    const PowerTipResult r = power_tip(w, e.a.params, e.rows, 12, random);
    ASSERT_TRUE(r.complete);
    for (const PowerTipRow& row : r.rows) {
        EXPECT_EQ(row[6], 4);
        EXPECT_TRUE(std::all_of(row.begin(), row.begin() + 6, [](int n) { return n >= 1 && n <= 10; }));
    }
    w.set_weight(kLuckyCellBase + 4, kSwiss, 0);
    std::set<int> lucky;
    const PowerTipResult u = power_tip(w, e.a.params, e.rows, 16, random);
    for (const PowerTipRow& row : u.rows) lucky.insert(row[6]);
    EXPECT_GT(lucky.size(), 2u);
    EXPECT_GE(*lucky.begin(), 1);
    EXPECT_LE(*lucky.rbegin(), 6);
}

TEST(PowerTipRowCount, ListAndCountsFollowTheLayout) {
    const GameParams german = game_params(kToto);
    const GameParams swiss = game_params(kSwiss);
    EXPECT_EQ(row_count_items(german, true),
              " _2 Reihen| _4 Reihen| _6 Reihen| _8 Reihen|1_0 Reihen|_12 Reihen|14 Reihen"
              "|1_5 Reihen|16 Reihen");
    EXPECT_EQ(row_count_items(german, false),
              " _2 Reihen| _4 Reihen| _6 Reihen| _8 Reihen|1_0 Reihen|_12 Reihen|14 Reihen");
    EXPECT_EQ(row_count_items(swiss, true), row_count_items(german, false));
    EXPECT_EQ(row_count_for_item(0, german, true), 2);
    EXPECT_EQ(row_count_for_item(5, german, true), 12);
    EXPECT_EQ(row_count_for_item(6, german, true), 14);
    EXPECT_EQ(row_count_for_item(7, german, true), 15);
    EXPECT_EQ(row_count_for_item(8, german, true), 16);
    EXPECT_EQ(row_count_for_item(6, german, false), 12);  // 49 x 1: "14 Reihen" gives 12
    EXPECT_EQ(row_count_for_item(6, swiss, true), 12);
    EXPECT_EQ(row_count_for_item(-1, german, true), std::nullopt);  // dismissed: cancel
    EXPECT_EQ(row_count_for_item(7, german, false), std::nullopt);
    EXPECT_EQ(row_count_for_item(9, german, true), std::nullopt);
}

TEST(PowerTipWindowBoard, FrequenciesPerCellAndTopTwelveLists) {
    StatsArchive a(kSwiss);
    a.random_draws(kSwissLuckyStart + 20, 3);
    a.draw(kSwissLuckyStart + 21, {1, 2, 3, 4, 5, 6}, 5);
    DrawRange r;
    r.set(kSwissLuckyStart, kSwissLuckyStart + 21);
    const DrawSource source(a.archive, a.params);
    const PowerTipBoard b = power_tip_board(source, r);
    StatTables t;
    compute_frequencies(source, r, t);
    EXPECT_EQ(b.frequency[7], t.main_frequency[7]);
    EXPECT_EQ(b.frequency[kLuckyCellBase + 5], t.main_frequency[kLuckyOffset + 5]);
    EXPECT_GE(b.frequency[kLuckyCellBase + 5], 1);
    ASSERT_EQ(b.top_frequent.size(), 12u);
    ASSERT_EQ(b.top_gaps.size(), 12u);
    EXPECT_TRUE(std::is_sorted(b.top_frequent_values.rbegin(), b.top_frequent_values.rend()));
    EXPECT_TRUE(std::is_sorted(b.top_gap_values.rbegin(), b.top_gap_values.rend()));
    for (int n : {1, 2, 3, 4, 5, 6})  // drawn last: gap 0, never among the longest
        EXPECT_EQ(std::find(b.top_gaps.begin(), b.top_gaps.end(), n), b.top_gaps.end());
    for (int n : b.top_gaps) EXPECT_LE(n, 42);
}

}  // namespace
}  // namespace zw
