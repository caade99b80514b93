// The command line's parser: German help and refusals, common options on
// either side of the command, options in the order given.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_folder.h"
#include "toto_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

void make_folder(const TempFolder& dir) { test::write_toto_draws(dir); }

void expect_no_english(const std::string& text) {
    for (const char* word : {"Usage", "OPTIONS", "Options", "SUBCOMMAND", "Subcommands", "Positionals",
                             "REQUIRED", "required", "Expected", "expected", "not ", "TEXT", "INT"})
        EXPECT_EQ(text.find(word), std::string::npos) << word << " in\n" << text;
}

TEST(CliParser, HelpIsGermanAndNamesEveryCommandAndItsOptions) {
    const auto overview = run_cli({"--help"});
    EXPECT_EQ(overview.code, 0);
    EXPECT_EQ(overview.out.rfind("Aufruf: ziehwerk-cli [OPTIONEN] [BEFEHL]\n", 0), 0u) << overview.out;
    for (const auto& c : cli::commands())
        EXPECT_NE(overview.out.find(std::string("\n  ") + c.name + " "), std::string::npos) << c.name;
    EXPECT_NE(overview.out.find("--range ERSTE..LETZTE"), std::string::npos);
    expect_no_english(overview.out);
    EXPECT_EQ(run_cli({"help"}).out, overview.out);

    const auto generate = run_cli({"generate", "--help"});
    EXPECT_EQ(generate.code, 0);
    EXPECT_NE(generate.out.find("Aufruf: ziehwerk-cli generate [OPTIONEN]"), std::string::npos) << generate.out;
    EXPECT_NE(generate.out.find("--rows ANZAHL"), std::string::npos);
    expect_no_english(generate.out);
    EXPECT_EQ(run_cli({"help", "generate"}).out, generate.out);

    // Without a command the overview goes to stderr and the call fails.
    const auto none = run_cli({});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.out.empty());
    EXPECT_EQ(none.err, overview.out);
    EXPECT_EQ(run_cli({"help", "frobnicate"}).code, 2);
}

TEST(CliParser, RefusalsAreGermanWithExitCodeTwo) {
    TempFolder dir;
    make_folder(dir);
    const std::string data = dir.path().string();
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"frobnicate"}, "Unbekannter Befehl \"frobnicate\"."},
        {{"info", "--bogus"}, "Unbekannte Angabe \"--bogus\" für info."},
        {{"info", "extra"}, "Unbekannte Angabe \"extra\" für info."},
        {{"generate", "--tips", "1 2 3 4 5 6 7", "--rows"}, "Zu --rows fehlt der Wert."},
        {{"generate", "--tips", "1 2 3 4 5 6 7", "--rows", "x"}, "Ungültige Zahl für --rows: \"x\""},
        {{"generate", "--tips", "1 2 3 4 5 6 7", "--rows=3x"}, "Ungültige Zahl für --rows: \"3x\""},
        {{"slip", "--rows", "1 2 3 4 5 6", "--bundesland", "3.5"}, "Ungültige Zahl für --bundesland: \"3.5\""},
        {{"--game"}, "Zu --game fehlt der Wert."},
        {{"--game", "x", "info"}, "Ungültige Zahl für --game: \"x\""},
        {{"--game", "6", "info"}, "Spiel muss 0 bis 5 sein."},
        {{"--json=vielleicht", "info"}, "Ungültiger Wert für --json."},
        {{"info", "--range", "5..2"}, "Ungültiger Ziehungsrahmen \"5..2\""},
        {{"evaluate", "--full", "--system", "1 2 3 4 5 6 7"}, "--full gehört hinter ein --system."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--data", data, "--game", "2"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run_cli(args);
        EXPECT_EQ(r.code, 2) << c.message;
        EXPECT_EQ(r.err, "ziehwerk-cli: " + c.message + "\n");
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(CliParser, CommonOptionsStandOnEitherSideAndTheLastValueCounts) {
    TempFolder dir;
    make_folder(dir);
    const std::string data = dir.path().string();
    const auto before = run_cli({"--data", data, "--game", "2", "--json", "--range", "3..4", "draws"});
    ASSERT_EQ(before.code, 0) << before.err;
    EXPECT_EQ(run_cli({"draws", "--range", "3..4", "--json", "--game", "2", "--data", data}).out, before.out);
    EXPECT_EQ(run_cli({"--range", "1..9", "--data", data, "draws", "--game=2", "--range=3..4", "--json"}).out,
              before.out);
    // A word that names a command is the command's word once a command is chosen.
    const auto date = run_cli({"--data", data, "--game", "2", "date", "info"});
    EXPECT_EQ(date.err, "ziehwerk-cli: Ungültige Zahl für die Ziehungsnummer: \"info\"\n");
}

TEST(CliParser, SystemsTakeFullOrPartialInTheOrderGiven) {
    TempFolder dir;
    make_folder(dir);
    std::filesystem::copy_file(std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data" / "ZIEHWERK.ASW",
                               dir / "ZIEHWERK.ASW");
    const auto r = run_cli({"--data", dir.path().string(), "--game", "2", "--json", "evaluate", "--system",
                            "1 2 3 4 5 6 7 8 9 10", "--partial", "3", "--system", "11 12 13 14 15 16 17", "--full"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto first = r.out.find("\"numbers\":[1,2,3,4,5,6,7,8,9,10],\"rows\":");
    const auto second = r.out.find("\"numbers\":[11,12,13,14,15,16,17],\"rows\":7,");
    ASSERT_NE(first, std::string::npos) << r.out;
    ASSERT_NE(second, std::string::npos) << r.out;
    EXPECT_LT(first, second);
    EXPECT_EQ(r.out.find("\"rows\":210,"), std::string::npos) << "the partial system played in full";
}

// A mistyped option was once ignored: "--dryrun" imported and saved.
TEST(CliParser, AMistypedOptionChangesNoFile) {
    TempFolder dir;
    make_folder(dir);
    {
        std::ofstream csv(dir / "neu.csv");
        csv << "date;n1;n2;n3;n4;n5;n6;zusatzzahl\n1976-03-06;1;2;3;4;5;6;7\n";
    }
    const auto before = dir.read("Toto.Dat");
    const auto r = run_cli({"--data", dir.path().string(), "--game", "2", "import-draws",
                            (dir / "neu.csv").string(), "--dryrun"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "ziehwerk-cli: Unbekannte Angabe \"--dryrun\" für import-draws.\n");
    EXPECT_EQ(dir.read("Toto.Dat"), before);
}

TEST(CliParser, JsonTextsAreEscapedAndStayUtf8) {
    TempFolder dir;
    make_folder(dir);
    const std::string name = "a\"b\\c\td\xff.txt";
    const auto r = run_cli({"--data", dir.path().string(), "--game", "2", "--json", "export", "--kind", "all",
                            "--out", (dir / name).string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("a\\\"b\\\\c\\td\xEF\xBF\xBD.txt\",\"kind\":\"all\",\"lines\":"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace zw
