#include <gtest/gtest.h>

#include <sstream>

#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

using test::CliRun;

CliRun stats(const TempFolder& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string()});
    return test::run_cli(std::move(args));
}

void write_draws(const TempFolder& dir, const std::string& name,
                 const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
    dir.write(name, file);
}

TEST(CliStats, FrequencyAndGapsAsJsonInDisplayOrder) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}});
    CliRun r = stats(dir, {"--game", "2", "--json", "stats", "frequency"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"frequency\",\"range\":[1,2],\"values\":{\"1\":1,\"2\":2,\"3\":1,", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\"order\":[2,4,6,1,3,5,8,10,12,7,9,11,13,"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--range", "1..1", "--json", "stats", "gaps"});
    EXPECT_NE(r.out.find("\"range\":[1,1],\"values\":{\"1\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"45\":1}"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--json", "stats", "extra-gaps"});
    EXPECT_NE(r.out.find("\"7\":1,\"8\":2,\"9\":0,"), std::string::npos) << r.out;
}

TEST(CliStats, RunsDistributionsAndProbability) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}, {2, 4, 6, 8, 10, 12, 9}});
    CliRun r = stats(dir, {"--game", "2", "--json", "stats", "triplets"});
    EXPECT_NE(r.out.find("\"values\":{\"1\":1,\"2\":1,\"3\":1,\"4\":1,\"5\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"43\":0},\"order\":[1,2,3,4,5,"), std::string::npos) << r.out;
    r = stats(dir, {"--game", "2", "--json", "stats", "even-odd"});
    EXPECT_EQ(r.out, "{\"kind\":\"even-odd\",\"range\":[1,2],\"counts\":[0,0,0,1,0,0,1],"
                     "\"expected\":[0,0,1,1,0,0,0]}\n");
    r = stats(dir, {"--game", "2", "--json", "stats", "probability"});
    EXPECT_EQ(r.out.rfind("{\"kind\":\"probability\",\"range\":[1,2],\"mean\":0.2666666667,\"sd\":", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\"mean_gap\":"), std::string::npos);
}

TEST(CliStats, SuperNumbersShowZeroAndSwissDefaultsToItsFirstLuckyDraw) {
    TempFolder dir;
    std::vector<std::vector<uint8_t>> lotto(1887, {1, 2, 3, 4, 5, 6, 3});
    lotto.back()[6] = 10;  // draw 1887: Superzahl 0
    write_draws(dir, "Lotto.Dat", lotto);
    CliRun r = stats(dir, {"--game", "0", "--json", "stats", "extra-frequency"});
    EXPECT_NE(r.out.find("\"9\":0,\"0\":1},\"order\":[0,1,2,"), std::string::npos) << r.out;

    std::vector<std::vector<uint8_t>> swiss(3075, {1, 2, 3, 4, 5, 6, 4, 0});
    write_draws(dir, "Swiss.Dat", swiss);
    r = stats(dir, {"--game", "5", "--json", "stats", "extra-frequency"});
    EXPECT_EQ(r.out, "{\"kind\":\"extra-frequency\",\"range\":[3074,3075],\"values\":{\"1\":0,\"2\":0,"
                     "\"3\":0,\"4\":2,\"5\":0,\"6\":0},\"order\":[4,1,2,3,5,6]}\n");
}

TEST(CliStats, RefusesUnknownKindsAndLottoPlusOutsideAustria) {
    TempFolder dir;
    write_draws(dir, "Toto.Dat", {{1, 2, 3, 4, 5, 6, 7}});
    CliRun r = stats(dir, {"--game", "2", "stats", "plus-frequency"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("nur im Spiel 3"), std::string::npos);
    r = stats(dir, {"--game", "2", "stats", "quintets"});
    EXPECT_EQ(r.code, 2);
    r = stats(dir, {"--game", "2", "stats"});
    EXPECT_EQ(r.code, 2);
    r = stats(dir, {"--game", "2", "stats", "frequency"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Reihenfolge: 1 2 3 4 5 6 7"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zw
