#include <gtest/gtest.h>

#include "archive/bonus_draws.h"
#include "archive/calendar.h"
#include "archive/draw_archive.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

GameParams austria() {
    GameParams p;
    apply_game(p, kAustria);
    return p;
}

TEST(BonusDraws, ParsesLinesAndSkipsEmptyFirstFields) {
    auto r = parse_bonus_draws(
        "13.03.2020,1,2,3,4,5,6,7,0,0,0,0,0,0,123456\r\n"
        ",9,9,9\n"
        "20.03.2020,8,9,10,11,12,13,14,1,2,3,4,5,6,-1\n");
    ASSERT_EQ(r.draws.size(), 2u);
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(r.draws[0].date, "13.03.2020");
    EXPECT_EQ(r.draws[0].numbers[6], 7);
    EXPECT_EQ(r.draws[0].joker, 123456);
    EXPECT_EQ(r.draws[1].plus[5], 6);
    EXPECT_EQ(r.draws[1].joker, -1);
}

TEST(BonusDraws, MalformedLinesAndOverflowAreSkippedWithWarnings) {
    std::string text = "13.03.2020,x,2,3,4,5,6,7,0,0,0,0,0,0,1\n"   // not a number
                       "1.3.2020,1,2,3,4,5,6,7,0,0,0,0,0,0,1\n"     // bad date
                       "13.03.2020,1,2,3,4,5,6,700,0,0,0,0,0,0,1\n"  // beyond a byte
                       "13.03.2020,1,2,3\n";                         // four fields only
    for (int i = 0; i < kMaxBonusDraws + 20; ++i) text += "14.03.2020,1,2,3,4,5,6,7,0,0,0,0,0,0,1\n";
    auto r = parse_bonus_draws(text);
    EXPECT_EQ(r.draws.size(), static_cast<size_t>(kMaxBonusDraws));
    EXPECT_EQ(r.warnings.size(), 5u);  // four bad lines and the overflow
    EXPECT_EQ(r.warnings[3], "Bonus-Ziehungen, Zeile 4 hat 4 statt 15 Felder und wird übergangen.");
    EXPECT_EQ(r.draws[0].numbers[3], 4);
}

TEST(BonusDraws, FormatReadsBack) {
    BonusDraw d;
    d.date = "05.06.2020";
    d.numbers = {1, 2, 3, 4, 5, 45, 9};
    d.plus = {4, 5, 6, 7, 8, 9};
    d.joker = 42;
    auto r = parse_bonus_draws(format_bonus_draws({d, d}));
    ASSERT_EQ(r.draws.size(), 2u);
    EXPECT_EQ(r.draws[1].numbers, d.numbers);
    EXPECT_EQ(r.draws[1].plus, d.plus);
    EXPECT_EQ(r.draws[1].joker, 42);
}

TEST(AustrianArchive, CombinedViewMergesBonusDrawsByDate) {
    TempFolder dir;
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n <= 3; ++n)
        for (int k = 0; k < 7; ++k) file.push_back(static_cast<uint8_t>(n * 10 + k));
    dir.write("O_Lotto.Dat", file);
    // Between draw 1 (07.09.1986) and 2 (14.09.1986), and after the newest draw.
    dir.write_text("OB_Lotto.Dat",
                   "10.09.1986,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"
                   "30.09.1986,8,9,10,11,12,13,14,0,0,0,0,0,0,5\n");
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), austria()));
    EXPECT_EQ(a.bonus_count(), 2);
    EXPECT_EQ(a.default_range().last, 5);
    const auto& rows = a.combined();
    ASSERT_EQ(rows.size(), 6u);  // 3 regular + 2 bonus + the next draw's date
    EXPECT_EQ(rows[0].numbers[0], 10);
    EXPECT_TRUE(rows[1].bonus);
    EXPECT_EQ(rows[1].date, "10.09.1986");
    EXPECT_EQ(rows[2].numbers[0], 20);
    EXPECT_EQ(rows[3].numbers[0], 30);
    EXPECT_TRUE(rows[4].bonus);  // newer than every regular draw: kept
    EXPECT_EQ(rows[4].joker, 5);
    EXPECT_EQ(rows[5].date, draw_date(kAustria, 4).text);
}

// Bonus draws come every other Friday: 150 of them (beyond the old table of
// 100) are read, counted and all reach the combined view.
TEST(AustrianArchive, HundredFiftyBonusDrawsAreReadAndCounted) {
    TempFolder dir;
    dir.write("O_Lotto.Dat", {126, 126, 0, 0, 1, 2, 3, 4, 5, 6, 7});
    std::string text;
    for (int i = 0; i < 150; ++i) {
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 2021 + i / (28 * 12);
        auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
        text += two(day) + "." + two(month) + "." + std::to_string(year) +
                ",1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n";
    }
    dir.write_text("OB_Lotto.Dat", text);
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), austria()));
    EXPECT_EQ(a.bonus_count(), 150);
    EXPECT_EQ(a.default_range().last, 151);
    EXPECT_EQ(a.combined().size(), 152u);  // 1 regular + 150 bonus + the next draw's date
}

