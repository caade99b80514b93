#include "archive/draw_archive.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

GameParams game(GameCode code) { return game_params(code); }

// A draw file: header then the given 7- or 8-byte records.
std::vector<uint8_t> draw_file(const std::vector<std::vector<uint8_t>>& records, uint8_t x = 126,
                               uint8_t y = 126, int16_t land = 0) {
    std::vector<uint8_t> out = {x, y};
    put_i16(out, land);
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

std::vector<uint8_t> side_file(int16_t count, const std::vector<int32_t>& values) {
    std::vector<uint8_t> out;
    put_i16(out, count);
    for (int32_t v : values) put_i32(out, v);
    return out;
}

TEST(DrawArchive, EmptyFileIsAnArchiveWithoutDraws) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));
    EXPECT_EQ(a.next_draw(), 1);
    EXPECT_EQ(a.default_range().last, 0);
    EXPECT_TRUE(a.saved());
}

TEST(DrawArchive, LoadsRecordsHeaderAndReplacesZeroCalibration) {
    TempFolder dir;
    dir.write("lotto.dat", draw_file({{1, 2, 3, 4, 5, 6, 7}, {8, 9, 11, 12, 13, 14, 10}}, 0, 130, 7));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));  // name matched without case
    EXPECT_EQ(a.newest(), 2);
    EXPECT_EQ(a.draw(2).extra, 10);
    EXPECT_EQ(a.calibration_x, 126);
    EXPECT_EQ(a.calibration_y, 130);
    EXPECT_EQ(a.bundesland, 7);
}

TEST(DrawArchive, TrailingPartialRecordIsNotADraw) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10}}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));
    EXPECT_EQ(a.newest(), 1);
}

TEST(DrawArchive, OversizedFileIsRefusedAndPreviousArchiveKept) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({{1, 2, 3, 4, 5, 6, 7}}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));

    std::vector<std::vector<uint8_t>> many(kMaxDraws + 1, {1, 2, 3, 4, 5, 6, 7});
    dir.write("Big.Dat", draw_file(many));
    Status s = a.load_draws(dir.path(), dir / "Big.Dat", game(kLottoSaturday));
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("8000"), std::string::npos);
    EXPECT_EQ(a.newest(), 1);

    // Swiss records are 8 bytes: 7001 of them do not fit.
    std::vector<std::vector<uint8_t>> swiss(kMaxSwissDraws + 1, {1, 2, 3, 4, 5, 6, 1, 0});
    dir.write("Swiss.Dat", draw_file(swiss));
    EXPECT_FALSE(a.load_draws(dir.path(), game(kSwiss)));
    EXPECT_EQ(a.game(), kLottoSaturday);

    // Far too large to read at all.
    dir.write("Huge.Dat", std::vector<uint8_t>(200000, 1));
    EXPECT_FALSE(a.load_draws(dir.path(), dir / "Huge.Dat", game(kLottoSaturday)));
    EXPECT_EQ(a.newest(), 1);
}

TEST(DrawArchive, FileShorterThanHeaderIsRefused) {
    TempFolder dir;
    dir.write("Lotto.Dat", {126, 126});
    DrawArchive a;
    EXPECT_FALSE(a.load_draws(dir.path(), game(kLottoSaturday)));
}

TEST(DrawArchive, MissingDrawFileGivesTheMissingFileMessage) {
    TempFolder dir;
    DrawArchive a;
    Status s = a.load_draws(dir.path(), game(kLottoWednesday));
    EXPECT_EQ(s.message(), "M_LOTTO.DAT ist|nicht im aktuellen|Ordner oder Laufwerk!");
}

TEST(DrawArchive, SideNumbersUseTheGameOffsets) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({}));
    dir.write("Spiel77Sam.Dat", side_file(2, {1234567, 7654321}));
    dir.write("Super6Sam.Dat", side_file(1, {123456}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));
    EXPECT_EQ(a.side_number(1004), 1234567);
    EXPECT_EQ(a.side_number(1005), 7654321);
    EXPECT_EQ(a.side_number(1006), -1);
    EXPECT_EQ(a.side_number(1003), -1);  // index below 0
    EXPECT_EQ(a.super6_number(1874), 123456);

    // Toto shares the Saturday files with its own offsets: same Saturday, same entry.
    dir.write("Toto.Dat", draw_file({}));
    ASSERT_TRUE(a.load_draws(dir.path(), game(kToto)));
    EXPECT_EQ(a.side_number(1), 1234567);
    EXPECT_EQ(a.super6_number(871), 123456);
}

TEST(DrawArchive, HostileSideFilesAreNeverReadOutOfBounds) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({{1, 2, 3, 4, 5, 6, 7}}));
    DrawArchive a;
    std::vector<std::string> warnings;

    dir.write("Spiel77Sam.Dat", side_file(-5, {1}));
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday), &warnings));
    EXPECT_EQ(a.side_count(), 0);
    EXPECT_EQ(warnings.size(), 1u);

    dir.write("Spiel77Sam.Dat", side_file(30000, {1, 2}));
    warnings.clear();
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday), &warnings));
    EXPECT_EQ(a.side_count(), 0);
    EXPECT_EQ(warnings.size(), 1u);

    dir.write("Spiel77Sam.Dat", side_file(100, {11, 22, 33}));  // count beyond the file
    warnings.clear();
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday), &warnings));
    EXPECT_EQ(a.side_count(), 3);
    EXPECT_EQ(a.side_number(1006), 33);
    EXPECT_EQ(a.side_number(1007), -1);
    EXPECT_EQ(warnings.size(), 1u);

    dir.write("Spiel77Sam.Dat", {7});  // shorter than the count field
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday), &warnings));
    EXPECT_EQ(a.side_count(), 0);
}

