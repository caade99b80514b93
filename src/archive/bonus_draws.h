// Austrian bonus draws and their text file OB_Lotto.Dat.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct BonusDraw {
    std::string date;                  // dd.mm.yyyy
    std::array<uint8_t, 7> numbers{};  // six numbers and the Zusatzzahl
    std::array<uint8_t, 6> plus{};     // LottoPlus numbers (0 = none)
    int32_t joker = -1;                // -1 = no Joker number
};

struct BonusParseResult {
    std::vector<BonusDraw> draws;
    std::vector<std::string> warnings;  // German messages about skipped lines
    // The skipped lines as read (without the line break): they stay the
    // user's and are written back when the file is saved.
    std::vector<std::string> refused_lines;
};

// Parses the comma-separated lines (date, 6 numbers, Zusatzzahl, 6 LottoPlus
// numbers, Joker). Lines with an empty first field are skipped; malformed lines
// and lines beyond the capacity of 100 are skipped with a warning.
// A line is taken only when it has 15 fields, a real date, seven distinct
// numbers 1..45, no or six distinct LottoPlus numbers and a Joker of at most
// six digits (-1 or empty: none). The draws come back in date order.
BonusParseResult parse_bonus_draws(std::string_view text);
// True for a date dd.mm.yyyy that exists (years 1900..2999).
bool is_real_date_text(std::string_view text);
std::string format_bonus_draws(const std::vector<BonusDraw>& draws);

}  // namespace zw
