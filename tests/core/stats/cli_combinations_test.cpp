#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

CliRun stats(const TempFolder& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string(), "--game", "2"});
    return test::run_cli(std::move(args));
}

void write_toto(const TempFolder& dir, const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
    dir.write("Toto.Dat", file);
}

TEST(CliCombinations, BestListsAsJsonWithFortyNineRealEntries) {
    TempFolder dir;
    write_toto(dir, {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 10, 20, 30, 40, 9}});
    CliRun r = stats(dir, {"--json", "stats", "pairs"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"kind\":\"pairs\",\"range\":[1,2],\"best\":[{\"numbers\":[1,2],\"count\":2,\"gap\":0},"
                          "{\"numbers\":[1,3],\"count\":1,\"gap\":1},", 0), 0u) << r.out;
    size_t entries = 0;
    for (size_t p = r.out.find("\"numbers\""); p != std::string::npos; p = r.out.find("\"numbers\"", p + 1)) ++entries;
    EXPECT_EQ(entries, 49u);
    r = stats(dir, {"--range", "2..2", "--json", "stats", "quadruples"});
    EXPECT_NE(r.out.find("{\"numbers\":[1,2,10,20],\"count\":1,\"gap\":0}"), std::string::npos) << r.out;
    // After the 15 quadruples of draw 2 the never-drawn ones follow in order.
    EXPECT_NE(r.out.find("{\"numbers\":[1,2,3,4],\"count\":0,\"gap\":1}"), std::string::npos) << r.out;
    r = stats(dir, {"--json", "stats", "boundary-pairs"});
    EXPECT_NE(r.out.find("\"best\":[{\"numbers\":[1,6],\"count\":1,\"gap\":1},{\"numbers\":[1,40],\"count\":1,\"gap\":0}"),
              std::string::npos) << r.out;
}

TEST(CliCombinations, PartnersAndExtremesInTheValuesForm) {
    TempFolder dir;
    write_toto(dir, {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 10, 20, 30, 40, 9}, {3, 8, 9, 11, 12, 45, 1}});
    CliRun r = stats(dir, {"--json", "stats", "partners", "--with", "1 2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"values\":{\"1\":0,\"2\":0,\"3\":1,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"10\":1,"), std::string::npos) << r.out;
    r = stats(dir, {"--json", "stats", "partner-gaps", "--with", "2"});
    EXPECT_NE(r.out.find("\"values\":{\"1\":1,\"2\":0,\"3\":2,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"45\":3}"), std::string::npos) << r.out;  // never with 2: range last
    r = stats(dir, {"--json", "stats", "largest"});
    EXPECT_NE(r.out.find("\"6\":1,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"45\":1}"), std::string::npos) << r.out;
    r = stats(dir, {"--json", "stats", "smallest-gaps"});
    EXPECT_NE(r.out.find("\"values\":{\"1\":1,\"2\":3,\"3\":0,"), std::string::npos) << r.out;
}

TEST(CliCombinations, RefusesBadFixedNumbersAndLottoPlusOutsideAustria) {
    TempFolder dir;
    write_toto(dir, {{1, 2, 3, 4, 5, 6, 7}});
    for (const char* with : {"", "7 7", "1 2 3 4", "46", "x"}) {
        CliRun r = stats(dir, {"stats", "partners", "--with", with});
        EXPECT_EQ(r.code, 2) << with;
    }
    EXPECT_EQ(stats(dir, {"stats", "partner-gaps"}).code, 2);
    CliRun r = stats(dir, {"stats", "pairs", "--plus"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("nur im Spiel 3"), std::string::npos);
}

}  // namespace
}  // namespace zw
