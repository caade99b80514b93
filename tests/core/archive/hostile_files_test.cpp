// Damaged and hostile draw archives: bad records, trailing bytes, two
// spellings of one file, empty and oversized side files.
#include <gtest/gtest.h>

#include "archive/draw_archive.h"
#include "archive/draw_files.h"
#include "games/capacity.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

std::vector<uint8_t> draw_file(const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> out = {126, 126, 0, 0};
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

std::vector<uint8_t> side_file(const std::vector<int32_t>& values) {
    std::vector<uint8_t> out;
    put_i16(out, static_cast<int16_t>(values.size()));
    for (int32_t v : values) put_i32(out, v);
    return out;
}

bool mentions(const std::vector<std::string>& warnings, const std::string& part) {
    for (const auto& w : warnings)
        if (w.find(part) != std::string::npos) return true;
    return false;
}

TEST(HostileDrawFile, InvalidRecordsAreReportedByDrawNumberAndEmptied) {
    const GameParams p = game_params(kLottoSaturday);
    const auto bytes = draw_file({{1, 2, 3, 4, 5, 6, 7},
                                  {255, 200, 3, 4, 5, 6, 7},  // numbers beyond 49
                                  {1, 1, 3, 4, 5, 6, 7},      // a number twice
                                  {1, 2, 3, 4, 5, 6, 50},     // Zusatzzahl beyond 49
                                  {0, 0, 0, 0, 0, 0, 0},      // not entered: stays empty, silently
                                  {1, 2, 3, 4, 5, 6, 0}});    // no Zusatzzahl known: a draw
    DrawFileContents out;
    std::vector<std::string> warnings;
    ASSERT_TRUE(decode_draw_file(bytes, p, "LOTTO.DAT", out, &warnings));
    EXPECT_EQ(out.records, 6);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Die Ziehungen 2 bis 4 haben"), std::string::npos);
    for (int n : {2, 3, 4, 5})
        EXPECT_TRUE(is_empty_record(std::span(out.table).subspan((n - 1) * 7, 7))) << n;
    EXPECT_EQ(out.table[0], 1);
    EXPECT_EQ(out.table[5 * 7 + 5], 6);
}

TEST(HostileDrawFile, ExtraNumberRangeDependsOnGameAndDraw) {
    const GameParams sat = game_params(kLottoSaturday);
    const std::vector<uint8_t> super10 = {1, 2, 3, 4, 5, 6, 10}, super11 = {1, 2, 3, 4, 5, 7, 11};
    EXPECT_TRUE(is_valid_record(sat, 1887, super10));    // Superzahl 0
    EXPECT_FALSE(is_valid_record(sat, 1887, super11));   // no Superzahl 11
    EXPECT_TRUE(is_valid_record(sat, 1886, super11));    // Zusatzzahl 11
    const GameParams swiss = game_params(kSwiss);
    EXPECT_TRUE(is_valid_record(swiss, 3074, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 6, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 3074, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 0}));
    EXPECT_TRUE(is_valid_record(swiss, 3073, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 42, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 3073, std::vector<uint8_t>{1, 2, 3, 4, 5, 46, 7, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 3073, std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 200}));
    const GameParams toto = game_params(kToto);
    EXPECT_FALSE(is_valid_record(toto, 5, std::vector<uint8_t>{1, 2, 3, 4, 5, 46, 7}));
}

TEST(HostileDrawFile, ManyBadRecordsGiveOneMessage) {
    std::vector<std::vector<uint8_t>> records(40, std::vector<uint8_t>(7, 99));
    DrawFileContents out;
    std::vector<std::string> warnings;
    ASSERT_TRUE(decode_draw_file(draw_file(records), game_params(kToto), "TOTO.DAT", out, &warnings));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Die Ziehungen 1 bis 40 haben"), std::string::npos);
}

// A trailing partial record is left out with the same message for every
// length, and only whole records beyond the capacity refuse the file.
TEST(HostileDrawFile, TrailingBytesAtCapacityAreHandledOneWay) {
    for (GameCode code : {kLottoSaturday, kSwiss}) {
        const GameParams p = game_params(code);
        const size_t length = static_cast<size_t>(p.record_length());
        std::vector<uint8_t> full(kDrawHeaderBytes + p.capacity() * length, 0);
        for (size_t extra = 1; extra < length; ++extra) {
            auto bytes = full;
            bytes.resize(bytes.size() + extra, 1);
            DrawFileContents out;
            std::vector<std::string> warnings;
            ASSERT_TRUE(decode_draw_file(bytes, p, "X.DAT", out, &warnings)) << code << " " << extra;
            EXPECT_EQ(out.records, p.capacity());
            ASSERT_EQ(warnings.size(), 1u);
            EXPECT_NE(warnings[0].find("unvollständigen Datensatz (" + std::to_string(extra) + " von"),
                      std::string::npos);
        }
        auto over = full;
        over.resize(over.size() + length, 0);
        DrawFileContents out;
        Status s = decode_draw_file(over, p, "X.DAT", out, nullptr);
        ASSERT_FALSE(s);
        EXPECT_NE(s.message().find("mehr als " + std::to_string(p.capacity())), std::string::npos);
    }
}

