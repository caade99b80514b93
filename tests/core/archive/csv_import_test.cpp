#include "archive/csv_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "archive/calendar.h"
#include "session/data_folder.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

// The last `rows` rows of a source CSV of the shipped data, with its header.
std::string csv_tail(const std::string& name, size_t rows) {
    std::ifstream in(std::string(ZIEHWERK_SOURCE_DIR) + "/tools/build_data/source/" + name);
    std::string header, line;
    std::getline(in, header);
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    std::string out = header + "\n";
    for (size_t i = lines.size() > rows ? lines.size() - rows : 0; i < lines.size(); ++i)
        out += lines[i] + "\n";
    return out;
}

int draw_on(GameCode game, const std::string& date) {
    for (int k = 1; k <= kMaxDraws; ++k)
        if (draw_date(game, k).text == date) return k;
    return 0;
}

struct Archive {
    GameParams params;
    DrawArchive archive;
    DrawRange range;
    explicit Archive(GameCode code, int draws = 0) : params(game_params(code)) {
        archive.clear_for(params);
        archive.extend_to(draws);
        range.set(1, draws);
    }
};

TEST(CsvImport, TheShippedSourceRowsReproduceTheShippedArchivesLastDraws) {
    struct Case {
        GameCode game;
        const char* csv;
        const char* file;
    };
    for (const Case c : {Case{kLottoSaturday, "lotto_6aus49_de.csv", "LOTTO.DAT"},
                         Case{kLottoWednesday, "lotto_6aus49_de.csv", "M_LOTTO.DAT"},
                         Case{kLottoBoth, "lotto_6aus49_de.csv", "SM_LOTTO.DAT"},
                         Case{kSwiss, "swiss_lotto_6aus42_2013-.csv", "SWISS.DAT"}}) {
        TempFolder dir;
        seed_data_folder(dir.path(), shipped_data_folder());
        const std::vector<uint8_t> shipped = dir.read(c.file);
        const GameParams p = game_params(c.game);
        // The archive without its last 20 draws.
        std::vector<uint8_t> cut = shipped;
        cut.resize(cut.size() - 20 * static_cast<size_t>(p.record_length()));
        dir.write(c.file, cut);
        DrawArchive a;
        ASSERT_TRUE(a.load_draws(dir.path(), p));
        DrawRange range;
        range.set(1, a.newest());
        CsvDraws csv;
        const Status s = parse_draws_csv(csv_tail(c.csv, 60), p, csv);
        ASSERT_TRUE(s) << s.message();
        const ImportPreview preview = preview_import(a, csv);
        EXPECT_EQ(preview.added.size(), 20u) << c.file;
        EXPECT_TRUE(preview.changed.empty()) << c.file << " " << preview.changed.size();
        ASSERT_TRUE(apply_import(a, csv, range));
        EXPECT_EQ(range.last, a.newest());
        ASSERT_TRUE(a.save_draws(dir.path()));
        EXPECT_EQ(dir.read(c.file), shipped) << c.file;
    }
}

TEST(CsvImport, SemicolonsGermanDatesAndSideGamesWithLeadingZeros) {
    Archive t(kLottoSaturday);
    const int n = [] {
        for (int k = 3000;; ++k)
            if (draw_date(kLottoSaturday, k).text == "22.08.2026") return k;
    }();
    const std::string text =
        "\xEF\xBB\xBF" "Datum;N1;N2;N3;N4;N5;N6;Superzahl;Spiel77;Super6\r\n"
        "22.08.2026;31;7;16;22;28;30;0;0012345;000042\r\n";
    CsvDraws csv;
    ASSERT_TRUE(parse_draws_csv(text, t.params, csv));
    ASSERT_EQ(csv.draws.size(), 1u);
    const CsvDraw& d = csv.draws[0];
    EXPECT_EQ(d.draw, n);
    EXPECT_EQ(d.numbers, (std::array<uint8_t, 6>{7, 16, 22, 28, 30, 31}));
    EXPECT_EQ(d.extra, 10);  // Superzahl 0 is stored as 10
    EXPECT_EQ(d.side, 12345);
    EXPECT_EQ(d.super6, 42);
}

TEST(CsvImport, AMalformedLineIsNamedAndNothingIsImported) {
    const std::string head = "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n";
    const std::string good = "2026-08-19,3,5,6,22,38,40,27\n";
    struct Bad {
        std::string line;
        std::string says;
    };
    for (const Bad& b : std::vector<Bad>{
             {"2026-08-23,1,2,3,4,5,46,7\n", "n6"},
             {"2026-08-23,1,2,3,4,5,5,7\n", "n6"},
             {"2026-08-23,1,2,3,4,5,6,6\n", "zusatzzahl"},
             {"2026-02-30,1,2,3,4,5,6,7\n", "Datum"},
             {"23.8.2026,1,2,3,4,5,6,7\n", "Datum"},
             {"2026-08-23,1,2,3,4,5,6,7,8\n", "mehr Felder"},
             {"2026-08-19,1,2,3,4,5,6,7\n", "schon in Zeile 2"},
             {"2099-01-04,1,2,3,4,5,6,7\n", "letzten möglichen Ziehung"},
         }) {
        Archive t(kAustria, 10);
        CsvDraws csv;
        csv.draws.resize(3);  // what the caller had stays when refused
        const Status s = parse_draws_csv(head + good + b.line, t.params, csv);
        ASSERT_FALSE(s) << b.line;
        EXPECT_NE(s.message().find("Zeile 3: "), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(b.says), std::string::npos) << s.message();
        EXPECT_EQ(csv.draws.size(), 3u);
    }
    Archive t(kLottoSaturday);
    CsvDraws csv;
    const Status s = parse_draws_csv("date,n1,n2,n3,n4,n5\n", t.params, csv);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("\"n6\" fehlt"), std::string::npos);
}

