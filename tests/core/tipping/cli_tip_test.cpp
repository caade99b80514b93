#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"
#include "tipping/weight_matrix.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

CliRun cli(const TempFolder& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string()});
    return test::run_cli(std::move(args));
}

// A draw file with one record (the archive check needs the game's draws).
void add_draws(const TempFolder& dir, const std::string& name, int record_length = 7) {
    std::vector<uint8_t> bytes = {126, 126, 0, 0, 1, 2, 3, 4, 5, 6, 7};
    if (record_length == 8) bytes.push_back(1);
    dir.write(name, bytes);
}

TEST(CliPowerTip, RowsAsJsonWithLuckyNumbersForTheSwissGame) {
    TempFolder dir;
    add_draws(dir, "Swiss.Dat", 8);
    WeightMatrix w;
    for (int n = 1; n <= 12; ++n) w.set_weight(n, kSwiss, 3);
    w.set_weight(kLuckyCellBase + 6, kSwiss, 2);
    dir.write("matrix.par", encode_weight_matrix(w));

    CliRun r = cli(dir, {"--game", "5", "--json", "tip", "power", "--rows", "4", "--seed", "11"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"rows\":[[", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("],\"lucky\":[6,6,6,6],\"complete\":true}"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("message"), std::string::npos);
    // The same seed, the same rows; plain text has one row per line.
    EXPECT_EQ(cli(dir, {"--game", "5", "--json", "tip", "power", "--rows", "4", "--seed", "11"}).out, r.out);
    r = cli(dir, {"--game", "5", "tip", "power", "--rows", "16", "--seed", "11"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 12);  // capped outside the German games
    EXPECT_NE(r.out.find("  Glückszahl 6\n"), std::string::npos);
    EXPECT_NE(r.err.find("höchstens 12 Reihen"), std::string::npos);

    r = cli(dir, {"--game", "5", "--json", "matrix"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"game\":5,\"weights\":{\"1\":3,", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"42\":0},\"lucky\":{\"1\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"6\":2}}"), std::string::npos) << r.out;
}

TEST(CliPowerTip, RefusalsAndTheAttemptLimit) {
    TempFolder dir;
    add_draws(dir, "Lotto.Dat");
    // No matrix: every weight 0, the urn is refused.
    CliRun r = cli(dir, {"--game", "0", "tip", "power", "--rows", "2"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("nur 0 Lose"), std::string::npos) << r.err;
    for (const std::string rows : {"1", "17", "x"}) {
        r = cli(dir, {"--game", "0", "tip", "power", "--rows", rows});
        EXPECT_EQ(r.code, 2) << rows;
    }
    EXPECT_EQ(cli(dir, {"--game", "0", "tip", "random", "--rows", "2"}).code, 2);

    // Seven numbers: seven rows at most, the last of them the archive's draw 1..6.
    WeightMatrix w;
    for (int n = 1; n <= 7; ++n) w.set_weight(n, kLottoSaturday, 3);
    dir.write("matrix.par", encode_weight_matrix(w));
    r = cli(dir, {"--game", "0", "--json", "tip", "power", "--rows", "16", "--seed", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '['), 1 + 6) << r.out;
    EXPECT_NE(r.out.find("\"complete\":false,\"message\":\"Es konnten nicht genug|Reihen gefunden "
                         "werden!|Bitte Matrix durchlässiger machen!\"}"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("lucky"), std::string::npos);

    dir.write("matrix.par", std::vector<uint8_t>(601, 0));
    r = cli(dir, {"--game", "0", "matrix"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("601 statt 600"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zw
