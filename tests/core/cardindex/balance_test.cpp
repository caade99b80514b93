#include "cardindex/balance.h"

#include <gtest/gtest.h>

#include "base/random_source.h"
#include "cardindex/comparison.h"
#include "cardindex/play_period.h"
#include "evaluation/eval_fixture.h"

namespace zw {
namespace {

using test::EvalFixture;

CardTicket ticket(int first, int extra_weeks, int days) {
    CardTicket t;
    t.first_draw = static_cast<int16_t>(first);
    t.extra_weeks = static_cast<uint8_t>(extra_weeks);
    t.draw_days = static_cast<uint8_t>(days);
    return t;
}

void fill_draws(EvalFixture& f, int from, int to) {
    for (int n = from; n <= to; ++n)
        f.set_draw(n, {static_cast<uint8_t>(1 + n % 40), static_cast<uint8_t>(2 + n % 40), static_cast<uint8_t>(3 + n % 40),
                       static_cast<uint8_t>(4 + n % 40), static_cast<uint8_t>(5 + n % 40), static_cast<uint8_t>(6 + n % 40)},
                   static_cast<uint8_t>(1 + n % 9));
}

TEST(PlayPeriod, OneDrawAWeekArchivePlaysEachWeekOnce) {
    EvalFixture f(kLottoSaturday);
    fill_draws(f, 1, 120);
    // A Mi+Sa ticket in the Saturday archive plays its weeks' Saturdays, never a draw twice.
    EXPECT_EQ(played_draws(ticket(100, 2, 2), f.archive, f.params), (std::vector<int>{100, 101, 102}));
    EXPECT_EQ(played_draws(ticket(100, 2, 0), f.archive, f.params), (std::vector<int>{100, 101, 102}));
    // Draws the archive does not hold yet are skipped.
    EXPECT_EQ(played_draws(ticket(119, 3, 0), f.archive, f.params), (std::vector<int>{119, 120}));
    EXPECT_TRUE(played_draws(ticket(121, 0, 0), f.archive, f.params).empty());
    EXPECT_TRUE(played_draws(ticket(0, 0, 0), f.archive, f.params).empty());
}

TEST(PlayPeriod, WednesdayABWeeksPlayBothDraws) {
    EvalFixture f(kLottoWednesday);
    fill_draws(f, 1, 1520);
    EXPECT_EQ(played_draws(ticket(11, 1, 1), f.archive, f.params), (std::vector<int>{11, 12, 13, 14}));
    // From draw 1515 on one draw a week.
    EXPECT_EQ(played_draws(ticket(1515, 1, 2), f.archive, f.params), (std::vector<int>{1515, 1516}));
}

TEST(PlayPeriod, SaturdayAndWednesdayArchiveFollowsTheDrawDays) {
    EvalFixture f(kLottoBoth);
    fill_draws(f, 3860, 3880);
    // 3871 is a Wednesday, 3872 the Saturday after it.
    EXPECT_EQ(played_draws(ticket(3871, 1, 2), f.archive, f.params), (std::vector<int>{3871, 3872, 3873, 3874}));
    EXPECT_EQ(played_draws(ticket(3871, 1, 1), f.archive, f.params), (std::vector<int>{3871, 3873}));
    EXPECT_EQ(played_draws(ticket(3872, 1, 0), f.archive, f.params), (std::vector<int>{3872, 3874}));
    EXPECT_EQ(next_card_draw(f.archive), 3881);
}

TEST(PlayPeriod, AWeekIsOneDrawAlsoWhenAHolidayMovesIt) {
    EvalFixture f(kLottoSaturday);
    fill_draws(f, 230, 280);
    // 271 Sunday 18.12.1960, 272 Monday 26.12.1960, 273 Sunday 01.01.1961.
    EXPECT_EQ(played_draws(ticket(271, 3, 0), f.archive, f.params), (std::vector<int>{271, 272, 273, 274}));
    EXPECT_EQ(played_draws(ticket(272, 1, 0), f.archive, f.params), (std::vector<int>{272, 273}));
    // 236 is Easter Monday 18.04.1960.
    EXPECT_EQ(played_draws(ticket(235, 1, 0), f.archive, f.params), (std::vector<int>{235, 236}));

    // The evaluation, its luck index and its winnings follow the same draws.
    CardTicket t = ticket(271, 3, 0);
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    f.set_draw(272, {1, 2, 3, 40, 41, 42}, 0);
    CardIndex index(CardKind::Normal);
    index.assign({t}, 1, 0);
    const auto evs = evaluate_card_index(index, f.inputs());
    EXPECT_EQ(evs[0].played.size(), 4u);
    EXPECT_EQ(evs[0].counts.cls[8], 1);
    EXPECT_EQ(evs[0].running_lax, 775);  // one win x 31 / 4 draws
}

TEST(PlayPeriod, MiSaIsChargedForExactlyTheDrawsItIsEvaluatedOver) {
    const MoneyTables money = default_money_tables();
    const int64_t per_draw = 120;  // one row
    // The Saturday archive cannot evaluate Wednesdays: a stored Mi+Sa ticket plays,
    // costs and shows its Saturdays only ("3689 + 3").
    EvalFixture sat(kLottoSaturday);
    fill_draws(sat, 3680, 3700);
    CardTicket t = ticket(3689, 3, 2);
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    EXPECT_FALSE(plays_both_draw_days(t, sat.params));
    EXPECT_EQ(charged_draws(t, sat.params), 4);
    EXPECT_EQ(played_draws(t, sat.archive, sat.params), (std::vector<int>{3689, 3690, 3691, 3692}));
    EXPECT_EQ(ticket_stake(t, CardKind::Normal, sat.params, money, 0), 4 * per_draw + 50);

    // The Saturday+Wednesday archive holds both days: eight draws, eight charged.
    EvalFixture both(kLottoBoth);
    fill_draws(both, 3870, 3890);
    CardTicket b = ticket(3871, 3, 2);
    b.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    EXPECT_EQ(charged_draws(b, both.params), 8);
    EXPECT_EQ(played_draws(b, both.archive, both.params).size(), 8u);
    EXPECT_EQ(ticket_stake(b, CardKind::Normal, both.params, money, 0), 8 * per_draw + 50);
    // Before its first Wednesday draw the same archive holds Saturdays only.
    EXPECT_EQ(charged_draws(ticket(1500, 3, 2), both.params), 4);
}

TEST(CardEvaluation, SuperzahlClassesOnlyWithALosNummer) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(3649, {1, 2, 30, 31, 32, 33}, 10);  // Superzahl 0
    CardTicket t = ticket(3649, 0, 0);
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t.lottery = 0;  // no Los-Nummer
    TicketEvaluation ev = evaluate_card(t, CardKind::Normal, f.inputs());
    EXPECT_EQ(ev.counts.wins(), 0);
    EXPECT_EQ(ev.predicted & 0x80, 0);
    CardIndex index(CardKind::Normal);
    index.assign({t}, 1, 0);
    EXPECT_EQ(compare_with_draw(index, 3649, f.inputs()).classes[9], 0);

