#include "cardindex/ticket_card.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"

using namespace zw;

namespace {

struct Game {
    GameParams params;
    Ticket ticket;
    TicketOptions options;
    explicit Game(int code) : params(game_params(code)) { ticket.set_game(params); }
    void round_trip(CardKind kind) {
        const CardTicket card = to_card(ticket, options, params);
        Ticket back;
        back.set_game(params);
        back.system_mode = ticket.system_mode;
        TicketOptions back_options;
        from_card(card, kind, params, back, back_options);
        for (int r = 0; r < 14; ++r) EXPECT_EQ(back.row(r), ticket.row(r)) << r;
        for (int b = 0; b < kSystemBoxCount; ++b) {
            EXPECT_EQ(back.box(b).full, ticket.box(b).full);
            EXPECT_EQ(back.box(b).numbers, ticket.box(b).numbers);
            EXPECT_EQ(back.box(b).index, ticket.box(b).index);
            auto a = back.box(b).ticked, e = ticket.box(b).ticked;
            std::sort(e.begin(), e.end());
            EXPECT_EQ(a, e);  // stored in ascending order
            EXPECT_EQ(back.box(b).lucky, ticket.box(b).lucky);
        }
        EXPECT_EQ(back_options.lottery_number, options.lottery_number);
        EXPECT_EQ(back_options.extra_weeks, options.extra_weeks);
        EXPECT_EQ(back_options.draw_days, options.draw_days);
        EXPECT_EQ(back_options.spiel77, options.spiel77);
        EXPECT_EQ(back_options.super6, options.super6);
        EXPECT_EQ(back_options.gluecksspirale, options.gluecksspirale);
        EXPECT_EQ(back_options.siegerchance, options.siegerchance);
        EXPECT_EQ(back_options.joker_count, options.joker_count);
        EXPECT_EQ(back_options.lotto_plus, options.lotto_plus);
        EXPECT_EQ(back_options.swiss_joker_bits, options.swiss_joker_bits);
    }
};

}  // namespace

TEST(TicketCard, NormalTicketsSurviveTheCardIndex) {
    Game g(kLottoBoth);
    for (int n : {9, 2, 30, 41, 17, 5}) g.ticket.tick(0, n);
    for (int n : {1, 2, 3}) g.ticket.tick(4, n);  // incomplete rows travel as they are
    g.options = {};
    g.options.lottery_number = 7654321;
    g.options.extra_weeks = 3;
    g.options.draw_days = 2;
    g.options.spiel77 = g.options.gluecksspirale = g.options.siegerchance = true;
    g.round_trip(CardKind::Normal);

    Game s(kSwiss);
    for (int n : {1, 42, 7, 8, 9, 10}) s.ticket.tick(13, n);
    s.ticket.set_lucky(13, 6);
    s.options.extra_weeks = 19;
    s.options.swiss_joker_bits = 2 | 8;
    s.round_trip(CardKind::Normal);
}

TEST(TicketCard, SystemBoxesAndAustrianJokersSurvive) {
    Game a(kAustria);
    a.ticket.system_mode = true;
    a.ticket.set_full_system(0, 8);
    for (int n : {45, 3, 9, 12, 1, 30, 22, 7}) a.ticket.tick_box(0, n);
    a.ticket.set_partial_system(3, 4, 11);
    a.ticket.tick_box(3, 44);
    a.options.joker_count = 10;
    a.options.lotto_plus = true;
    a.options.joker_numbers[0] = "000123";
    a.options.lottery_number = 123;
    a.round_trip(CardKind::System);
    const CardTicket card = to_card(a.ticket, a.options, a.params);
    EXPECT_FALSE(card.fields[1].in_use);
    EXPECT_EQ(card.jokers[0], 123);
    EXPECT_EQ(card.jokers[1], -1);
}
