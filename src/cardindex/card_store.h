// The card-index files in the data folder: loading the game's default card
// indexes, and the load, save and delete commands with their name rule. Only
// .NRM / .SYS files directly in the data folder are ever written or deleted.
#pragma once

#include <string>
#include <vector>

#include "cardindex/card_index.h"

namespace zw {

// Loads `name` (the game's default name when empty) from the folder.
Status load_card_index(const fs::path& folder, int game, CardIndex& index, const std::string& name = {});
// Writes the index as `name` (the current file's name, else the default) into the folder.
Status save_card_index(const fs::path& folder, int game, CardIndex& index, const std::string& name = {});
// Deletes the file `name` in the folder; the index in memory is emptied only
// when that file is the one it came from. `deleted` tells whether a file went.
Status delete_card_file(const fs::path& folder, int game, CardIndex& index, const std::string& name,
                        bool* deleted = nullptr);

// Selecting a game: both indexes emptied, then each default file loaded when
// present. A file that is refused leaves its index empty (and without a file,
// so that saving asks for a name); its message goes into `warnings`.
void load_default_card_indexes(const fs::path& folder, int game, CardIndex& normal, CardIndex& system,
                               std::vector<std::string>& warnings);

}  // namespace zw
