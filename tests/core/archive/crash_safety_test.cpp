// Saves and updates killed at random moments (draw files, money tables, card
// indexes): after the next start (of the window program or of the command
// line, after every kill) every file is a complete old or new version, the
// draw file and its side files come from the same save, and no temporary
// file is left.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>

#include "archive/bundle.h"
#include "archive/draw_archive.h"
#include "base/random_source.h"
#include "cardindex/card_store.h"
#include "cli_runner.h"
#include "session/session.h"
#include "temp_folder.h"
#include "tipping/par_files.h"

namespace zw {
namespace {

using test::TempFolder;

const std::vector<std::string> kSavedFiles = {
    "LOTTO.DAT", "Spiel77Sam.Dat", "Super6Sam.Dat", "Ziehwerk.Par",
    default_card_file(kLottoSaturday, CardKind::Normal), default_card_file(kLottoSaturday, CardKind::System)};

struct Version {
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    CardIndex normal_cards{CardKind::Normal};
    CardIndex system_cards{CardKind::System};
    // The Internet update that brings the draw files to this version.
    UpdatePlan update;
};

const std::vector<std::string> kDrawSet = {"LOTTO.DAT", "Spiel77Sam.Dat", "Super6Sam.Dat"};

void plan_update_to(Version& v, const std::filesystem::path& saved) {
    for (const auto& name : kDrawSet) {
        FilePlan f;
        f.name = name;
        f.verdict = FileVerdict::kNewer;
        f.contents = *read_file(saved / name);
        v.update.files.push_back(std::move(f));
    }
}

// Card indexes of 790 + v tickets (about 100 kB and 50 kB), so that kills
// also land inside their writes.
void build_cards(Version& out, int v) {
    std::vector<CardTicket> normal, system;
    for (int i = 0; i < 790 + v; ++i) {
        CardRow row{};
        for (size_t k = 0; k < 6; ++k) row[k] = static_cast<uint8_t>(1 + k * 8 + (i + v) % 8);
        CardTicket t = make_normal_card({row, row}, kLottoSaturday);
        t.first_draw = static_cast<int16_t>(1 + i);
        t.stake = 250 + v;
        normal.push_back(t);
        CardTicket s;
        s.first_draw = t.first_draw;
        s.fields[0].in_use = true;
        s.fields[0].numbers = {1, 2, 3, 4, 5, 6, static_cast<uint8_t>(7 + (i + v) % 40)};
        s.fields[0].size = 7;
        s.fields[0].full = true;
        system.push_back(s);
    }
    out.normal_cards.assign(normal, static_cast<int16_t>(1 + v), 0);
    out.system_cards.assign(system, static_cast<int16_t>(1 + v), 0);
}

// Version v has 1900 + v draws and side numbers and quotas that tell it apart.
void build(Version& out, int v, const std::filesystem::path& folder) {
    const GameParams p = game_params(kLottoSaturday);
    out.archive.clear_for(p);
    const int draws = 1900 + v;
    out.archive.extend_to(draws);
    for (int n = 1; n <= draws; ++n) {
        Draw d;
        for (int i = 0; i < 6; ++i) d.numbers[i] = static_cast<uint8_t>(i * 8 + 1 + (n + v) % 8);
        out.archive.set_draw(n, d);
    }
    for (int n = 1005; n <= draws; ++n) out.archive.set_side_number(n, 1000000 + n * 3 + v);
    for (int n = 1875; n <= draws; ++n) out.archive.set_super6_number(n, n + v);
    out.money.quota[0][0] = 100000 + v;
    build_cards(out, v);
    // The Super 6 file is rewritten only where it exists.
    write_file_atomic(folder / "Super6Sam.Dat", std::string_view{});
}

// The saves of one version, one step each: the draw files, the money tables
// and the two card indexes, as the program saves them, and the draw files
// once more through the Internet update.
constexpr int kSaveSteps = 5;

bool save_step(Version& version, int step, const std::filesystem::path& folder) {
    switch (step) {
        case 0: return version.archive.save_draws(folder).ok();
        case 1: return save_money_files(folder, version.money, game_params(kLottoSaturday)).ok();
        // The two versions take turns as if each had been confirmed over the
        // other's file: no loaded file to compare with.
        case 2:
            version.normal_cards.set_file({});
            return save_card_index(folder, kLottoSaturday, version.normal_cards).ok();
        case 3:
            version.system_cards.set_file({});
            return save_card_index(folder, kLottoSaturday, version.system_cards).ok();
        default: return apply_update(folder, version.update).ok();
    }
}

bool save(Version& version, const std::filesystem::path& folder) {
    for (int step = 0; step < kSaveSteps - 1; ++step)
        if (!save_step(version, step, folder)) return false;
    return true;
}

// Temporary files and journals in the folder.
std::vector<std::string> temporaries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.ends_with(kTempSuffix) || name.ends_with(kJournalSuffix)) names.push_back(name);
    }
    return names;
}

