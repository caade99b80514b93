// The row import of the tip console (TXT/CSV text) for every game: at most the
// game's row limit, every row six distinct numbers of the game in ascending
// order, every line counted once, and the rows written one per line read back
// as the same rows.
#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cardindex/tip_transfer.h"
#include "fuzz_support.h"
#include "games/game_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto newlines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    // The parse depends on the game's highest number and row limit only: one
    // game of each pair is enough.
    static const std::vector<zw::GameCode> games = [] {
        std::vector<zw::GameCode> out;
        std::set<std::pair<int, int>> seen;
        for (zw::GameCode game : zw::kGames)
            if (seen.insert({zw::game_params(game).highest_number, zw::import_row_limit(game)}).second)
                out.push_back(game);
        return out;
    }();
    for (zw::GameCode game : games) {
        const zw::ImportResult r = zw::parse_import_rows(text, game);
        const int highest = zw::game_params(game).highest_number;
        zw::fuzz::check(r.rows.size() <= static_cast<size_t>(zw::import_row_limit(game)), "row limit");
        zw::fuzz::check(r.lines >= 0 && r.skipped >= 0 &&
                            static_cast<size_t>(r.lines) == r.rows.size() + static_cast<size_t>(r.skipped),
                        "every line read is a row or skipped");
        zw::fuzz::check(static_cast<size_t>(r.lines) <= newlines + 1, "no more lines than the text has");
        std::string written;
        for (const zw::CardRow& row : r.rows) {
            zw::fuzz::check(row[0] >= 1 && row[5] <= highest && row[6] == 0, "numbers of the game");
            for (size_t i = 1; i < 6; ++i) zw::fuzz::check(row[i - 1] < row[i], "distinct and ascending");
            for (size_t i = 0; i < 6; ++i) written += std::to_string(row[i]) + (i < 5 ? ";" : "\r\n");
        }
        const zw::ImportResult again = zw::parse_import_rows(written, game);
        zw::fuzz::check(again.rows == r.rows && again.skipped == 0, "written rows read back");
        zw::fuzz::check(!zw::import_message(r).empty(), "a message for the user");
    }
    return 0;
}
