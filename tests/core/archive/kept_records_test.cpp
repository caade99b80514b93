// Records judged by the rules of their own draw, records that cannot be used
// kept as read, and saves that must not replace files the archive never read.
#include <gtest/gtest.h>

#include "archive/bonus_editor.h"
#include "archive/bundle.h"
#include "archive/calendar.h"
#include "archive/draw_archive.h"
#include "archive/draw_files.h"
#include "cli_runner.h"
#include "games/draw_rules.h"
#include "session/session.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::run_cli;
using test::TempFolder;
using Bytes = std::vector<uint8_t>;

Bytes draw_file(const std::vector<Bytes>& records) {
    Bytes out = {126, 126, 0, 0};
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

Bytes side_file(const std::vector<int32_t>& values) {
    Bytes out;
    put_i16(out, static_cast<int16_t>(values.size()));
    for (int32_t v : values) put_i32(out, v);
    return out;
}

// A Swiss archive as the old rules filled it: 6 of 45 with a Zusatzzahl up
// to 3073 (plus numbers from 2685), then 6 of 42 with the Glückszahl.
std::vector<Bytes> swiss_history(int draws) {
    std::vector<Bytes> out;
    for (int n = 1; n <= draws; ++n) {
        if (n < kSwissLuckyStart)
            out.push_back({1, 2, 3, 43, 44, 45, 40, static_cast<uint8_t>(n >= kSwissPlusFirst ? 45 : 0)});
        else
            out.push_back({1, 2, 3, 40, 41, 42, 6, 0});
    }
    return out;
}

TEST(DrawRules, EachRecordIsJudgedByTheRulesOfItsDraw) {
    const GameParams swiss = game_params(kSwiss);
    EXPECT_TRUE(is_valid_record(swiss, 1, Bytes{40, 41, 42, 43, 44, 45, 39, 0}));
    EXPECT_TRUE(is_valid_record(swiss, 3073, Bytes{1, 2, 3, 4, 5, 45, 44, 45}));
    EXPECT_FALSE(is_valid_record(swiss, 3073, Bytes{1, 2, 3, 4, 5, 46, 7, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 3073, Bytes{1, 2, 3, 4, 5, 6, 46, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 2685, Bytes{1, 2, 3, 4, 5, 6, 7, 46}));  // plus number
    EXPECT_TRUE(is_valid_record(swiss, 2684, Bytes{1, 2, 3, 4, 5, 6, 7, 200}));  // byte 7 not read
    EXPECT_FALSE(is_valid_record(swiss, 3074, Bytes{1, 2, 3, 4, 5, 43, 6, 0}));
    EXPECT_FALSE(is_valid_record(swiss, 3074, Bytes{1, 2, 3, 4, 5, 6, 7, 0}));
    for (auto [code, start] : {std::pair{kLottoSaturday, 1887}, std::pair{kLottoWednesday, 993},
                               std::pair{kLottoBoth, 2463}}) {
        const GameParams p = game_params(code);
        EXPECT_TRUE(is_valid_record(p, start - 1, Bytes{1, 2, 3, 4, 5, 49, 48})) << code;
        EXPECT_FALSE(is_valid_record(p, start, Bytes{1, 2, 3, 4, 5, 49, 11})) << code;
        EXPECT_TRUE(is_valid_record(p, start, Bytes{1, 2, 3, 4, 5, 49, 10})) << code;
    }
    for (GameCode code : {kToto, kAustria}) {
        EXPECT_TRUE(is_valid_record(game_params(code), 9, Bytes{1, 2, 3, 4, 5, 45, 44}));
        EXPECT_FALSE(is_valid_record(game_params(code), 9, Bytes{1, 2, 3, 4, 5, 45, 46}));
    }
}

TEST(DrawRules, SwissHistoryLoadsWholeAndSurvivesANewDraw) {
    TempFolder dir;
    const Bytes file = draw_file(swiss_history(3100));
    dir.write("SWISS.DAT", file);
    DrawArchive a;
    std::vector<std::string> warnings;
    ASSERT_TRUE(a.load_draws(dir.path(), game_params(kSwiss), &warnings));
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_TRUE(a.set_aside().empty());
    EXPECT_EQ(a.draw(1).numbers[5], 45);
    ASSERT_TRUE(a.extend_to(3101));
    const Bytes next = {4, 5, 6, 7, 8, 9, 2, 0};
    a.set_draw(3101, decode_record(next));
    ASSERT_TRUE(a.save_draws(dir.path()));
    Bytes expected = file;
    expected.insert(expected.end(), next.begin(), next.end());
    EXPECT_EQ(dir.read("SWISS.DAT"), expected);
    // The update bundle takes the same history.
    EXPECT_TRUE(check_bundle_file(5, expected));
}

TEST(DrawRules, EveryDrawStoredBackAsReadKeepsTheFileByteForByte) {
    // Swiss byte 7: kept as stored where it is not read, the plus number
    // from 2685, 0 with the Glückszahl. German: Zusatzzahl 10 before the
    // Superzahl start, Superzahl 0 (stored 10) from it; one record set aside.
    std::vector<Bytes> swiss = swiss_history(kSwissLuckyStart + 5);
    swiss[99][7] = 200;
    std::vector<Bytes> german(1890, Bytes{1, 2, 3, 4, 5, 49, 10});
    german[1887][6] = 3;
    german[1880] = {1, 1, 3, 4, 5, 49, 7};
    for (const auto& [code, records] : {std::pair{kSwiss, swiss}, std::pair{kLottoSaturday, german}}) {
        TempFolder dir;
        const GameParams p = game_params(code);
        const Bytes file = draw_file(records);
        dir.write(std::string(p.info().draw_file), file);
        DrawArchive a;
        ASSERT_TRUE(a.load_draws(dir.path(), p));
        for (int n = 1; n <= a.newest(); ++n) a.set_draw(n, a.draw(n));
        a.set_saved(false);
        ASSERT_TRUE(a.save_draws(dir.path(), true));
        EXPECT_EQ(dir.read(std::string(p.info().draw_file)), file) << code;
    }
}

TEST(DrawRules, ShippedDrawFilesSetNothingAside) {
    const std::filesystem::path data = std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data";
    for (GameCode code : kGames) {
        const GameParams p = game_params(code);
        if (!find_file(data, p.info().draw_file)) continue;
        DrawArchive a;
        std::vector<std::string> warnings;
        ASSERT_TRUE(a.load_draws(data, p, &warnings)) << code;
        EXPECT_TRUE(a.set_aside().empty()) << code << ": " << a.set_aside().begin()->first;
    }
}

TEST(KeptRecords, RecordsSetAsideAreNamedOnceAndWrittenBackAsRead) {
    TempFolder dir;
    std::vector<Bytes> records(14, Bytes{1, 2, 3, 4, 5, 6, 7});
    for (int n : {2, 5, 6, 7, 8, 9, 12}) records[static_cast<size_t>(n - 1)] = {1, 1, 3, 4, 5, 60, 7};
    records[11] = {200, 2, 3, 4, 5, 6, 7};
    const Bytes file = draw_file(records);
    dir.write("LOTTO.DAT", file);
    dir.write("Spiel77Sam.Dat", side_file({1234567, 1192921769, -1}));
    DrawArchive a;
    std::vector<std::string> warnings;
    ASSERT_TRUE(a.load_draws(dir.path(), game_params(kLottoSaturday), &warnings));
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "Die Datei LOTTO.DAT: Die Ziehungen 2, 5 bis 9 und 12 haben ungültige Zahlen; sie werden "
              "bei Auswertungen übergangen und unverändert gespeichert.");
    EXPECT_NE(warnings[1].find("Die Ziehung 1005 hat keine 7-stellige Zahl"), std::string::npos);
    EXPECT_EQ(a.set_aside().size(), 7u);
    EXPECT_TRUE(a.draw(5).empty());      // empty for every computation
    EXPECT_EQ(a.side_number(1005), -1);  // likewise

    // A new draw, and draw 6 entered anew: the new record wins, the rest goes back as read.
    ASSERT_TRUE(a.extend_to(15));
    a.set_draw(15, Draw{{9, 9, 9, 9, 9, 9}, 9});
    const Bytes six = {7, 8, 9, 10, 11, 12, 3};
    a.set_draw(6, decode_record(six));
    ASSERT_TRUE(a.save_draws(dir.path()));
    Bytes expected = file;
    std::copy(six.begin(), six.end(), expected.begin() + 4 + 5 * 7);
    expected.insert(expected.end(), 7, uint8_t{9});
    EXPECT_EQ(dir.read("LOTTO.DAT"), expected);
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({1234567, 1192921769, -1}));
    ASSERT_TRUE(a.set_side_number(1005, 7654321));
    ASSERT_TRUE(a.save_draws(dir.path()));
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({1234567, 7654321, -1}));
}

