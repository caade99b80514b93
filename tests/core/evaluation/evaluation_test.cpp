#include "evaluation/evaluation.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "eval_fixture.h"
#include "evaluation/win_plan.h"

namespace zw {
namespace {

using test::EvalFixture;
using test::full_line;
using test::row_line;

EvaluationReport run(EvalFixture& f, const EvaluationTicket& t, int first, int last) {
    f.range.set(first, last);
    EXPECT_TRUE(validate_ticket(t, f.params, f.partial).ok());
    return evaluate_ticket(t, f.inputs());
}

TEST(Evaluation, GermanRowStakeWinningsAndWinList) {
    EvalFixture f(kLottoSaturday);
    f.set_draw(1, {1, 2, 3, 40, 41, 42}, 5);
    f.set_draw(2, {10, 11, 12, 13, 14, 15}, 5);
    f.set_draw(3, {1, 2, 3, 4, 41, 42}, 5);
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6})};
    t.super_number = 5;  // draws before the Superzahl start: no S
    const EvaluationReport r = run(f, t, 1, 3);
    ASSERT_EQ(r.rows.size(), 1u);
    const LineResult& row = r.rows[0];
    EXPECT_EQ(row.counts.cls[8], 1);
    EXPECT_EQ(row.counts.cls[6], 1);
    EXPECT_EQ(row.stake, 300);
    EXPECT_EQ(row.winnings, 8000 + 6000);  // quota positions 7 and 5
    EXPECT_EQ(row.lax, 0.0);               // the whole range lies before the first Superzahl draw
    ASSERT_EQ(r.win_list.size(), 2u);
    EXPECT_EQ(r.win_list[0].draw, 1);
    EXPECT_EQ(r.win_list[1].draw, 3);
    EXPECT_EQ(r.win_list[1].line, 1);
    EXPECT_EQ(r.total_stake, 300);
    EXPECT_EQ(r.total_winnings, 14000);
}

TEST(Evaluation, GermanLuckIndexCountsOnlyDrawsFromTheSuperStart) {
    EvalFixture f(kLottoWednesday);  // Superzahl from draw 993
    f.set_draw(990, {1, 2, 3, 40, 41, 42}, 7);
    f.set_draw(993, {1, 2, 3, 40, 41, 42}, 7);
    f.set_draw(995, {1, 2, 30, 40, 41, 42}, 7);
    for (int n : {991, 992, 994}) f.set_draw(n, {20, 21, 22, 23, 24, 25}, 8);
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6})};
    t.super_number = 7;
    const EvaluationReport r = run(f, t, 990, 995);
    const LineResult& row = r.rows[0];
    EXPECT_EQ(row.counts.cls[8], 1);  // 990: before the start, no S
    EXPECT_EQ(row.counts.cls[7], 1);  // 993: 3+S
    EXPECT_EQ(row.counts.cls[9], 1);  // 995: 2+S
    EXPECT_EQ(row.winnings, 8000 + 7000 + 9000);
    EXPECT_EQ(row.stake, 600);
    EXPECT_DOUBLE_EQ(row.lax, 2.0 * 31 / 3);
}

// Partial-system row masks made up for the tests: each system's rows are
// distinct six-position masks over its numbers.
void assemble_made_up_partial_systems(PartialSystems& partial) {
    std::array<std::vector<uint32_t>, kPartialSystemCount> systems;
    std::mt19937 rng(5);
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto& info = kPartialSystems[static_cast<size_t>(k)];
        auto& rows = systems[static_cast<size_t>(k)];
        while (static_cast<int>(rows.size()) < info.rows) {
            std::vector<int> pos(static_cast<size_t>(info.numbers));
            std::iota(pos.begin(), pos.end(), 0);
            std::shuffle(pos.begin(), pos.end(), rng);
            uint32_t m = 0;
            for (int i = 0; i < 6; ++i) m |= 1u << pos[static_cast<size_t>(i)];
            if (std::find(rows.begin(), rows.end(), m) == rows.end()) rows.push_back(m);
        }
    }
    ASSERT_TRUE(PartialSystems::assemble(systems, partial).ok());
}

