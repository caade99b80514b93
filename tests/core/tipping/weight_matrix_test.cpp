#include "tipping/weight_matrix.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "session/session.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

std::vector<uint8_t> file_with(int cell, GameCode game, int16_t value) {
    std::vector<uint8_t> bytes(kMatrixFileSize, 0);
    const size_t at = static_cast<size_t>((cell * kMatrixGames + game) * 2);
    bytes[at] = static_cast<uint8_t>(static_cast<uint16_t>(value) & 0xff);
    bytes[at + 1] = static_cast<uint8_t>(static_cast<uint16_t>(value) >> 8);
    return bytes;
}

TEST(WeightMatrixFile, LayoutIsNumberMajorInt16) {
    WeightMatrix m;
    m.set_weight(1, kLottoSaturday, 3);
    m.set_weight(49, kSwiss, 2);
    const auto bytes = encode_weight_matrix(m);
    ASSERT_EQ(bytes.size(), 600u);
    EXPECT_EQ(get_i16(&bytes[(1 * 6 + 0) * 2]), 3);
    EXPECT_EQ(get_i16(&bytes[(49 * 6 + 5) * 2]), 2);
    WeightMatrix back;
    ASSERT_TRUE(decode_weight_matrix(bytes, back));
    EXPECT_EQ(back, m);
}

TEST(WeightMatrixFile, HostileFilesNeverBreakTheWeightRange) {
    WeightMatrix before;
    before.set_weight(7, kAustria, 2);
    for (size_t size : {0u, 1u, 599u, 601u, 1200u}) {
        WeightMatrix m = before;
        const Status s = decode_weight_matrix(std::vector<uint8_t>(size, 1), m);
        ASSERT_FALSE(s) << size;
        EXPECT_NE(s.message().find("matrix.par"), std::string::npos);
        EXPECT_NE(s.message().find(std::to_string(size) + " statt 600"), std::string::npos);
        EXPECT_EQ(m, before);
    }
    // Values outside 0..3 read as 0, the others as they are.
    for (int16_t v : {int16_t{4}, int16_t{-1}, int16_t{-32768}, int16_t{32767}, int16_t{256}}) {
        std::vector<uint8_t> bytes = file_with(10, kToto, v);
        bytes[(11 * 6 + 2) * 2] = 3;
        WeightMatrix m = before;
        ASSERT_TRUE(decode_weight_matrix(bytes, m));
        EXPECT_EQ(m.weight(10, kToto), 0) << v;
        EXPECT_EQ(m.weight(11, kToto), 3);
        EXPECT_EQ(m.weight(7, kAustria), 0);  // the file replaces every game
    }
    WeightMatrix m;
    m.set_weight(5, kLottoSaturday, 9);
    m.set_weight(50, kLottoSaturday, 1);
    // A code no game has (the type admits any 16-bit value).
    const auto no_game = static_cast<GameCode>(kGameCount);
    m.set_weight(5, no_game, 1);
    EXPECT_EQ(m, WeightMatrix{});
    EXPECT_EQ(m.weight(-1, kLottoSaturday) + m.weight(50, kLottoSaturday) + m.weight(1, static_cast<GameCode>(-1)) +
                  m.weight(1, no_game), 0);
}

TEST(WeightMatrix, FourStepsReturnACellAndInvertStepsEveryShownCellOnce) {
    WeightMatrix m;
    m.set_weight(12, kLottoSaturday, 2);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        m.step(12, kLottoSaturday);
        seen.push_back(m.weight(12, kLottoSaturday));
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 0, 1, 2}));

    // Swiss: numbers 1..42 and the Glückszahl cells 43..48 once each; 49 stays.
    WeightMatrix s;
    s.set_weight(43, kSwiss, 1);
    s.set_weight(48, kSwiss, 3);
    s.invert(game_params(kSwiss));
    EXPECT_EQ(s.weight(1, kSwiss), 1);
    EXPECT_EQ(s.weight(42, kSwiss), 1);
    EXPECT_EQ(s.weight(43, kSwiss), 2);
    EXPECT_EQ(s.weight(48, kSwiss), 0);
    EXPECT_EQ(s.weight(49, kSwiss), 0);
    EXPECT_EQ(s.weight(0, kSwiss), 0);
    EXPECT_EQ(s.weight(1, kAustria), 0);  // other games untouched

    WeightMatrix a;
    a.invert(game_params(kAustria));
    EXPECT_EQ(a.weight(45, kAustria), 1);
    EXPECT_EQ(a.weight(46, kAustria), 0);
    a.set_weight(3, kToto, 2);
    a.clear_game(kAustria);
    EXPECT_EQ(a.weight(45, kAustria), 0);
    EXPECT_EQ(a.weight(3, kToto), 2);
}

