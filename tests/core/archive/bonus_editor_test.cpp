#include "archive/bonus_editor.h"

#include <gtest/gtest.h>

#include "archive/draw_archive.h"
#include "games/capacity.h"
#include "temp_folder.h"

namespace zw {
namespace {

BonusRowInput row(std::string date, std::array<std::string, 7> numbers,
                  std::array<std::string, 6> plus, std::string joker) {
    return {std::move(date), std::move(numbers), std::move(plus), std::move(joker)};
}

BonusRowInput good() {
    return row("12.06.2020", {"30", "4", "17", "45", "9", "22", "1"},
               {"6", "2", "44", "13", "28", "35"}, "000123");
}

TEST(BonusEditor, TakesARowSortingTheSixAndKeepingTheZusatzzahlLast) {
    BonusEditor e({});
    ASSERT_TRUE(e.take(good(), -1));
    ASSERT_EQ(e.count(), 1);
    const BonusDraw& d = e.draws()[0];
    EXPECT_EQ(d.date, "12.06.2020");
    EXPECT_EQ(d.numbers, (std::array<uint8_t, 7>{4, 9, 17, 22, 30, 45, 1}));
    EXPECT_EQ(d.plus, (std::array<uint8_t, 6>{2, 6, 13, 28, 35, 44}));
    EXPECT_EQ(d.joker, 123);
    // The selected row is overwritten, a row beyond the list is appended.
    auto other = good();
    other.date = "19.06.2020";
    ASSERT_TRUE(e.take(other, 0));
    EXPECT_EQ(e.count(), 1);
    EXPECT_EQ(e.draws()[0].date, "19.06.2020");
    ASSERT_TRUE(e.take(good(), 7));
    EXPECT_EQ(e.count(), 2);
}

TEST(BonusEditor, RefusesBadRowsAndChangesNothing) {
    BonusEditor e({});
    auto bad = good();
    bad.date = "1.6.2020";
    EXPECT_FALSE(e.take(bad, -1));
    bad.date = "ab.cd.efgh";  // ten characters, but no date
    EXPECT_FALSE(e.take(bad, -1));
    bad.date = "31.02.2026";  // the form is right, the day does not exist
    const Status s = e.take(bad, -1);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("31.02.2026"), std::string::npos) << s.message();
    bad.date = "29.02.2023";
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.joker = "12345";
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.numbers[6] = "30";  // Zusatzzahl among the six
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.numbers[2] = "0";
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.numbers[2] = "46";
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.plus[1] = "6";  // LottoPlus repeated
    EXPECT_FALSE(e.take(bad, -1));
    bad = good();
    bad.plus[1] = "";  // some LottoPlus boxes empty
    EXPECT_FALSE(e.take(bad, -1));
    EXPECT_EQ(e.count(), 0);
    // Without LottoPlus and Joker the row is taken (as the shipped bonus draws).
    auto plain = good();
    plain.plus = {};
    plain.joker = "";
    ASSERT_TRUE(e.take(plain, -1));
    EXPECT_EQ(e.draws()[0].joker, -1);
    EXPECT_EQ(e.draws()[0].plus[0], 0);
}

TEST(BonusEditor, FullListRefusesANewRowButOverwritesOne) {
    std::vector<BonusDraw> full(kMaxBonusDraws);
    for (auto& d : full) d.date = "01.01.2021";
    BonusEditor e(full);
    const Status s = e.take(good(), -1);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("100"), std::string::npos);
    EXPECT_TRUE(e.take(good(), 99));
    EXPECT_EQ(e.count(), kMaxBonusDraws);
}

TEST(BonusEditor, RemovingStopsAtAnEmptyList) {
    BonusEditor e({});
    ASSERT_TRUE(e.take(good(), -1));
    EXPECT_TRUE(e.remove_last());
    EXPECT_FALSE(e.remove_last());
    EXPECT_EQ(e.count(), 0);
}

TEST(BonusEditor, SavedFileReadsBackWithTheSameValuesInDateOrder) {
    BonusEditor e({});
    ASSERT_TRUE(e.take(good(), -1));
    auto earlier = good();
    earlier.date = "13.03.2020";
    earlier.plus = {};
    earlier.joker = "";
    ASSERT_TRUE(e.take(earlier, -1));
    const std::string text = format_bonus_file(e.draws());
    EXPECT_EQ(text,
              "13.03.2020, 4, 9,17,22,30,45, 1, 0, 0, 0, 0, 0, 0,-1\n"
              "12.06.2020, 4, 9,17,22,30,45, 1, 2, 6,13,28,35,44,000123\n");
    test::TempFolder dir;
    ASSERT_TRUE(save_bonus_file(dir.path(), e.draws()));
    std::vector<uint8_t> austria_file = {126, 126, 0, 0};
    dir.write("O_Lotto.Dat", austria_file);
    GameParams p;
    apply_game(p, kAustria);
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), p));
    ASSERT_EQ(a.bonus_count(), 2);
    EXPECT_EQ(a.bonus_draws()[1].numbers, e.draws()[0].numbers);
    EXPECT_EQ(a.bonus_draws()[1].plus, e.draws()[0].plus);
    EXPECT_EQ(a.bonus_draws()[1].joker, 123);
    EXPECT_EQ(a.bonus_draws()[0].joker, -1);
    EXPECT_EQ(BonusEditor::input_of(a.bonus_draws()[1]).joker, "000123");
}

}  // namespace
}  // namespace zw
