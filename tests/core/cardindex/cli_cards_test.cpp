#include <gtest/gtest.h>

#include "cardindex/card_refresh.h"
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

TEST(CliCards, ListSortsAndFiltersToTheTicketsOfADraw) {
    TempFolder dir;
    make_folder(dir);  // ticket 1: first draw 10, stake 3.00; ticket 2: first draw 29, winnings 10.00
    const auto first_ticket = [](const std::string& out) { return out.substr(out.find("\"ticket\":"), 11); };
    const auto by_stake = run_cli({"--data", dir.path().string(), "--json", "cards", "list", "--sort", "stake"});
    ASSERT_EQ(by_stake.code, 0) << by_stake.err;
    EXPECT_EQ(first_ticket(by_stake.out), "\"ticket\":2,");
    const auto by_first = run_cli({"--data", dir.path().string(), "--json", "cards", "list", "--sort", "first"});
    EXPECT_EQ(first_ticket(by_first.out), "\"ticket\":1,");
    const auto of_draw = run_cli({"--data", dir.path().string(), "cards", "list", "--draw", "30"});
    ASSERT_EQ(of_draw.code, 0) << of_draw.err;
    EXPECT_EQ(of_draw.out.find("   1©"), std::string::npos) << of_draw.out;
    EXPECT_NE(of_draw.out.find("\n   2"), std::string::npos) << of_draw.out;
    const auto bad = run_cli({"--data", dir.path().string(), "cards", "list", "--sort", "date"});
    EXPECT_EQ(bad.code, 2);
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

TEST(CliCards, DeleteRemovesOneTicketKeepsTheOrderAndSaves) {
    TempFolder dir;
    make_folder(dir);  // ticket 1 protected, ticket 2 plays from draw 29
    CardIndex index(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, index).ok());
    std::vector<CardTicket> tickets = index.tickets();
    for (int16_t first : {20, 21}) {
        CardTicket t;
        t.first_draw = first;
        t.rows[0] = {1, 2, 3, 4, 5, 6, 0};
        tickets.push_back(t);
    }
    index.assign(tickets, 2, 5000);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index).ok());

    const auto r = run_cli({"--data", dir.path().string(), "--json", "cards", "delete", "--ticket", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"file\":\"Kartei.Nrm\",\"deleted\":3,\"tickets\":3}\n");
    CardIndex after(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, after).ok());
    ASSERT_EQ(after.count(), 3);
    EXPECT_EQ(after.at(0).first_draw, 10);
    EXPECT_TRUE(after.at(0).protected_card);
    EXPECT_EQ(after.at(1).first_draw, 29);
    EXPECT_EQ(after.at(2).first_draw, 21);
    EXPECT_EQ(after.members(), 2);
    EXPECT_EQ(after.capital(), 5000);

    const auto guarded = run_cli({"--data", dir.path().string(), "cards", "delete", "--ticket", "1"});
    EXPECT_EQ(guarded.code, 2);
    EXPECT_NE(guarded.err.find("schreibgeschützt (©)"), std::string::npos);
    const auto missing = run_cli({"--data", dir.path().string(), "cards", "delete", "--ticket", "4"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("Schein 4 gibt es nicht (1 bis 3)"), std::string::npos);
    CardIndex unchanged(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, unchanged).ok());
    EXPECT_EQ(unchanged.count(), 3);
}

// Tickets 3 and 4 play draws 28..31 and hit three numbers in draw 28; ticket 4 is protected.
void add_late_winners(const TempFolder& dir) {
    CardIndex index(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, index).ok());
    std::vector<CardTicket> tickets = index.tickets();
    CardTicket c;
    c.first_draw = 28;
    c.extra_weeks = 3;
    c.rows[0] = {29, 30, 31, 40, 41, 42, 0};
    tickets.push_back(c);
    c.protected_card = true;
    tickets.push_back(c);
    index.assign(tickets, 2, 5000);
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, index).ok());
}

TEST(CliCards, RefreshUpdatesTicketsThatWonInNewDrawsAndKeepsProtectedOnes) {
    TempFolder dir;
    make_folder(dir);
    add_late_winners(dir);
    const auto r = run_cli({"--data", dir.path().string(), "--json", "cards", "refresh", "--since", "27"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"updated\":[3],"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"ticket\":3,\"draw\":28,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"classes\":[0,0,0,0,0,0,0,1,0]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"protected\":true,\"text\":\"3 Richtige\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"ticket\":1,"), std::string::npos) << r.out;  // its draws are not new

    CardIndex after(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, after).ok());
    ASSERT_EQ(after.count(), 4);
    EXPECT_GT(after.at(2).winnings, 0);
    EXPECT_EQ(after.at(3).winnings, 0);  // protected: the stored amount stays
    EXPECT_EQ(after.at(1).winnings, 1000);

    // Evaluated once, ticket 3 has nothing new; the protected tickets still
    // carry their wins as not yet booked.
    const auto again = run_cli({"--data", dir.path().string(), "cards", "refresh"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out.find("Schein 3 "), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("Schein 4 hat gewonnen: 3 Richtige (Ziehung 28 vom "), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("Schein 1 hat gewonnen: 3 Richtige (Ziehung 10 vom "), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("0 Scheine neu bewertet."), std::string::npos) << again.out;
    CardIndex unchanged(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, unchanged).ok());
    EXPECT_EQ(unchanged.at(2).winnings, after.at(2).winnings);
}

TEST(CardRefresh, WinTextsNameClassesAndSideGames) {
    NewWin w;
    w.ticket = 5;
    w.draw = 12;
    w.date = "05.12.2026";
    w.counts.cls[7] = 1;
    EXPECT_EQ(new_win_message(w, kLottoSaturday), "Schein 5 hat gewonnen: 3 Richtige + Superzahl (Ziehung 12 vom 05.12.2026)");
    w.counts.cls[7] = 0;
    w.counts.cls[8] = 2;
    w.side.spiel77 = DigitCounts{0, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(win_text(w, kLottoSaturday), "2 × 3 Richtige, Spiel 77: 2 Endziffern");
    w = NewWin{};
    w.counts.cls[3] = 1;
    w.counts.cls[9] = 1;
    EXPECT_EQ(win_text(w, kAustria), "5 Richtige + Zusatzzahl, Zusatzzahl");
    w.counts.cls[9] = 0;
    EXPECT_EQ(win_text(w, kSwiss), "5 Richtige + Glückszahl");
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

#include "session/session.h"

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
