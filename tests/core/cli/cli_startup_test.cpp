// The command line at start-up: apart from finishing an interrupted save it
// changes no file, and reports on stderr what the window program would repair
// and which files it could not read.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli_runner.h"
#include "session/data_folder.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

void lotto_file(const TempFolder& dir, const std::string& name) {
    dir.write(name, {126, 126, 0, 0, 1, 2, 3, 4, 5, 6, 7});
}

TEST(CliStartUp, InfoLeavesTheBackupAloneAndRemovesLeftoverTemporaries) {
    TempFolder dir;
    lotto_file(dir, "Lotto.Dat.kat");
    lotto_file(dir, "M_Lotto.Dat");
    dir.write("Ziehwerk.Par.zwtmp", {1, 2});
    const auto r = run_cli({"--data", dir.path().string(), "--game", "1", "info"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "Lotto.Dat.kat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Lotto.Dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Ziehwerk.Par.zwtmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "ziehwerk.lock"));
    EXPECT_NE(r.err.find("Lotto.Dat.kat würde beim Start des Programms als Lotto.Dat"),
              std::string::npos)
        << r.err;
}

TEST(CliStartUp, DamagedParameterFilesAreReportedOnStderrWithLineBreaks) {
    TempFolder dir;
    lotto_file(dir, "Lotto.Dat");
    dir.write("Ziehwerk.Par", {1, 2, 3});
    dir.write("ZIEHWERK.ASW", {1, 2, 3});
    const auto r = run_cli({"--data", dir.path().string(), "info"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.err.find("Warnung: Die Datei Ziehwerk.Par ist 3 statt 276 Bytes lang und wurde "
                         "nicht gelesen.\nEs gelten weiter"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("ZIEHWERK.ASW ist beschädigt"), std::string::npos);
    EXPECT_EQ(r.err.find('|'), std::string::npos);
}


// Without --data the command line works on the user's data folder, filled from
// the shipped data the first time (as the window program does), and never
// writes into the shipped folder.
TEST(CliStartUp, FillsAndUsesTheUsersDataFolderWhenItDoesNotExistYet) {
    TempFolder home;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    const auto r = run_cli({"--game", "0", "info"});
    if (old) ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(r.code, 0) << r.err;
    const auto user = home / "ziehwerk";
    EXPECT_NE(r.out.find(user.string()), std::string::npos) << r.out;
    EXPECT_TRUE(file_exists(user, "LOTTO.DAT"));
    EXPECT_EQ(r.out.find(shipped_data_folder().string()), std::string::npos);
}

}  // namespace
}  // namespace zw
