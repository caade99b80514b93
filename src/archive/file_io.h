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

// Path of `name` in `folder`, matched without regard to case; nullopt if absent.
std::optional<fs::path> find_file(const fs::path& folder, std::string_view name);
inline bool file_exists(const fs::path& folder, std::string_view name) {
    return find_file(folder, name).has_value();
}
// Where to write `name`: the existing file of that name in any spelling, else folder/name.
fs::path path_for_write(const fs::path& folder, std::string_view name);

// Whole file, or nullopt when it cannot be read or is larger than max_bytes.
std::optional<std::vector<uint8_t>> read_file(const fs::path& path, size_t max_bytes = 64u << 20);

// Writes a temporary file in the same folder, then renames it over `path`,
// so a crash never leaves a half-written file.
Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes);
Status write_file_atomic(const fs::path& path, std::string_view text);

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