TEST(Evaluation, GermanSystemsCreditTwoPlusSuperWithTheQuotaLikeARow) {
    EvalFixture f(kLottoWednesday);
    assemble_made_up_partial_systems(f.partial);
    f.set_draw(993, {1, 2, 30, 40, 41, 42}, 10);  // Superzahl 0
    f.money.quota[kLottoWednesday][8] = kGermanTwoPlusSuperQuota;
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6})};
    TicketLine partial = full_line({1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
    partial.kind = LineKind::PartialSystem;
    partial.partial_index = 0;  // 09/12
    t.systems = {full_line({1, 2, 3, 4, 5, 6, 7}), partial};
    t.super_number = 0;
    const EvaluationReport r = run(f, t, 993, 993);
    EXPECT_EQ(r.rows[0].winnings, 60);  // 6.00
    const LineResult& s = r.systems[0];
    EXPECT_EQ(s.system_rows, 7);
    EXPECT_EQ(s.counts.cls[9], 5);
    EXPECT_EQ(s.winnings, 5 * 60);
    EXPECT_EQ(s.stake_per_draw, 700);
    EXPECT_EQ(s.stake, 700);
    EXPECT_DOUBLE_EQ(s.lax, 5.0 * 31 / 1 / 7);
    const LineResult& p = r.systems[1];
    EXPECT_GT(p.counts.cls[9], 0);
    EXPECT_EQ(p.counts.wins(), p.counts.cls[9]);
    EXPECT_EQ(p.winnings, p.counts.cls[9] * 60);
    ASSERT_EQ(r.win_list.size(), 3u);
    EXPECT_TRUE(r.win_list[1].system);
    ASSERT_EQ(s.wins.size(), 1u);
    EXPECT_EQ(s.wins[0].win_class, 9);
}

TEST(Evaluation, AustrianZusatzzahlPaysTheRowPriceAndLottoPlusCountsFrom2668) {
    EvalFixture f(kAustria);
    f.params.side_prizes_2 = {0, 5000, 500, 50, 20, 0, 0, 0};
    f.set_draw(2667, {10, 11, 12, 13, 14, 15}, 3);
    f.set_draw(2668, {1, 2, 3, 40, 41, 42}, 44, {1, 2, 3, 4, 30, 31});
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6}, 2)};
    t.lotto_plus = true;
    const EvaluationReport r = run(f, t, 2667, 2668);
    EXPECT_EQ(r.plus_draws, 1);
    const LineResult& row = r.rows[0];
    EXPECT_EQ(row.counts.cls[9], 1);
    EXPECT_EQ(row.counts.cls[8], 1);
    EXPECT_EQ(row.counts.plus[3], 1);        // P4
    EXPECT_EQ(row.winnings, 10 + 9000 + 50);  // ZZ = 1.00 EUR row price
    EXPECT_EQ(row.stake, 2 * 100 + 1 * 50);
    EXPECT_DOUBLE_EQ(row.lax, 2.0 * 12 / 2);
    EXPECT_DOUBLE_EQ(row.pax, 42.0);
    ASSERT_EQ(r.win_list.size(), 3u);
    EXPECT_EQ(r.win_list[2].line, 2 + kLottoPlusRowOffset);
    EXPECT_EQ(r.win_list[2].draw, 2668);

    // Without LottoPlus on the ticket: no LottoPlus counts, stake or PAX.
    t.lotto_plus = false;
    const EvaluationReport plain = run(f, t, 2667, 2668);
    EXPECT_EQ(plain.rows[0].counts.plus_wins(), 0);
    EXPECT_EQ(plain.rows[0].stake, 200);
    EXPECT_EQ(plain.rows[0].pax, 0.0);
}