TEST(DrawArchive, SaveWritesCapitalisedFilesAtomicallyAndRoundTrips) {
    TempFolder dir;
    const GameParams p = game(kLottoWednesday);
    DrawArchive a;
    a.clear_for(p);
    ASSERT_TRUE(a.extend_to(3));
    const Draw rec{{3, 11, 19, 27, 35, 49}, 10};
    a.set_draw(3, rec);
    a.calibration_x = 131;
    a.bundesland = 11;
    ASSERT_TRUE(a.set_side_number(3, 42));
    EXPECT_FALSE(a.saved());
    ASSERT_TRUE(a.save_draws(dir.path()));
    EXPECT_TRUE(a.saved());
    EXPECT_TRUE(std::filesystem::exists(dir / "M_LOTTO.DAT"));
    EXPECT_EQ(dir.read("M_LOTTO.DAT").size(), 4u + 3 * 7);
    EXPECT_EQ(dir.read("Spiel77Mit.Dat").size(), 2u + 4 * (3 + 213 + 1));
    // The Super 6 file did not exist and is not created.
    EXPECT_FALSE(std::filesystem::exists(dir / "Super6Mit.Dat"));
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos);

    DrawArchive b;
    ASSERT_TRUE(b.load_draws(dir.path(), p));
    EXPECT_EQ(b.newest(), 3);
    EXPECT_EQ(b.draw(3), rec);
    EXPECT_EQ(b.calibration_x, 131);
    EXPECT_EQ(b.bundesland, 11);
    EXPECT_EQ(b.side_number(3), 42);
    EXPECT_EQ(b.side_number(2), -1);
}

TEST(DrawArchive, SaveRewritesAnExistingFileInItsOwnSpelling) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({{1, 2, 3, 4, 5, 6, 7}}));
    dir.write("Super6Sam.Dat", side_file(0, {}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));
    ASSERT_TRUE(a.extend_to(2));
    ASSERT_TRUE(a.set_super6_number(1875, 654321));
    ASSERT_TRUE(a.save_draws(dir.path()));
    EXPECT_EQ(dir.read("Lotto.Dat").size(), 4u + 2 * 7);
    EXPECT_FALSE(std::filesystem::exists(dir / "LOTTO.DAT"));
    EXPECT_EQ(dir.read("Super6Sam.Dat").size(), 2u + 4 * 2);
}

TEST(DrawArchive, CapacityAndRemovingTheNewestDraw) {
    DrawArchive a;
    a.clear_for(game(kSwiss));
    EXPECT_TRUE(a.extend_to(kMaxSwissDraws));
    EXPECT_FALSE(a.extend_to(kMaxSwissDraws + 1));
    a.set_draw(kMaxSwissDraws, Draw{{5}});
    a.remove_newest();
    EXPECT_EQ(a.newest(), kMaxSwissDraws - 1);
    ASSERT_TRUE(a.extend_to(kMaxSwissDraws));
    EXPECT_EQ(a.draw(kMaxSwissDraws), Draw{});
}

TEST(DrawArchive, SuperzahlTenReadsZeroOnlyFromTheStartDraw) {
    const GameParams p = game(kLottoSaturday);
    EXPECT_EQ(displayed_extra(p, 1886, 10), 10);  // Zusatzzahl 10
    EXPECT_EQ(displayed_extra(p, 1887, 10), 0);   // Superzahl 0
    EXPECT_EQ(displayed_extra(game(kToto), 5000, 10), 10);
    EXPECT_TRUE(extra_is_lucky_number(game(kSwiss), kSwissLuckyStart));
    EXPECT_FALSE(extra_is_lucky_number(game(kSwiss), kSwissLuckyStart - 1));
}

TEST(DrawArchive, HeaderSaveLeavesUnsavedDrawsOutOfTheFile) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file({{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 1}}));
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game(kLottoSaturday)));
    ASSERT_TRUE(a.extend_to(3));
    a.set_draw(3, Draw{{40}});
    a.set_saved(false);
    a.calibration_x = 140;
    a.calibration_y = 1;
    a.bundesland = 17;
    ASSERT_TRUE(a.save_header(dir.path()));
    const auto bytes = dir.read("Lotto.Dat");
    EXPECT_EQ(bytes, draw_file({{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 1}}, 140, 1, 17));
    EXPECT_FALSE(a.saved());  // the new draw still waits for its save
    EXPECT_EQ(a.newest(), 3);

    // A folder that cannot be written reports the failure.
    EXPECT_FALSE(a.save_header(dir / "missing" / "deeper"));
}

TEST(DrawArchive, HeaderSaveWithoutADrawFileWritesNoUnsavedDraws) {
    TempFolder dir;
    DrawArchive a;
    a.clear_for(game(kToto));
    ASSERT_TRUE(a.extend_to(1));
    a.set_saved(false);
    a.bundesland = 7;
    ASSERT_TRUE(a.save_header(dir.path()));
    EXPECT_EQ(dir.read("TOTO.DAT"), draw_file({}, 126, 126, 7));
}

}  // namespace
}  // namespace zw
