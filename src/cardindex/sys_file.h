// The SYS file of the system card index: decoder from memory and encoder, both
// byte by byte in little-endian, plus the thin file functions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// Length of the current layout for M tickets of the game.
size_t sys_length(GameCode game, int m);
// Reads a SYS image (current layout or an older one converted by `s_wandeln`)
// into `out`; refuses and leaves `out` unchanged.
Status decode_sys(std::span<const uint8_t> bytes, GameCode game, CardIndex& out);
std::vector<uint8_t> encode_sys(const CardIndex& index, GameCode game);

Status load_sys(const fs::path& path, GameCode game, CardIndex& index);
Status save_sys(const fs::path& path, GameCode game, CardIndex& index);

}  // namespace zw
