#include "session/data_folder.h"

#include <cstdlib>

namespace zw {

fs::path shipped_data_folder() {
    // An installed program finds its data beside it: <prefix>/bin -> <prefix>/share/ziehwerk.
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path installed = exe.parent_path().parent_path() / "share" / "ziehwerk";
        if (fs::is_directory(installed, ec)) return installed;
    }
    // Run from the build tree: the source tree's data folder.
    return fs::path(ZIEHWERK_SHIPPED_DATA);
}

fs::path default_user_data_folder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "ziehwerk";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "ziehwerk";
}

std::vector<std::string> seed_data_folder(const fs::path& target, const fs::path& shipped,
                                          Status* status) {
    std::vector<std::string> copied;
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) {
        if (status)
            *status = Status::failure("Der Datenordner " + target.string() +
                                      " kann nicht angelegt werden.");
        return copied;
    }
    for (fs::directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file()) continue;
        const std::string name = it->path().filename().string();
        if (file_exists(target, name)) continue;
        std::error_code copy_ec;
        fs::copy_file(it->path(), target / name, fs::copy_options::skip_existing, copy_ec);
        if (!copy_ec) copied.push_back(name);
    }
    return copied;
}

std::vector<std::string> planned_backup_migrations(const fs::path& folder) {
    std::vector<std::string> planned;
    for (const auto& base : data_file_bases()) {
        const std::string name = base + ".Dat";
        if (!file_exists(folder, name) && file_exists(folder, name + ".kat"))
            planned.push_back(name);
    }
    return planned;
}

std::vector<std::string> migrate_backups(const fs::path& folder) {
    std::vector<std::string> restored;
    for (const auto& name : planned_backup_migrations(folder)) {
        std::error_code ec;
        fs::rename(*find_file(folder, name + ".kat"), folder / name, ec);
        if (!ec) restored.push_back(name);
    }
    return restored;
}

}  // namespace zw
