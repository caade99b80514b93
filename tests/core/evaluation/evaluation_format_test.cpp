#include "evaluation/evaluation_format.h"

#include <gtest/gtest.h>

#include "eval_fixture.h"

namespace zw {
namespace {

using test::EvalFixture;
using test::full_line;
using test::row_line;

// Column where `token` (the occurrence-th) ends in `header`.
size_t token_end(std::string_view header, std::string_view token, int occurrence = 1) {
    size_t pos = 0;
    for (;;) {
        pos = header.find(token, pos);
        const bool alone = (pos == 0 || header[pos - 1] == ' ') &&
                           (pos + token.size() == header.size() || header[pos + token.size()] == ' ');
        if (alone && --occurrence == 0) return pos + token.size() - 1;
        ++pos;
    }
}

TEST(EvaluationFormat, MoneyAndIndexTexts) {
    EXPECT_EQ(tenths_text(1234), "123.40");
    EXPECT_EQ(tenths_text(5), "0.50");
    EXPECT_EQ(tenths_text(-15), "-1.50");
    EXPECT_EQ(cents_text(5), "0.05");
    EXPECT_EQ(cents_text(205920), "2059.20");
    EXPECT_EQ(index_text(2.0 / 3), "0.67");
}

TEST(EvaluationFormat, RowLineValuesEndUnderTheirHeaderColumns) {
    EvalFixture f(kLottoWednesday);
    f.set_draw(993, {1, 2, 3, 40, 41, 42}, 7);
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6}, 12)};
    t.super_number = 7;
    f.range.set(993, 993);
    const EvaluationReport r = evaluate_ticket(t, f.inputs());
    const std::string line = result_line(r.rows[0], RuleSet::German, 7, "EUR");
    const std::string_view header = table_header(RuleSet::German, false);
    EXPECT_EQ(line.substr(0, 5), "   12");
    EXPECT_EQ(line.substr(7, 17), " 1  2  3  4  5  6");
    EXPECT_EQ(line[25], '7');
    EXPECT_EQ(line[token_end(header, "3+S")], '1');
    EXPECT_EQ(line[token_end(header, "6+S")], '0');
    const std::string winnings = "700.00";  // fixture quota position 6: 7000 tenths
    EXPECT_EQ(line.substr(token_end(header, "Gewinn") + 1 - winnings.size(), winnings.size()), winnings);
    EXPECT_EQ(line.substr(token_end(header, "LAX") - 4, 5), "31.00");
}

TEST(EvaluationFormat, SystemLineShowsSizeStakePerDrawAndWinningsUnderTheCurrency) {
    EvalFixture f(kSwiss);
    f.set_draw(kSwissLuckyStart, {1, 2, 3, 40, 41, 42}, 2);
    EvaluationTicket t;
    t.systems = {full_line({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3, 2)};
    f.range.set(kSwissLuckyStart, kSwissLuckyStart);
    const EvaluationReport r = evaluate_ticket(t, f.inputs());
    const std::string line = result_line(r.systems[0], RuleSet::Swiss, -1, "CHF");
    const std::string_view header = table_header(RuleSet::Swiss, true);
    EXPECT_EQ(line.substr(7, 3), " 10");
    const std::string stake = cents_text(210 * 100);
    EXPECT_EQ(line.substr(token_end(header, "CHF") + 1 - stake.size(), stake.size()), stake);
    // 3 hits with G: C(3,3) * C(7,3) = 35 rows 3+G.
    EXPECT_EQ(line.substr(token_end(header, "3+G") - 1, 2), "35");
    const std::string winnings = tenths_text(35 * 700);
    EXPECT_EQ(line.substr(token_end(header, "CHF", 2) + 1 - winnings.size(), winnings.size()), winnings);
    const auto totals = total_lines(r, true, "CHF");
    EXPECT_EQ(totals[1], "Gesamt-Einsatz: 210.00 CHF");
    EXPECT_NE(totals[0].find(winnings), std::string::npos);
}

TEST(EvaluationFormat, ReviewLinesForRowsAndSystems) {
    EvalFixture f(kAustria);
    f.set_draw(2668, {1, 2, 3, 4, 5, 6}, 7, {1, 2, 3, 20, 21, 22});
    EvaluationTicket t;
    t.rows = {row_line({1, 2, 3, 4, 5, 6}, 3)};
    t.lotto_plus = true;
    f.range.set(2668, 2668);
    EvaluationReport r = evaluate_ticket(t, f.inputs());
    auto lines = review_lines(r, t, f.inputs());
    ASSERT_EQ(lines.size(), 2u);
    const std::string date = eval_draw_date(f.archive, f.params, 2668);
    EXPECT_EQ(lines[0], "   " + date + "  6   .REIHE:  3  Treffer 6");
    EXPECT_EQ(lines[1], "   " + date + "  P3  .REIHE:  3  Treffer 3");

    t.rows.clear();
    t.systems = {full_line({1, 2, 3, 4, 5, 6, 7}, 2)};
    r = evaluate_ticket(t, f.inputs());
    lines = review_lines(r, t, f.inputs());
    ASSERT_EQ(lines.size(), 1u);
    const std::string_view header = review_header(RuleSet::Austria, true);
    EXPECT_EQ(lines[0].substr(0, 13), " 2 " + date);
    EXPECT_EQ(lines[0][token_end(header, "6")], '1');
    EXPECT_EQ(lines[0][token_end(header, "5+")], '6');
    EXPECT_EQ(lines[0][token_end(header, "P3")], '4');  // C(3,3) * C(4,3)
}

TEST(EvaluationFormat, SideGameTables) {
    DigitCounts counts{};
    counts[2] = 4;
    SideGameTicket t;
    t.lottery_number = 34567;
    auto lines = side_game_lines(SideGame::Spiel77, counts, t, false);
    EXPECT_EQ(lines[0], "Los-Nummer: 0034567");
    EXPECT_EQ(lines.size(), 4u + 7u);
    EXPECT_EQ(lines[4].substr(0, 6), "     7");
    lines = side_game_lines(SideGame::Joker, counts, t, true);
    EXPECT_EQ(lines[0], "Joker-Nr. 034567");
    EXPECT_EQ(lines.size(), 4u + 5u);  // 6 down to 2
    EXPECT_EQ(lines.back().substr(0, 6), "     2");
    EXPECT_EQ(lines.back().substr(lines.back().size() - 1), "4");
    EXPECT_EQ(side_game_title(SideGame::Joker), "Auswertung: JOKER");
}

}  // namespace
}  // namespace zw
