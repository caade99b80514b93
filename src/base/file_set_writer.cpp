// Saving files safely: exclusive temporary files, one journalled set of
// renames, and the start-up repair of an interrupted set.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <random>
#include <string_view>

#include "base/file_io.h"
#include "base/folder_lock.h"

namespace zw {

namespace {

constexpr std::string_view kJournalHead = "ziehwerk-journal 1";
constexpr std::string_view kJournalEnd = "end";

std::string cannot_write(const fs::path& target) {
    return "Die Datei " + target.filename().string() + " kann nicht geschrieben werden.";
}

fs::path folder_of(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// ".<name>.<pid>.<16 hex digits><suffix>" beside `target`: a name no other
// save (of this or another copy of the program) uses at the same time.
fs::path unique_sibling(const fs::path& target, std::string_view suffix,
                        std::random_device& random) {
    const uint64_t r = (static_cast<uint64_t>(random()) << 32) ^ random();
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (size_t i = 0; i < 16; ++i) hex[i] = kHex[(r >> (4 * (15 - i))) & 0xf];
    return folder_of(target) / ("." + target.filename().string() + "." +
                                std::to_string(::getpid()) + "." + hex + std::string(suffix));
}

// What replacing `target` must keep: its mode and owner; refused for a
// symbolic link, a file that is not a plain file, and a read-only file.
struct Replaced {
    bool exists = false;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
};

Status check_target(const fs::path& target, Replaced& out) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno == ENOENT) return {};
        return Status::failure(cannot_write(target));
    }
    const std::string name = target.filename().string();
    if (S_ISLNK(st.st_mode))
        return Status::failure(
            "Die Datei " + name +
            " ist ein symbolischer Verweis und wird nicht ersetzt.|Es wurde nichts "
            "gespeichert.");
    if (!S_ISREG(st.st_mode))
        return Status::failure("Die Datei " + name + " kann nicht ersetzt werden.");
    // Without any write permission the file stays as it is, also for the
    // administrator, who could otherwise replace it.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return Status::failure("Die Datei " + name +
                               " ist schreibgeschützt.|Es wurde nichts gespeichert.");
    out = {true, static_cast<mode_t>(st.st_mode & 07777), st.st_uid, st.st_gid};
    return {};
}

// Creates a new temporary file beside `target` (never through a link, never
// an existing file), writes the bytes with the replaced file's mode and
// flushes them to disk. On failure nothing is left behind.
Status write_temporary(const fs::path& target, std::span<const uint8_t> bytes,
                       const Replaced& replaced, std::random_device& random, fs::path& temp) {
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = unique_sibling(target, kTempSuffix, random);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        temp.clear();  // the name may be another save's file
        return Status::failure(cannot_write(target));
    }
    bool ok = true;
    if (replaced.exists) {
        // The group (and, for the administrator, the owner) stay; a failure
        // here only means the file gets ours.
        if (::fchown(fd, ::geteuid() == 0 ? replaced.uid : static_cast<uid_t>(-1), replaced.gid) !=
            0) {
        }
        ok = ::fchmod(fd, replaced.mode) == 0;
    }
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        temp.clear();
        return Status::failure(cannot_write(target));
    }
    return {};
}

void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool plain_name(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\t') == std::string_view::npos &&
           name.find('\n') == std::string_view::npos;
}

}  // namespace

FileStamp stamp_file(const fs::path& path) {
    FileStamp s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
    s.exists = true;
    s.size = static_cast<uint64_t>(st.st_size);
    s.mtime_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    uint64_t h = 14695981039346656037ull;
    if (const auto bytes = read_file(path, 256u << 20)) {
        for (uint8_t b : *bytes) h = (h ^ b) * 1099511628211ull;
    }
    s.checksum = h;
    return s;
}

Status check_unchanged(const fs::path& path, const FileStamp& loaded) {
    if (stamp_file(path) == loaded) return {};
    return Status::failure("Die Datei " + path.filename().string() +
                               " wurde seit dem Laden von einem anderen Programm geändert.",
                           FailureKind::kChangedOnDisk);
}

void FileSetWriter::add(fs::path target, std::vector<uint8_t> bytes) {
    entries_.push_back({std::move(target), std::move(bytes)});
}

void FileSetWriter::add(fs::path target, std::string_view text) {
    add(std::move(target), std::vector<uint8_t>(text.begin(), text.end()));
}

void FileSetWriter::expect(const fs::path& target, const FileStamp& loaded) {
    expected_.emplace_back(target, loaded);
}

