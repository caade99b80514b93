#include "evaluation/backtest_list.h"

#include <gtest/gtest.h>

#include "eval_fixture.h"

namespace zw {
namespace {

using test::EvalFixture;

ListEntry entry(std::array<uint8_t, 6> numbers, int score) {
    ListEntry e;
    e.numbers = numbers;
    e.score = score;
    return e;
}

NumberList numbers_of(std::vector<int> bankers, std::vector<int> tips, int highest = 49) {
    NumberList l;
    EXPECT_TRUE(make_number_list(bankers, tips, highest, l));
    return l;
}

TEST(BacktestList, ListValueUsesOddsFiftyFourForGermanLotto) {
    EvalFixture f(kLottoBoth, 2700);
    // Only entered draws count.
    for (int n = 1; n <= 2700; ++n) f.set_draw(n, {7, 8, 9, 10, 11, 12}, 0);
    EXPECT_EQ(backtest_odds(f.params), 54);
    BacktestList list = make_list(ListKind::Best, numbers_of({}, {1, 2, 3, 4, 5, 6}), {entry({1, 2, 3, 4, 5, 6}, 50)},
                                  f.inputs());
    EXPECT_EQ(list.draws, 2700);
    EXPECT_EQ(entry_text(list, 0).substr(0, 25), "  1  2  3  4  5  6  1.000");
    EXPECT_EQ(entry_text(list, 0).size(), 25u + 61u);
    EXPECT_EQ(entry_text(list, 1), "");
    EvalFixture toto(kToto), austria(kAustria), swiss(kSwiss);
    EXPECT_EQ(backtest_odds(toto.params), 42);
    EXPECT_EQ(backtest_odds(austria.params), 12);
    EXPECT_EQ(backtest_odds(swiss.params), 34);
    EXPECT_EQ(list_value(5, 12, 0), 0.0);
}

TEST(BacktestList, FinalEvaluationCountsClassesWithoutSuperNumberAndPaysPlainQuotas) {
    EvalFixture f(kLottoSaturday);
    const int s = f.params.super_start;
    // Superzahl 7 matches nothing: the search counts none, and the columns add
    // the classes with and without it.
    f.set_draw(s, {1, 2, 3, 4, 5, 6}, 7);
    f.set_draw(s + 1, {1, 2, 3, 4, 30, 31}, 8);
    f.set_draw(s + 2, {1, 2, 3, 20, 30, 31}, 9);
    f.set_draw(s + 3, {1, 2, 20, 21, 30, 31}, 1);
    f.range.set(s, s + 3);
    BacktestList list = make_list(ListKind::Best, numbers_of({1}, {2, 3, 4, 5, 6}), {entry({1, 2, 3, 4, 5, 6}, 3)},
                                  f.inputs());
    evaluate_list(list, f.inputs());
    ASSERT_TRUE(list.evaluated);
    EXPECT_EQ(list.counts[0].cls[2], 1);
    EXPECT_EQ(list.counts[0].cls[6], 1);
    EXPECT_EQ(list.counts[0].cls[8], 1);
    EXPECT_EQ(list.counts[0].cls[9], 0);
    // Quotas of the fixture: position p pays 1000 * (p + 1) tenths; class 2 is position 1.
    EXPECT_EQ(list.winnings[0], 2000 + 6000 + 8000);
    // 3 wins x 54 / 4 draws.
    EXPECT_EQ(entry_text(list, 0), "  1  2  3  4  5  6 40.500 " + std::string("       1") + "           0" +
                                       "           1" + "           1" + "     1600.00 EUR");
}

TEST(BacktestList, AustrianColumnsAndZusatzzahlPaidAtTheRowPrice) {
    EvalFixture f(kAustria);
    f.set_draw(1, {10, 11, 12, 13, 14, 15}, 3);  // no hit, ZZ 3
    f.set_draw(2, {1, 2, 3, 4, 14, 15}, 5);      // 4+
    BacktestList list = make_list(ListKind::Worst, numbers_of({}, {1, 2, 3, 4, 5, 6}, 45),
                                  {entry({1, 2, 3, 4, 5, 6}, 2)}, f.inputs());
    evaluate_list(list, f.inputs());
    // Row price 100 cents = 10 tenths; class 5 pays position 5 = 6000 tenths.
    EXPECT_EQ(list.winnings[0], 6000 + 10);
    EXPECT_EQ(entry_text(list, 0).substr(26), "   0   0   0   1   0   0   0   1      601.00 EUR");
}

TEST(BacktestList, ExportFileIsByteForByteTheListWithCrLf) {
    EvalFixture f(kToto);
    f.set_draw(1, {1, 2, 3, 20, 30, 31}, 4);
    f.set_draw(2, {1, 2, 3, 4, 5, 6}, 7);
    const NumberList numbers = numbers_of({2}, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, 45);
    BacktestList list = make_list(ListKind::Best, numbers, {entry({2, 1, 3, 4, 5, 6}, 2), entry({2, 1, 3, 4, 5, 7}, 2)},
                                  f.inputs());
    evaluate_list(list, f.inputs());
    std::string want =
        "30 TOP-Reihen folgender 22 Zahlen: Ziehungsrahmen ( 1 - 2)     * = Bankzahl\r\n"
        "  2 *  1  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20\r\n"
        " 21 22\r\n"
        " Pos.    Zahlenreihe      LAX    "
        " 6   5+  5   4   3+  3 R.  ~Gewinn\r\n"
        "  1:   2  1  3  4  5  6 42.000    1   0   0   0   1   0     1100.00 EUR\r\n"
        "  2:   2  1  3  4  5  7 42.000    0   1   0   0   1   0     1200.00 EUR\r\n";
    for (int i = 3; i <= 30; ++i) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d: \r\n", i);
        want += buf;
    }
    EXPECT_EQ(export_list_text(list), want);
    list.kind = ListKind::Worst;
    EXPECT_EQ(list_title(list), "30 FLOP-Reihen folgender 22 Zahlen: Ziehungsrahmen ( 1 - 2)");
    EXPECT_EQ(list_lines(list).size(), 30u);
}

TEST(BacktestList, NumberListBreaksAfterTwentyAndFortyNumbers) {
    std::vector<int> tips;
    for (int v = 4; v <= 45; ++v) tips.push_back(v);
    const auto lines = number_list_lines(numbers_of({3, 1, 2}, tips, 45));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 15), "  1 *  2 *  3 *");
    EXPECT_EQ(lines[2], " 41 42 43 44 45");
}

}  // namespace
}  // namespace zw
