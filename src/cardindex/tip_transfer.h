// Moving rows into and out of the tip console without the card index: the
// row import from TXT/CSV files and the address of the online tip.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// The Austrian Joker numbers of a stored ticket as the console shows them:
// six digits with leading zeros, "" for none; a lottery number of 1 or more
// gives the first one.
std::array<std::string, kMaxJokers> joker_texts(const CardTicket& ticket);

// Rows the import may fill: 16 (Austria and Switzerland 14).
int import_row_limit(GameCode game);

struct ImportResult {
    std::vector<CardRow> rows;  // sorted rows in file order (7th byte 0)
    int lines = 0;              // lines read
    int skipped = 0;            // lines that gave no valid row
};

// Parses the text of an import file: per line the first six numbers (a digit
// run gives its first two digits, anything else separates), sorted; a row is
// valid when all six lie in 1..highest number of the game and differ. Reading
// stops after the game's row limit.
ImportResult parse_import_rows(std::string_view text, GameCode game);
// The same reading with the numbers 1..highest and up to `limit` rows (row
// sets of a system, which can be far longer than a ticket).
ImportResult parse_import_rows(std::string_view text, int highest, size_t limit);
// Rows in the import format, one line each: numbers separated by blanks, or
// by ";" for a CSV file.
std::string import_rows_text(const std::vector<std::vector<int>>& rows, bool csv);
// The file's rows; nullopt when the file cannot be read.
std::optional<ImportResult> import_rows_file(const fs::path& path, GameCode game);
// Appends ".TXT" unless the name ends in .TXT or .CSV (any case).
std::string import_file_name(std::string name);
// What the user is told afterwards.
std::string import_message(const ImportResult& result);

// The shop and advice addresses of Ziehwerk.ini.
struct OnlineTipConfig {
    std::string shop;        // quick-tip page; empty: not configured
    std::string partner_id;
    std::string affiliate_id;
    std::string advice = "https://www.check-dein-spiel.de";
};

// The address of the online tip for a normal German Lotto ticket: its complete
// rows among rows 1..12 become blocks 1..n. Refuses (message) for other games,
// without complete rows, or when no shop address is configured.
struct OnlineTip {
    std::string address;
    std::string message;  // not empty: refused
};
OnlineTip online_tip_address(const OnlineTipConfig& config, GameCode game, const CardTicket& ticket);

}  // namespace zw
