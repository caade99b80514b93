#include "session/session.h"

#include <gtest/gtest.h>

#include "session/data_folder.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

std::vector<uint8_t> draws(int n, int record_length = 7) {
    std::vector<uint8_t> out = {126, 126, 0, 0};
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < record_length; ++k) out.push_back(static_cast<uint8_t>(k + 1));
    return out;
}

TEST(Session, SwissRangeStartsAtTheFirstLuckyNumberDraw) {
    TempFolder dir;
    dir.write("Swiss.Dat", draws(3100, 8));
    Session s(dir.path());
    s.start_up();
    ASSERT_TRUE(s.select_game(kSwiss).status);
    EXPECT_EQ(s.range.first, kSwissLuckyStart);
    EXPECT_EQ(s.range.last, 3100);
    EXPECT_EQ(s.range.count, 27);
}

TEST(Session, RefusedDrawFileKeepsThePreviousGame) {
    TempFolder dir;
    dir.write("Lotto.Dat", draws(5));
    dir.write("Toto.Dat", std::vector<uint8_t>(4 + 7 * 8001, 1));
    Session s(dir.path());
    ASSERT_TRUE(s.select_game(kLottoSaturday).status);
    SelectOutcome out = s.select_game(kToto);
    EXPECT_FALSE(out.status);
    EXPECT_FALSE(out.draw_file_missing);
    EXPECT_EQ(s.params.code, kLottoSaturday);
    EXPECT_EQ(s.archive.newest(), 5);
}

TEST(Session, MissingDrawFileLeavesAnEmptyArchiveOfTheNewGame) {
    TempFolder dir;
    dir.write("Lotto.Dat", draws(5));
    Session s(dir.path());
    ASSERT_TRUE(s.select_game(kLottoSaturday).status);
    SelectOutcome out = s.select_game(kLottoWednesday);
    EXPECT_TRUE(out.draw_file_missing);
    EXPECT_EQ(out.status.message(), "M_LOTTO.DAT ist|nicht im aktuellen|Ordner oder Laufwerk!");
    EXPECT_EQ(s.params.code, kLottoWednesday);
    EXPECT_EQ(s.archive.next_draw(), 0);
    EXPECT_EQ(s.range.last, 0);
}

TEST(DataFolder, BackupsAreRestoredOnlyWhereTheFileIsMissing) {
    TempFolder dir;
    dir.write("Lotto.Dat.kat", {1});
    dir.write("Toto.Dat", {2});
    dir.write("Toto.Dat.kat", {3});
    const auto restored = migrate_backups(dir.path());
    EXPECT_EQ(restored, (std::vector<std::string>{"Lotto.Dat"}));
    EXPECT_EQ(dir.read("Lotto.Dat"), (std::vector<uint8_t>{1}));
    EXPECT_EQ(dir.read("Toto.Dat"), (std::vector<uint8_t>{2}));
    EXPECT_TRUE(std::filesystem::exists(dir / "Toto.Dat.kat"));
}

TEST(DataFolder, SeedingCopiesMissingFilesAndNeverOverwrites) {
    TempFolder shipped, user;
    shipped.write("LOTTO.DAT", {1, 2});
    shipped.write("Swiss.Dat", {3});
    user.write("Lotto.Dat", {9});  // the user's own archive, other spelling
    const auto target = user.path() / "sub";
    std::filesystem::create_directories(target);
    std::filesystem::copy_file(user / "Lotto.Dat", target / "Lotto.Dat");
    const auto copied = seed_data_folder(target, shipped.path());
    EXPECT_EQ(copied, (std::vector<std::string>{"Swiss.Dat"}));
    EXPECT_EQ(user.read("sub/Lotto.Dat"), (std::vector<uint8_t>{9}));
    EXPECT_FALSE(std::filesystem::exists(target / "LOTTO.DAT"));
}

TEST(FileIo, FindsFilesWithoutRegardToCaseAndWritesAtomically) {
    TempFolder dir;
    dir.write("Spiel77Sam.Dat", {1});
    EXPECT_TRUE(find_file(dir.path(), "SPIEL77SAM.DAT"));
    EXPECT_FALSE(find_file(dir.path(), "Spiel77.Dat"));
    EXPECT_EQ(path_for_write(dir.path(), "spiel77sam.dat").filename(), "Spiel77Sam.Dat");
    ASSERT_TRUE(write_file_atomic(dir / "x.bin", std::string_view("abc")));
    EXPECT_EQ(dir.read("x.bin"), (std::vector<uint8_t>{'a', 'b', 'c'}));
    EXPECT_FALSE(write_file_atomic(dir / "no-such-folder" / "x.bin", std::string_view("abc")));
    EXPECT_EQ(get_i16(std::vector<uint8_t>{0xfe, 0xff}.data()), -2);
    std::vector<uint8_t> out;
    put_i32(out, -1004);
    EXPECT_EQ(get_i32(out.data()), -1004);
}

}  // namespace
}  // namespace zw
