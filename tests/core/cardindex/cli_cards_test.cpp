#include <gtest/gtest.h>

#include "cardindex/card_store.h"
#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

// Saturday draws 1..30: draw n holds n % 40 + 1 .. + 6; a card index of two tickets.
void make_folder(const TempFolder& dir) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n <= 30; ++n) {
        for (uint8_t k : {1, 2, 3, 4, 5, 6}) file.push_back(static_cast<uint8_t>(k + n));
        file.push_back(3);
    }
    dir.write("Lotto.Dat", file);
    CardIndex index(CardKind::Normal);
    CardTicket a;
    a.first_draw = 10;
    a.extra_weeks = 1;
    a.rows[0] = {11, 12, 13, 40, 41, 42, 0};  // three hits in draw 10
    a.stake = 300;
    a.protected_card = true;
    CardTicket b;
    b.first_draw = 29;
    b.extra_weeks = 3;  // plays 29 and 30; the rest is not drawn yet
    b.rows[0] = {1, 2, 3, 4, 5, 6, 0};
    b.winnings = 1000;
    index.assign({a, b}, 2, 5000);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index).ok());
}

TEST(CliCards, ListEvaluatesEveryTicketAsJson) {
    TempFolder dir;
    make_folder(dir);
    const auto r = run_cli({"--data", dir.path().string(), "--json", "cards", "list"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"file\":\"Kartei.Nrm\",\"members\":2,\"capital\":5000"), std::string::npos);
    EXPECT_NE(r.out.find("\"ticket\":1,\"first\":10,"), std::string::npos);
    EXPECT_NE(r.out.find("\"weeks\":2,"), std::string::npos);
    EXPECT_NE(r.out.find("\"protected\":true,\"rows\":[[11,12,13,40,41,42]],\"played\":[10,11],"
                         "\"classes\":[0,0,0,0,0,0,0,1,0]"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"played\":[29,30]"), std::string::npos);
    EXPECT_NE(r.out.find("\"total\":-300,"), std::string::npos);
    EXPECT_NE(r.out.find("\"total\":700,"), std::string::npos);

    const auto text = run_cli({"--data", dir.path().string(), "cards", "list"});
    EXPECT_NE(text.out.find("Kartei für alle getippten NORMAL-Scheine"), std::string::npos);
    EXPECT_NE(text.out.find("   1©"), std::string::npos);
}

TEST(CliCards, PoolAndRefusedFiles) {
    TempFolder dir;
    make_folder(dir);
    const auto pool = run_cli({"--data", dir.path().string(), "--json", "cards", "pool", "--from", "1", "--to", "2"});
    ASSERT_EQ(pool.code, 0) << pool.err;
    EXPECT_EQ(pool.out,
              "{\"first\":1,\"last\":2,\"members\":2,\"stake_total\":300,\"stake_share\":150,\"winnings_total\":1000,"
              "\"winnings_share\":500,\"rest_capital\":5700}\n");
    dir.write("BAD.NRM", {1, 0, 0});
    const auto bad = run_cli({"--data", dir.path().string(), "cards", "--file", "BAD.NRM", "list"});
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("Unzulässiges Karteiformat!!!"), std::string::npos);
    const auto missing = run_cli({"--data", dir.path().string(), "cards", "--sys", "list"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("Kartei existiert nicht!!!"), std::string::npos);
}

TEST(CliCards, CompareListsClassesStakeAndWinnersOfOneDraw) {
    TempFolder dir;
    make_folder(dir);
    const auto r = run_cli({"--data", dir.path().string(), "--json", "cards", "compare", "--draw", "10"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"draw\":10,\"date\":\"", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"tickets\":2,\"stake\":"), std::string::npos);
    EXPECT_NE(r.out.find("\"classes\":[0,0,0,0,0,0,0,1,0],\"winnings\":"), std::string::npos);
    EXPECT_NE(r.out.find("\"winners\":[{\"ticket\":1,\"classes\":[0,0,0,0,0,0,0,1,0],\"stake\":"), std::string::npos);
    EXPECT_EQ(r.out.find("\"ticket\":2"), std::string::npos);
    EXPECT_EQ(r.out.find("\"plus\""), std::string::npos);

    const auto text = run_cli({"--data", dir.path().string(), "cards", "compare", "--draw", "10"});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_NE(text.out.find("VERGLEICH: NRM-Scheine\nVergleich mit der Ziehung vom: "), std::string::npos);
    EXPECT_NE(text.out.find("Gewinn aus Spiel 77 & Super 6:"), std::string::npos);
    EXPECT_NE(text.out.find("\n   1   0  0    0  0     0   0      0    1      0  1 "), std::string::npos) << text.out;

    EXPECT_EQ(run_cli({"--data", dir.path().string(), "cards", "compare"}).code, 2);
    const auto beyond = run_cli({"--data", dir.path().string(), "cards", "compare", "--draw", "31"});
    EXPECT_EQ(beyond.code, 2);
    EXPECT_NE(beyond.err.find("1 bis 30"), std::string::npos);
    CardIndex empty(CardKind::System);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, empty).ok());
    const auto none = run_cli({"--data", dir.path().string(), "cards", "--sys", "compare", "--draw", "3"});
    EXPECT_EQ(none.code, 2);
    EXPECT_NE(none.err.find("Es befinden sich noch keine Scheine in der SYS-Kartei!"), std::string::npos);
}

TEST(CliCards, ImportRowsShowsWhatTheImportTakes) {
    TempFolder dir;
    make_folder(dir);
    dir.write_text("rows.csv", "49 40 31 25 12 3\nkaputt\n123,4,5,6,7,8\n");
    const auto r = run_cli({"--data", dir.path().string(), "import-rows", (dir / "rows.csv").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "3 12 25 31 40 49\n4 5 6 7 8 12\n2 Reihen wurden importiert.\n");
}

}  // namespace
}  // namespace zw

#include "app/session.h"

namespace zw {
namespace {

TEST(SessionCards, SelectingAGameLoadsBothDefaultCardIndexes) {
    test::TempFolder dir;
    make_folder(dir);
    dir.write("KARTEI.SYS", {5, 0});  // refused: reported, index left empty and without a file
    Session s(dir.path());
    const SelectOutcome out = s.select_game(kLottoSaturday);
    ASSERT_TRUE(out.status.ok());
    EXPECT_EQ(s.normal_cards.count(), 2);
    EXPECT_EQ(s.normal_cards.members(), 2);
    EXPECT_TRUE(s.system_cards.empty());
    EXPECT_TRUE(s.system_cards.file().empty());
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_NE(out.warnings[0].find("Unzulässiges Karteiformat!!!"), std::string::npos);
    EXPECT_TRUE(s.cards_saved());
    // Another game without card files starts with empty indexes.
    s.select_game(kToto);
    EXPECT_TRUE(s.normal_cards.empty());
}

}  // namespace
}  // namespace zw
