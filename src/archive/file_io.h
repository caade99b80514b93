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

// Outcome of an operation that can fail with a message for the user.
class Status {
public:
    Status() = default;
    static Status failure(std::string message) { return Status(std::move(message)); }
    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    explicit Status(std::string m) : failed_(true), message_(std::move(m)) {}
    bool failed_ = false;
    std::string message_;
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

// Suffix of the temporary file a save writes beside its target.
inline constexpr std::string_view kTempSuffix = ".zwtmp";

// Saves several files so that a crash leaves each of them complete (old or
// new): every temporary file is written and flushed to disk first, only then
// are they renamed over their targets one after another, and the folders are
// flushed after the renames. A failure before the renames changes no target.
class FileSetWriter {
public:
    void add(fs::path target, std::vector<uint8_t> bytes);
    void add(fs::path target, std::string_view text);
    Status commit();

private:
    struct Entry {
        fs::path target;
        std::vector<uint8_t> bytes;
    };
    std::vector<Entry> entries_;
};

// One file through FileSetWriter.
Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes);
Status write_file_atomic(const fs::path& path, std::string_view text);

// Removes the temporary files an interrupted save left in `folder` (our
// suffix, and the numbered ".tmpN" names of older versions). Returns their names.
std::vector<std::string> remove_temporary_files(const fs::path& folder);

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
