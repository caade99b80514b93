#include "tipping/ticket.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "tipping/ticket_options.h"

using namespace zw;

namespace {

Ticket ticket_for(GameCode game) {
    Ticket t;
    t.set_game(game_params(game));
    return t;
}

}  // namespace

TEST(Ticket, RowTakesSixDistinctNumbersOfTheGameOnly) {
    Ticket t = ticket_for(kLottoSaturday);
    EXPECT_FALSE(t.tick(0, 0));
    EXPECT_FALSE(t.tick(0, 50));
    for (int n : {7, 3, 49, 12, 1, 30}) EXPECT_TRUE(t.tick(0, n));
    EXPECT_FALSE(t.tick(0, 8));  // full
    EXPECT_TRUE(t.row_complete(0));
    EXPECT_EQ(t.row_count(), 1);
    EXPECT_EQ(t.row(0)[0], 7);  // tick order is kept

    Ticket a = ticket_for(kAustria);
    EXPECT_FALSE(a.tick(0, 46));
    EXPECT_TRUE(a.tick(0, 45));
    EXPECT_FALSE(a.tick(0, 45));  // twice
    EXPECT_EQ(a.visible_rows(), 14);
}

TEST(Ticket, UntickClosesTheGapAndBackspaceTakesTheLast) {
    Ticket t = ticket_for(kLottoSaturday);
    for (int n : {5, 6, 7, 8}) t.tick(2, n);
    EXPECT_TRUE(t.untick(2, 6));
    EXPECT_FALSE(t.untick(2, 6));
    EXPECT_EQ(t.row_size(2), 3);
    EXPECT_EQ((std::vector<int>{t.row(2)[0], t.row(2)[1], t.row(2)[2], t.row(2)[3]}),
              (std::vector<int>{5, 7, 8, 0}));
    EXPECT_TRUE(t.backspace(2));
    EXPECT_EQ(t.row_size(2), 2);
    EXPECT_FALSE(t.row_complete(2));
    t.clear();
    EXPECT_TRUE(t.empty());
}

TEST(Ticket, SwissRowNeedsItsLuckyNumber) {
    Ticket t = ticket_for(kSwiss);
    for (int n = 1; n <= 6; ++n) t.tick(0, n);
    EXPECT_FALSE(t.tick(0, 43));
    EXPECT_FALSE(t.row_complete(0));
    EXPECT_FALSE(t.set_lucky(0, 7));
    EXPECT_TRUE(t.set_lucky(0, 4));
    EXPECT_TRUE(t.row_complete(0));
    // Other games have no lucky number.
    Ticket g = ticket_for(kLottoSaturday);
    EXPECT_FALSE(g.set_lucky(0, 4));
}

TEST(Ticket, SetRowRefusesRowsThatBreakTheInvariant) {
    Ticket t = ticket_for(kLottoSaturday);
    EXPECT_FALSE(t.set_row(0, TipRow{1, 2, 3, 4, 5, 5, 0}));
    EXPECT_FALSE(t.set_row(0, TipRow{1, 2, 3, 4, 5, 50, 0}));
    EXPECT_FALSE(t.set_row(18, TipRow{1, 2, 3, 4, 5, 6, 0}));
    EXPECT_TRUE(t.set_row(17, TipRow{1, 2, 3, 4, 5, 6, 3}));
    EXPECT_EQ(t.row(17)[6], 0);  // no lucky number outside the Swiss game
}

