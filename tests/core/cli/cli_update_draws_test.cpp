#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <sstream>

#include "../archive/source_fixtures.h"
#include "archive/draw_archive.h"
#include "cli.h"
#include "cli_runner.h"

namespace zw {
namespace {

using test::CliRun;

constexpr const char* kGerman = "https://quelle.test/de.csv";
constexpr const char* kAustrian = "https://quelle.test/at.csv";

CliRun update(const std::map<std::string, std::string>& files, const fs::path& folder,
              std::vector<std::string> args) {
    cli::Network net;
    net.get = [&](const std::string& url, int) {
        Download d;
        if (auto it = files.find(url); it != files.end()) {
            d.ok = true;
            d.body.assign(it->second.begin(), it->second.end());
        } else {
            d.error = "Keine Verbindung zu quelle.test.|Bitte prüfen Sie die Internetverbindung.";
        }
        return d;
    };
    net.addresses = [](const fs::path&) {
        NetAddresses a;
        a.source_lotto = kGerman;
        a.source_austria = kAustrian;
        return a;
    };
    args.insert(args.begin(), {"ziehwerk-cli", "--data", folder.string(), "update-draws"});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    std::ostringstream out, err;
    CliRun r;
    r.code = cli::run(static_cast<int>(argv.size()), argv.data(), out, err, &net);
    r.out = out.str();
    r.err = err.str();
    return r;
}

TEST(CliUpdateDraws, ReportsEveryGameAndSavesOnlyWhenAsked) {
    test::OutdatedFolder outdated;
    const fs::path folder = outdated.folder.path();
    std::map<std::string, std::string> files = {{kGerman, test::source_fixture("lotto_6aus49.csv")},
                                                {kAustrian, test::source_fixture("lotto_6aus45.csv")}};
    const auto lotto = outdated.folder.read("LOTTO.DAT");

    CliRun r = update(files, folder, {"--dry-run", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["saved"], false);
    ASSERT_EQ(j["games"].size(), 4u);
    EXPECT_EQ(j["games"][0]["game"], 0);
    EXPECT_EQ(j["games"][0]["new"], 5);
    EXPECT_EQ(j["games"][0]["different"], 0);
    EXPECT_EQ(j["games"][0]["newest"], "22.08.2026");
    EXPECT_TRUE(j["games"][0]["differing"].empty());
    EXPECT_EQ(j["games"][3]["game"], 3);
    EXPECT_EQ(j["games"][3]["new"], 8);
    EXPECT_EQ(outdated.folder.read("LOTTO.DAT"), lotto);

    // An unreadable source: exit 2, a German message, nothing changed.
    files.erase(kAustrian);
    r = update(files, folder, {});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Lotto 6 aus 45: Keine Verbindung zu quelle.test."), std::string::npos) << r.err;
    EXPECT_EQ(outdated.folder.read("LOTTO.DAT"), lotto);

    files[kAustrian] = test::source_fixture("lotto_6aus45.csv");
    r = update(files, folder, {});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("0  Lotto 6 aus 49 (Samstag): 5 neue Ziehungen, 0 abweichende, neueste vom 22.08.2026\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Die Ziehungen wurden gespeichert."), std::string::npos);
    r = update(files, folder, {"--json"});
    EXPECT_EQ(nlohmann::json::parse(r.out)["saved"], false);
}

TEST(CliImportDraws, KeepsSaMiInStepAndOverwritesOnlyWhenAsked) {
    test::OutdatedFolder outdated;
    const fs::path folder = outdated.folder.path();
    // A stored Saturday differs, the next one is new to Samstag and to Sa+Mi
    // (which holds the Wednesday 22.07. before it).
    std::vector<uint8_t> shipped_both;
    {
        std::ifstream in(shipped_data_folder() / "SM_LOTTO.DAT", std::ios::binary);
        shipped_both.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        shipped_both.resize(shipped_both.size() - 9 * 7);
        outdated.folder.write("SM_LOTTO.DAT", shipped_both);
    }
    outdated.folder.write_text("neu.csv",
                               "\xEF\xBB\xBF\"date\";\"n1\";n2;n3;n4;n5;n6;superzahl\r\n"
                               "11-07-2026;1;2;3;4;5;6;0\r\n"
                               "\"2026-07-25\";1;12;17;25;30;40;3\r\n");
    const std::string csv = (folder / "neu.csv").string();
    const auto sat_before = outdated.folder.read("LOTTO.DAT");
    const auto both_before = outdated.folder.read("SM_LOTTO.DAT");
    CliRun r = test::run_cli({"--data", folder.string(), "--game", "0", "import-draws", csv});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("1 neue Ziehungen, 1 abweichende"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Lotto 6 aus 49 (Samstag und Mittwoch): 1 neue Ziehungen, 1 abweichende, gespeichert"),
              std::string::npos)
        << r.out;
    auto sat = outdated.folder.read("LOTTO.DAT");
    auto both = outdated.folder.read("SM_LOTTO.DAT");
    ASSERT_EQ(sat.size(), sat_before.size() + 7);
    ASSERT_EQ(both.size(), both_before.size() + 7);
    // The new Saturday went into both archives, Superzahl 3 as stored; the differing one waits.
    EXPECT_EQ(std::vector<uint8_t>(sat.end() - 7, sat.end()), (std::vector<uint8_t>{1, 12, 17, 25, 30, 40, 3}));
    EXPECT_EQ(std::vector<uint8_t>(both.end() - 7, both.end()), (std::vector<uint8_t>{1, 12, 17, 25, 30, 40, 3}));
    EXPECT_TRUE(std::equal(sat_before.begin(), sat_before.end(), sat.begin()));
    EXPECT_TRUE(std::equal(both_before.begin(), both_before.end(), both.begin()));

    r = test::run_cli({"--data", folder.string(), "--game", "0", "import-draws", csv, "--take-different"});
    ASSERT_EQ(r.code, 0) << r.err;
    sat = outdated.folder.read("LOTTO.DAT");
    both = outdated.folder.read("SM_LOTTO.DAT");
    EXPECT_EQ(std::vector<uint8_t>(sat.end() - 21, sat.end() - 14), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 10}));
    // In Sa+Mi: 11.07., 15.07., 18.07., 22.07., 25.07.
    EXPECT_EQ(std::vector<uint8_t>(both.end() - 35, both.end() - 28), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 10}));
}