    t.lottery = 1234560;  // ends in the drawn Superzahl 0
    ev = evaluate_card(t, CardKind::Normal, f.inputs());
    EXPECT_EQ(ev.counts.cls[9], 1);
    EXPECT_EQ(ev.predicted & 0x80, 0x80);
    index.assign({t}, 1, 0);
    EXPECT_EQ(compare_with_draw(index, 3649, f.inputs()).classes[9], 1);
}

TEST(CardEvaluation, SystemsCreditTwoPlusSuperWithTheQuotaInCardAndComparison) {
    EvalFixture f(kLottoSaturday);
    f.money.quota[kLottoSaturday][8] = kGermanTwoPlusSuperQuota;
    f.set_draw(3649, {1, 2, 30, 31, 32, 33}, 3);
    CardTicket t = ticket(3649, 0, 0);
    t.lottery = 7777773;
    t.fields[0].in_use = true;
    t.fields[0].numbers = {1, 2, 3, 4, 5, 6, 7};
    t.fields[0].size = 7;
    t.fields[0].full = true;
    const TicketEvaluation ev = evaluate_card(t, CardKind::System, f.inputs());
    EXPECT_EQ(ev.counts.cls[9], 5);
    EXPECT_EQ(ticket_winnings(ev, CardKind::System, f.inputs()), 5 * 600);  // cents
    CardIndex index(CardKind::System);
    index.assign({t}, 1, 0);
    EXPECT_EQ(compare_with_draw(index, 3649, f.inputs()).winnings, 5 * 60);  // tenths
}

TEST(CardEvaluation, TicketClassesEqualTheEvaluationOfTheSameRowsAndDraws) {
    EvalFixture f(kLottoSaturday);
    RandomSource rng(7);
    for (int n = 1880; n <= 1920; ++n) {
        std::array<uint8_t, 6> six{};
        uint64_t used = 0;
        for (auto& v : six) {
            do v = static_cast<uint8_t>(1 + rng.below(12)); while (used & (uint64_t{1} << v));
            used |= uint64_t{1} << v;
        }
        f.set_draw(n, six, static_cast<uint8_t>(rng.below(10) + 1));
    }
    CardTicket t = ticket(1884, 7, 0);
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t.rows[1] = {3, 5, 7, 9, 11, 12, 0};
    t.rows[2] = {1, 2, 3, 4, 5, 0, 0};  // incomplete: not evaluated
    t.lottery = 4444447;
    const TicketEvaluation ev = evaluate_card(t, CardKind::Normal, f.inputs());
    ASSERT_EQ(ev.played.size(), 8u);
    EXPECT_EQ(ev.rows, 2);

    EvaluationTicket e;
    e.rows = {test::row_line({1, 2, 3, 4, 5, 6}, 1), test::row_line({3, 5, 7, 9, 11, 12}, 2)};
    e.super_number = 7;
    f.range.set(1884, 1891);
    const EvaluationReport r = evaluate_ticket(e, f.inputs());
    WinCounts sum;
    for (const LineResult& l : r.rows) sum.add(l.counts);
    EXPECT_EQ(ev.counts, sum);
    EXPECT_GT(ev.counts.wins(), 0);
    EXPECT_EQ(ev.crossed, 10);
}

TEST(CardEvaluation, SideGamesAndTheSwissJoker) {
    EvalFixture f(kLottoSaturday);
    fill_draws(f, 1950, 1960);
    ASSERT_TRUE(f.archive.set_side_number(1950, 1234567));
    ASSERT_TRUE(f.archive.set_side_number(1951, 7654321));
    ASSERT_TRUE(f.archive.set_side_number(1952, 34567));
    CardTicket t = ticket(1950, 1, 0);
    t.lottery = 34567;
    t.options = kOptSpiel77;
    const TicketEvaluation ev = evaluate_card(t, CardKind::Normal, f.inputs());
    ASSERT_TRUE(ev.side.spiel77);
    EXPECT_EQ((*ev.side.spiel77)[5], 1);  // 1950 shares 34567, its last five digits
    EXPECT_EQ((*ev.side.spiel77)[7], 0);  // 1952 is not played (two weeks: 1950, 1951)
    EXPECT_FALSE(ev.side.super6);
    // Five digits pay 7777.00 EUR.
    EXPECT_EQ(ticket_winnings(ev, CardKind::Normal, f.inputs()), 777700);

    EvalFixture s(kSwiss);
    fill_draws(s, 1000, 1005);
    ASSERT_TRUE(s.archive.set_side_number(1000, 111));
    ASSERT_TRUE(s.archive.set_side_number(1001, 222221));
    CardTicket j = ticket(1000, 1, 0);
    j.lottery = 1;
    j.options = 0x02;
    const TicketEvaluation sev = evaluate_card(j, CardKind::Normal, s.inputs());
    ASSERT_TRUE(sev.side.joker);
    EXPECT_EQ((*sev.side.joker)[1], 0);  // the Swiss Joker pays from two digits
}

TEST(Balance, StakeRuleChargesTheFeeOnceAndOnlyCompleteRows) {
    const MoneyTables money = default_money_tables();
    CardTicket t = ticket(3871, 1, 2);
    t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t.rows[1] = {7, 8, 9, 10, 11, 12, 0};
    t.rows[2] = {13, 14, 15, 16, 17, 0, 0};
    t.options = kOptSpiel77 | kOptSuper6 | kOptGluecksSpirale | kOptSiegerChance;
    // (2 x 1.20 + 2.50 + 1.25 + 5.00 + 3.00) x 2 weeks x 2 days + 0.50 fee
    EXPECT_EQ(ticket_stake(t, CardKind::Normal, game_params(kLottoBoth), money, 0), 5710);

    CardTicket a = ticket(1, 0, 0);
    for (size_t r = 0; r < 3; ++r) a.rows[r] = {1, 2, 3, 4, 5, 6, 0};
    a.options = 3 | kOptLottoPlus;  // three Jokers and LottoPlus
    // 3 x 1.20 + (3 - 1) x 1.50 + 3 x 0.50
    EXPECT_EQ(ticket_stake(a, CardKind::Normal, game_params(kAustria), money, 12), 810);

    CardTicket s = ticket(1, 0, 0);
    s.rows[0] = {1, 2, 3, 4, 5, 6, 2};
    s.rows[1] = {1, 2, 3, 4, 5, 6, 3};
    s.rows[2] = {1, 2, 3, 4, 5, 6, 0};  // no lucky number: incomplete
    s.options = 0x06;                   // two Joker fields
    EXPECT_EQ(ticket_stake(s, CardKind::Normal, game_params(kSwiss), money, 17),
              2 * 250 + 2 * 200);

    CardTicket sys = ticket(1, 0, 0);
    sys.fields[0].in_use = true;
    sys.fields[0].numbers = {1, 2, 3, 4, 5, 6, 7, 8};
    sys.fields[0].size = 8;
    sys.fields[0].full = true;
    // C(8, 6) = 28 rows x 1.20 + 0.50 system fee
    EXPECT_EQ(ticket_stake(sys, CardKind::System, game_params(kLottoSaturday), money, 0), 28 * 120 + 50);
}

TEST(Balance, RunningTotalAndLuckIndex) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(1, {1, 2, 3, 40, 41, 42}, 5);
    f.set_draw(2, {10, 11, 12, 13, 14, 15}, 5);
    CardIndex index(CardKind::Normal);
    CardTicket t1 = ticket(2, 0, 0);
    t1.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t1.stake = 1000;
    CardTicket t2 = ticket(1, 0, 0);
    t2.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    t2.stake = 500;
    t2.winnings = 2000;
    CardTicket t3 = ticket(5, 0, 0);  // not drawn yet: keeps the previous index
    t3.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    index.assign({t1, t2, t3}, 1, 0);
    const auto evs = evaluate_card_index(index, f.inputs());
    ASSERT_EQ(evs.size(), 3u);
    EXPECT_EQ(evs[0].running_total, -1000);
    EXPECT_EQ(evs[1].running_total, 500);
    EXPECT_EQ(evs[2].running_total, 500);
    EXPECT_EQ(evs[0].running_lax, 0);
    EXPECT_EQ(evs[1].running_lax, 1550);  // one win x 31 / (1 row x 2 draws)
    EXPECT_EQ(evs[2].running_lax, 1550);
    // Winnings rule: one 3 (class 8) at the fixture's quota 800.0.
    EXPECT_EQ(ticket_winnings(evs[1], CardKind::Normal, f.inputs()), 80000);
    EXPECT_EQ(card_amount(int64_t{1} << 40), INT32_MAX);
}

