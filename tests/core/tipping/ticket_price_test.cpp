#include "tipping/ticket_price.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "games/system_catalogue.h"

using namespace zw;

namespace {

struct Fixture {
    GameParams params;
    Ticket ticket;
    TicketOptions options;
    MoneyTables money = default_money_tables();
    explicit Fixture(GameCode game) : params(game_params(game)) { ticket.set_game(params); }
    void rows(int count) {
        for (int r = 0; r < count; ++r)
            for (int k = 1; k <= 6; ++k) ticket.tick(r, r + k);
        if (params.swiss)
            for (int r = 0; r < count; ++r) ticket.set_lucky(r, 1);
    }
    int16_t fee(FeeEntry e) const { return money.fee(params.code, e); }
};

}  // namespace

TEST(TicketPrice, GermanStakeOverWeeksAndDrawDaysWithTheFeeOnce) {
    Fixture f(kLottoBoth);
    f.rows(2);
    f.ticket.tick(5, 1);  // an incomplete row is not played
    f.options.spiel77 = true;
    f.options.gluecksspirale = true;
    f.options.extra_weeks = 1;
    f.options.draw_days = 2;
    const TicketPrice p = ticket_price(f.ticket, f.options, f.params, f.money, 0);
    EXPECT_EQ(p.rows, 2);
    EXPECT_EQ(p.draws, 4);
    EXPECT_EQ(p.per_draw, 2 * f.fee(kRowStake) + f.fee(kSideStake1) + 500);
    EXPECT_EQ(p.fee, f.fee(kFeeNormal));
    EXPECT_EQ(p.total, 4 * p.per_draw + p.fee);

    // The Saturday and Wednesday archives hold one draw day: no Mi+Sa there,
    // neither as a field of the ticket nor in the price of an older option set.
    for (GameCode game : {kLottoSaturday, kLottoWednesday, kToto}) {
        Fixture one(game);
        one.rows(2);
        one.options.extra_weeks = 1;
        one.options.draw_days = 2;
        EXPECT_EQ(ticket_price(one.ticket, one.options, one.params, one.money, 0).draws, 2) << game;
        TicketOptions o;
        apply_option(o, {OptionKind::kDrawDays, 2}, one.params, false);
        EXPECT_EQ(o.draw_days, 0) << game;
        apply_option(o, {OptionKind::kDrawDays, 1}, one.params, false);
        EXPECT_EQ(o.draw_days, 1) << game;
    }
}

TEST(TicketPrice, EmptyTicketCostsNothing) {
    Fixture f(kLottoSaturday);
    f.options.spiel77 = true;
    EXPECT_EQ(ticket_price(f.ticket, f.options, f.params, f.money, 0).total, 0);
}

TEST(TicketPrice, SystemRowsAndSideGamesOfTheOtherGames) {
    Fixture f(kAustria);
    f.ticket.system_mode = true;
    f.ticket.set_full_system(0, 8);                 // 28 rows
    f.ticket.set_partial_system(1, 4, 11);          // VEW index 4 = "711" = 11/66
    f.options.joker_count = 3;
    f.options.lotto_plus = true;
    const int bl = 12;  // Österreich: VEW names
    ASSERT_EQ(label_family(kAustria, bl), LabelFamily::kVew);
    const TicketPrice p = ticket_price(f.ticket, f.options, f.params, f.money, bl);
    EXPECT_EQ(p.rows, 28 + 66);
    EXPECT_EQ(p.per_draw, p.rows * f.fee(kRowStake) + 2 * f.fee(kSideStake1) + p.rows * f.fee(kSideStake2));
    EXPECT_EQ(p.fee, f.fee(kFeeSystem));

    Fixture s(kSwiss);
    s.rows(1);
    s.options.swiss_joker_bits = 2 | 8;
    s.options.extra_weeks = 19;
    const TicketPrice sp = ticket_price(s.ticket, s.options, s.params, s.money, 17);
    EXPECT_EQ(sp.draws, 20);
    EXPECT_EQ(sp.per_draw, s.fee(kRowStake) + 2 * s.fee(kSideStake1));
}