TEST(KeptRecords, ManyRecordsSetAsideGiveOneShortMessage) {
    std::vector<Bytes> records(4000, Bytes{1, 2, 3, 4, 5, 6, 7});
    for (size_t i = 0; i < records.size(); i += 2) records[i] = {99, 99, 99, 99, 99, 99, 99};
    DrawFileContents out;
    std::vector<std::string> warnings;
    ASSERT_TRUE(decode_draw_file(draw_file(records), game_params(kToto), "TOTO.DAT", out, &warnings));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_LT(warnings[0].size(), 400u);
    EXPECT_NE(warnings[0].find("und 1976 weitere haben"), std::string::npos);
    EXPECT_EQ(out.set_aside.size(), 2000u);
}

TEST(KeptRecords, RefusedLottoPlusAndBonusLinesStay) {
    TempFolder dir;
    dir.write("O_LOTTO.DAT", draw_file(std::vector<Bytes>(2670, Bytes{1, 2, 3, 4, 5, 6, 7})));
    const Bytes plus = {1, 2, 3, 4, 5, 6, 255, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    dir.write("OP_Lotto.Dat", plus);
    const std::string good = "05.01.2021,1,2,3,4,5,6,7,0,0,0,0,0,0,123456\n";
    const std::string bad = "06.01.2021,1,2,3,4,5,99,7,0,0,0,0,0,0,123456";
    dir.write_text("OB_Lotto.Dat", good + bad + "\n");
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), game_params(kAustria)));
    EXPECT_EQ(a.lotto_plus(2669)[0], 0);
    ASSERT_TRUE(a.extend_to(2671));
    ASSERT_TRUE(a.save_draws(dir.path()));
    EXPECT_EQ(dir.read("OP_Lotto.Dat"), plus);
    ASSERT_TRUE(save_bonus_file(dir.path(), a.bonus_draws()));
    const Bytes text = dir.read("OB_Lotto.Dat");
    const std::string saved(text.begin(), text.end());
    EXPECT_NE(saved.find(bad + "\n"), std::string::npos) << saved;
    EXPECT_EQ(parse_bonus_draws(saved).draws.size(), 1u);
}

