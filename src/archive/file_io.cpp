#include "archive/file_io.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <system_error>

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

std::optional<fs::path> find_file(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::path exact = folder / fs::path(std::string(name));
    if (fs::is_regular_file(exact, ec)) return exact;
    const std::string wanted = to_lower_ascii(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (to_lower_ascii(it->path().filename().string()) == wanted &&
            it->is_regular_file(ec))
            return it->path();
    }
    return std::nullopt;
}

fs::path path_for_write(const fs::path& folder, std::string_view name) {
    if (auto existing = find_file(folder, name)) return *existing;
    return folder / fs::path(std::string(name));
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

Status write_file_atomic(const fs::path& path, std::span<const uint8_t> bytes) {
    static std::atomic<unsigned> counter{0};
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(counter++);
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return Status::failure("Die Datei " + path.filename().string() +
                                   " kann nicht geschrieben werden.");
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            return Status::failure("Beim Schreiben von " + path.filename().string() +
                                   " ist ein Fehler aufgetreten.");
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return Status::failure("Die Datei " + path.filename().string() +
                               " kann nicht ersetzt werden.");
    }
    return {};
}

Status write_file_atomic(const fs::path& path, std::string_view text) {
    return write_file_atomic(
        path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace zw
