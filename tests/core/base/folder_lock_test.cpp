// Two copies of the program on one data folder, each in its own process: one
// writer at a time, and no save over a file another program changed.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "cardindex/card_store.h"
#include "cli_runner.h"
#include "session/data_folder.h"
#include "session/session.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::run_cli;
using test::TempFolder;

// A second copy of the program in a child process: it starts a session on
// the folder (taking its lock) and runs until it is killed.
class OtherCopy {
  public:
    explicit OtherCopy(const std::filesystem::path& folder) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            Session s(folder);
            s.start_up();
            // An unfinished save of this copy: no other copy may remove it.
            std::ofstream(folder / ".LOTTO.DAT.1.0000000000000001.zwtmp") << "halb";
            const char ok = s.read_only() ? 'r' : 'w';
            if (write(ready[1], &ok, 1) != 1) _exit(1);
            for (;;) pause();
        }
        close(ready[1]);
        if (read(ready[0], &state_, 1) != 1) state_ = '?';
        close(ready[0]);
    }
    ~OtherCopy() { end(); }
    void end() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    pid_t pid() const { return pid_; }
    char state() const { return state_; }

  private:
    pid_t pid_ = 0;
    char state_ = '?';
};

std::string csv_of_one_draw(const TempFolder& dir) {
    dir.write_text("neu.csv", "date;n1;n2;n3;n4;n5;n6;superzahl\n29.08.2026;1;2;3;4;5;6;7\n");
    return (dir / "neu.csv").string();
}

TEST(FolderLock, ASecondWindowProgramOpensTheFolderReadOnlyUntilTheFirstEnds) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    const auto before = dir.read("LOTTO.DAT");
    OtherCopy first(dir.path());
    ASSERT_EQ(first.state(), 'w');

    Session second(dir.path());
    const auto messages = second.start_up();
    EXPECT_TRUE(second.read_only());
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(),
              "Ziehwerk läuft bereits mit diesem Datenordner (Prozess " +
                  std::to_string(first.pid()) +
                  ").|Dieses Fenster öffnet die Daten nur zum Lesen; Speichern ist gesperrt.");
    EXPECT_TRUE(std::filesystem::exists(dir / ".LOTTO.DAT.1.0000000000000001.zwtmp"));
    ASSERT_TRUE(second.select_game(kLottoSaturday).status);
    const Status s = second.save_draws();
    ASSERT_FALSE(s);
    EXPECT_EQ(s.kind(), FailureKind::kFolderLocked);
    EXPECT_EQ(dir.read("LOTTO.DAT"), before);

    // The lock of a copy that ended (killed here) is free for the next start,
    // which then also removes the leftover temporary file.
    first.end();
    Session third(dir.path());
    third.start_up();
    EXPECT_FALSE(third.read_only());
    EXPECT_FALSE(std::filesystem::exists(dir / ".LOTTO.DAT.1.0000000000000001.zwtmp"));
    ASSERT_TRUE(third.select_game(kLottoSaturday).status);
    EXPECT_TRUE(third.save_draws());
}

TEST(FolderLock, TheCommandLineRefusesToWriteWhileAnotherCopyHoldsTheFolderAndStillReads) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    const std::string csv = csv_of_one_draw(dir);
    const auto before = dir.read("LOTTO.DAT");
    OtherCopy window(dir.path());
    ASSERT_EQ(window.state(), 'w');
    auto r = run_cli({"--data", dir.path().string(), "--game", "0", "import-draws", csv});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err,
              "ziehwerk-cli: Ziehwerk läuft bereits mit diesem Datenordner (Prozess " +
                  std::to_string(window.pid()) +
                  ").\nDer Befehl ändert Dateien des Datenordners und wurde nicht ausgeführt.\n");
    EXPECT_EQ(dir.read("LOTTO.DAT"), before);
    // The update from the CSV sources writes every archive: refused the same way.
    r = run_cli({"--data", dir.path().string(), "update-draws"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("wurde nicht ausgeführt"), std::string::npos) << r.err;
    r = run_cli({"--data", dir.path().string(), "--game", "0", "info"});
    EXPECT_EQ(r.code, 0) << r.err;
    // Card commands write only when they delete or refresh.
    r = run_cli({"--data", dir.path().string(), "--game", "0", "cards", "delete", "--ticket", "1"});
    EXPECT_NE(r.err.find("wurde nicht ausgeführt"), std::string::npos) << r.err;
    r = run_cli({"--data", dir.path().string(), "--game", "0", "cards", "list"});
    EXPECT_EQ(r.err.find("wurde nicht ausgeführt"), std::string::npos) << r.err;

    window.end();
    r = run_cli({"--data", dir.path().string(), "--game", "0", "import-draws", csv});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(dir.read("LOTTO.DAT"), before);
}

TEST(FolderLock, AWindowDoesNotSaveOverDrawsTheCommandLineImportedSinceTheLoad) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    const std::string csv = csv_of_one_draw(dir);
    Session window(dir.path());
    ASSERT_TRUE(window.select_game(kLottoSaturday).status);
    // The command line, in a process of its own, imports a draw meanwhile.
    const pid_t cli = fork();
    ASSERT_GE(cli, 0);
    if (cli == 0)
        _exit(run_cli({"--data", dir.path().string(), "--game", "0", "import-draws", csv}).code);
    int status = 0;
    waitpid(cli, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto imported = dir.read("LOTTO.DAT");

    const Status s = window.save_draws();
    ASSERT_FALSE(s);
    EXPECT_EQ(s.kind(), FailureKind::kChangedOnDisk);
    EXPECT_EQ(s.message(),
              "Die Datei LOTTO.DAT wurde seit dem Laden von einem anderen Programm geändert.");
    EXPECT_EQ(dir.read("LOTTO.DAT"), imported);
    // Asked and confirmed: the window's draws are saved.
    EXPECT_TRUE(window.save_draws({.overwrite_changed = true}));
    EXPECT_NE(dir.read("LOTTO.DAT"), imported);
    EXPECT_TRUE(window.save_draws());
}

TEST(FolderLock, ATicketStoredByAnotherCopyIsNotRemovedByTheNextSaveOfTheCardIndex) {
    TempFolder dir;
    CardIndex start(CardKind::Normal);
    CardRow row{1, 2, 3, 4, 5, 6};
    start.store(0, make_normal_card({row}, kLottoSaturday));
    ASSERT_TRUE(save_card_index(dir.path(), kLottoSaturday, start));
    CardIndex mine(CardKind::Normal);
    ASSERT_TRUE(load_card_index(dir.path(), kLottoSaturday, mine));
    // Another copy stores its ticket as number 2 and saves.
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        CardIndex theirs(CardKind::Normal);
        bool ok = load_card_index(dir.path(), kLottoSaturday, theirs).ok();
        row[5] = 7;
        theirs.store(1, make_normal_card({row}, kLottoSaturday));
        ok = ok && save_card_index(dir.path(), kLottoSaturday, theirs).ok();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(other, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto theirs = dir.read(default_card_file(kLottoSaturday, CardKind::Normal));

    row[5] = 8;
    mine.store(1, make_normal_card({row}, kLottoSaturday));
    const Status s = save_card_index(dir.path(), kLottoSaturday, mine);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.kind(), FailureKind::kChangedOnDisk);
    EXPECT_EQ(dir.read(default_card_file(kLottoSaturday, CardKind::Normal)), theirs);
}

}  // namespace
}  // namespace zw