TEST(Evaluation, AustrianSystemStakeIncludesLottoPlusOnlyForLottoPlusDraws) {
    EvalFixture f(kAustria);
    f.set_draw(2667, {10, 11, 12, 13, 14, 15}, 3);
    f.set_draw(2668, {10, 11, 12, 13, 14, 15}, 3, {1, 2, 3, 4, 5, 6});
    EvaluationTicket t;
    t.systems = {full_line({1, 2, 3, 4, 5, 6, 7})};
    t.lotto_plus = true;
    const EvaluationReport r = run(f, t, 2667, 2668);
    const LineResult& s = r.systems[0];
    EXPECT_EQ(s.stake_per_draw, 7 * 150);
    EXPECT_EQ(s.stake, 7 * 100 * 2 + 7 * 50 * 1);
    EXPECT_EQ(s.counts.plus[1], 1);  // P6
    EXPECT_EQ(s.counts.plus[2], 6);  // P5
    EXPECT_EQ(s.counts.cls[9], 2 * binomial(6, 5));  // ZZ rows in both draws
    EXPECT_DOUBLE_EQ(s.pax, 7.0 * 42 / 1 / 7);
}

TEST(Evaluation, PoolAndSwissUseTheirQuotaColumns) {
    EvalFixture toto(kToto);
    toto.set_draw(1, {1, 2, 3, 4, 5, 40}, 6);
    toto.set_draw(2, {1, 2, 3, 4, 40, 41}, 5);
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6})};
    const EvaluationReport r = run(toto, t, 1, 2);
    EXPECT_EQ(r.rows[0].counts.cls[3], 1);  // II.
    EXPECT_EQ(r.rows[0].counts.cls[6], 1);  // IV. (4 with Z)
    EXPECT_EQ(r.rows[0].winnings, 4000 + 7000);
    EXPECT_DOUBLE_EQ(r.rows[0].lax, 2.0 * 42 / 2);

    EvalFixture swiss(kSwiss);
    swiss.set_draw(kSwissLuckyStart, {1, 2, 3, 4, 5, 40}, 4);
    EvaluationTicket s;
    s.rows = {row_line({1, 2, 3, 4, 5, 6}, 1, 4)};
    const EvaluationReport rs = run(swiss, s, kSwissLuckyStart, kSwissLuckyStart);
    EXPECT_EQ(rs.rows[0].counts.cls[3], 1);
    EXPECT_EQ(rs.rows[0].winnings, 300);  // Swiss list entry 2
}

TEST(Evaluation, PartialSystemUsesItsRowCount) {
    EvalFixture f(kToto);
    assemble_made_up_partial_systems(f.partial);
    f.set_draw(1, {1, 2, 3, 4, 5, 6}, 7);
    EvaluationTicket t;
    TicketLine field = full_line({1, 2, 3, 4, 5, 6, 7, 8, 9});
    field.kind = LineKind::PartialSystem;
    field.partial_index = 0;  // 09/12
    t.systems = {field};
    const EvaluationReport r = run(f, t, 1, 1);
    const LineResult& s = r.systems[0];
    EXPECT_EQ(s.system_rows, 12);
    EXPECT_EQ(s.stake, 1200);
    EXPECT_DOUBLE_EQ(s.lax, static_cast<double>(s.counts.wins()) * 42 / 12);
    EXPECT_EQ(r.win_list.size(), 1u);
}

TEST(Evaluation, TicketsThatDoNotFitTheGameAreRefused) {
    GameParams p;
    apply_game(p, kLottoSaturday);
    PartialSystems none;
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 5})};
    EXPECT_NE(validate_ticket(t, p, none).message().find("doppelt"), std::string::npos);
    t.rows = {row_line({1, 2, 3, 4, 5, 50})};
    EXPECT_FALSE(validate_ticket(t, p, none).ok());
    t.rows = {row_line({1, 2, 3, 4, 5})};
    EXPECT_FALSE(validate_ticket(t, p, none).ok());
    t.rows = {};
    std::vector<uint8_t> fourteen(14);
    std::iota(fourteen.begin(), fourteen.end(), uint8_t{1});
    t.systems = {full_line(fourteen)};
    EXPECT_FALSE(validate_ticket(t, p, none).ok());
    apply_game(p, kToto);
    EXPECT_TRUE(validate_ticket(t, p, none).ok());
    TicketLine partial = full_line({1, 2, 3, 4, 5, 6, 7, 8, 9});
    partial.kind = LineKind::PartialSystem;
    partial.partial_index = 0;
    t.systems = {partial};
    EXPECT_NE(validate_ticket(t, p, none).message().find("ZIEHWERK.ASW"), std::string::npos);
}