TEST(CrashSafety, SavesKilledAtRandomLeaveCompleteSetsAfterTheNextStart) {
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
    plan_update_to(a, ref_a.path());
    plan_update_to(b, ref_b.path());
    write_file_atomic(work / "Super6Sam.Dat", std::string_view{});
    ASSERT_TRUE(save(a, work.path()));

    // Each child starts at a random step of the round "a then b" and saves on
    // from there; the kill comes within about two of the longest steps after
    // the child is up, however long the disk (or a sanitizer) takes, so that
    // every save is interrupted now and then and every save also completes.
    using Clock = std::chrono::steady_clock;
    const auto micros = [](Clock::time_point since) {
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - since).count();
    };
    int64_t longest_step = 0;
    for (Version* v : {&b, &a})
        for (int step = 0; step < kSaveSteps; ++step) {
            const auto started = Clock::now();
            ASSERT_TRUE(save_step(*v, step, work.path()));
            longest_step = std::max<int64_t>(longest_step, micros(started));
        }
    const auto fork_started = Clock::now();
    if (const pid_t probe = fork(); probe == 0) {
        _exit(0);
    } else {
        ASSERT_GE(probe, 0);
        waitpid(probe, nullptr, 0);
    }
    const int64_t fork_us = micros(fork_started);
    const auto delay_range = static_cast<uint32_t>(std::clamp<int64_t>(fork_us + 2 * longest_step, 4000, 2000000));

    RandomSource random(20261209);
    constexpr int kKills = 300;
    int mixed = 0, with_temporaries = 0, draw_set_mixed = 0, left_after_start = 0;
    std::map<std::string, std::array<int, 2>> seen;  // kills that left each file old / new
    for (int kill_no = 0; kill_no < kKills; ++kill_no) {
        const int first_step = static_cast<int>(random.below(2 * kSaveSteps));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int step = first_step;; step = (step + 1) % (2 * kSaveSteps))
                save_step(step < kSaveSteps ? a : b, step % kSaveSteps, work.path());
        }
        usleep(200 + random.below(delay_range));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        if (!temporaries(work.path()).empty()) ++with_temporaries;
        // The next start finishes or drops the interrupted save: the window
        // program's and the command line's in turn.
        if (kill_no % 2 == 0) {
            Session(work.path()).start_up();
        } else {
            const auto r = test::run_cli({"--data", work.path().string(), "--game", "0", "info"});
            ASSERT_EQ(r.code, 0) << "after kill " << kill_no << ": " << r.err;
        }
        std::vector<int> versions;
        for (const auto& name : kSavedFiles) {
            const auto bytes = work.read(name);
            const auto& [old_bytes, new_bytes] = expected[name];
            ASSERT_TRUE(bytes == old_bytes || bytes == new_bytes)
                << name << " is torn after kill " << kill_no << " (" << bytes.size() << " bytes)";
            versions.push_back(bytes == old_bytes ? 0 : 1);
            ++seen[name][static_cast<size_t>(versions.back())];
        }
        if (std::adjacent_find(versions.begin(), versions.end(), std::not_equal_to<>()) !=
            versions.end())
            ++mixed;
        // The draw file and its side-game files (the first three) are one set.
        if (versions[0] != versions[1] || versions[0] != versions[2]) ++draw_set_mixed;
        if (!temporaries(work.path()).empty()) ++left_after_start;
    }
    std::printf("%d kills: %d left the draw file and its side files from different saves, "
                "%d left temporary files or a journal, %d still after the next start "
                "(%d with files of different steps, as expected between steps)\n",
                kKills, draw_set_mixed, with_temporaries, left_after_start, mixed);
    for (const auto& name : kSavedFiles)
        std::printf("  %-14s old %3d, new %3d\n", name.c_str(), seen[name][0], seen[name][1]);
    EXPECT_EQ(draw_set_mixed, 0);
    EXPECT_EQ(left_after_start, 0);
    // The kills reached every save: each file was found in both versions, and
    // some kills interrupted a save.
    EXPECT_GT(with_temporaries, 0);
    for (const auto& name : kSavedFiles)
        EXPECT_TRUE(seen[name][0] > 0 && seen[name][1] > 0)
            << name << ": old " << seen[name][0] << ", new " << seen[name][1];
}

TEST(CrashSafety, StartUpRemovesOurAndOlderNumberedTemporariesOnly) {
    TempFolder dir;
    for (const char* name : {"LOTTO.DAT.zwtmp", ".LOTTO.DAT.12.0123456789abcdef.zwtmp", "Ziehwerk.Par.tmp17",
                             "Spiel77.Dat.tmp0", "notes.tmp", "LOTTO.DAT", "tmp5"})
        dir.write(name, {1});
    EXPECT_EQ(remove_temporary_files(dir.path()),
              (std::vector<std::string>{".LOTTO.DAT.12.0123456789abcdef.zwtmp", "LOTTO.DAT.zwtmp",
                                        "Spiel77.Dat.tmp0", "Ziehwerk.Par.tmp17"}));
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
