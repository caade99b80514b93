// Saves killed at random moments: every file stays a complete old or new
// version, and the next start removes the temporary files left behind.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <map>

#include <sys/wait.h>
#include <unistd.h>

#include "app/session.h"
#include "archive/draw_archive.h"
#include "games/random_source.h"
#include "temp_folder.h"
#include "tipping/par_files.h"

namespace zw {
namespace {

using test::TempFolder;

const std::vector<std::string> kSavedFiles = {"LOTTO.DAT", "Spiel77Sam.Dat", "Super6Sam.Dat",
                                              "Ziehwerk.Par"};

struct Version {
    DrawArchive archive;
    MoneyTables money = default_money_tables();
};

// Version v has 1900 + v draws and side numbers and quotas that tell it apart.
void build(Version& out, int v, const std::filesystem::path& folder) {
    const GameParams p = game_params(kLottoSaturday);
    out.archive.clear_for(p);
    const int draws = 1900 + v;
    out.archive.extend_to(draws);
    for (int n = 1; n <= draws; ++n) {
        uint8_t* rec = out.archive.record(n);
        for (int i = 0; i < 6; ++i) rec[i] = static_cast<uint8_t>(i * 8 + 1 + (n + v) % 8);
        rec[6] = 0;
    }
    for (int n = 1005; n <= draws; ++n) out.archive.set_side_number(n, 1000000 + n * 3 + v);
    for (int n = 1875; n <= draws; ++n) out.archive.set_super6_number(n, n + v);
    out.money.quota[0][0] = 100000 + v;
    // The Super 6 file is rewritten only where it exists.
    write_file_atomic(folder / "Super6Sam.Dat", std::string_view{});
}

bool save(Version& version, const std::filesystem::path& folder) {
    return version.archive.save_draws(folder) &&
           save_money_files(folder, version.money, game_params(kLottoSaturday));
}

std::vector<std::string> temporaries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.find(".zwtmp") != std::string::npos) names.push_back(name);
    }
    return names;
}

TEST(CrashSafety, SavesKilledAtRandomLeaveCompleteFilesAndStartUpRemovesTemporaries) {
    TempFolder ref_a, ref_b, work;
    Version a, b;
    build(a, 0, ref_a.path());
    build(b, 1, ref_b.path());
    ASSERT_TRUE(save(a, ref_a.path()));
    ASSERT_TRUE(save(b, ref_b.path()));
    std::map<std::string, std::pair<std::vector<uint8_t>, std::vector<uint8_t>>> expected;
    for (const auto& name : kSavedFiles) {
        expected[name] = {ref_a.read(name), ref_b.read(name)};
        ASSERT_NE(expected[name].first, expected[name].second) << name;
    }
    write_file_atomic(work / "Super6Sam.Dat", std::string_view{});
    ASSERT_TRUE(save(a, work.path()));

    RandomSource random(20261209);
    constexpr int kKills = 300;
    int mixed = 0, with_temporaries = 0;
    for (int kill_no = 0; kill_no < kKills; ++kill_no) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                save(a, work.path());
                save(b, work.path());
            }
        }
        usleep(200 + random.below(4000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        std::vector<int> versions;
        for (const auto& name : kSavedFiles) {
            const auto bytes = work.read(name);
            const auto& [old_bytes, new_bytes] = expected[name];
            ASSERT_TRUE(bytes == old_bytes || bytes == new_bytes)
                << name << " is torn after kill " << kill_no << " (" << bytes.size() << " bytes)";
            versions.push_back(bytes == old_bytes ? 0 : 1);
        }
        if (std::adjacent_find(versions.begin(), versions.end(), std::not_equal_to<>()) !=
            versions.end())
            ++mixed;
        if (!temporaries(work.path()).empty()) ++with_temporaries;
    }
    std::printf("%d kills: %d left files of two saves (killed between renames), %d left "
                "temporary files\n",
                kKills, mixed, with_temporaries);
    // One recognisable temporary name per file: never more than one each.
    EXPECT_LE(temporaries(work.path()).size(), kSavedFiles.size());
    Session session(work.path());
    session.start_up();
    EXPECT_TRUE(temporaries(work.path()).empty());
}

TEST(CrashSafety, StartUpRemovesOurAndOlderNumberedTemporariesOnly) {
    TempFolder dir;
    for (const char* name : {"LOTTO.DAT.zwtmp", "Ziehwerk.Par.tmp17", "Spiel77.Dat.tmp0",
                             "notes.tmp", "LOTTO.DAT", "tmp5"})
        dir.write(name, {1});
    EXPECT_EQ(remove_temporary_files(dir.path()),
              (std::vector<std::string>{"LOTTO.DAT.zwtmp", "Spiel77.Dat.tmp0",
                                        "Ziehwerk.Par.tmp17"}));
    EXPECT_TRUE(std::filesystem::exists(dir / "notes.tmp"));
    EXPECT_TRUE(std::filesystem::exists(dir / "LOTTO.DAT"));
    EXPECT_TRUE(std::filesystem::exists(dir / "tmp5"));
}

TEST(CrashSafety, AFailedWriteReplacesNoFileOfTheSet) {
    TempFolder dir;
    dir.write("A.Dat", {1});
    FileSetWriter files;
    files.add(dir / "A.Dat", std::vector<uint8_t>{2});
    files.add(dir / "missing" / "B.Dat", std::vector<uint8_t>{3});
    const Status s = files.commit();
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("B.Dat kann nicht geschrieben werden"), std::string::npos);
    EXPECT_EQ(dir.read("A.Dat"), std::vector<uint8_t>{1});
    EXPECT_TRUE(temporaries(dir.path()).empty());
}

}  // namespace
}  // namespace zw
