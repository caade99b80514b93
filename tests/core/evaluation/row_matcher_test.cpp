#include <gtest/gtest.h>

#include "eval_fixture.h"
#include "evaluation/win_classes.h"

namespace zw {
namespace {

using test::EvalFixture;

const uint64_t kRow123456 = number_mask(std::array<int, 6>{1, 2, 3, 4, 5, 6});

EvalDraw draw_of(std::array<int, 6> six, int extra = -1, int zusatz = 0) {
    EvalDraw d;
    d.drawn = number_mask(six);
    d.extra = extra;
    d.zusatz = zusatz;
    return d;
}

TEST(RowMatcher, GermanSixHitsSplitBySuperNumber) {
    const EvalDraw d = draw_of({1, 2, 3, 4, 5, 6}, 7);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, d, {7, false}).win_class, 1);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, d, {3, false}).win_class, 2);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, d, {-1, false}).win_class, 2);
}

TEST(RowMatcher, GermanTwoHitsWinOnlyWithSuperNumber) {
    const EvalDraw d = draw_of({1, 2, 30, 31, 32, 33}, 4);
    const RowMatch with_s = match_row(RuleSet::German, kRow123456, 0, d, {4, false});
    EXPECT_EQ(with_s.hits, 2);
    EXPECT_EQ(with_s.win_class, 9);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, d, {5, false}).win_class, 0);
    // One hit with S wins nothing.
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, draw_of({1, 20, 30, 31, 32, 33}, 4), {4, false}).win_class, 0);
}

TEST(RowMatcher, SuperByteTenIsSuperNumberZeroOnlyFromTheStartDraw) {
    EvalFixture f(kLottoSaturday);
    const int start = f.params.super_start;  // 1887
    f.set_draw(start - 1, {1, 2, 3, 4, 5, 6}, 10);  // before: 10 is the Zusatzzahl 10
    f.set_draw(start, {1, 2, 3, 4, 5, 6}, 10);      // from the start: Superzahl 0
    f.set_draw(start + 1, {1, 2, 3, 4, 5, 6}, 0);   // not entered
    const auto draws = eval_draws(f.archive, f.params, start - 1, start + 1);
    ASSERT_EQ(draws.size(), 3u);
    const TicketExtras los_ending_0{0, false};  // Los-Nummer 1234560
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, draws[0], los_ending_0).win_class, 2);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, draws[1], los_ending_0).win_class, 1);
    EXPECT_EQ(match_row(RuleSet::German, kRow123456, 0, draws[2], los_ending_0).win_class, 2);
    EXPECT_FALSE(draws[0].super_pass);
    EXPECT_TRUE(draws[1].super_pass);
}

TEST(RowMatcher, FourHitsWithZusatzzahlDifferBetweenPoolAndAustria) {
    // Row 1..6, drawn 1 2 3 4 40 41, Zusatzzahl 5 is in the row.
    const EvalDraw d = draw_of({1, 2, 3, 4, 40, 41}, -1, 5);
    EXPECT_EQ(match_row(RuleSet::Toto, kRow123456, 0, d, {}).win_class, 6);     // IV.
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, d, {}).win_class, 5);  // 4+
    // Five and three hits with Z are the plus classes in both.
    const EvalDraw five = draw_of({1, 2, 3, 4, 5, 41}, -1, 6);
    EXPECT_EQ(match_row(RuleSet::Toto, kRow123456, 0, five, {}).win_class, 3);
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draw_of({1, 2, 3, 40, 41, 42}, -1, 6), {}).win_class, 7);
    // Six hits are class 2 whatever Z does.
    EXPECT_EQ(match_row(RuleSet::Toto, kRow123456, 0, draw_of({1, 2, 3, 4, 5, 6}, -1, 7), {}).win_class, 2);
}

TEST(RowMatcher, AustrianZusatzzahlAloneWinsOnlyWithoutHits) {
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draw_of({10, 11, 12, 13, 14, 15}, -1, 3), {}).win_class, 9);
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draw_of({1, 11, 12, 13, 14, 15}, -1, 3), {}).win_class, 0);
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draw_of({1, 2, 12, 13, 14, 15}, -1, 3), {}).win_class, 0);
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draw_of({10, 11, 12, 13, 14, 15}, -1, 30), {}).win_class, 0);
    // The pool has no such class.
    EXPECT_EQ(match_row(RuleSet::Toto, kRow123456, 0, draw_of({10, 11, 12, 13, 14, 15}, -1, 3), {}).win_class, 0);
}

TEST(RowMatcher, SwissLuckyNumberCountsFromDraw3074) {
    EvalFixture f(kSwiss);
    f.set_draw(kSwissLuckyStart - 1, {1, 2, 3, 4, 5, 40}, 4);
    f.set_draw(kSwissLuckyStart, {1, 2, 3, 4, 5, 40}, 4);
    const auto draws = eval_draws(f.archive, f.params, kSwissLuckyStart - 1, kSwissLuckyStart);
    EXPECT_EQ(match_row(RuleSet::Swiss, kRow123456, 4, draws[0], {}).win_class, 4);
    EXPECT_EQ(match_row(RuleSet::Swiss, kRow123456, 4, draws[1], {}).win_class, 3);
    EXPECT_EQ(match_row(RuleSet::Swiss, kRow123456, 5, draws[1], {}).win_class, 4);
    // Two hits with G are nothing in Switzerland.
    EXPECT_EQ(win_class(RuleSet::Swiss, 2, true), 0);
}

TEST(RowMatcher, LottoPlusFromDraw2668Only) {
    EvalFixture f(kAustria);
    f.set_draw(kLottoPlusStart - 1, {20, 21, 22, 23, 24, 25}, 30);
    f.set_draw(kLottoPlusStart, {20, 21, 22, 23, 24, 25}, 30, {1, 2, 3, 4, 40, 41});
    const auto draws = eval_draws(f.archive, f.params, kLottoPlusStart - 1, kLottoPlusStart);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_FALSE(draws[0].plus_draw);
    const RowMatch m = match_row(RuleSet::Austria, kRow123456, 0, draws[1], {-1, true});
    EXPECT_EQ(m.plus_hits, 4);
    EXPECT_EQ(m.plus_class, 3);  // P4
    EXPECT_EQ(match_row(RuleSet::Austria, kRow123456, 0, draws[1], {-1, false}).plus_class, 0);
}

TEST(RowMatcher, ZusatzzahlRepeatingADrawnNumberIsIgnored) {
    EvalFixture f(kToto);
    f.set_draw(1, {1, 2, 3, 40, 41, 42}, 3);  // damaged record: Z equals a drawn number
    const auto draws = f.draws();
    EXPECT_EQ(draws[0].zusatz, 0);
    EXPECT_EQ(match_row(RuleSet::Toto, kRow123456, 0, draws[0], {}).win_class, 8);
}

}  // namespace
}  // namespace zw
