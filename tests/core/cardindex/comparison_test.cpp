#include "cardindex/comparison.h"

#include <gtest/gtest.h>

#include "base/random_source.h"
#include "evaluation/eval_fixture.h"

namespace zw {
namespace {

using test::EvalFixture;

CardTicket row_ticket(std::vector<std::array<uint8_t, 6>> rows, int first = 1) {
    CardTicket t;
    t.first_draw = static_cast<int16_t>(first);
    for (size_t r = 0; r < rows.size(); ++r) std::copy(rows[r].begin(), rows[r].end(), t.rows[r].begin());
    return t;
}

CardIndex normal_index(std::vector<CardTicket> tickets) {
    CardIndex index(CardKind::Normal);
    index.assign(std::move(tickets), 1, 0);
    return index;
}

TEST(Comparison, TicketPlayedLongAfterTheDrawIsStillCompared) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(5, {1, 2, 3, 4, 5, 6}, 0);
    f.set_draw(400, {11, 12, 13, 14, 15, 16}, 0);
    const CardIndex index = normal_index({row_ticket({{1, 2, 3, 40, 41, 42}}, 390)});
    const Comparison c = compare_with_draw(index, 5, f.inputs());
    EXPECT_EQ(c.draw, 5);
    EXPECT_EQ(c.classes[8], 1);  // three hits
    ASSERT_EQ(c.winners.size(), 1u);
    EXPECT_EQ(c.winners[0].ticket, 1);
    EXPECT_EQ(c.winnings, f.money.quota_for(kLottoSaturday, 8));
}

TEST(Comparison, NothingHitShowsZerosAndAnEmptyDistribution) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(1, {1, 2, 3, 4, 5, 6}, 0);
    const CardIndex index = normal_index({row_ticket({{10, 11, 12, 13, 14, 15}, {20, 21, 22, 23, 24, 1}})});
    const Comparison c = compare_with_draw(index, 1, f.inputs());
    for (int64_t v : shown_totals(kLottoSaturday, c)) EXPECT_EQ(v, 0);
    EXPECT_EQ(c.winnings, 0);
    EXPECT_EQ(c.side_winnings, 0);
    EXPECT_TRUE(c.winners.empty());
    EXPECT_EQ(money_text(c.winnings * 10), "       0.00");
    // Two complete rows at 1.00 each for one draw.
    EXPECT_EQ(c.stake, 200);
    const auto lines = comparison_lines(c, kLottoSaturday, CardKind::Normal, "EUR");
    EXPECT_EQ(lines.back(), std::string(distribution_print_header(kLottoSaturday)));
}

TEST(Comparison, AustrianZusatzzahlAlonePaysTheRowStakeBack) {
    EvalFixture f(kAustria);
    f.set_draw(10, {1, 2, 3, 4, 5, 6}, 7);
    const CardIndex index = normal_index({row_ticket({{7, 20, 21, 22, 23, 24}})});
    const Comparison c = compare_with_draw(index, 10, f.inputs());
    EXPECT_EQ(c.classes[9], 1);
    EXPECT_EQ(c.winnings, f.money.fee(kAustria, kRowStake) / 10);
    ASSERT_EQ(c.winners.size(), 1u);
    EXPECT_EQ(distribution_line(kAustria, c.winners[0]), "   1;  0;  0;  0;  0;  0;  0;  0;  1;  0;  0;  0;  0;1.00;1.00;0.00");
}

TEST(Comparison, LottoPlusCountsOnlyForTicketsThatPlayIt) {
    EvalFixture f(kAustria);
    f.set_draw(kLottoPlusStart + 5, {1, 2, 3, 4, 5, 6}, 7, {20, 21, 22, 23, 24, 25});
    f.params.side_prizes_2 = {0, 9000, 800, 70, 6, 0, 0, 0};
    CardTicket with = row_ticket({{20, 21, 22, 23, 40, 41}});
    with.options = kOptLottoPlus;
    const CardTicket without = row_ticket({{20, 21, 22, 23, 40, 41}});
    const CardIndex index = normal_index({with, without});
    const Comparison c = compare_with_draw(index, kLottoPlusStart + 5, f.inputs());
    EXPECT_EQ(c.plus, (TotalPlusCounts{0, 0, 0, 1, 0}));  // P4
    ASSERT_EQ(c.winners.size(), 1u);
    EXPECT_EQ(c.winners[0].ticket, 1);
    // P4 takes the third LottoPlus quota.
    EXPECT_EQ(c.winnings, 70);
    // Stake: the row, and its LottoPlus price for the ticket that plays it.
    EXPECT_EQ(c.stake, 100 + 50 + 100);
}