TEST(WeightMatrixFile, SavingKeepsTheStoredWeightsOfOtherGames) {
    TempFolder dir;
    WeightMatrix stored;
    stored.set_weight(4, kAustria, 3);
    stored.set_weight(4, kLottoSaturday, 1);
    stored.set_weight(0, kLottoSaturday, 2);  // cell 0 is carried through
    dir.write("Matrix.Par", encode_weight_matrix(stored));

    WeightMatrix memory;
    memory.set_weight(9, kLottoSaturday, 2);
    memory.set_weight(4, kAustria, 1);  // an unsaved change of another game
    ASSERT_TRUE(save_game_weights(dir.path(), memory, kLottoSaturday));

    WeightMatrix back;
    bool found = false;
    ASSERT_TRUE(load_weight_matrix(dir.path(), back, &found));
    EXPECT_TRUE(found);
    EXPECT_EQ(back.weight(9, kLottoSaturday), 2);
    EXPECT_EQ(back.weight(4, kLottoSaturday), 0);  // this game's weights replace the stored ones
    EXPECT_EQ(back.weight(0, kLottoSaturday), 2);
    EXPECT_EQ(back.weight(4, kAustria), 3);
    EXPECT_EQ(memory, back);  // memory holds what was written
    EXPECT_FALSE(fs::exists(dir / "matrix.par"));  // the existing spelling was replaced

    // No stored file: saving creates it; a damaged one gives way to memory.
    TempFolder fresh;
    WeightMatrix only;
    only.set_weight(1, kSwiss, 3);
    ASSERT_TRUE(save_game_weights(fresh.path(), only, kSwiss));
    EXPECT_EQ(fresh.read("matrix.par").size(), 600u);
    fresh.write("matrix.par", std::vector<uint8_t>(10, 0));
    only.set_weight(2, kToto, 1);
    ASSERT_TRUE(save_game_weights(fresh.path(), only, kSwiss));
    ASSERT_TRUE(load_weight_matrix(fresh.path(), back));
    EXPECT_EQ(back, only);
}

TEST(WeightMatrixFile, FailedSaveSaysSoAndKeepsMemory) {
    TempFolder dir;
    WeightMatrix m;
    m.set_weight(3, kLottoSaturday, 3);
    const WeightMatrix before = m;
    const Status s = save_game_weights(dir / "missing-folder", m, kLottoSaturday);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message().rfind("Die Gewichtungs-Matrix konnte nicht gesichert werden.", 0), 0u);
    EXPECT_EQ(m, before);
}

TEST(WeightMatrixFile, StartUpReadsTheMatrixOrWarns) {
    TempFolder dir;
    Session missing(dir.path());
    EXPECT_TRUE(missing.start_up().empty());
    EXPECT_EQ(missing.weights, WeightMatrix{});

    dir.write("matrix.par", file_with(17, kLottoBoth, 3));
    Session loaded(dir.path());
    EXPECT_TRUE(loaded.start_up().empty());
    EXPECT_EQ(loaded.weights.weight(17, kLottoBoth), 3);

    dir.write("matrix.par", std::vector<uint8_t>(300, 0));
    Session refused(dir.path());
    const auto messages = refused.start_up();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("300 statt 600"), std::string::npos);
    EXPECT_EQ(refused.weights, WeightMatrix{});
}

}  // namespace
}  // namespace zw