// --- saves after a failed load

struct GermanFolder {
    TempFolder dir;
    Bytes spiel77 = side_file({1234567, 2345678, 3456789});
    Bytes super6 = side_file({123456, 234567});
    GermanFolder() {
        dir.write("Spiel77Sam.Dat", spiel77);
        dir.write("Super6Sam.Dat", super6);
    }
    void expect_side_files_kept() const {
        EXPECT_EQ(dir.read("Spiel77Sam.Dat"), spiel77);
        EXPECT_EQ(dir.read("Super6Sam.Dat"), super6);
    }
};

TEST(UnreadFiles, SavingAfterARefusedDrawFileReplacesNothing) {
    for (const Bytes& refused : {Bytes{}, Bytes(4 + 7 * 8001, 1)}) {
        GermanFolder f;
        f.dir.write("LOTTO.DAT", refused);
        Session s(f.dir.path());
        s.start_up();
        ASSERT_FALSE(s.select_game(kLottoSaturday).status);
        const Status saved = s.save_draws();
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.message(), "Die Datei LOTTO.DAT konnte nicht geladen werden und wird nicht überschrieben.");
        EXPECT_FALSE(s.save_draws({.replace_unread = true}));  // nothing entered: not even on a yes
        EXPECT_EQ(f.dir.read("LOTTO.DAT"), refused);
        f.expect_side_files_kept();
    }
}

TEST(UnreadFiles, EnteredDrawsReplaceAnUnreadFileOnlyWhenConfirmed) {
    GermanFolder f;
    f.dir.write("LOTTO.DAT", Bytes{});
    Session s(f.dir.path());
    ASSERT_FALSE(s.select_game(kLottoSaturday).status);
    ASSERT_TRUE(s.archive.extend_to(1));
    s.archive.set_draw(1, Draw{{1, 1, 1, 1, 1, 1}});
    const auto check = s.archive.check_save(f.dir.path());
    EXPECT_TRUE(check.refusal.empty());
    ASSERT_EQ(check.replaced.size(), 3u);
    EXPECT_NE(check.replaced[0].find("LOTTO.DAT konnte nicht geladen werden; sie wird durch"), std::string::npos);
    EXPECT_EQ(check.replaced[1], "Die Datei Spiel77Sam.Dat enthält 3 Einträge; gespeichert würden nur 0.");
    EXPECT_FALSE(s.save_draws());
    EXPECT_TRUE(f.dir.read("LOTTO.DAT").empty());
    f.expect_side_files_kept();
    ASSERT_TRUE(s.save_draws({.replace_unread = true}));
    EXPECT_EQ(f.dir.read("LOTTO.DAT").size(), 4u + 7);
}

TEST(UnreadFiles, MissingDrawFileDoesNotEmptyTheSideFiles) {
    GermanFolder f;
    Session s(f.dir.path());
    ASSERT_TRUE(s.select_game(kLottoSaturday).draw_file_missing);
    EXPECT_FALSE(s.save_draws());
    f.expect_side_files_kept();
    // A side file that could not be read is named as such.
    f.dir.write("Spiel77Sam.Dat", Bytes{0xff, 0x7f, 1});
    const auto check = s.archive.check_save(f.dir.path());
    ASSERT_FALSE(check.replaced.empty());
    EXPECT_NE(check.replaced[0].find("Spiel77Sam.Dat konnte nicht gelesen werden"), std::string::npos);
}

TEST(UnreadFiles, CommandLineImportRefusesToEmptyTheSideFiles) {
    GermanFolder f;
    f.dir.write_text("neu.csv", "date;n1;n2;n3;n4;n5;n6\n" + draw_date(kLottoSaturday, 1).text + ";1;2;3;4;5;6\n");
    const CliRun r = run_cli({"--data", f.dir.path().string(), "--game", "0", "import-draws",
                              (f.dir / "neu.csv").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Spiel77Sam.Dat enthält 3 Einträge"), std::string::npos) << r.err;
    f.expect_side_files_kept();
}

}  // namespace
}  // namespace zw
