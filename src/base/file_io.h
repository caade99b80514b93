// File helpers shared by every reader and writer: case-insensitive lookup in
// the data folder, whole-file reads with a size limit, atomic replacement, and
// little-endian encoding.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

namespace fs = std::filesystem;

// Why a save was refused, where the caller may act on it.
enum class FailureKind {
    kOther,
    kChangedOnDisk,  // another program changed the file since it was loaded: ask first
    kFolderLocked,   // another copy of the program holds the data folder
};

// Outcome of an operation that can fail with a message for the user.
class Status {
  public:
    Status() = default;
    static Status failure(std::string message, FailureKind kind = FailureKind::kOther) {
        return Status(std::move(message), kind);
    }
    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }
    FailureKind kind() const { return kind_; }

  private:
    Status(std::string m, FailureKind kind) : failed_(true), message_(std::move(m)), kind_(kind) {}
    bool failed_ = false;
    std::string message_;
    FailureKind kind_ = FailureKind::kOther;
};

// Every file of `folder` whose name is `name` without regard to case: the
// exact spelling first, the others in name order. The first is the one that
// reading and writing use.
std::vector<fs::path> find_spellings(const fs::path& folder, std::string_view name);
// Path of `name` in `folder`, matched without regard to case; nullopt if absent.
std::optional<fs::path> find_file(const fs::path& folder, std::string_view name);
inline bool file_exists(const fs::path& folder, std::string_view name) {
    return find_file(folder, name).has_value();
}
// Where to write `name`: the file find_file reads (so a save never goes to
// another spelling than the load), else folder/new_name (default: name).
fs::path path_for_write(const fs::path& folder, std::string_view name,
                        std::string_view new_name = {});
// A German message naming the spellings when `name` exists more than once
// (and which one is used); nullopt otherwise.
std::optional<std::string> spelling_warning(const fs::path& folder, std::string_view name);

// Whole file, or nullopt when it cannot be read or is larger than max_bytes.
std::optional<std::vector<uint8_t>> read_file(const fs::path& path, size_t max_bytes = 64u << 20);

// Suffix of the temporary files a save writes beside its targets
// (".<name>.<pid>.<random>.zwtmp"), and of the journal of a set of files.
inline constexpr std::string_view kTempSuffix = ".zwtmp";
inline constexpr std::string_view kJournalSuffix = ".zwjournal";

// What a file looked like when it was read: a save compares it with the file
// on disk to notice that another program changed it in between.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    int64_t mtime_ns = 0;
    uint64_t checksum = 0;  // FNV-1a of the bytes
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the file now (exists = false when there is none).
FileStamp stamp_file(const fs::path& path);
// Refuses (FailureKind::kChangedOnDisk) when the file at `path` no longer
// matches the stamp it had when it was loaded.
Status check_unchanged(const fs::path& path, const FileStamp& loaded);

// Saves several files as one set: every file stays complete and the set is
// either all old or all new, also when the program is killed. Each file is
// first written to a temporary file of its own in the target's folder
// (created exclusively, never through a symbolic link, with the mode of the
// file it replaces) and flushed to disk; a set of several files then writes
// a journal naming the renames, renames, and removes the journal, so that
// recover_interrupted_saves finishes an interrupted set. A failure before the
// renames changes no target and leaves no temporary file. Targets that are
// symbolic links or read-only are refused, and so is a folder that another
// running copy of the program holds (see FolderLock).
class FileSetWriter {
  public:
    void add(fs::path target, std::vector<uint8_t> bytes);
    void add(fs::path target, std::string_view text);
    // The save refuses (FailureKind::kChangedOnDisk) when `target` no longer
    // matches `loaded`, the stamp taken when it was read.
    void expect(const fs::path& target, const FileStamp& loaded);
    Status commit();

  private:
    struct Entry {
        fs::path target;
        std::vector<uint8_t> bytes;
    };
    std::vector<Entry> entries_;
    std::vector<std::pair<fs::path, FileStamp>> expected_;
};

// One file through FileSetWriter.
Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes);
Status write_file_atomic(const fs::path& path, std::string_view text);

// Finishes every set of files whose save was interrupted after its journal
// was written (the renames are completed) and removes the journals. Call at
// start-up, with the folder locked, before reading anything. Returns the
// names of the files that were completed.
std::vector<std::string> recover_interrupted_saves(const fs::path& folder);

// Removes the temporary files an interrupted save left in `folder` (our
// suffix, and the numbered ".tmpN" names of older versions). Returns their
// names. Only with the folder locked: another copy may be writing them.
std::vector<std::string> remove_temporary_files(const fs::path& folder);

// A file larger than the process may write (ulimit -f) then fails with an
// error the save reports, instead of ending the program. Call in main().
void report_oversized_writes_as_errors();

std::string to_upper_ascii(std::string_view s);
std::string to_lower_ascii(std::string_view s);

// Little-endian field access; callers check lengths before reading.
inline int16_t get_i16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}
inline int32_t get_i32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}
inline void put_i16(std::vector<uint8_t>& out, int16_t v) {
    auto u = static_cast<uint16_t>(v);
    out.push_back(static_cast<uint8_t>(u & 0xff));
    out.push_back(static_cast<uint8_t>(u >> 8));
}
inline void put_i32(std::vector<uint8_t>& out, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((u >> (8 * i)) & 0xff));
}

}  // namespace zw
