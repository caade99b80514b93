#include <gtest/gtest.h>

#include <sstream>

#include "cli_runner.h"
#include "games/game_catalogue.h"
#include "tipping/slip_marks.h"
#include "tipping/ticket.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(CliSlip, MarksAsJsonAndThePdfThePrinterWouldGet) {
    TempFolder dir;
    const std::string pdf = (dir / "schein.pdf").string();
    auto r = run_cli({"--data", dir.path().string(), "--game", "0", "--json", "slip", "--rows",
                      "1 2 3 4 5 6; 7 8 9 10 11 12", "--bundesland", "0", "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"bundesland\":0,\"upside_down\":false,\"marks\":[{\"x\":19.7,\"y\":9.7,\"text\":\"x\"},"
                          "{\"x\":23.2,\"y\":9.7,\"text\":\"x\"},",
                          0),
              0u)
        << r.out;
    // Row 2 stands beside row 1, 7 x 3.5 + 79.5 further right: 7 at its column 6, 8 on its next line.
    EXPECT_NE(r.out.find("{\"x\":144.7,\"y\":9.7,\"text\":\"x\"},{\"x\":123.7,\"y\":13.85,"), std::string::npos);
    EXPECT_EQ(count(r.out, "\"x\":"), 12u + 6u);  // twelve numbers, six option fields
    const auto bytes = dir.read("schein.pdf");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(count(text, "Tm (x) Tj"), 18u);
    // The page is the slip the print dialog's page gets: the sheet's size in points.
    Ticket t;
    t.set_game(game_params(kLottoSaturday));
    t.seven_by_seven = true;
    ASSERT_TRUE(t.set_row(0, {1, 2, 3, 4, 5, 6}));
    const SlipSheet sheet = slip_sheet(t, {}, game_params(kLottoSaturday), 0, {126, 126});
    const size_t box = text.find("/MediaBox [0 0 ");
    ASSERT_NE(box, std::string::npos);
    double w = 0, h = 0;
    std::istringstream(text.substr(box + 15, text.find(']', box) - box - 15)) >> w >> h;
    EXPECT_NEAR(w, sheet.width * 72 / 25.4, 0.01);
    EXPECT_NEAR(h, sheet.height * 72 / 25.4, 0.01);
    EXPECT_GT(sheet.width, 150.0);  // two fields side by side, never a Letter page
}

TEST(CliSlip, SystemSlipCarriesEachBoxsSystemType) {
    TempFolder dir;
    const std::string pdf = (dir / "system.pdf").string();
    auto r = run_cli({"--data", dir.path().string(), "--game", "0", "--json", "slip", "--system",
                      "010: 1 2 3 4 5 6 7 8 9 10; 12/22: 11 12 13 14 15 16 17 18 19 20 21 22", "--bundesland", "0",
                      "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(count(r.out, "\"text\":\"x\""), 22u + 6u);  // the numbers and the option fields
    EXPECT_EQ(count(r.out, "\"text\":\"010\""), 1u);
    EXPECT_EQ(count(r.out, "\"text\":\"12/22\""), 1u);
    const auto bytes = dir.read("system.pdf");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(count(text, "Tm (010) Tj"), 1u);
    EXPECT_EQ(count(text, "Tm (12/22) Tj"), 1u);

    // The same partial system goes by its VEW name in Nordrhein-Westfalen, whose slip is fed upside down:
    // the name is turned with it.
    std::string numbers;
    for (int n = 1; n <= 22; ++n) numbers += " " + std::to_string(n);
    auto vew = run_cli({"--data", dir.path().string(), "--game", "0", "slip", "--system", "622:" + numbers,
                        "--bundesland", "7", "--pdf", pdf});
    ASSERT_EQ(vew.code, 0) << vew.err;
    EXPECT_NE(vew.out.find("  622\n"), std::string::npos) << vew.out;
    const auto turned = dir.read("system.pdf");
    EXPECT_NE(std::string(turned.begin(), turned.end()).find(" -1 0 0 -1 "), std::string::npos);

    const std::string data = dir.path().string();
    EXPECT_EQ(run_cli({"--data", data, "--game", "0", "slip", "--system", "12/22: 1 2 3", "--bundesland", "0"}).code,
              2);  // twelve numbers needed
    EXPECT_EQ(run_cli({"--data", data, "--game", "0", "slip", "--system", "622:" + numbers, "--bundesland", "0"}).code,
              2);  // not a name of that Bundesland's family
    EXPECT_EQ(run_cli({"--data", data, "--game", "0", "slip", "--system", "014: 1 2", "--bundesland", "0"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "--game", "0", "slip", "--system", "1 2 3 4 5 6 7"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "--game", "0", "slip", "--system", "007: 1 2 3 4 5 6 7", "--rows",
                       "1 2 3 4 5 6"})
                  .code,
              2);
    auto refused = run_cli({"--data", data, "--game", "0", "slip", "--system", "007: 1 2 3 4 5 6 7", "--bundesland",
                            "11"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("System-Scheinen"), std::string::npos);
}

TEST(CliSlip, BundeslandComesFromTheDrawFileHeaderAndTurnsTheSlip) {
    TempFolder dir;
    dir.write("Toto.Dat", {126, 126, 7, 0});
    auto r = run_cli({"--data", dir.path().string(), "--game", "2", "--json", "slip", "--rows", "1 2 3 4 5 45"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"bundesland\":7,\"upside_down\":true,", 0), 0u) << r.out;

    auto swiss = run_cli({"--data", dir.path().string(), "--game", "5", "slip", "--rows", "1 2 3 4 5 42 6",
                          "--bundesland", "17"});
    ASSERT_EQ(swiss.code, 0) << swiss.err;
    EXPECT_NE(swiss.out.find("kopfstehender Ausrichtung"), std::string::npos);
}

TEST(CliSlip, RefusalsExitWithTwo) {
    TempFolder dir;
    const std::string data = dir.path().string();
    auto r = run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5 6", "--bundesland", "16"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Das Bedrucken von Tipp-Scheinen ist leider für dieses Bundesland noch nicht möglich!"),
              std::string::npos);
    EXPECT_EQ(run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5 6", "--bundesland", "19"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "slip", "--rows", "1 1 2 3 4 5"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5 60"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "slip"}).code, 2);
    EXPECT_EQ(run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5 6", "--system"}).code, 2);
    std::string many;
    for (int i = 0; i < 17; ++i) many += "1 2 3 4 5 6;";
    auto full = run_cli({"--data", data, "slip", "--rows", many});
    EXPECT_EQ(full.code, 2);
    EXPECT_NE(full.err.find("16 Reihen"), std::string::npos);
    auto bad_pdf = run_cli({"--data", data, "slip", "--rows", "1 2 3 4 5 6", "--pdf", (dir / "no" / "x.pdf").string()});
    EXPECT_EQ(bad_pdf.code, 2);
}

}  // namespace
}  // namespace zw
