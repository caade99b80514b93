#include "archive/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace zw {

std::string to_upper_ascii(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string to_lower_ascii(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::vector<fs::path> find_spellings(const fs::path& folder, std::string_view name) {
    std::vector<fs::path> found;
    std::error_code ec;
    const std::string wanted = to_lower_ascii(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        if (to_lower_ascii(it->path().filename().string()) == wanted &&
            it->is_regular_file(type_ec))
            found.push_back(it->path());
    }
    // Directory order is arbitrary: the exact spelling, then name order, so
    // that every lookup of the same name picks the same file.
    std::sort(found.begin(), found.end(), [&](const fs::path& a, const fs::path& b) {
        const bool a_exact = a.filename() == name, b_exact = b.filename() == name;
        if (a_exact != b_exact) return a_exact;
        return a.filename() < b.filename();
    });
    return found;
}

std::optional<fs::path> find_file(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::path exact = folder / fs::path(std::string(name));
    if (fs::is_regular_file(exact, ec)) return exact;
    auto all = find_spellings(folder, name);
    if (all.empty()) return std::nullopt;
    return all.front();
}

fs::path path_for_write(const fs::path& folder, std::string_view name, std::string_view new_name) {
    if (auto existing = find_file(folder, name)) return *existing;
    return folder / fs::path(std::string(new_name.empty() ? name : new_name));
}

std::optional<std::string> spelling_warning(const fs::path& folder, std::string_view name) {
    const auto all = find_spellings(folder, name);
    if (all.size() < 2) return std::nullopt;
    std::string names;
    for (size_t i = 0; i < all.size(); ++i)
        names += (i == 0 ? "" : i + 1 == all.size() ? " und " : ", ") + all[i].filename().string();
    return "Im Datenordner gibt es " + names + ".|Gelesen und gespeichert wird " +
           all.front().filename().string() + ".";
}

std::optional<std::vector<uint8_t>> read_file(const fs::path& path, size_t max_bytes) {
    std::error_code ec;
    auto size = fs::file_size(path, ec);
    if (ec || size > max_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> data(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return data;
}

namespace {

fs::path temp_path(const fs::path& target) {
    fs::path tmp = target;
    tmp += std::string(kTempSuffix);
    return tmp;
}

// Writes the bytes and flushes them to the disk; false on any failure.
bool write_and_sync(const fs::path& path, std::span<const uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// Flushes a folder's entries (the renames) to the disk.
void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void FileSetWriter::add(fs::path target, std::vector<uint8_t> bytes) {
    entries_.push_back({std::move(target), std::move(bytes)});
}

void FileSetWriter::add(fs::path target, std::string_view text) {
    add(std::move(target), std::vector<uint8_t>(text.begin(), text.end()));
}

Status FileSetWriter::commit() {
    std::error_code ec;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (!write_and_sync(temp_path(e.target), e.bytes)) {
            for (size_t j = 0; j <= i; ++j) fs::remove(temp_path(entries_[j].target), ec);
            return Status::failure("Die Datei " + e.target.filename().string() +
                                   " kann nicht geschrieben werden.");
        }
    }
    Status status;
    std::vector<fs::path> folders;
    for (const Entry& e : entries_) {
        fs::rename(temp_path(e.target), e.target, ec);
        if (ec) {
            fs::remove(temp_path(e.target), ec);
            if (status)
                status = Status::failure("Die Datei " + e.target.filename().string() +
                                         " kann nicht ersetzt werden.");
            continue;
        }
        const fs::path folder = e.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    for (const fs::path& folder : folders) sync_folder(folder);
    entries_.clear();
    return status;
}

Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes) {
    FileSetWriter writer;
    writer.add(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return writer.commit();
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
        if (it->is_regular_file(type_ec) && is_temporary(it->path().filename().string()))
            found.push_back(it->path());
    }
    for (const auto& p : found) {
        std::error_code rm_ec;
        if (fs::remove(p, rm_ec)) removed.push_back(p.filename().string());
    }
    std::sort(removed.begin(), removed.end());
    return removed;
}

Status write_file_atomic(const fs::path& path, std::string_view text) {
    return write_file_atomic(
        path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace zw
