#include "cli_runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

using test::run_cli;

// Saturday draws 1886..1888 around the Superzahl start (1887), Spiel 77 for 1887.
void make_folder(const TempFolder& dir) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n <= 1888; ++n) {
        // Byte 6 is 10 throughout: Zusatzzahl 10 before 1887, Superzahl 0 from it.
        const uint8_t extra = 10;
        for (uint8_t k : {1, 2, 3, 4, 5, 6}) file.push_back(static_cast<uint8_t>(k + 10 + (n % 30)));
        file.push_back(extra);
    }
    dir.write("Lotto.Dat", file);
    std::vector<uint8_t> side;
    put_i16(side, 1887 - 1004 + 1);
    for (int i = 0; i < 1887 - 1004; ++i) put_i32(side, -1);
    put_i32(side, 123);
    dir.write("Spiel77Sam.Dat", side);
}

TEST(Cli, DateAsJson) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "--game", "1", "--json", "date", "2"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "{\"draw\":2,\"date\":\"04.06.1986\",\"short\":\"04.06.86\",\"key\":19860604,"
              "\"prefix\":\"B \"}\n");
}

TEST(Cli, DatePrintsEveryDrawAskedForAndChecksAllFirst) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "--game", "1", "date", "2", "3"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("2  B 04.06.1986"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n3  "), std::string::npos) << r.out;
    r = run_cli({"--data", dir.path().string(), "--game", "1", "date", "2", "x"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
}

TEST(Cli, DrawsShowSuperzahlZeroAndSideNumbersWithLeadingZeros) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "draws", "--range", "1886..1887"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto first_line = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(first_line.find(" 10"), std::string::npos);  // Zusatzzahl 10 before the start draw
    EXPECT_NE(r.out.find("Spiel 77 0000123"), std::string::npos);
    auto j = run_cli({"--data", dir.path().string(), "--json", "draws", "--range", "1887..1887"});
    EXPECT_NE(j.out.find("\"extra\":0"), std::string::npos);
    EXPECT_NE(j.out.find("\"spiel77\":123"), std::string::npos);
    EXPECT_NE(j.out.find("\"super6\":null"), std::string::npos);
}

TEST(Cli, InfoNamesGameAndNewestDraw) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "--json", "info"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\"draws\":1888"), std::string::npos);
    EXPECT_NE(r.out.find("\"newest_date\":\"14.12.1991\""), std::string::npos);
}

TEST(Cli, BadArgumentsExitWithCodeTwoAndAGermanMessage) {
    TempFolder dir;
    make_folder(dir);
    EXPECT_EQ(run_cli({"--data", (dir.path() / "missing").string(), "info"}).code, 2);
    EXPECT_EQ(run_cli({"--data", dir.path().string(), "--game", "9", "info"}).code, 2);
    EXPECT_EQ(run_cli({"--data", dir.path().string(), "frobnicate"}).code, 2);
    EXPECT_EQ(run_cli({"--data", dir.path().string(), "draws", "--range", "5..2"}).code, 2);
    auto past = run_cli({"--data", dir.path().string(), "draws", "--range", "1..9999"});
    EXPECT_EQ(past.code, 2);
    EXPECT_NE(past.err.find("neuesten Ziehung"), std::string::npos);
    auto missing = run_cli({"--data", dir.path().string(), "--game", "2", "info"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("TOTO.DAT ist\nnicht im aktuellen\nOrdner"), std::string::npos);
    EXPECT_EQ(run_cli({"--data", dir.path().string(), "date", "abc"}).code, 2);
}

TEST(Cli, ChangesNoFile) {
    TempFolder dir;
    make_folder(dir);
    const auto before = dir.read("Lotto.Dat");
    run_cli({"--data", dir.path().string(), "draws"});
    EXPECT_EQ(dir.read("Lotto.Dat"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

}  // namespace
}  // namespace zw