TEST(AustrianArchive, JokerBeforeDraw108AndLottoPlusBefore2668AreAbsent) {
    TempFolder dir;
    std::vector<uint8_t> file = {126, 126, 0, 0};
    file.resize(4 + 2670 * 7, 1);
    dir.write("O_Lotto.Dat", file);
    std::vector<uint8_t> joker;
    put_i16(joker, 2);
    put_i32(joker, 111111);
    put_i32(joker, 222222);
    dir.write("Joker.Dat", joker);
    dir.write("OP_Lotto.Dat", {1, 2, 3, 4, 5, 6});
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), austria()));
    EXPECT_EQ(a.side_number(107), -1);
    EXPECT_EQ(a.side_number(108), 111111);
    EXPECT_EQ(a.lotto_plus(2667), nullptr);
    ASSERT_NE(a.lotto_plus(2668), nullptr);
    EXPECT_EQ(a.lotto_plus(2668)[5], 6);
    const auto& rows = a.combined();
    EXPECT_EQ(rows[107].joker, 111111);  // row of draw 108
    EXPECT_EQ(rows[2667].plus[0], 1);    // row of draw 2668
    EXPECT_EQ(rows[2668].plus[0], 0);    // draw 2669 has no LottoPlus record
    EXPECT_EQ(a.bonus_count(), 0);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(BonusDraws, GarbageLinesAreRefusedWithTheirReason) {
    const auto r = parse_bonus_draws(
        "13.03.2020,99,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"        // number beyond 45
        "31.02.2021,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"         // no such day
        "01.01.0000,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"         // no such year
        "13.03.2020,1,2,3,4,5,6,7,0,0,0,0,0,0,1234567\n"    // seven-digit Joker
        "13.03.2020,1,2,3,4,5,6,6,0,0,0,0,0,0,-1\n"         // Zusatzzahl among the six
        "13.03.2020,1,2,3,4,5,6,7,1,2,3,0,0,0,-1\n"         // half the LottoPlus numbers
        "29.02.2020,1,2,3,4,5,6,7,1,2,3,4,5,6,999999,\n");  // leap day, trailing comma: taken
    ASSERT_EQ(r.draws.size(), 1u);
    EXPECT_EQ(r.draws[0].date, "29.02.2020");
    ASSERT_EQ(r.warnings.size(), 6u);
    EXPECT_NE(r.warnings[0].find("ungültige Gewinnzahlen"), std::string::npos);
    EXPECT_NE(r.warnings[1].find("kein gültiges Datum"), std::string::npos);
    EXPECT_NE(r.warnings[2].find("kein gültiges Datum"), std::string::npos);
    EXPECT_NE(r.warnings[3].find("Joker"), std::string::npos);
    EXPECT_NE(r.warnings[5].find("LottoPlus"), std::string::npos);
}

TEST(BonusDraws, DrawsOutOfDateOrderAreSortedAndMergedInOrder) {
    TempFolder dir;
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n <= 3; ++n)
        for (uint8_t v : {1, 2, 3, 4, 5, 6, 7}) file.push_back(v);
    dir.write("O_Lotto.Dat", file);
    dir.write_text("OB_Lotto.Dat",
                   "01.01.1987,9,10,11,12,13,14,15,0,0,0,0,0,0,-1\n"
                   "10.09.1986,20,21,22,23,24,25,26,0,0,0,0,0,0,-1\n");
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), austria()));
    ASSERT_EQ(a.bonus_draws()[0].date, "10.09.1986");
    std::vector<std::string> dates;
    for (const auto& row : a.combined()) dates.push_back(row.date);
    // Draws 1..3: 07.09., 14.09., 21.09.1986.
    EXPECT_EQ(dates, (std::vector<std::string>{"07.09.1986", "10.09.1986", "14.09.1986",
                                               "21.09.1986", "01.01.1987", "28.09.1986"}));
}

TEST(BonusDraws, EmptyLottoPlusFileLoadsWithoutLottoPlusNumbers) {
    TempFolder dir;
    dir.write("O_Lotto.Dat", {126, 126, 0, 0});
    dir.write("OP_Lotto.Dat", {});
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), austria()));
    EXPECT_EQ(a.lotto_plus_count(), 0);
}

}  // namespace
}  // namespace zw
