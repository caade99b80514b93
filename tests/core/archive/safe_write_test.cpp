// The safe writer against what the file system may hold or refuse: links,
// modes, read-only files, a file-size limit, and a set cut short.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/file_io.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t mode_of(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SafeWrite, ALinkNamedLikeATemporaryIsNeitherWrittenThroughNorSavedAsTheFile) {
    TempFolder dir, elsewhere;
    elsewhere.write("victim", {42});
    dir.write("LOTTO.DAT", {1});
    fs::create_symlink(elsewhere / "victim", dir / "LOTTO.DAT.zwtmp");
    ASSERT_TRUE(write_file_atomic(dir / "LOTTO.DAT", std::string_view("neu")));
    EXPECT_EQ(elsewhere.read("victim"), std::vector<uint8_t>{42});
    EXPECT_FALSE(fs::is_symlink(dir / "LOTTO.DAT"));
    EXPECT_EQ(dir.read("LOTTO.DAT"), (std::vector<uint8_t>{'n', 'e', 'u'}));
}

TEST(SafeWrite, ATargetThatIsALinkIsRefusedAndStays) {
    TempFolder dir, elsewhere;
    elsewhere.write("real", {7});
    fs::create_symlink(elsewhere / "real", dir / "LOTTO.DAT");
    const Status s = write_file_atomic(dir / "LOTTO.DAT", std::string_view("neu"));
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("LOTTO.DAT ist ein symbolischer Verweis"), std::string::npos) << s.message();
    EXPECT_TRUE(fs::is_symlink(dir / "LOTTO.DAT"));
    EXPECT_EQ(elsewhere.read("real"), std::vector<uint8_t>{7});
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"LOTTO.DAT"});
}

TEST(SafeWrite, TheReplacedFileKeepsItsModeAndAReadOnlyFileIsRefused) {
    TempFolder dir;
    dir.write("LOTTO.DAT", {1});
    ::chmod((dir / "LOTTO.DAT").c_str(), 0640);
    ASSERT_TRUE(write_file_atomic(dir / "LOTTO.DAT", std::string_view("zwei")));
    EXPECT_EQ(mode_of(dir / "LOTTO.DAT"), 0640u);

    ::chmod((dir / "LOTTO.DAT").c_str(), 0444);
    FileSetWriter set;
    set.add(dir / "Spiel77Sam.Dat", std::string_view("x"));
    set.add(dir / "LOTTO.DAT", std::string_view("drei"));
    const Status s = set.commit();
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message(), "Die Datei LOTTO.DAT ist schreibgeschützt.|Es wurde nichts gespeichert.");
    EXPECT_EQ(dir.read("LOTTO.DAT"), (std::vector<uint8_t>{'z', 'w', 'e', 'i'}));
    EXPECT_EQ(mode_of(dir / "LOTTO.DAT"), 0444u);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"LOTTO.DAT"});
}

TEST(SafeWrite, AFileSizeLimitIsAWriteErrorThatChangesNothing) {
    TempFolder dir;
    dir.write("LOTTO.DAT", {1});
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        report_oversized_writes_as_errors();
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileSetWriter set;
        set.add(dir / "Spiel77Sam.Dat", std::string_view("klein"));
        set.add(dir / "LOTTO.DAT", std::vector<uint8_t>(20000, 3));
        const Status s = set.commit();
        _exit(!s && s.message() == "Die Datei LOTTO.DAT kann nicht geschrieben werden." ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("LOTTO.DAT"), std::vector<uint8_t>{1});
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"LOTTO.DAT"});
}

TEST(SafeWrite, SavesAtTheSameTimeUseTheirOwnTemporaries) {
    // Two writers of one file: each save is complete, none reports a failure
    // because of the other, and no temporary stays behind.
    TempFolder dir;
    const std::vector<uint8_t> a(300000, 'a'), b(200000, 'b');
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = true;
        for (int i = 0; i < 30; ++i) ok = write_file_atomic(dir / "LOTTO.DAT", a).ok() && ok;
        _exit(ok ? 0 : 1);
    }
    bool ok = true;
    for (int i = 0; i < 30; ++i) ok = write_file_atomic(dir / "LOTTO.DAT", b).ok() && ok;
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto now = dir.read("LOTTO.DAT");
    EXPECT_TRUE(now == a || now == b);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"LOTTO.DAT"});
}

TEST(SafeWrite, AnInterruptedSetIsFinishedFromItsJournal) {
    // The state a kill leaves after the journal and the first rename: the
    // start finishes the second rename and removes the journal.
    TempFolder dir;
    dir.write("LOTTO.DAT", {2});  // already renamed
    dir.write("Spiel77Sam.Dat", {1});
    dir.write(".Spiel77Sam.Dat.77.00000000000000aa.zwtmp", {2});
    dir.write_text(".ziehwerk.77.00000000000000ab.zwjournal",
                   "ziehwerk-journal 1\n"
                   ".LOTTO.DAT.77.00000000000000a9.zwtmp\tLOTTO.DAT\n"
                   ".Spiel77Sam.Dat.77.00000000000000aa.zwtmp\tSpiel77Sam.Dat\n"
                   "end\n");
    // Without a journal a temporary is only a leftover.
    dir.write("Super6Sam.Dat", {1});
    dir.write(".Super6Sam.Dat.78.00000000000000ac.zwtmp", {2});
    EXPECT_EQ(recover_interrupted_saves(dir.path()), std::vector<std::string>{"Spiel77Sam.Dat"});
    remove_temporary_files(dir.path());
    EXPECT_EQ(dir.read("LOTTO.DAT"), std::vector<uint8_t>{2});
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), std::vector<uint8_t>{2});
    EXPECT_EQ(dir.read("Super6Sam.Dat"), std::vector<uint8_t>{1});
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"LOTTO.DAT", "Spiel77Sam.Dat", "Super6Sam.Dat"}));
}

TEST(SafeWrite, AJournalNamingPathsOutsideTheFolderIsIgnored) {
    TempFolder dir, elsewhere;
    elsewhere.write("victim", {1});
    dir.write(".x.1.0000000000000001.zwtmp", {9});
    dir.write_text(".ziehwerk.1.0000000000000002.zwjournal",
                   "ziehwerk-journal 1\n.x.1.0000000000000001.zwtmp\t" + (elsewhere / "victim").string() +
                       "\nend\n");
    EXPECT_TRUE(recover_interrupted_saves(dir.path()).empty());
    EXPECT_EQ(elsewhere.read("victim"), std::vector<uint8_t>{1});
}

TEST(SafeWrite, AChangedFileIsNotOverwrittenSilently) {
    TempFolder dir;
    dir.write("LOTTO.DAT", {1});
    const FileStamp loaded = stamp_file(dir / "LOTTO.DAT");
    // Same size, and written within the same clock tick: the checksum tells.
    dir.write("LOTTO.DAT", {2});
    FileSetWriter set;
    set.add(dir / "LOTTO.DAT", std::string_view("x"));
    set.expect(dir / "LOTTO.DAT", loaded);
    const Status s = set.commit();
    ASSERT_FALSE(s);
    EXPECT_EQ(s.kind(), FailureKind::kChangedOnDisk);
    EXPECT_EQ(s.message(), "Die Datei LOTTO.DAT wurde seit dem Laden von einem anderen Programm geändert.");
    EXPECT_EQ(dir.read("LOTTO.DAT"), std::vector<uint8_t>{2});
}

}  // namespace
}  // namespace zw
