#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/decimal.h"
#include "cli_runner.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

CliRun in(const TempFolder& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir.path().string()});
    return test::run_cli(std::move(args));
}

TEST(CliOdds, RowAndSystemsAsJson) {
    TempFolder dir;  // no draws and no Ziehwerk.Par: the built-in quotas
    CliRun r = in(dir, {"--game", "0", "--json", "odds", "--row", "1 2 3 4 5 6"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"rows\":1,\"classes\":[{\"class\":1,\"name\":\"6+S\",\"probability\":7.151123842e-09,", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("{\"class\":9,\"name\":\"2+S\",\"probability\":0.0132378029,\"expected_rows\":0.0132378029,"
                         "\"quota\":60}"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"stake\":120}"), std::string::npos) << r.out;

    // A full system of 8 plays 28 rows; each row credits 2+S with the 6.00 of a single row.
    r = in(dir, {"--game", "0", "--json", "odds", "--system", "1 2 3 4 5 6 7 8", "--full"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"rows\":28,", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"quota\":60}]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"stake\":3360}"), std::string::npos) << r.out;

    // Austria with LottoPlus lists P6..P3 as classes 10..13.
    r = in(dir, {"--game", "3", "--json", "odds", "--row", "1 2 3 4 5 6", "--lottoplus"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("{\"class\":13,\"name\":\"P3\","), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"stake\":170}"), std::string::npos) << r.out;
}

TEST(CliOdds, ExpectedAndStakeShareTheirUnitWithTheText) {
    TempFolder dir;
    const CliRun j = in(dir, {"--game", "0", "--json", "odds", "--row", "1 2 3 4 5 6"});
    const CliRun t = in(dir, {"--game", "0", "odds", "--row", "1 2 3 4 5 6"});
    ASSERT_EQ(j.code, 0) << j.err;
    ASSERT_EQ(t.code, 0) << t.err;
    const auto json = nlohmann::json::parse(j.out);
    EXPECT_EQ(json["stake"], 120);
    const std::string lead = "Erwartete Auszahlung je Ziehung: ";
    const size_t at = t.out.find(lead);
    ASSERT_NE(at, std::string::npos) << t.out;
    const size_t from = at + lead.size();
    const std::string shown = t.out.substr(from, t.out.find(' ', from) - from);  // "0.61"
    EXPECT_EQ(shown.find(','), std::string::npos) << shown;
    EXPECT_NEAR(json["expected"].get<double>(), parse_double(shown).value_or(-1) * 100, 0.5) << j.out;  // hundredths
    EXPECT_NE(t.out.find(" EUR bei 1.20 EUR Einsatz"), std::string::npos) << t.out;
}

TEST(CliOdds, PlainTextEndsWithTheConsoleLineAndRefusalsExitTwo) {
    TempFolder dir;
    CliRun r = in(dir, {"--game", "5", "odds", "--row", "1 2 3 4 5 6 4"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("6+G     "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Erwartete Auszahlung je Ziehung: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" CHF bei 2.50 CHF Einsatz ("), std::string::npos) << r.out;

    r = in(dir, {"--game", "0", "odds", "--row", "1 2 3 4 5 6", "--row", "7 8 9 10 11 12"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("genau eine Reihe oder ein System"), std::string::npos) << r.err;
    r = in(dir, {"--game", "0", "odds", "--row", "1 2 3 4 5 5"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("doppelt"), std::string::npos) << r.err;
    r = in(dir, {"--game", "0", "odds"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("odds braucht --row oder --system"), std::string::npos) << r.err;
}

void write_toto(const TempFolder& dir, int draws) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int d = 0; d < draws; ++d) file.insert(file.end(), {1, 2, 3, 4, 5, 6, 7});
    dir.write("Toto.Dat", file);
}

TEST(CliStats, ChanceTestOfTheWinningNumbers) {
    TempFolder dir;
    write_toto(dir, 50);  // 1..6 every time: far from chance
    CliRun r = in(dir, {"--game", "2", "--json", "stats", "chance"});
    ASSERT_EQ(r.code, 0) << r.err;
    // 6 x (50 - 300/45)^2 / (300/45) + 39 x 300/45 = 1950, times 44/39.
    EXPECT_EQ(r.out.rfind("{\"range\":[1,50],\"draws\":50,\"first_counted\":1,\"chi2\":2200,\"dof\":44,\"p\":", 0), 0u)
        << r.out;
    EXPECT_NE(r.out.find("\"max_gap\":50,\"max_gap_p\":"), std::string::npos) << r.out;
    r = in(dir, {"--game", "2", "stats", "chance"});
    EXPECT_EQ(r.out.rfind("Zufallstest: Abweichungen ungewöhnlich (p < 0.001); längster Rückstand 50 ", 0), 0u) << r.out;

    r = in(dir, {"--game", "2", "--range", "1..2", "--json", "stats", "chance"});
    EXPECT_NE(r.out.find("\"chi2\":null,\"dof\":44,\"p\":null,"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zw
