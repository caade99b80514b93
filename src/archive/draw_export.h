// Text outputs of the draw archive: the list of all draws of the draw range
// and the grid of the last 52 draws with its even/odd summary (written to a
// text file or printed column by column).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "archive/draw_archive.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"

namespace zw {

// Number of draws the grid export and the column print cover.
constexpr int kGridExportDraws = 52;

// Preset file name of the full export ("Lotto.Txt", ...).
std::string_view all_draws_file_name(GameCode game);
// First line of the full export ("ALLE ZIEHUNGEN DES LOTTO AM SAMSTAG:", ...).
std::string_view all_draws_heading(GameCode game);
// Heading of the grid export and the column print ("DIE LETZTEN 52 ...").
std::string_view last_draws_heading(GameCode game);

// The full export: heading line, then one line per draw of the range (the
// Wednesday game puts the "A " and "B " draw of one evening on one line).
// Austria walks the combined view, so bonus draws appear in date order.
std::string export_all_draws(const GameParams& params, const DrawArchive& archive,
                             const DrawRange& range);

// The grid of the last draws up to the end of the range.
struct DrawGrid {
    std::string heading;
    std::vector<std::string> lines;  // one per draw
    std::string numbers_summary;     // "Gewinn-Zahlen: ..."
    std::string extras_summary;      // "Zusatz-Zahlen: ..."
    int first_row = 0;               // first and last draw (Austria: combined row)
    int last_row = 0;
};

// `empty_cell` is what a number cell shows when it is not drawn: two blanks
// in the text file, "__" on paper.
DrawGrid last_draws_grid(const GameParams& params, const DrawArchive& archive,
                         const DrawRange& range, std::string_view empty_cell = "  ");
// The grid export file: heading, empty line, the draw lines, the two summaries.
std::string export_last_draws_grid(const GameParams& params, const DrawArchive& archive,
                                   const DrawRange& range);

}  // namespace zw
