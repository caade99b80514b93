// Bringing the archives up to date from the public source files: the German
// rows go into Samstag and Sa+Mi (Saturdays) or Mittwoch and Sa+Mi
// (Wednesdays), the Austrian rows into the Austrian draw file or, on a
// Friday without a regular draw, into the bonus draws. Each row is compared with
// the stored draw: new, the same or different. Only new draws are taken
// unless the differing ones are asked for; side-game numbers stay.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "archive/bonus_draws.h"
#include "archive/csv_import.h"
#include "archive/csv_sources.h"
#include "archive/draw_archive.h"
#include "games/game_catalogue.h"

namespace zw {

// A row that differs from the stored draw: six numbers and the extra number
// as shown (Superzahl 0..9; -1 = none).
struct DifferingDraw {
    int draw = 0;      // 0 for a bonus draw
    std::string date;  // dd.mm.yyyy
    std::array<int, 7> stored{};
    std::array<int, 7> source{};
};

struct GameUpdate {
    GameCode game = kLottoSaturday;
    std::vector<int> added;  // draw numbers the archive does not hold yet
    std::vector<DifferingDraw> differing;
    int same = 0;
    std::string newest;  // dd.mm.yyyy of the newest draw after the update; empty: none
    std::vector<std::string> notes;  // rows left out, with the reason
    // Austria: the bonus draws.
    std::vector<BonusDraw> bonus_added;
    int new_count() const { return static_cast<int>(added.size() + bonus_added.size()); }
    // The records the rows give (draw, seven bytes as stored).
    std::vector<std::pair<int, std::array<uint8_t, 7>>> records;
};

// What the rows of a German source file mean for game 0, 1 or 4.
GameUpdate plan_german_update(const DrawArchive& archive, const std::vector<SourceRow>& rows);
// What the rows of the Austrian source mean for the draw file and the bonus draws.
GameUpdate plan_austrian_update(const DrawArchive& archive, const std::vector<SourceRow>& rows);

// Writes the planned draws into the archive (in memory): the new ones and,
// with `take_different`, the differing ones. Austria: also the new bonus
// draws (and the differing ones with `take_different`). The caller saves.
Status apply_update(DrawArchive& archive, const GameUpdate& plan, bool take_different);

// The texts of the two source files; nullopt = that source is switched off.
struct SourceTexts {
    std::optional<std::string> german;
    std::optional<std::string> austrian;
};

struct UpdateResult {
    std::vector<GameUpdate> games;  // 0, 1, 4 (German source), 3 (Austrian)
    bool saved = false;
};

// The whole update of the data folder: both texts are read and checked
// before anything changes; a game whose draw file is absent is left out.
// Each changed archive is saved once, as a set. A dry run saves nothing.
Status update_from_sources(const fs::path& folder, const SourceTexts& texts, bool dry_run,
                           bool take_different, UpdateResult& out);

// The other German Lotto archives that hold the draw days of `game`:
// Samstag and Mittwoch each feed Sa+Mi, Sa+Mi feeds both. Empty for others.
std::vector<GameCode> sibling_games(GameCode game);
// The rows imported into `from_game` as rows of `to_game`: each goes to the
// draw of the same date; the extra number only where it means the same
// (Superzahl in both or in neither).
CsvDraws rows_for_sibling(GameCode from_game, const CsvDraws& rows, GameCode to_game);
// The rows of `csv` the archive does not hold yet (or, with
// `take_different`, also those that differ from the stored draws).
CsvDraws rows_to_take(const DrawArchive& archive, const CsvDraws& csv, bool take_different);

struct SiblingImport {
    GameCode game = kLottoSaturday;
    ImportPreview preview;
    bool saved = false;
    std::string error;  // why the rows were not taken; empty when fine
    // "Lotto 6 aus 49 (Samstag und Mittwoch): 1 neue Ziehungen, 0 abweichende, gespeichert"
    std::string text() const;
};
// After an import of `csv` into `game`: the same rows into every sibling
// archive in the folder (new ones only unless `take_different`), each saved
// once. A dry run only previews.
std::vector<SiblingImport> import_into_siblings(const fs::path& folder, GameCode game, const CsvDraws& csv,
                                                bool take_different, GapPolicy gaps, bool dry_run);

}  // namespace zw
