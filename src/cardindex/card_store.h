// The card-index files in the data folder: loading the game's default card
// indexes, and the load, save and delete commands with their name rule. Only
// .NRM / .SYS files directly in the data folder are ever written or deleted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// Loads `name` (the game's default name when empty) from the folder.
Status load_card_index(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name = {});
// The question to ask before the index is written as `name` (as for
// save_card_index): nullopt when no file of that name exists, in any
// spelling, or when it is the file the index was read from; else a German
// sentence saying which file, with how many tickets, would be replaced, and
// whether it could be read at all.
std::optional<std::string> card_file_replaced(const fs::path& folder, GameCode game, const CardIndex& index,
                                              const std::string& name = {});
// Writes the index as `name` (the current file's name, else the default) into
// the folder. Refuses to replace another existing file that cannot be read
// (card_file_replaced) unless `replace_confirmed`.
Status save_card_index(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name = {},
                       bool replace_confirmed = false);
// Deletes the file `name` in the folder; the index in memory is emptied only
// when that file is the one it came from. `deleted` tells whether a file went.
Status delete_card_file(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name,
                        bool* deleted = nullptr);

// Selecting a game: both indexes emptied, then each default file loaded when
// present. A file that is refused leaves its index empty (and without a file,
// so that saving asks for a name); its message goes into `warnings`.
void load_default_card_indexes(const fs::path& folder, GameCode game, CardIndex& normal, CardIndex& system,
                               std::vector<std::string>& warnings);

}  // namespace zw