Status FileSetWriter::commit() {
    std::vector<Entry> entries = std::move(entries_);
    const auto expected = std::move(expected_);
    entries_.clear();
    expected_.clear();
    if (entries.empty()) return {};

    std::vector<fs::path> folders;
    for (const Entry& e : entries)
        if (std::find(folders.begin(), folders.end(), folder_of(e.target)) == folders.end())
            folders.push_back(folder_of(e.target));
    for (const fs::path& folder : folders)
        if (const auto holder = lock_held_elsewhere(folder))
            return Status::failure(folder_busy_text(*holder) +
                                       "|Gespeichert wird nur in dem Programm, das den Datenordner "
                                       "zuerst geöffnet hat.",
                                   FailureKind::kFolderLocked);
    for (const auto& [path, loaded] : expected)
        if (Status s = check_unchanged(path, loaded); !s) return s;
    std::vector<Replaced> replaced(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        if (Status s = check_target(entries[i].target, replaced[i]); !s) return s;

    std::random_device random;
    std::vector<fs::path> temps;
    auto remove_temps = [&] {
        for (const fs::path& t : temps) ::unlink(t.c_str());
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        fs::path temp;
        if (Status s =
                write_temporary(entries[i].target, entries[i].bytes, replaced[i], random, temp);
            !s) {
            remove_temps();
            return s;
        }
        temps.push_back(temp);
    }

    // Several files: the journal names the renames, so that a set cut short
    // by a crash is finished at the next start instead of left mixed.
    fs::path journal;
    if (entries.size() > 1) {
        const fs::path home = folder_of(entries.front().target);
        std::string text = std::string(kJournalHead) + "\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string target_name = entries[i].target.filename().string();
            if (folder_of(entries[i].target) != home || !plain_name(target_name)) continue;
            text += temps[i].filename().string() + "\t" + target_name + "\n";
        }
        text += std::string(kJournalEnd) + "\n";
        journal = unique_sibling(home / "ziehwerk", kJournalSuffix, random);
        fs::path journal_temp;
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                             text.size());
        if (!write_temporary(journal, bytes, {}, random, journal_temp) ||
            ::rename(journal_temp.c_str(), journal.c_str()) != 0) {
            if (!journal_temp.empty()) ::unlink(journal_temp.c_str());
            remove_temps();
            return Status::failure(cannot_write(entries.front().target));
        }
        sync_folder(home);
    }

    Status status;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (::rename(temps[i].c_str(), entries[i].target.c_str()) != 0) {
            ::unlink(temps[i].c_str());
            if (status)
                status = Status::failure("Die Datei " + entries[i].target.filename().string() +
                                         " kann nicht ersetzt werden.");
        }
    }
    for (const fs::path& folder : folders) sync_folder(folder);
    if (!journal.empty()) ::unlink(journal.c_str());
    return status;
}

Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes) {
    FileSetWriter writer;
    writer.add(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return writer.commit();
}

Status write_file_atomic(const fs::path& path, std::string_view text) {
    return write_file_atomic(
        path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::vector<std::string> recover_interrupted_saves(const fs::path& folder) {
    std::vector<std::string> completed;
    std::vector<fs::path> journals;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        const std::string name = it->path().filename().string();
        if (name.ends_with(kJournalSuffix) &&
            it->symlink_status(type_ec).type() == fs::file_type::regular)
            journals.push_back(it->path());
    }
    std::sort(journals.begin(), journals.end());
    for (const fs::path& journal : journals) {
        const auto bytes = read_file(journal, 1u << 16);
        const std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
        // A journal is renamed into place whole: one that does not read as
        // such is none of ours and names nothing to finish.
        std::vector<std::pair<std::string, std::string>> renames;
        bool valid = text.starts_with(std::string(kJournalHead) + "\n") &&
                     text.ends_with("\n" + std::string(kJournalEnd) + "\n");
        size_t pos = kJournalHead.size() + 1;
        while (valid && pos < text.size()) {
            const size_t eol = text.find('\n', pos);
            const std::string_view line(text.data() + pos, eol - pos);
            pos = eol + 1;
            if (line == kJournalEnd) break;
            const size_t tab = line.find('\t');
            if (tab == std::string_view::npos) {
                valid = false;
                break;
            }
            const std::string temp(line.substr(0, tab)), target(line.substr(tab + 1));
            if (!plain_name(temp) || !plain_name(target) || !temp.ends_with(kTempSuffix)) {
                valid = false;
                break;
            }
            renames.emplace_back(temp, target);
        }
        if (valid) {
            for (const auto& [temp, target] : renames) {
                // A temporary that is gone was renamed before the interruption.
                struct stat st {};
                const fs::path from = folder / temp;
                if (::lstat(from.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                    ::rename(from.c_str(), (folder / target).c_str()) == 0)
                    completed.push_back(target);
            }
            sync_folder(folder);
        }
        ::unlink(journal.c_str());
    }
    if (!journals.empty()) sync_folder(folder);
    return completed;
}

std::vector<std::string> remove_temporary_files(const fs::path& folder) {
    std::vector<std::string> removed;
    std::error_code ec;
    auto is_temporary = [](const std::string& name) {
        const std::string lower = to_lower_ascii(name);
        if (lower.size() > kTempSuffix.size() && lower.ends_with(kTempSuffix)) return true;
        // ".tmp" followed by digits: the numbered temporaries of older versions.
        const auto dot = lower.rfind(".tmp");
        if (dot == std::string::npos || dot == 0 || dot + 4 == lower.size()) return false;
        return std::all_of(lower.begin() + static_cast<std::ptrdiff_t>(dot) + 4, lower.end(),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    std::vector<fs::path> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        // A link with a temporary's name is removed too (the link, not its target).
        const auto type = it->symlink_status(type_ec).type();
        if ((type == fs::file_type::regular || type == fs::file_type::symlink) &&
            is_temporary(it->path().filename().string()))
            found.push_back(it->path());
    }
    for (const auto& p : found) {
        std::error_code rm_ec;
        if (fs::remove(p, rm_ec)) removed.push_back(p.filename().string());
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

void report_oversized_writes_as_errors() {
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace zw
