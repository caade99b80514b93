#include "cardindex/ticket_card.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "tipping/ticket_price.h"

using namespace zw;

namespace {

struct Game {
    GameParams params;
    Ticket ticket;
    TicketOptions options;
    explicit Game(GameCode code) : params(game_params(code)) { ticket.set_game(params); }
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

// 35 rows in tickets of 16: 16, 16 and 3 rows, each staked at its own price
// with the ticket's options; a row the game cannot play is left out.
TEST(TicketCard, RowSetsBecomePricedTicketsOfTheGame) {
    const GameParams params = game_params(kLottoSaturday);
    const MoneyTables money = default_money_tables();
    TicketOptions options;
    options.extra_weeks = 1;
    std::vector<TipRow> rows;
    for (int i = 0; i < 35; ++i)
        rows.push_back({static_cast<uint8_t>(1 + i), static_cast<uint8_t>(2 + i), static_cast<uint8_t>(3 + i),
                        static_cast<uint8_t>(4 + i), static_cast<uint8_t>(5 + i), static_cast<uint8_t>(6 + i), 0});
    rows.push_back({1, 1, 2, 3, 4, 5, 0});
    const auto cards = cards_of_rows(rows, 16, options, params, money, 0);
    ASSERT_EQ(cards.size(), 3u);
    const std::array<int, 3> counts = {16, 16, 3};
    for (size_t k = 0; k < cards.size(); ++k) {
        int complete = 0;
        for (const CardRow& row : cards[k].rows) complete += row_complete(row, false) ? 1 : 0;
        EXPECT_EQ(complete, counts[k]) << k;
        EXPECT_EQ(cards[k].extra_weeks, 1);
        Ticket t;
        t.set_game(params);
        for (int r = 0; r < counts[k]; ++r) t.set_row(r, rows[k * 16 + static_cast<size_t>(r)]);
        EXPECT_EQ(cards[k].stake, ticket_price(t, options, params, money, 0).total) << k;
        EXPECT_GT(cards[k].stake, 0);
    }
    EXPECT_EQ(cards[2].rows[0][0], 33);
}
