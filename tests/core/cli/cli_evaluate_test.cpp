#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

// A Saturday archive of 1890 draws; the last one (after the Superzahl start)
// holds 1 and 2 of the row 1..6 and the Superzahl 0 (stored as 10).
void write_saturday(const TempFolder& dir) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n < 1890; ++n)
        for (int k = 0; k < 7; ++k) file.push_back(static_cast<uint8_t>(k < 6 ? 40 + k : 5));
    for (uint8_t v : {1, 2, 30, 31, 32, 33, 10}) file.push_back(v);
    dir.write("Lotto.Dat", file);
}

CliRun evaluate(const TempFolder& dir, std::vector<std::string> extra) {
    std::vector<std::string> args = {"--data", dir.path().string(), "--game", "0", "--json", "--range", "1890..1890",
                                     "evaluate", "--row", "1 2 3 4 5 6"};
    args.insert(args.end(), extra.begin(), extra.end());
    return test::run_cli(std::move(args));
}

TEST(CliEvaluate, SuperzahlClassesOnlyWithALosNummer) {
    TempFolder dir;
    write_saturday(dir);
    const std::string no_win = "\"classes\":[0,0,0,0,0,0,0,0,0]";
    const std::string two_plus_s = "\"classes\":[0,0,0,0,0,0,0,0,1]";
    CliRun r = evaluate(dir, {});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(no_win), std::string::npos) << r.out;
    // A Los-Nummer of 0 is no Los-Nummer, as on the ticket and in the card index.
    r = evaluate(dir, {"--los", "0"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(no_win), std::string::npos) << r.out;
    r = evaluate(dir, {"--los", "1234560"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(two_plus_s), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zw