TEST(CliImportDraws, AustrianFridayRowsGoIntoTheBonusDraws) {
    test::OutdatedFolder outdated;  // lacks the bonus draws of 07.08. and 21.08.2026
    const fs::path folder = outdated.folder.path();
    outdated.folder.write_text("bonus.csv",
                               "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n"
                               "2026-08-07,2,6,10,17,32,37,41\n"
                               "2026-08-21,1,3,24,32,36,42,37\n");
    const std::string csv = (folder / "bonus.csv").string();
    CliRun r = test::run_cli({"--data", folder.string(), "--game", "3", "import-draws", csv});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("0 neue Ziehungen, 0 abweichende, 2 neue Bonus-Ziehungen, 0 abweichende"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("übersprungen"), std::string::npos) << r.out;
    DrawArchive got, shipped;
    ASSERT_TRUE(got.load_draws(folder, game_params(kAustria)).ok());
    ASSERT_TRUE(shipped.load_draws(shipped_data_folder(), game_params(kAustria)).ok());
    ASSERT_EQ(got.bonus_count(), shipped.bonus_count());
    EXPECT_EQ(got.bonus_draws().back().date, "21.08.2026");
    EXPECT_EQ(got.bonus_draws().back().numbers, shipped.bonus_draws().back().numbers);
}

}  // namespace
}  // namespace zw
