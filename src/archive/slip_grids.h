// What one slip grid ("Kästchen") of the viewer, the draw entry and the main
// display shows: a draw's numbers, its extra number and the Austrian
// LottoPlus numbers, taken from the archive.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "archive/draw_archive.h"
#include "archive/draw_numbering.h"
#include "games/game_catalogue.h"

namespace zw {

enum class ExtraKind { kNone, kZusatzzahl, kSuperzahl, kGlueckszahl };

struct SlipDraw {
    bool present = false;  // false: the grid stays empty
    int draw = 0;          // regular draw number (0 for an Austrian bonus draw)
    bool bonus = false;
    std::string date;      // dd.mm.yyyy
    std::string prefix = "  ";
    std::array<uint8_t, 6> numbers{};  // 0 = not entered
    ExtraKind extra_kind = ExtraKind::kNone;
    int extra = 0;                     // as shown: Superzahl 0..9, Glückszahl 1..6
    std::array<uint8_t, 6> plus{};     // Austrian LottoPlus numbers, 0 = none
    int32_t side = -1;                 // Spiel 77 / Joker number, -1 = none
};

// Grids in a row: 16 (German games, 7 x 7 layout), 12 (German games, 49 x 1
// layout), 14 (Austria and Switzerland).
int slip_grid_count(const GameParams& params, bool seven_by_seven);

// Draw n of the main table; an empty grid when the draw does not exist.
SlipDraw regular_slip(const GameParams& params, const DrawArchive& archive, int n);
// Row `row` (1-based) of the Austrian combined view; empty beyond the view.
SlipDraw combined_slip(const DrawArchive& archive, int row);

// The side number as the ticket-number field shows it: seven digits for
// Spiel 77, six for the Joker; empty when there is none.
std::string side_number_text(const GameParams& params, int32_t value);

}  // namespace zw