TEST(Comparison, SideGamesCountOnlyForTicketsThatPlayThem) {
    EvalFixture f(kToto);  // Toto draws carry Spiel 77 from the first draw on
    f.set_draw(3, {1, 2, 3, 4, 5, 6}, 0);
    ASSERT_TRUE(f.archive.set_side_number(3, 1234567));
    CardTicket plays = row_ticket({{30, 31, 32, 33, 34, 35}});
    plays.lottery = 9934567;
    plays.options = kOptSpiel77;
    CardTicket not_playing = plays;
    not_playing.options = 0;
    const CardIndex index = normal_index({plays, not_playing});
    const Comparison c = compare_with_draw(index, 3, f.inputs());
    EXPECT_EQ(c.spiel77[5], 1);
    ASSERT_EQ(c.winners.size(), 1u);
    EXPECT_EQ(c.winners[0].spiel77, f.params.side_prizes_1[5]);
    EXPECT_EQ(c.side_winnings, f.params.side_prizes_1[5]);
}

TEST(Comparison, TotalsEqualTheSumOfEveryRowMatchAndWinnersAreExactlyTheHitTickets) {
    EvalFixture f(kLottoSaturday);
    RandomSource rng(13);
    auto six = [&] {
        std::array<uint8_t, 6> v{};
        uint64_t used = 0;
        for (auto& n : v) {
            do n = static_cast<uint8_t>(1 + rng.below(20)); while (used >> n & 1u);
            used |= uint64_t{1} << n;
        }
        return v;
    };
    f.set_draw(50, six(), 4);
    std::vector<CardTicket> tickets;
    for (int i = 0; i < 60; ++i) {
        CardTicket t = row_ticket({six(), six(), six()});
        t.lottery = static_cast<int32_t>(rng.below(10));
        tickets.push_back(t);
    }
    const CardIndex index = normal_index(tickets);
    const Comparison c = compare_with_draw(index, 50, f.inputs());
    const EvalDraw d = f.draws().back();
    TotalCounts expected{};
    std::vector<int> hit;
    for (size_t i = 0; i < tickets.size(); ++i) {
        bool any = false;
        for (int r = 0; r < 3; ++r) {
            const RowMatch m = match_row(RuleSet::German, number_mask(row_numbers(tickets[i].rows[static_cast<size_t>(r)])), 0, d,
                                         {super_number_of(tickets[i].lottery), false});
            if (m.win_class) {
                ++expected[static_cast<size_t>(m.win_class)];
                any = true;
            }
        }
        if (any) hit.push_back(static_cast<int>(i) + 1);
    }
    EXPECT_EQ(c.classes, expected);
    std::vector<int> winners;
    int64_t winnings = 0;
    for (const ComparedTicket& t : c.winners) {
        winners.push_back(t.ticket);
        winnings += t.winnings;
    }
    EXPECT_EQ(winners, hit);
    EXPECT_FALSE(hit.empty());
    EXPECT_EQ(c.winnings, winnings);
}

TEST(Comparison, WednesdayDrawsBefore1515PairOnlyADrawWithItsBDraw) {
    EvalFixture f(kLottoWednesday);
    for (int n = 1510; n <= 1516; ++n) f.set_draw(n, {1, 2, 3, 4, 5, 6}, 0);
    f.set_draw(1514, {40, 41, 42, 43, 44, 45}, 0);
    EXPECT_EQ(compared_draws(f.archive, f.params, 1513), (std::vector<int>{1513, 1514}));
    EXPECT_EQ(compared_draws(f.archive, f.params, 1514), (std::vector<int>{1514}));
    EXPECT_EQ(compared_draws(f.archive, f.params, 1515), (std::vector<int>{1515}));
    EXPECT_EQ(compared_draws(f.archive, f.params, 1516), (std::vector<int>{1516}));

    const CardIndex index = normal_index({row_ticket({{40, 41, 42, 10, 11, 12}})});
    // The A draw of 1513 counts the B draw's three hits; the B draw alone too;
    // the B draw 1512 never reads the next week's A draw 1513.
    EXPECT_EQ(compare_with_draw(index, 1513, f.inputs()).classes[8], 1);
    EXPECT_EQ(compare_with_draw(index, 1514, f.inputs()).classes[8], 1);
    EXPECT_EQ(compare_with_draw(index, 1512, f.inputs()).classes[8], 0);
    EXPECT_EQ(compare_with_draw(index, 1513, f.inputs()).stake, 200);
    EXPECT_EQ(compare_with_draw(index, 1513, f.inputs()).date, "29.11.2000");
    EXPECT_EQ(compare_with_draw(index, 1514, f.inputs()).date, "B 29.11.2000");
    EXPECT_EQ(compare_with_draw(index, 1515, f.inputs()).date, "06.12.2000");

    // An archive ending with an A draw never reads past its end.
    EvalFixture g(kLottoWednesday);
    for (int n = 1; n <= 11; ++n) g.set_draw(n, {1, 2, 3, 4, 5, 6}, 0);
    EXPECT_EQ(compared_draws(g.archive, g.params, 11), (std::vector<int>{11}));
    EXPECT_EQ(compare_with_draw(index, 99, g.inputs()).draw, 11);
}