TEST(SideGames, FinalDigitsWithLeadingZeros) {
    EXPECT_EQ(matching_final_digits(1234567, 1234567, 7), 7);
    EXPECT_EQ(matching_final_digits(1234567, 1934567, 7), 5);  // sixth digit from the right differs
    EXPECT_EQ(matching_final_digits(34567, 34567, 7), 7);      // both "0034567"
    EXPECT_EQ(matching_final_digits(34567, 1034567, 7), 6);
    EXPECT_EQ(matching_final_digits(1234567, 7654321, 7), 0);
    EXPECT_EQ(matching_final_digits(1234567, 1234567, 6), 6);  // Super 6 stops at six
    EXPECT_EQ(with_leading_zeros(12, 7), "0000012");
    EXPECT_EQ(with_leading_zeros(123456789, 7), "3456789");
}

TEST(SideGames, Spiel77WalksTheRangeAndSkipsDrawsWithoutNumber) {
    EvalFixture f(kToto, 4);  // Spiel 77 entry n - 1 belongs to Toto draw n
    f.archive.set_side_number(1, 1934567);
    f.archive.set_side_number(2, 1234567);
    f.archive.set_side_number(3, -1);
    SideGameTicket t;
    t.lottery_number = 1234567;
    t.spiel77 = true;
    const SideGameResult r = evaluate_side_games(f.archive, f.params, 1, 4, t);
    ASSERT_TRUE(r.spiel77);
    EXPECT_FALSE(r.super6);
    EXPECT_EQ((*r.spiel77)[5], 1);
    EXPECT_EQ((*r.spiel77)[7], 1);
    EXPECT_EQ(std::accumulate(r.spiel77->begin(), r.spiel77->end(), 0), 2);
    EXPECT_EQ(side_winnings(*r.spiel77, f.params.side_prizes_1), 77770 + 1777770);

    EvalFixture saturday(kLottoSaturday, 10);  // Spiel 77 starts with draw 1004
    const SideGameResult none = evaluate_side_games(saturday.archive, saturday.params, 1, 10, t);
    EXPECT_EQ(std::accumulate(none.spiel77->begin(), none.spiel77->end(), 0), 0);
}

TEST(SideGames, AustrianJokerComparesEveryTicketNumber) {
    EvalFixture f(kAustria, 110);
    f.archive.set_side_number(108, 999456);  // Joker entries start with draw 108
    f.archive.set_side_number(109, 654321);
    f.refresh();
    SideGameTicket t;
    t.jokers = {123456, 654321, -1};
    const SideGameResult r = evaluate_side_games(f.archive, f.params, 1, 110, t);
    ASSERT_TRUE(r.joker);
    EXPECT_EQ((*r.joker)[3], 1);  // 123456 against 999456
    EXPECT_EQ((*r.joker)[6], 1);  // 654321 against 654321
    EXPECT_EQ((*r.joker)[1], 0);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(Evaluation, StoredVewAndShortIndicesBecomeCatalogueIndices) {
    // Bundesland 7 offers VEW names: index 7 is "616" = 16/112 (catalogue 18).
    const TicketLine vew = partial_system_field(2, kLottoSaturday, 7, 7, {1, 2, 3});
    EXPECT_EQ(vew.partial_index, 18);
    EXPECT_EQ(vew.label, "616");
    EXPECT_EQ(vew.number, 2);
    // The Swiss game outside the Teil-System states uses the short names: "K77" = 22/77.
    EXPECT_EQ(partial_system_field(1, kSwiss, 17, 5, {}).partial_index, 16);
    EXPECT_EQ(partial_system_field(1, kSwiss, 17, 5, {}).label, "K77");
    // Bayern shows the catalogue's own names.
    EXPECT_EQ(partial_system_field(1, kLottoSaturday, 1, 16, {}).label, "22/77");
    EXPECT_EQ(partial_system_field(1, kLottoSaturday, 7, 9, {}).partial_index, -1);
}

}  // namespace
}  // namespace zw
