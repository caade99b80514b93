// Import of draws from a CSV file: a header line names the columns (date,
// n1..n6 and optional zusatzzahl, superzahl, gluckszahl, spiel77, super6,
// joker, draw), comma or semicolon separated, dates yyyy-mm-dd or dd.mm.yyyy.
// Each row goes to the draw number its date has in the game's calendar. The
// file is checked whole first: one malformed line refuses the import.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/draw_archive.h"
#include "archive/file_io.h"
#include "games/game_catalogue.h"
#include "stats/draw_range.h"

namespace zw {

struct CsvDraw {
    int line = 0;  // 1-based line in the file
    int draw = 0;  // draw number from the date
    std::array<uint8_t, 6> numbers{};  // ascending
    uint8_t extra = 0;                 // as stored (Superzahl 0 as 10); 0 = not in the file
    std::optional<int32_t> side;       // Spiel 77 or Joker
    std::optional<int32_t> super6;
};

struct CsvDraws {
    std::vector<CsvDraw> draws;
    std::vector<int> skipped_lines;  // dates on which this game has no draw
};

// Parses and checks the whole text for the game; refused with the line number.
Status parse_draws_csv(std::string_view text, const GameParams& params, CsvDraws& out);

struct ImportPreview {
    std::vector<int> added;    // draws the archive does not hold yet
    std::vector<int> changed;  // draws the import would change
    int unchanged = 0;
    // "n neue Ziehungen, m abweichende"
    std::string summary() const;
};

ImportPreview preview_import(const DrawArchive& archive, const CsvDraws& csv);
// Writes the rows into the archive (in memory); values the file leaves empty
// keep what the archive holds. A draw range that ended at the newest draw
// follows it. The caller saves.
Status apply_import(DrawArchive& archive, const CsvDraws& csv, DrawRange& range);

}  // namespace zw
