#include <gtest/gtest.h>

#include "archive/calendar.h"
#include "archive/csv_sources.h"
#include "archive/draw_update.h"
#include "source_fixtures.h"

namespace zw {
namespace {

using test::OutdatedFolder;
using test::source_fixture;

TEST(SourceCsv, ReadsQuotedFieldsTheThreeDateFormsBomAndCrlf) {
    const std::string text =
        "\xEF\xBB\xBF" "date,n1,n2,n3,n4,n5,n6,superzahl\r\n"
        "\"2026-08-19\",\"9\",1,2,3,4,5,0\r\n"
        "\r\n"
        "22.08.2026,1,2,3,4,5,6,\"7\"\r\n"
        "26-08-2026,44,43,42,41,40,49,\r\n";
    std::vector<SourceRow> rows;
    ASSERT_TRUE(parse_source_csv(text, SourceKind::kGermanLotto, rows).ok());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].key, 20260819);
    EXPECT_EQ(rows[0].numbers, (std::array<uint8_t, 6>{1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(rows[0].extra, 0);
    EXPECT_EQ(rows[1].key, 20260822);
    EXPECT_EQ(rows[1].extra, 7);
    EXPECT_EQ(rows[2].key, 20260826);
    EXPECT_EQ(rows[2].line, 5);
    EXPECT_EQ(rows[2].extra, -1);

    // Separators, doubled quotes and line breaks inside quotes belong to the field.
    std::vector<CsvRecord> records;
    int bad = 0;
    ASSERT_TRUE(split_csv_records("a,\"b,c\";\"d \"\"e\"\"\"\n\"f\ng\",h\n", ';', records, bad));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a,\"b,c\"", "d \"e\""}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"f\ng,h"}));
    EXPECT_FALSE(split_csv_records("a,\"b\n", ',', records, bad));
    EXPECT_EQ(bad, 1);
}

TEST(SourceCsv, RefusesTheWholeFileForOneBadOrCutOffRow) {
    const std::string head = "date,n1,n2,n3,n4,n5,n6,superzahl\n";
    const std::string good = "2026-08-19,1,2,3,4,5,6,3\n";
    std::vector<SourceRow> rows{SourceRow{}};
    for (const std::string bad : {"2026-08-22,1,2,3,4,5,5,1\n", "2026-08-22,1,2,3,4,5,50,1\n",
                                  "2026-08-22,1,2,3,4,5,6,10\n", "2026-02-30,1,2,3,4,5,6,1\n",
                                  "2026-08-22,1,2,3,4,5,6\n", "2026-08-19,1,2,3,4,5,7,1\n",
                                  // cut off in the middle of the last row
                                  "2026-08-22,1,2,3,4,5,6,", "2026-08-22,1,2,3,4,5,4"}) {
        const Status s = parse_source_csv(head + good + bad, SourceKind::kGermanLotto, rows);
        EXPECT_FALSE(s.ok()) << bad;
        EXPECT_NE(s.message().find("Zeile 3"), std::string::npos) << s.message();
    }
    EXPECT_EQ(rows.size(), 1u);  // untouched
    EXPECT_FALSE(parse_source_csv("date,n1,n2,n3,n4,n5\n", SourceKind::kGermanLotto, rows).ok());
    // The last row without its line break is fine when it is complete.
    ASSERT_TRUE(parse_source_csv(head + good + "2026-08-22,1,2,3,4,5,6,1", SourceKind::kGermanLotto, rows).ok());
    EXPECT_EQ(rows.size(), 2u);
}

struct Archives {
    DrawArchive sat, wed, both, austria;
    explicit Archives(const fs::path& folder) {
        EXPECT_TRUE(sat.load_draws(folder, game_params(kLottoSaturday)).ok());
        EXPECT_TRUE(wed.load_draws(folder, game_params(kLottoWednesday)).ok());
        EXPECT_TRUE(both.load_draws(folder, game_params(kLottoBoth)).ok());
        EXPECT_TRUE(austria.load_draws(folder, game_params(kAustria)).ok());
    }
};

void expect_same_draws(const DrawArchive& a, const DrawArchive& b) {
    ASSERT_EQ(a.newest(), b.newest()) << "game " << a.game();
    for (int n = 1; n <= a.newest(); ++n) {
        const Draw x = a.draw(n), y = b.draw(n);
        ASSERT_TRUE(x.numbers == y.numbers && x.extra == y.extra) << "game " << a.game() << " draw " << n;
    }
}