TEST(Comparison, StakeIsTheStakeRuleForOneDrawNotTheStoredPeriodStake) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(1, {1, 2, 3, 4, 5, 6}, 0);
    f.money.fees[kSideStake1][kLottoSaturday] = 250;
    f.money.fees[kFeeNormal][kLottoSaturday] = 40;
    CardTicket t = row_ticket({{10, 11, 12, 13, 14, 15}, {20, 21, 22, 23, 24, 25}, {1, 2, 0, 0, 0, 0}});
    t.options = kOptSpiel77;
    t.extra_weeks = 7;
    t.stake = 999999;
    const Comparison c = compare_with_draw(normal_index({t}), 1, f.inputs());
    EXPECT_EQ(c.stake, 2 * 100 + 250);
    EXPECT_EQ(ticket_stake(t, CardKind::Normal, f.params, f.money, 0), (2 * 100 + 250) * 8 + 40);
}

TEST(Comparison, LargeSystemCountsWidenTheirColumnsInsteadOfOverflowing) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(2, {1, 2, 3, 4, 5, 6}, 0);
    CardTicket t;
    for (auto& field : t.fields) {
        field.in_use = true;
        field.full = true;
        field.size = 13;
        field.numbers = {1, 2, 3, 4, 5, 6, 20, 21, 22, 23, 24, 25, 26};
    }
    CardIndex index(CardKind::System);
    index.assign({t}, 1, 0);
    const Comparison c = compare_with_draw(index, 2, f.inputs());
    // Per system: one six, C(6,5) x 7 fives, C(6,4) x C(7,2) fours, C(6,3) x C(7,3) threes.
    EXPECT_EQ(c.classes[2], 6);
    EXPECT_EQ(c.classes[4], 6 * 42);
    EXPECT_EQ(c.classes[6], 6 * 315);
    EXPECT_EQ(c.classes[8], 6 * 700);
    ASSERT_EQ(c.winners.size(), 1u);
    EXPECT_EQ(c.winners[0].rows, 6 * 1716);
    const std::vector<std::string> cells = distribution_cells(kLottoSaturday, c.winners[0]);
    EXPECT_EQ(cells[8], "4200");
    const std::string line = distribution_print_line(kLottoSaturday, c.winners[0]);
    EXPECT_NE(line.find(" 1890 "), std::string::npos);
    EXPECT_NE(line.find(" 4200 "), std::string::npos);
    EXPECT_NE(line.find(" 10296 "), std::string::npos);
}

TEST(Comparison, SystemFieldsThatCannotBeReadAreReportedNotCounted) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(2, {1, 2, 3, 4, 5, 6}, 0);
    CardTicket t;
    t.fields[0] = {true, {1, 2, 3, 4, 5, 6, 7}, 7, 0, false, true, 0};
    t.fields[1] = {true, {1, 2, 3, 4, 5, 6, 7, 8}, 8, 3, false, false, 0};  // 10/50 does not fit eight numbers
    CardIndex index(CardKind::System);
    index.assign({t}, 1, 0);
    const Comparison c = compare_with_draw(index, 2, f.inputs());
    EXPECT_EQ(c.classes[2], 1);
    EXPECT_EQ(c.classes[4], 6);
    ASSERT_EQ(c.problems.size(), 1u);
    EXPECT_EQ(c.problems[0].rfind("Schein 1, Feld 2: ", 0), 0u) << c.problems[0];
    EXPECT_EQ(c.stake, 7 * 100);  // only the readable system is staked
}

TEST(ComparisonTexts, HeadersCaptionsAndMessages) {
    EXPECT_EQ(comparison_title(CardKind::System), "VERGLEICH: SYS-Scheine");
    EXPECT_EQ(class_header(kSwiss, CardKind::Normal), "6+G  6  5+G  5   4+G   4   3+G   3 Ri.");
    EXPECT_EQ(side_label(kToto, CardKind::Normal), "Gewinn aus Spiel 77 && Super 6:");
    EXPECT_EQ(side_label(kToto, CardKind::System), "Gewinn aus Spiel 77 und Super 6:");
    EXPECT_EQ(side_label(kSwiss, CardKind::System), "Gewinn aus der JOKER-Lotterie:");
    EXPECT_EQ(empty_index_message(CardKind::System),
              "Es befinden sich noch keine Scheine in der SYS-Kartei!|Ein Vergleich kann deshalb nicht durchgeführt werden!");
    EXPECT_EQ(distribution_columns(kToto).size(), 11u);
    EXPECT_EQ(distribution_columns(kSwiss).back(), "JOKER ");
    Comparison c;
    c.date = "07.12.2026";
    EXPECT_EQ(distribution_caption(c), "Gewinn-Verteilung für den 07.12.2026");
}

}  // namespace
}  // namespace zw
