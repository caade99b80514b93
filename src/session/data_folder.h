// The data folder ("program folder") that holds every file of the program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "games/data_files.h"

namespace zw {

// The data folder shipped with the program (draw files and parameter files):
// share/ziehwerk beside the installed program's bin folder, else (a program
// run from its build tree) the data folder of the sources.
fs::path shipped_data_folder();
// The user's data folder (XDG data home + "/ziehwerk"), as the window code's
// QStandardPaths::AppDataLocation gives for the application name "ziehwerk".
fs::path default_user_data_folder();
// Copies every file of `shipped` that `target` does not have yet (in any
// spelling); never overwrites. Creates `target`. Returns the names copied.
std::vector<std::string> seed_data_folder(const fs::path& target, const fs::path& shipped,
                                          Status* status = nullptr);

// Start-up migration: "<base>.Dat.kat" backups become "<base>.Dat" when the
// latter is missing. Returns the files restored.
std::vector<std::string> migrate_backups(const fs::path& folder);
// The files migrate_backups would restore, without touching the folder.
std::vector<std::string> planned_backup_migrations(const fs::path& folder);

}  // namespace zw
