// Side games by final digits: Spiel 77 and Super 6 (German games and the
// Auswahlwette) against the ticket's lottery number, the Austrian Joker
// against each of the ticket's Joker numbers, the Swiss Joker against the
// ticket's number.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "games/game_catalogue.h"

namespace zw {

// counts[k] = draws won with exactly k matching final digits (k = 1..7).
using DigitCounts = std::array<int32_t, 8>;

// `value` written with leading zeros, the rightmost `width` characters.
std::string with_leading_zeros(int64_t value, int width);
// Number of matching final digits of two numbers (each with leading zeros),
// tested from `top` digits down to 1; 0 when not even the last digit agrees.
int matching_final_digits(int64_t ticket, int64_t drawn, int top);

struct SideGameTicket {
    int64_t lottery_number = -1;  // -1: the ticket has no number
    bool spiel77 = false;
    bool super6 = false;
    bool joker = false;            // Swiss Joker (played with the lottery number)
    std::vector<int32_t> jokers;   // Austrian Joker numbers (up to 10, each 0..999999)
};

struct SideGameResult {
    std::optional<DigitCounts> spiel77;
    std::optional<DigitCounts> super6;
    std::optional<DigitCounts> joker;
};

// Walks the draws first..last; draws without a side number are skipped. Only
// the side games of the game that the ticket plays are evaluated.
SideGameResult evaluate_side_games(const DrawArchive& archive, const GameParams& params, int first,
                                   int last, const SideGameTicket& ticket);
// The same over the listed draws only (a card-index ticket's played draws).
SideGameResult evaluate_side_games(const DrawArchive& archive, const GameParams& params,
                                   std::span<const int> draws, const SideGameTicket& ticket);

// Estimated side-game winnings in tenths: counts[k] x prizes[k].
int64_t side_winnings(const DigitCounts& counts, const std::array<int32_t, 8>& prizes);

}  // namespace zw