TEST(HostileDrawFile, FilesAtCapacityPlusTrailingBytesLoadFromTheFolder) {
    TempFolder dir;
    std::vector<uint8_t> bytes(kDrawHeaderBytes + kMaxDraws * 7 + 3, 0);
    dir.write("Toto.Dat", bytes);
    DrawArchive a;
    std::vector<std::string> warnings;
    ASSERT_TRUE(a.load_draws(dir.path(), game_params(kToto), &warnings));
    EXPECT_EQ(a.draw_count(), kMaxDraws);
    EXPECT_TRUE(mentions(warnings, "unvollständigen Datensatz"));
    bytes.resize(kDrawHeaderBytes + kMaxDraws * 7 + 7);
    dir.write("Toto.Dat", bytes);
    EXPECT_FALSE(a.load_draws(dir.path(), game_params(kToto)));
}

TEST(HostileSideFile, NumbersOfTheWrongDigitCountAreEmptied) {
    std::vector<int32_t> table(kMaxSideEntries, -1);
    std::vector<std::string> warnings;
    const int count = decode_side_file(side_file({1234567, 1192921769, -5, 9999999, -1}),
                                       "Joker.Dat", 6, -108, table, &warnings);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(table[0], -1);  // seven digits are no Joker
    EXPECT_EQ(table[1], -1);
    EXPECT_EQ(table[2], -1);
    EXPECT_EQ(table[3], -1);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Die Ziehungen 108 bis 111 "), std::string::npos);  // entry 0 = draw 108
    table.assign(kMaxSideEntries, -1);
    EXPECT_EQ(decode_side_file(side_file({1234567}), "Spiel77Sam.Dat", 7, -1004, table, nullptr), 1);
    EXPECT_EQ(table[0], 1234567);
}

TEST(HostileLottoPlus, EmptyFileAndDamagedRecords) {
    std::vector<uint8_t> plus(static_cast<size_t>(kMaxLottoPlus) * 6, 0);
    EXPECT_EQ(decode_lotto_plus({}, "OP_Lotto.Dat", plus, nullptr), 0);
    std::vector<std::string> warnings;
    const std::vector<uint8_t> bytes = {1, 2, 3, 4, 5, 6, 255, 2, 3, 4, 5, 6, 7, 7, 8, 9, 10, 11};
    EXPECT_EQ(decode_lotto_plus(bytes, "OP_Lotto.Dat", plus, &warnings), 3);
    EXPECT_EQ(plus[0], 1);
    EXPECT_EQ(plus[6], 0);   // numbers beyond 45
    EXPECT_EQ(plus[12], 0);  // a number twice
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Die Ziehungen 2669 und 2670 "), std::string::npos);
}

TEST(HostileFolder, TwoSpellingsLoadAndSaveTheSameFile) {
    TempFolder dir;
    dir.write("Lotto.Dat", draw_file(std::vector<std::vector<uint8_t>>(50, {1, 2, 3, 4, 5, 6, 7})));
    dir.write("LOTTO.DAT", draw_file(std::vector<std::vector<uint8_t>>(11, {1, 2, 3, 4, 5, 6, 7})));
    DrawArchive a;
    std::vector<std::string> warnings;
    ASSERT_TRUE(a.load_draws(dir.path(), game_params(kLottoSaturday), &warnings));
    ASSERT_TRUE(mentions(warnings, "LOTTO.DAT und Lotto.Dat") ||
                mentions(warnings, "Lotto.Dat und LOTTO.DAT"));
    EXPECT_TRUE(mentions(warnings, "Gelesen und gespeichert wird Lotto.Dat"));
    const int loaded = a.draw_count();
    ASSERT_TRUE(a.extend_to(loaded + 1));
    ASSERT_TRUE(a.save_draws(dir.path()));
    DrawArchive b;
    ASSERT_TRUE(b.load_draws(dir.path(), game_params(kLottoSaturday)));
    EXPECT_EQ(b.draw_count(), loaded + 1);
    EXPECT_EQ(dir.read("LOTTO.DAT").size(), 4u + 11 * 7);  // the other spelling is left alone
}

TEST(HostileFolder, NewDrawFileIsWrittenInCapitals) {
    TempFolder dir;
    DrawArchive a;
    a.clear_for(game_params(kLottoWednesday));
    ASSERT_TRUE(a.save_draws(dir.path()));
    EXPECT_TRUE(std::filesystem::exists(dir / "M_LOTTO.DAT"));
}

}  // namespace
}  // namespace zw
