#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"
#include "toto_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

// Toto with 60 draws of varying numbers.
void make_folder(const TempFolder& dir) { test::write_toto_draws(dir); }

TEST(CliBacktest, JsonListsTheEntriesAndExportWritesTheTextFile) {
    TempFolder dir;
    make_folder(dir);
    const std::string out = (dir / "liste.txt").string();
    auto r = run_cli({"--data", dir.path().string(), "--game", "2", "--range", "1..60", "--json", "backtest",
                      "--tips", "1 2 3 4 5 6 7 8 9", "--bankers", "10", "--worst", "--export", out});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"worst\",\"numbers\":[10,1,2,3,4,5,6,7,8,9],\"bankers\":1,\"rows\":126,"
                          "\"range\":[1,60],\"entries\":[{\"place\":1,\"numbers\":[10,",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\"place\":30,"), std::string::npos);
    EXPECT_EQ(r.out.find("\"place\":31,"), std::string::npos);
    const auto bytes = dir.read("liste.txt");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("30 FLOP-Reihen folgender 10 Zahlen: Ziehungsrahmen ( 1 - 60)     * = Bankzahl\r\n", 0), 0u);
}

TEST(CliBacktest, RefusesTooFewNumbersAndSixBankers) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "--game", "2", "backtest", "--tips", "1 2 3 4 5"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("mehr als 5 Zahlen"), std::string::npos);
    r = run_cli({"--data", dir.path().string(), "--game", "2", "backtest", "--tips", "7", "--bankers", "1 2 3 4 5 6"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Höchstens 5 Bankzahlen"), std::string::npos);
    r = run_cli({"--data", dir.path().string(), "--game", "2", "backtest", "--tips", "1 2 3 4 5 46"});
    EXPECT_EQ(r.code, 2);
}

}  // namespace
}  // namespace zw
