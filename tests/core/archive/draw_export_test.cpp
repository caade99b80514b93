#include "archive/draw_export.h"
#include "archive/draw_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zw {
namespace {

GameParams game(GameCode code) { return game_params(code); }

// An archive of `params`' game holding the given draws (others stay empty).
struct Fixture {
    GameParams params;
    DrawArchive archive;
    DrawRange range;
    explicit Fixture(GameCode code) : params(game(code)) { archive.clear_for(params); }
    void put(int n, std::vector<uint8_t> bytes) {
        ASSERT_TRUE(archive.extend_to(n));
        archive.set_draw(n, decode_record(bytes));
        range.set(1, archive.newest());
    }
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

TEST(AllDrawsExport, SuperzahlZeroIsWrittenAsZeroOnlyFromTheStartDraw) {
    Fixture f(kLottoSaturday);
    f.put(1886, {1, 2, 3, 4, 5, 6, 10});      // Zusatzzahl 10
    f.put(1887, {7, 8, 9, 10, 11, 49, 10});   // Superzahl 0
    f.put(1888, {12, 13, 14, 15, 16, 17, 3});
    f.range.set(1886, 1888);
    EXPECT_EQ(export_all_draws(f.params, f.archive, f.range),
              "ALLE ZIEHUNGEN DES LOTTO AM SAMSTAG:\n"
              "Ziehung 1886 vom 30.11.1991    1  2  3  4  5  6 (10)  \n"
              "Ziehung 1887 vom 07.12.1991    7  8  9 10 11 49 ( 0)  \n"
              "Ziehung 1888 vom 14.12.1991   12 13 14 15 16 17 ( 3)  \n");
}

TEST(AllDrawsExport, WednesdayDrawsOfOneEveningShareALine) {
    Fixture f(kLottoWednesday);
    f.put(1, {1, 2, 3, 4, 5, 6, 7});
    f.put(2, {8, 9, 10, 11, 12, 13, 14});
    f.put(3, {15, 16, 17, 18, 19, 20, 21});
    EXPECT_EQ(export_all_draws(f.params, f.archive, f.range),
              "ALLE ZIEHUNGEN DES LOTTO AM MITTWOCH:\n"
              "Ziehung    1 vom 04.06.1986A   1  2  3  4  5  6 ( 7)  "
              "Ziehung    2 vom 04.06.1986B   8  9 10 11 12 13 (14)  \n"
              // The range ends on an "A " draw: the line still ends.
              "Ziehung    3 vom 11.06.1986A  15 16 17 18 19 20 (21)  \n");
    // Single Wednesday draws from 1515 on get a line each.
    Fixture g(kLottoWednesday);
    g.put(1515, {1, 2, 3, 4, 5, 6, 7});
    g.put(1516, {1, 2, 3, 4, 5, 6, 7});
    g.range.set(1515, 1516);
    EXPECT_EQ(lines_of(export_all_draws(g.params, g.archive, g.range)).size(), 3u);
}

TEST(AllDrawsExport, SwissPlusNumberOnlyFromDraw2685To3073) {
    Fixture f(kSwiss);
    for (int n : {2684, 2685, 3073, 3074})
        f.put(n, {1, 2, 3, 4, 5, 6, 7, static_cast<uint8_t>(n % 10)});
    const auto text = export_all_draws(f.params, f.archive, f.range);
    const auto lines = lines_of(text);
    ASSERT_EQ(lines.size(), 3075u);
    EXPECT_EQ(lines[0], "ALLE ZIEHUNGEN DES SWISSLOTTO 6 AUS 42:");
    EXPECT_EQ(lines[2684], "Ziehung 2684 vom 18.04.2009    1  2  3  4  5  6 ( 7)  ");
    EXPECT_EQ(lines[2685], "Ziehung 2685 vom 22.04.2009    1  2  3  4  5  6 ( 7)  +5");
    EXPECT_EQ(lines[3073], "Ziehung 3073 vom 09.01.2013    1  2  3  4  5  6 ( 7)  +3");
    EXPECT_EQ(lines[3074], "Ziehung 3074 vom 12.01.2013    1  2  3  4  5  6 ( 7)  ");
}

TEST(AllDrawsExport, RangeBeyondTheArchiveWritesNoEmptyDraws) {
    Fixture f(kToto);
    f.put(1, {1, 2, 3, 4, 5, 6, 7});
    f.range.set(1, 40);
    EXPECT_EQ(lines_of(export_all_draws(f.params, f.archive, f.range)).size(), 2u);
}

// The Austrian draws are numbered as the lottery counts them, bonus draws included.
TEST(AllDrawsExport, AustriaListsBonusDrawsInDateOrder) {
    Fixture f(kAustria);
    f.put(1, {1, 2, 3, 4, 5, 6, 7});
    f.put(2, {8, 9, 10, 11, 12, 13, 14});
    BonusDraw b;
    b.date = "10.09.1986";
    b.numbers = {21, 22, 23, 24, 25, 26, 27};
    f.archive.set_bonus_draws({b});
    f.range.set(1, 3);
    EXPECT_EQ(export_all_draws(f.params, f.archive, f.range),
              "ALLE ZIEHUNGEN DES ÖSTERREICHLOTTO 6 AUS 45:\n"
              "Ziehung    1 vom 07.09.1986    1  2  3  4  5  6 ( 7)  \n"
              "Bonusziehung vom 10.09.1986   21 22 23 24 25 26 (27)  \n"
              "Ziehung    3 vom 14.09.1986    8  9 10 11 12 13 (14)  \n");
}

TEST(GridExport, FewDrawsStartAtDrawOneWithCellsAndSummaries) {
    Fixture f(kToto);
    f.put(1, {1, 2, 3, 4, 5, 6, 7});
    f.put(2, {10, 20, 30, 40, 41, 45, 11});
    f.put(3, {7, 14, 21, 28, 35, 42, 44});
    EXPECT_EQ(export_last_draws_grid(f.params, f.archive, f.range),
              "DIE LETZTEN 52 AUSSPIELUNGEN DER AUSWAHLWETTE:\n"
              "\n"
              "04.01.75: | 1 2 3 4 5 6*7|              |              |              |              |"
              "              |              |  3G3UU\n"
              "11.01.75: |              |    10*1      |          20  |              |  30          |"
              "        4041  |    45        |  4G2UU\n"
              "18.01.75: |             7|            14|            21|            28|            35|"
              "            42|  *4          |  3G3UG\n"
              "Gewinn-Zahlen:  10 Gerade     8 Ungerade\n"
              "Zusatz-Zahlen:  1 Gerade    2 Ungerade\n");
}

TEST(GridExport, CoversTheLast52DrawsOfTheRange) {
    Fixture f(kToto);
    for (int n = 1; n <= 80; ++n) f.put(n, {1, 2, 3, 4, 5, 6, 8});
    f.range.set(1, 70);
    const DrawGrid g = last_draws_grid(f.params, f.archive, f.range);
    EXPECT_EQ(g.first_row, 19);
    EXPECT_EQ(g.last_row, 70);
    ASSERT_EQ(g.lines.size(), 52u);
    EXPECT_EQ(g.numbers_summary, "Gewinn-Zahlen: 156 Gerade   156 Ungerade");
    EXPECT_EQ(g.extras_summary, "Zusatz-Zahlen: 52 Gerade    0 Ungerade");
    // On paper the empty cells read "__".
    const DrawGrid paper = last_draws_grid(f.params, f.archive, f.range, "__");
    EXPECT_EQ(paper.lines[0].substr(0, 26), "10.05.75: | 1 2 3 4 5 6__|");
}

TEST(GridExport, SuperzahlZeroMarksCellTenAndCountsEven) {
    Fixture f(kLottoSaturday);
    f.put(1887, {1, 3, 5, 7, 9, 11, 10});
    f.range.set(1887, 1887);
    const DrawGrid g = last_draws_grid(f.params, f.archive, f.range);
    ASSERT_EQ(g.lines.size(), 52u);  // 1836..1887, the others are empty
    EXPECT_EQ(g.lines.back(),
              "07.12.91: | 1   3   5   7|   9*011      |              |              |"
              "              |              |              |  0G6UG");
    EXPECT_EQ(g.lines.front().substr(0, 11), "15.12.90: |");
    EXPECT_EQ(g.lines.front().substr(g.lines.front().size() - 7), "  0G0U ");
    EXPECT_EQ(g.extras_summary, "Zusatz-Zahlen:  1 Gerade    0 Ungerade");
}

TEST(GridExport, SwissLuckyNumberCellsFromDraw3074) {
    Fixture f(kSwiss);
    f.put(3073, {1, 2, 3, 4, 5, 6, 42, 0});
    f.put(3074, {36, 37, 38, 39, 40, 41, 5, 0});
    f.range.set(3074, 3074);
    const DrawGrid g = last_draws_grid(f.params, f.archive, f.range);
    EXPECT_EQ(g.lines[g.lines.size() - 2],
              "09.01.13: | 1 2 3 4 5 6  |              |              |              |"
              "              |            *2|              |  3G3UG");
    EXPECT_EQ(g.lines.back(),
              "12.01.13: |              |              |              |              |"
              "              |363738394041  |        G5    |  3G3UU");
}

TEST(GridExport, AustriaWalksTheCombinedView) {
    Fixture f(kAustria);
    f.put(1, {1, 2, 3, 4, 5, 6, 7});
    BonusDraw b;
    b.date = "10.09.1986";
    b.numbers = {21, 22, 23, 24, 25, 26, 27};
    f.archive.set_bonus_draws({b});
    f.range.set(1, 2);
    const DrawGrid g = last_draws_grid(f.params, f.archive, f.range);
    ASSERT_EQ(g.lines.size(), 2u);
    EXPECT_EQ(g.lines[1].substr(0, 10), "10.09.86: ");
}

}  // namespace
}  // namespace zw
