#include <gtest/gtest.h>

#include <sstream>

#include "archive/draw_export.h"
#include "cli_runner.h"
#include "session/data_folder.h"
#include "temp_folder.h"
#include "toto_folder.h"

namespace zw {
namespace {

using test::TempFolder;

using test::run_cli;

std::string text_of(const TempFolder& dir, const std::string& name) {
    const auto bytes = dir.read(name);
    return {bytes.begin(), bytes.end()};
}

// Toto with 60 draws of varying numbers.
void make_folder(const TempFolder& dir) { test::write_toto_draws(dir); }

TEST(CliExport, WritesTheViewersFilesForGameAndRange) {
    TempFolder dir;
    make_folder(dir);
    const std::string all = (dir / "alle.txt").string(), grid = (dir / "spalten.txt").string();
    auto r = run_cli({"--data", dir.path().string(), "--game", "2", "--range", "5..20", "export",
                      "--kind", "all", "--out", all});
    ASSERT_EQ(r.code, 0) << r.err;
    r = run_cli({"--data", dir.path().string(), "--game", "2", "--range", "5..20", "export",
                 "--kind", "grid", "--out", grid});
    ASSERT_EQ(r.code, 0) << r.err;

    GameParams p;
    apply_game(p, kToto);
    DrawArchive a;
    ASSERT_TRUE(a.load_draws(dir.path(), p));
    DrawRange range;
    range.set(5, 20);
    EXPECT_EQ(text_of(dir, "alle.txt"), export_all_draws(p, a, range));
    EXPECT_EQ(text_of(dir, "spalten.txt"), export_last_draws_grid(p, a, range));
    EXPECT_EQ(text_of(dir, "alle.txt").substr(0, 37), "ALLE AUSSPIELUNGEN DER AUSWAHLWETTE:\n");
}

// The Austrian lottery counts its bonus draws: Sunday 29.11.2020 was its
// 3000th draw. The date, the draw list and the export all use that count.
TEST(CliExport, AustrianDrawThreeThousandIsTheTwentyNinthOfNovember2020Everywhere) {
    TempFolder dir;
    for (const char* name : {"O_LOTTO.DAT", "OB_Lotto.Dat"})
        std::filesystem::copy_file(shipped_data_folder() / name, dir / name);
    const std::string data = dir.path().string();
    auto r = run_cli({"--data", data, "--game", "3", "date", "3000"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("3000    29.11.2020"), std::string::npos) << r.out;
    r = run_cli({"--data", data, "--game", "3", "--range", "3000..3000", "draws"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 22), " 3000    29.11.2020   ") << r.out;
    const std::string all = (dir / "alle.txt").string();
    r = run_cli({"--data", data, "--game", "3", "--range", "3000..3000", "export", "--kind", "all",
                 "--out", all});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(text_of(dir, "alle.txt").find("Ziehung 3000 vom 29.11.2020"), std::string::npos)
        << text_of(dir, "alle.txt");
}

TEST(CliExport, UnwritableFileOrBadKindEndsWithCodeTwo) {
    TempFolder dir;
    make_folder(dir);
    auto r = run_cli({"--data", dir.path().string(), "--game", "2", "export", "--kind", "all",
                      "--out", (dir / "fehlt" / "x.txt").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("kann nicht geschrieben werden"), std::string::npos);
    r = run_cli({"--data", dir.path().string(), "--game", "2", "export", "--kind", "list", "--out",
                 (dir / "x.txt").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.txt"));
}

}  // namespace
}  // namespace zw