TEST(Balance, PoolFiguresOverATicketRange) {
    CardIndex index(CardKind::Normal);
    std::vector<CardTicket> ts(3);
    ts[0].stake = 100;
    ts[1].stake = 200;
    ts[1].winnings = 1001;
    ts[2].stake = 300;
    index.assign(ts, 2, 10000);
    const PoolFigures p = pool_figures(index, 2, 3);
    EXPECT_EQ(p.stake_total, 500);
    EXPECT_EQ(p.stake_share, 250);
    EXPECT_EQ(p.win_total, 1001);
    EXPECT_EQ(p.win_share, 500);
    EXPECT_EQ(p.rest_capital, 10501);
    const PoolFigures clamped = pool_figures(index, 0, 9);
    EXPECT_EQ(clamped.first, 1);
    EXPECT_EQ(clamped.last, 3);
}

TEST(SystemCards, FullSystemOfThirteenAndTypesThatDisagreeWithTheSize) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(1, {1, 2, 3, 4, 5, 6}, 5);
    CardTicket t = ticket(1, 0, 0);
    SystemField& full = t.fields[0];
    full.in_use = true;
    for (uint8_t n = 1; n <= 13; ++n) full.numbers.push_back(n);
    full.size = 13;
    full.full = true;
    SystemField& partial = t.fields[1];
    partial.in_use = true;
    for (uint8_t n = 20; n <= 31; ++n) partial.numbers.push_back(n);
    partial.size = 12;
    partial.type = 2;  // Teil-System 10/30: ten numbers, not twelve
    TicketEvaluation ev = evaluate_card(t, CardKind::System, f.inputs());
    EXPECT_EQ(ev.rows, 1716);
    EXPECT_EQ(ev.counts.cls[2], 1);
    EXPECT_EQ(ev.field_labels[0], " 13");
    ASSERT_EQ(ev.problems.size(), 1u);
    EXPECT_NE(ev.problems[0].find("Feld 2"), std::string::npos);
    // In a VEW Bundesland index 2 is 612, twelve numbers: accepted.
    f.archive.bundesland = 2;
    ev = evaluate_card(t, CardKind::System, f.inputs());
    ASSERT_EQ(ev.problems.size(), 1u);
    EXPECT_NE(ev.problems[0].find("ZIEHWERK.ASW"), std::string::npos);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(SystemCards, ABundeslandChangeKeepsEverySystem) {
    CardIndex index(CardKind::System);
    CardTicket t;
    t.fields[0].in_use = true;
    t.fields[0].type = 6;  // VEW 712 = Teil-System 12/132 (Teil index 6 would be 12/22)
    t.fields[0].size = 12;
    t.fields[1].in_use = true;
    t.fields[1].type = 5;  // VEW 622 = 22/77
    t.fields[1].size = 22;
    t.protected_card = true;
    index.assign({t}, 1, 0);
    // Bundesland 2 (Berlin) names VEW systems, 1 (Bayern) Teil-Systeme.
    EXPECT_TRUE(convert_system_types(index, kLottoSaturday, 2, 1).empty());
    EXPECT_EQ(index.at(0).fields[0].type, 8);
    EXPECT_EQ(index.at(0).fields[1].type, 16);
    EXPECT_FALSE(index.saved());
    // Back again; a system without a VEW name (10/50) keeps its type and is reported.
    CardTicket u = index.at(0);
    u.fields[2].in_use = true;
    u.fields[2].type = 3;
    u.fields[2].size = 10;
    index.assign({u}, 1, 0);
    const auto kept = convert_system_types(index, kLottoSaturday, 1, 2);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(kept[0].find("10/50"), std::string::npos);
    EXPECT_EQ(index.at(0).fields[0].type, 6);
    EXPECT_EQ(index.at(0).fields[2].type, 3);
}

TEST(CardEvaluation, AustriaKeepsEighteenRowsAndEvaluatesFourteen) {
    EvalFixture f(kAustria);
    fill_draws(f, 1, 3);
    CardTicket t = ticket(1, 0, 0);
    for (auto& row : t.rows) row = {1, 2, 3, 4, 5, 6, 0};
    EXPECT_EQ(evaluate_card(t, CardKind::Normal, f.inputs()).rows, 14);
    EXPECT_EQ(ticket_stake(t, CardKind::Normal, game_params(kAustria), default_money_tables(), 12), 14 * 120);
}

}  // namespace
}  // namespace zw