TEST(Ticket, BoxTakesNumbersOnlyWithASystemAndUpToItsSize) {
    Ticket t = ticket_for(kLottoSaturday);
    t.system_mode = true;
    EXPECT_FALSE(t.tick_box(0, 1));  // no system yet
    t.set_full_system(0, 7);
    for (int n = 1; n <= 7; ++n) EXPECT_TRUE(t.tick_box(0, n));
    EXPECT_FALSE(t.tick_box(0, 8));
    EXPECT_FALSE(t.tick_box(1, 8));
    EXPECT_TRUE(t.box(0).complete());
    // A larger system keeps the numbers, a smaller one cuts the list.
    t.set_partial_system(0, 16, 22);
    EXPECT_EQ(t.box(0).ticked.size(), 7u);
    EXPECT_FALSE(t.box(0).full);
    EXPECT_FALSE(t.box(0).complete());
    for (int n = 30; n < 45; ++n) EXPECT_TRUE(t.tick_box(0, n));
    EXPECT_TRUE(t.box(0).complete());
    t.set_full_system(0, 7);
    EXPECT_EQ(t.box(0).ticked, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(t.untick_box(0, 3));
    EXPECT_FALSE(t.untick_box(0, 3));
    t.clear_system(0);
    EXPECT_FALSE(t.box(0).has_system());
    EXPECT_TRUE(t.box(0).ticked.empty());
}

TEST(Ticket, FortyNineByOneShowsTwelveRows) {
    Ticket t = ticket_for(kLottoSaturday);
    EXPECT_EQ(t.visible_rows(), 16);
    t.seven_by_seven = false;
    EXPECT_EQ(t.visible_rows(), 12);
}

TEST(TicketOptions, SuperNumberReplacesTheLastDigitOnly) {
    TicketOptions o;
    ASSERT_TRUE(apply_lottery_number(o, "1234560"));
    ASSERT_TRUE(apply_super_number(o, "7"));
    EXPECT_EQ(o.lottery_number, 1234567);
    EXPECT_EQ(o.super_number, 7);
    for (const char* bad : {"10", "-1", "a", ""}) EXPECT_FALSE(apply_super_number(o, bad)) << bad;
    EXPECT_EQ(o.lottery_number, 1234567);
}

TEST(TicketOptions, LotteryNumberTakesDigitsOnly) {
    TicketOptions o;
    for (const char* bad : {"-123", "000abc", "12345678", "12 34"}) EXPECT_FALSE(apply_lottery_number(o, bad)) << bad;
    EXPECT_EQ(o.lottery_number, 0);
    EXPECT_TRUE(apply_lottery_number(o, " 0123456 "));
    EXPECT_EQ(o.lottery_number, 123456);
    EXPECT_EQ(o.super_number, 6);
    EXPECT_EQ(lottery_number_preset(o, game_params(kLottoSaturday)), "123456");
    EXPECT_EQ(lottery_number_preset(o, game_params(kAustria)), "123456");
    EXPECT_TRUE(apply_lottery_number(o, ""));
    EXPECT_EQ(o.lottery_number, 0);
    EXPECT_EQ(lottery_number_preset(o, game_params(kLottoSaturday)), "000000");
}

TEST(TicketOptions, JokerNumbersGetLeadingZeros) {
    TicketOptions o;
    std::array<std::string, 10> fields;
    fields[0] = "123";
    fields[3] = "987654";
    EXPECT_EQ(apply_joker_numbers(o, fields), 0);
    EXPECT_EQ(o.joker_numbers[0], "000123");
    EXPECT_EQ(o.joker_numbers[3], "987654");
    EXPECT_TRUE(o.joker_numbers[1].empty());
    EXPECT_EQ(o.lottery_number, 123);
    fields[5] = "1234567";
    EXPECT_EQ(apply_joker_numbers(o, fields), 6);
    fields[5] = "12x";
    EXPECT_EQ(apply_joker_numbers(o, fields), 6);
    EXPECT_EQ(o.joker_numbers[3], "987654");  // a refusal changes nothing
}

TEST(TicketOptions, GluecksSpiraleAndSiegerChanceGoTogether) {
    const GameParams p = game_params(kLottoSaturday);
    TicketOptions o;
    apply_option(o, {OptionKind::kSiegerChance, 1}, p, false);
    EXPECT_TRUE(o.gluecksspirale);
    EXPECT_TRUE(o.siegerchance);
    apply_option(o, {OptionKind::kGluecksSpirale, 0}, p, false);
    EXPECT_FALSE(o.gluecksspirale);
    EXPECT_FALSE(o.siegerchance);
    EXPECT_EQ(apply_option(o, {OptionKind::kGluecksSpirale, 1}, p, true), OptionFollowUp::kAskSiegerChance);
    EXPECT_EQ(apply_option(o, {OptionKind::kGluecksSpirale, 1}, p, false), OptionFollowUp::kNone);
    // The keys: s sets both, S clears SiegerChance, G clears both.
    apply_option_key(o, 's', p, false);
    EXPECT_TRUE(o.siegerchance && o.gluecksspirale);
    apply_option_key(o, 'S', p, false);
    EXPECT_TRUE(o.gluecksspirale && !o.siegerchance);
    apply_option_key(o, 'G', p, false);
    EXPECT_FALSE(o.gluecksspirale);
}

TEST(TicketOptions, GermanKeysDoNothingInAustriaAndSwitzerland) {
    for (GameCode game : {kAustria, kSwiss}) {
        TicketOptions o;
        for (char key : {'g', 'G', 's', 'S', 'm', 'a', 'M'}) EXPECT_FALSE(apply_option_key(o, key, game_params(game), false));
        EXPECT_FALSE(o.gluecksspirale || o.siegerchance);
        EXPECT_EQ(o.draw_days, 0);
        apply_option(o, {OptionKind::kSpiel77, 1}, game_params(game), false);
        EXPECT_FALSE(o.spiel77);
    }
}

TEST(TicketOptions, DurationsPerGame) {
    const GameParams swiss = game_params(kSwiss);
    TicketOptions o;
    apply_option(o, {OptionKind::kDuration, 10}, swiss, false);
    EXPECT_EQ(o.extra_weeks, 19);
    apply_option(o, {OptionKind::kDuration, 9}, swiss, false);
    EXPECT_EQ(o.extra_weeks, 9);
    std::vector<int> weeks;
    TicketOptions s;
    for (int i = 0; i < 11; ++i) {
        step_duration(s, swiss);
        weeks.push_back(s.weeks());
    }
    EXPECT_EQ(weeks, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 10, 20, 1, 2}));
    TicketOptions g;
    apply_option(g, {OptionKind::kDuration, 8}, game_params(kToto), false);
    step_duration(g, game_params(kToto));
    EXPECT_EQ(g.weeks(), 1);
    TicketOptions a;
    apply_option(a, {OptionKind::kDuration, 10}, game_params(kAustria), false);
    EXPECT_EQ(a.weeks(), 10);
    apply_option(a, {OptionKind::kDuration, 11}, game_params(kAustria), false);
    EXPECT_EQ(a.weeks(), 10);  // no such field
}

