// Import of draws from a CSV file: a header line names the columns (date,
// n1..n6 and optional zusatzzahl, superzahl, gluckszahl, spiel77, super6,
// joker, draw), comma or semicolon separated (quoted fields as usual in CSV),
// dates yyyy-mm-dd, dd.mm.yyyy or dd-mm-yyyy.
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
#include "archive/draw_entry.h"
#include "base/file_io.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"

namespace zw {

struct CsvDraw {
    int line = 0;  // 1-based line in the file
    int draw = 0;  // draw number from the date
    std::array<uint8_t, 6> numbers{};  // ascending
    uint8_t extra = 0;                 // as stored (Superzahl 0 as 10); 0 = not in the file
    std::optional<int32_t> side;       // Spiel 77 or Joker
    std::optional<int32_t> super6;
};

// Austria: a row on a Friday without a regular draw is a bonus draw.
struct CsvBonusDraw {
    int line = 0;
    BonusDraw draw;
};

struct CsvDraws {
    std::vector<CsvDraw> draws;
    std::vector<CsvBonusDraw> bonus;
    std::vector<int> skipped_lines;  // dates on which this game has no draw
};

// Parses and checks the whole text for the game; refused with the number and
// the reason of every line that cannot be taken. Austrian rows on a Friday
// without a regular draw must pass the bonus editor's checks.
Status parse_draws_csv(std::string_view text, const GameParams& params, CsvDraws& out);

// A row whose draw lies far past the newest draw before it (see DrawGap).
struct ImportGap {
    int line = 0;
    DrawGap gap;
    // "Die Zeile 3 vom 01.01.2039 liegt 645 Ziehungen nach der neuesten
    // Ziehung (22.08.2026).|Dazwischen blieben 644 Ziehungen leer."
    std::string text(GameCode game) const;
};

// The first row, in draw order, that lies far past the newest draw before
// it: the archive's newest draw or an earlier row of the file. A file that
// fills a long-outdated archive week by week has no such row; an empty
// archive starts with the file's first row.
std::optional<ImportGap> far_gap(const DrawArchive& archive, const CsvDraws& csv);

struct ImportPreview {
    std::vector<int> added;    // draws the archive does not hold yet
    std::vector<int> changed;  // draws the import would change
    int unchanged = 0;
    std::vector<std::string> bonus_added;    // dates of new bonus draws
    std::vector<std::string> bonus_changed;  // dates of differing bonus draws
    std::optional<ImportGap> gap;  // only imported when explicitly allowed
    // "n neue Ziehungen, m abweichende" (and the bonus draws, when there are any)
    std::string summary() const;
};

ImportPreview preview_import(const DrawArchive& archive, const CsvDraws& csv);

enum class GapPolicy { kRefuse, kAllow };
// Writes the rows into the archive (in memory); values the file leaves empty
// keep what the archive holds. Bonus draws replace the one of their date or
// are added (refused beyond the capacity of the bonus list). A draw range that ended at the newest draw
// follows it. A far gap is refused (nothing changes) unless it is allowed.
// The caller saves.
Status apply_import(DrawArchive& archive, const CsvDraws& csv, DrawRange& range,
                    GapPolicy gaps = GapPolicy::kRefuse);

}  // namespace zw
