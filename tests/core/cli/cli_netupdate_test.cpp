#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "archive/calendar.h"
#include "cli.h"
#include "cli_runner.h"
#include "session/data_folder.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::CliRun;
using test::TempFolder;

// A stand-in for the Internet: pages by address, everything else "no connection".
struct FakeNet {
    std::map<std::string, std::vector<uint8_t>> pages;
    std::vector<std::string> asked;
    cli::Network network() {
        cli::Network n;
        n.get = [this](const std::string& url, int) {
            asked.push_back(url);
            Download d;
            if (auto it = pages.find(url); it != pages.end()) {
                d.ok = true;
                d.body = it->second;
            } else {
                d.error = "Keine Verbindung zu test.|Bitte prüfen Sie die Internetverbindung.";
            }
            return d;
        };
        n.addresses = [](const fs::path&) {
            NetAddresses a;
            a.bundle = "https://update.test/Mega.Dat";
            a.lotto = "https://lotto.test";
            return a;
        };
        return n;
    }
};

CliRun run_with(FakeNet& net, std::vector<std::string> args) {
    args.insert(args.begin(), "ziehwerk-cli");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    std::ostringstream out, err;
    const cli::Network n = net.network();
    CliRun r;
    r.code = cli::run(static_cast<int>(argv.size()), argv.data(), out, err, &n);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<uint8_t> file_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliNetUpdate, BundleOfOneFolderBringsAnOlderCopyUpToDate) {
    TempFolder fresh, old;
    seed_data_folder(fresh.path(), shipped_data_folder());
    seed_data_folder(old.path(), shipped_data_folder());
    // The old copy lacks the last two Saturday draws and has its own calibration.
    std::vector<uint8_t> lotto = file_bytes(fresh / "LOTTO.DAT");
    lotto.resize(lotto.size() - 14);
    lotto[0] = 140;
    old.write("LOTTO.DAT", lotto);

    FakeNet net;
    const fs::path bundle = fresh / "Mega.Dat";
    CliRun r = run_with(net, {"--data", fresh.path().string(), "bundle", "--out", bundle.string()});
    ASSERT_EQ(r.code, 0) << r.err;
    net.pages["https://update.test/Mega.Dat"] = file_bytes(bundle);

    r = run_with(net, {"--data", old.path().string(), "update", "--dry-run"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Lotto.Dat: neuer\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("M_Lotto.Dat: unverändert\n"), std::string::npos);
    EXPECT_EQ(file_bytes(old / "LOTTO.DAT"), lotto);

    r = run_with(net, {"--data", old.path().string(), "--json", "update"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("{\"name\":\"Lotto.Dat\",\"result\":\"neuer\"}"), std::string::npos);
    EXPECT_NE(r.out.find("\"updated\":true"), std::string::npos);
    std::vector<uint8_t> expected = file_bytes(fresh / "LOTTO.DAT");
    expected[0] = 140;
    EXPECT_EQ(file_bytes(old / "LOTTO.DAT"), expected);
}

TEST(CliNetUpdate, RefusalsExitWithTwoAndTheReason) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    const auto before = file_bytes(dir / "LOTTO.DAT");
    FakeNet net;
    CliRun r = run_with(net, {"--data", dir.path().string(), "update", "--from", "https://nowhere.test/x"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Keine Verbindung zu test. Bitte"), std::string::npos) << r.err;
    net.pages["https://update.test/Mega.Dat"] = {1, 2, 3};
    r = run_with(net, {"--data", dir.path().string(), "update"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("unvollständig"), std::string::npos) << r.err;
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT"), before);
}

TEST(CliFetch, PrintsTheDrawAsJsonAndChangesNothing) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    std::ifstream in(std::string(ZIEHWERK_SOURCE_DIR) + "/tests/core/archive/pages/lotto.html");
    std::stringstream page;
    page << in.rdbuf();
    const std::string text = page.str();
    FakeNet net;
    net.pages["https://results.test/portal/zahlen-quoten/gewinnzahlen/lotto-gewinnzahlen/"
              "lotto-gewinnzahlen.jsp?ziehungsDatum=22.08.2026#"] =
        std::vector<uint8_t>(text.begin(), text.end());
    int n = 0;
    for (int k = 3000; k < 4000 && !n; ++k)
        if (draw_date(kLottoSaturday, k).text == "22.08.2026") n = k;
    const auto before = file_bytes(dir / "LOTTO.DAT");
    CliRun r = run_with(net, {"--data", dir.path().string(), "--game", "0", "--json", "fetch", "--draw",
                              std::to_string(n), "--url", "https://results.test"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"draw\":" + std::to_string(n) +
                         ",\"date\":\"22.08.2026\",\"numbers\":[7,16,22,28,30,31],\"extra\":4,"
                         "\"spiel77\":\"0123456\",\"super6\":\"654321\",\"joker\":null,\"plus\":null}\n");
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT"), before);
    r = run_with(net, {"--data", dir.path().string(), "--game", "0", "fetch", "--draw",
                       std::to_string(n + 1), "--url", "https://results.test"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Keine Zahlen verfügbar!"), std::string::npos) << r.err;
}

TEST(CliImportDraws, DryRunPreviewsThenTheImportSaves) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    dir.write_text("neu.csv",
                   "date;n1;n2;n3;n4;n5;n6;superzahl\n"
                   "29.08.2026;1;2;3;4;5;6;7\n"
                   "2026-08-22;7;16;22;28;30;32;4\n");
    const std::string csv = (dir / "neu.csv").string();
    const auto before = file_bytes(dir / "LOTTO.DAT");
    FakeNet net;
    CliRun r = run_with(net, {"--data", dir.path().string(), "--game", "0", "--json", "import-draws", csv,
                              "--dry-run"});
    ASSERT_EQ(r.code, 0) << r.err;
    int newest = 0;
    for (int k = 3000; k < 4000 && !newest; ++k)
        if (draw_date(kLottoSaturday, k).text == "22.08.2026") newest = k;
    EXPECT_EQ(r.out, "{\"added\":[" + std::to_string(newest + 1) + "],\"changed\":[" +
                         std::to_string(newest) + "],\"unchanged\":0}\n");
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT"), before);
    r = run_with(net, {"--data", dir.path().string(), "--game", "0", "import-draws", csv});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("1 neue Ziehungen, 1 abweichende"), std::string::npos) << r.out;
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT").size(), before.size() + 7);
    // A malformed line: exit 2, nothing imported.
    dir.write_text("kaputt.csv", "date,n1,n2,n3,n4,n5,n6\n2026-09-05,1,2,3,4,5,x\n");
    const auto after = file_bytes(dir / "LOTTO.DAT");
    r = run_with(net, {"--data", dir.path().string(), "--game", "0", "import-draws",
                       (dir / "kaputt.csv").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Zeile 2: "), std::string::npos) << r.err;
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT"), after);
}

TEST(CliImportDraws, ARowFarPastTheNewestDrawIsRefusedWithoutAllowGap) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    // The newest shipped Saturday draw is of 22.08.2026; the second row has a typo in its year.
    dir.write_text("neu.csv",
                   "date;n1;n2;n3;n4;n5;n6;superzahl\n"
                   "29.08.2026;1;2;3;4;5;6;7\n"
                   "01.01.2039;1;2;3;4;5;6;7\n");
    const std::string csv = (dir / "neu.csv").string();
    const auto before = file_bytes(dir / "LOTTO.DAT");
    FakeNet net;
    for (const char* dry : {"--dry-run", ""}) {
        std::vector<std::string> args = {"--data", dir.path().string(), "--game", "0", "import-draws", csv};
        if (*dry) args.push_back(dry);
        const CliRun r = run_with(net, args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("Die Zeile 3 vom 01.01.2039 liegt 644 Ziehungen nach der neuesten Ziehung "
                             "(29.08.2026)."),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find("--allow-gap"), std::string::npos) << r.err;
        EXPECT_EQ(file_bytes(dir / "LOTTO.DAT"), before);
    }
    const CliRun r = run_with(net, {"--data", dir.path().string(), "--game", "0", "import-draws", csv,
                                    "--allow-gap"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(file_bytes(dir / "LOTTO.DAT").size(), before.size() + 645 * 7);
    EXPECT_NE(run_with(net, {"help", "import-draws"}).out.find("--allow-gap"), std::string::npos);
}

}  // namespace
}  // namespace zw