TEST(TicketOptions, AustrianJokerCountNeverPassesTheTenNumbers) {
    TicketOptions o;
    const GameParams p = game_params(kAustria);
    std::vector<int> seen;
    for (int i = 0; i < 8; ++i) {
        apply_option_key(o, 'j', p, false);
        seen.push_back(o.joker_count);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 10, 0, 1}));
    apply_option_key(o, 'n', p, false);
    EXPECT_EQ(o.joker_count, 0);
    apply_option(o, {OptionKind::kJoker, 0}, p, false);
    EXPECT_EQ(o.joker_count, 10);
    apply_option(o, {OptionKind::kJoker, 7}, p, false);
    EXPECT_EQ(o.joker_count, 0);
}

TEST(TicketOptions, SwissJokerFieldsToggleTheirBits) {
    TicketOptions o;
    const GameParams p = game_params(kSwiss);
    apply_option(o, {OptionKind::kSwissJoker, 2}, p, false);
    EXPECT_EQ(o.swiss_joker_bits, 4);
    apply_option(o, {OptionKind::kSwissJoker, 3}, p, false);
    apply_option(o, {OptionKind::kSwissJoker, 2}, p, false);
    EXPECT_EQ(o.swiss_joker_bits, 8);
    apply_option(o, {OptionKind::kSwissJoker, 0}, p, false);
    EXPECT_EQ(o.swiss_joker_bits, 0);
}