TEST(CsvImport, PreviewCountsNewAndDifferingDrawsAndKeepsUnknownValues) {
    Archive t(kAustria, 2);
    const int first = 1, second = 2;
    auto set = [&](int n, Draw d) { t.archive.set_draw(n, d); };
    set(first, {{1, 20, 22, 24, 27, 40}, 12});
    set(second, {{9, 10, 20, 30, 32, 36}, 25});
    // Draw 1 again, draw 2 with another sixth number and no Zusatzzahl, draw 3 new.
    const std::string text =
        "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n"
        "1986-09-07,1,20,22,24,27,40,12\n"
        "1986-09-14,9,10,20,30,32,35,\n"
        "1986-09-21,2,3,4,5,6,7,8\n"
        "1986-09-17,2,3,4,5,6,7,8\n";  // a Wednesday: no Austrian draw in 1986
    CsvDraws csv;
    ASSERT_TRUE(parse_draws_csv(text, t.params, csv));
    EXPECT_EQ(csv.skipped_lines, std::vector<int>{5});
    const ImportPreview p = preview_import(t.archive, csv);
    EXPECT_EQ(p.added, std::vector<int>{3});
    EXPECT_EQ(p.changed, std::vector<int>{second});
    EXPECT_EQ(p.unchanged, 1);
    EXPECT_EQ(p.summary(), "1 neue Ziehungen, 1 abweichende");
    ASSERT_TRUE(apply_import(t.archive, csv, t.range));
    EXPECT_EQ(t.archive.newest(), 3);
    EXPECT_EQ(t.archive.draw(second).numbers[5], 35);
    EXPECT_EQ(t.archive.draw(second).extra, 25);  // not in the file: kept
    EXPECT_FALSE(t.archive.saved());
    EXPECT_EQ(static_cast<int>(t.archive.combined().size()), 4);  // three draws and the next one
}

TEST(CsvImport, ARowFarPastTheNewestDrawIsRefusedUnlessAllowed) {
    const int newest = draw_on(kLottoSaturday, "22.08.2026");
    Archive t(kLottoSaturday, newest);
    const std::string head = "date,n1,n2,n3,n4,n5,n6\n";
    // A whole missing year, week by week, is no gap: each row follows the one before.
    std::string year = head;
    for (int n = newest + 1; n <= newest + 52; ++n) {
        const CivilDate d = draw_date(kLottoSaturday, n).date;
        year += std::to_string(d.year) + "-" + (d.month < 10 ? "0" : "") + std::to_string(d.month) + "-" +
                (d.day < 10 ? "0" : "") + std::to_string(d.day) + ",1,2,3,4,5,6\n";
    }
    CsvDraws csv;
    ASSERT_TRUE(parse_draws_csv(year, t.params, csv));
    EXPECT_FALSE(preview_import(t.archive, csv).gap);

    // Four weeks on is still taken; a typo in the year is not.
    ASSERT_TRUE(parse_draws_csv(head + "2026-09-19,1,2,3,4,5,6\n2039-01-01,1,2,3,4,5,6\n", t.params, csv));
    const ImportPreview p = preview_import(t.archive, csv);
    ASSERT_TRUE(p.gap);
    EXPECT_EQ(p.gap->line, 3);
    EXPECT_EQ(p.gap->text(kLottoSaturday),
              "Die Zeile 3 vom 01.01.2039 liegt 641 Ziehungen nach der neuesten Ziehung (19.09.2026).|"
              "Dazwischen blieben 640 Ziehungen leer.");
    const Status refused = apply_import(t.archive, csv, t.range);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.message().find("Es wurde nichts importiert."), std::string::npos);
    EXPECT_EQ(t.archive.newest(), newest);
    EXPECT_EQ(t.range.last, newest);
    ASSERT_TRUE(apply_import(t.archive, csv, t.range, GapPolicy::kAllow));
    EXPECT_EQ(t.archive.newest(), newest + 645);

    // Five weeks after the newest draw is already a question.
    Archive u(kLottoSaturday, newest);
    ASSERT_TRUE(parse_draws_csv(head + "2026-09-26,1,2,3,4,5,6\n", u.params, csv));
    EXPECT_TRUE(preview_import(u.archive, csv).gap);
}

TEST(CsvImport, TwoWednesdayDrawsOfOneDateGoToADrawAndBDraw) {
    Archive t(kLottoWednesday);
    const std::string text =
        "date,draw,n1,n2,n3,n4,n5,n6\n"
        "1986-06-04,B,1,2,3,4,5,6\n"
        "1986-06-04,A,7,8,9,10,11,12\n"
        "1986-06-11,,13,14,15,16,17,18\n"
        "1986-06-11,,19,20,21,22,23,24\n";
    CsvDraws csv;
    ASSERT_TRUE(parse_draws_csv(text, t.params, csv));
    ASSERT_EQ(csv.draws.size(), 4u);
    EXPECT_EQ(csv.draws[0].draw, 2);
    EXPECT_EQ(csv.draws[1].draw, 1);
    EXPECT_EQ(csv.draws[2].draw, 3);
    EXPECT_EQ(csv.draws[3].draw, 4);
}

}  // namespace
}  // namespace zw