TEST(DrawUpdate, FillsEveryArchiveFromTheSourcesAndFindsNothingNewTheSecondTime) {
    OutdatedFolder outdated;
    const fs::path folder = outdated.folder.path();
    const SourceTexts texts{source_fixture("lotto_6aus49.csv"), source_fixture("lotto_6aus45.csv")};

    UpdateResult dry;
    ASSERT_TRUE(update_from_sources(folder, texts, true, false, dry).ok());
    EXPECT_FALSE(dry.saved);
    ASSERT_EQ(dry.games.size(), 4u);
    EXPECT_EQ(Archives(folder).sat.draw_count(), Archives(shipped_data_folder()).sat.draw_count() - 5);

    UpdateResult first;
    ASSERT_TRUE(update_from_sources(folder, texts, false, false, first).ok());
    EXPECT_TRUE(first.saved);
    const std::vector<std::pair<int, int>> expected_new = {{0, 5}, {1, 5}, {4, 10}, {3, 8}};
    for (size_t i = 0; i < 4; ++i) {
        const GameUpdate& g = first.games[i];
        EXPECT_EQ(g.game, expected_new[i].first);
        EXPECT_EQ(g.new_count(), expected_new[i].second) << "game " << g.game;
        EXPECT_EQ(g.new_count(), dry.games[i].new_count());
        EXPECT_TRUE(g.differing.empty()) << "game " << g.game;
        EXPECT_GT(g.same, 50);
    }
    EXPECT_EQ(first.games[0].newest, "22.08.2026");
    EXPECT_EQ(first.games[1].newest, "19.08.2026");
    EXPECT_EQ(first.games[2].newest, "22.08.2026");
    EXPECT_EQ(first.games[3].newest, "21.08.2026");  // the newest bonus draw
    EXPECT_EQ(first.games[3].bonus_added.size(), 2u);

    // Identical to the shipped archives, Superzahl 0 stored as 10 included.
    const Archives got(folder), shipped(shipped_data_folder());
    expect_same_draws(got.sat, shipped.sat);
    expect_same_draws(got.wed, shipped.wed);
    expect_same_draws(got.both, shipped.both);
    expect_same_draws(got.austria, shipped.austria);
    ASSERT_EQ(got.austria.bonus_count(), shipped.austria.bonus_count());
    for (int i = 0; i < got.austria.bonus_count(); ++i) {
        EXPECT_EQ(got.austria.bonus_draws()[i].date, shipped.austria.bonus_draws()[i].date);
        EXPECT_EQ(got.austria.bonus_draws()[i].numbers, shipped.austria.bonus_draws()[i].numbers);
    }
    // Side-game numbers stay as they were.
    EXPECT_EQ(got.sat.side_number(got.sat.newest()), shipped.sat.side_number(shipped.sat.newest()));

    UpdateResult second;
    ASSERT_TRUE(update_from_sources(folder, texts, false, false, second).ok());
    EXPECT_FALSE(second.saved);
    for (const GameUpdate& g : second.games) EXPECT_EQ(g.new_count(), 0) << "game " << g.game;
}

TEST(DrawUpdate, ADifferingRowIsKeptOutUnlessAskedFor) {
    OutdatedFolder outdated;
    const fs::path folder = outdated.folder.path();
    std::string german = source_fixture("lotto_6aus49.csv");
    // The stored Saturday of 11.07.2026 with other numbers and another Superzahl.
    const size_t at = german.find("2026-07-11,");
    ASSERT_NE(at, std::string::npos);
    german.replace(at, german.find('\n', at) - at, "2026-07-11,1,2,3,4,5,6,0");
    const SourceTexts texts{german, std::nullopt};
    const Archives before(folder);
    const int n = draws_on_date(kLottoSaturday, game_params(kLottoSaturday).capacity(), 20260711).front();

    UpdateResult kept;
    ASSERT_TRUE(update_from_sources(folder, texts, false, false, kept).ok());
    ASSERT_EQ(kept.games.size(), 3u);
    for (const GameUpdate& g : kept.games) {
        if (g.game == kLottoWednesday) continue;
        ASSERT_EQ(g.differing.size(), 1u);
        EXPECT_EQ(g.differing[0].date, "11.07.2026");
        EXPECT_EQ(g.differing[0].source, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 0}));
    }
    EXPECT_EQ(kept.games[0].differing[0].draw, n);
    EXPECT_EQ(kept.games[0].differing[0].stored[0], before.sat.draw(n).numbers[0]);
    Archives after(folder);
    EXPECT_EQ(after.sat.draw(n), before.sat.draw(n));
    EXPECT_EQ(after.sat.newest(), before.sat.newest() + 5);

    UpdateResult taken;
    ASSERT_TRUE(update_from_sources(folder, texts, false, true, taken).ok());
    const Archives overwritten(folder);
    EXPECT_EQ(overwritten.sat.draw(n), (Draw{{1, 2, 3, 4, 5, 6}, 10}));
    const int both = draws_on_date(kLottoBoth, game_params(kLottoBoth).capacity(), 20260711).front();
    EXPECT_EQ(overwritten.both.draw(both).numbers[0], 1);
    EXPECT_EQ(overwritten.sat.side_number(n), before.sat.side_number(n));
}

TEST(DrawUpdate, ABrokenOrCutOffSourceChangesNothing) {
    OutdatedFolder outdated;
    const fs::path folder = outdated.folder.path();
    const std::string german = source_fixture("lotto_6aus49.csv");
    const std::string austrian = source_fixture("lotto_6aus45.csv");
    const auto lotto = outdated.folder.read("LOTTO.DAT");
    const auto bonus = outdated.folder.read("OB_Lotto.Dat");
    for (const SourceTexts& texts : {SourceTexts{german, austrian.substr(0, austrian.size() - 4)},
                                     SourceTexts{german.substr(0, german.size() / 2 + 7), austrian},
                                     SourceTexts{german, "<html>Not found</html>"}}) {
        UpdateResult r;
        const Status s = update_from_sources(folder, texts, false, false, r);
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find("Es wurde nichts geändert."), std::string::npos) << s.message();
        EXPECT_EQ(outdated.folder.read("LOTTO.DAT"), lotto);
        EXPECT_EQ(outdated.folder.read("OB_Lotto.Dat"), bonus);
    }
}

}  // namespace
}  // namespace zw