TEST(TicketForEvaluation, HandsOverExactlyTheRowsAndOptions) {
    Fixture f(kLottoSaturday);
    f.ticket.tick(0, 9);
    for (int n : {4, 8, 15, 16, 23, 42}) f.ticket.tick(3, n);
    f.options.lottery_number = 1234567;
    f.options.super_number = 7;
    f.options.super6 = true;
    EvaluationTicket e;
    Status st = to_evaluation_ticket(f.ticket, f.options, f.params, 0, e);
    EXPECT_FALSE(st);
    EXPECT_NE(st.message().find("Reihe 1"), std::string::npos);
    f.ticket.clear_row(0);
    ASSERT_TRUE(to_evaluation_ticket(f.ticket, f.options, f.params, 0, e));
    ASSERT_EQ(e.rows.size(), 1u);
    EXPECT_EQ(e.rows[0].number, 4);
    EXPECT_EQ(e.rows[0].numbers, (std::vector<uint8_t>{4, 8, 15, 16, 23, 42}));
    EXPECT_TRUE(e.systems.empty());
    EXPECT_EQ(e.super_number, 7);
    EXPECT_EQ(e.side.lottery_number, 1234567);
    EXPECT_TRUE(e.side.super6);
    EXPECT_FALSE(e.side.spiel77);

    // Without a Los-Nummer the ticket plays no Superzahl, even with a super number of 0 set.
    f.options.lottery_number = 0;
    f.options.super_number = 0;
    ASSERT_TRUE(to_evaluation_ticket(f.ticket, f.options, f.params, 0, e));
    EXPECT_EQ(e.super_number, -1);
    f.options.lottery_number = 1234560;
    ASSERT_TRUE(to_evaluation_ticket(f.ticket, f.options, f.params, 0, e));
    EXPECT_EQ(e.super_number, 0);
}

TEST(TicketForEvaluation, SystemBoxesBecomeFields) {
    Fixture f(kLottoSaturday);
    f.ticket.system_mode = true;
    EvaluationTicket e;
    EXPECT_EQ(to_evaluation_ticket(f.ticket, f.options, f.params, 1, e).message(), "Bitte zuerst ein System ankreuzen!");
    f.ticket.set_full_system(1, 7);
    f.ticket.set_partial_system(4, 16, 22);  // Bayern: Teil-System 22/77
    for (int n = 1; n <= 7; ++n) f.ticket.tick_box(1, n);
    EXPECT_FALSE(to_evaluation_ticket(f.ticket, f.options, f.params, 1, e));  // box 5 not complete
    for (int n = 11; n <= 32; ++n) f.ticket.tick_box(4, n);
    ASSERT_TRUE(to_evaluation_ticket(f.ticket, f.options, f.params, 1, e));
    ASSERT_EQ(e.systems.size(), 2u);
    EXPECT_EQ(e.systems[0].kind, LineKind::FullSystem);
    EXPECT_EQ(e.systems[0].number, 2);
    EXPECT_EQ(e.systems[1].kind, LineKind::PartialSystem);
    EXPECT_EQ(e.systems[1].partial_index, 16);
    EXPECT_EQ(e.systems[1].numbers.size(), 22u);
    EXPECT_EQ(e.super_number, -1);  // no lottery number
}

TEST(TicketForEvaluation, AustrianJokersFollowTheirCount) {
    Fixture f(kAustria);
    f.rows(1);
    f.options.joker_numbers[0] = "000123";
    f.options.joker_numbers[1] = "456789";
    f.options.joker_count = 1;
    f.options.lotto_plus = true;
    EvaluationTicket e;
    ASSERT_TRUE(to_evaluation_ticket(f.ticket, f.options, f.params, 12, e));
    EXPECT_EQ(e.side.jokers, (std::vector<int32_t>{123}));
    EXPECT_TRUE(e.lotto_plus);
}
