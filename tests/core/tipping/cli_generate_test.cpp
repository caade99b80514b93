#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

CliRun generate(const TempFolder& dir, const char* game, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string(), "--game", game, "generate"});
    return test::run_cli(std::move(args));
}

struct Folder : TempFolder {
    Folder() {
        std::vector<uint8_t> file = {126, 126, 0, 0};
        for (int n = 0; n < 3; ++n) file.insert(file.end(), {1, 2, 3, 4, 5, 6, 7});
        write("Toto.Dat", file);
        std::vector<uint8_t> swiss = {126, 126, 0, 0};
        for (int n = 0; n < 3074; ++n) swiss.insert(swiss.end(), {1, 2, 3, 4, 5, 6, 2, 0});
        write("Swiss.Dat", swiss);
    }
};

TEST(CliGenerate, RowsAsJsonFromTipsAndBankersReproducibleBySeed) {
    Folder dir;
    const std::vector<std::string> args = {"--tips", "10 11 12 13 14 15", "--bankers", "1 2", "--rows", "4",
                                           "--seed", "17", "--json"};
    CliRun r = generate(dir, "2", args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"tips\":[10,11,12,13,14,15],\"bankers\":[1,2],\"possible\":15,\"rows\":[[1,2,", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("],\"complete\":true,\"message\":\"\"}"), std::string::npos) << r.out;
    EXPECT_EQ(generate(dir, "2", args).out, r.out);

    // Only rows with exactly 2 even numbers: the banker 2, one even tip and the three odd ones.
    r = generate(dir, "2", {"--tips", "10 11 12 13 14 15", "--bankers", "1 2", "--even", "2", "--rows", "16",
                            "--seed", "1", "--json"});
    EXPECT_NE(r.out.find("\"possible\":3,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"complete\":false,\"message\":\"Es konnten nicht genug Reihen gefunden werden! "),
              std::string::npos) << r.out;
}

TEST(CliGenerate, RefusesAChoiceThatIsNotReadyWithThePromptsRule) {
    Folder dir;
    CliRun r = generate(dir, "2", {"--tips", "1 2 3 4 5 6 7"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("BITTE INSGESAMT MEHR ALS 7 ZAHLEN AUSWÄHLEN!"), std::string::npos) << r.err;
    EXPECT_EQ(generate(dir, "2", {"--tips", "1 2 3", "--bankers", "4 5 6 7 8 9"}).code, 2);  // six bankers
    EXPECT_EQ(generate(dir, "2", {"--tips", "1 2 3 4 5 6 7 46"}).code, 2);
    EXPECT_EQ(generate(dir, "2", {"--tips", "1 2 3 4 5 6 7 8", "--even", "7"}).code, 2);
    EXPECT_EQ(generate(dir, "2", {"--tips", "1 2 3 4 5 6 7 8", "--lucky", "1"}).code, 2);
}

TEST(CliGenerate, FormulaAndSwissGlueckszahlen) {
    Folder dir;
    // The most frequent numbers 1..6 and the three longest gaps 7, 8, 9 (never drawn, smallest first).
    CliRun r = generate(dir, "2", {"--formula", "6,3,0,0,0", "--seed", "3", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"tips\":[1,2,3,4,5,6,7,8,9],", 0), 0u) << r.out;
    r = generate(dir, "2", {"--formula", "6,3,0,0,0,skip", "--tips", "20 21 22 23 24 25", "--json", "--seed", "3"});
    EXPECT_EQ(r.out.rfind("{\"tips\":[8,9,20,21,22,23,24,25],", 0), 0u) << r.out;

    r = generate(dir, "5", {"--tips", "1 2 3 4 5 6 7", "--bankers", "8", "--lucky", "2 5", "--rows", "3",
                            "--seed", "9", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"lucky_tips\":[2,5],\"lucky_banker\":null,\"possible\":42,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"lucky\":["), std::string::npos) << r.out;
    r = generate(dir, "5", {"--tips", "1 2 3 4 5 6 7 8", "--lucky-banker", "6", "--json", "--seed", "1"});
    EXPECT_NE(r.out.find("\"lucky_banker\":6,\"possible\":28,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"lucky\":[6,6]"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zw
