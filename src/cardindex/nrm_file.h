// The NRM file of the normal card index: decoder from memory and encoder, both
// byte by byte in little-endian, plus the thin file functions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// Length of the current layout for N tickets of the game.
size_t nrm_length(GameCode game, int n);
// Reads a NRM image of the game (current or an older layout recognised by its
// length) into `out`; refuses with "Unzulässiges Karteiformat!!!" (and why)
// and leaves `out` unchanged.
Status decode_nrm(std::span<const uint8_t> bytes, GameCode game, CardIndex& out);
// The current layout.
std::vector<uint8_t> encode_nrm(const CardIndex& index, GameCode game);

Status load_nrm(const fs::path& path, GameCode game, CardIndex& index);
// Writes atomically; on success the index remembers the file and is saved.
Status save_nrm(const fs::path& path, GameCode game, CardIndex& index);

}  // namespace zw
