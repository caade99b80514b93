#include "base/file_io.h"

#include <algorithm>
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
    if (size > 0 &&
        !in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return data;
}

}  // namespace zw
