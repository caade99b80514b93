// Fixed capacities of the program's tables.
#pragma once

namespace zw {

constexpr int kMaxDraws = 8000;       // draws per game (7-byte records)
constexpr int kMaxSwissDraws = 7000;  // Swiss draws (8-byte records)
constexpr int kDrawTableBytes = 56000;
constexpr int kMaxSideEntries = 8000;  // Spiel 77 / Joker / Super 6 entries
constexpr int kMaxBonusDraws = 1000;   // Austrian bonus draws (every other Friday: about 26 a year)
constexpr int kLottoPlusStart = 2668;  // first Austrian draw with LottoPlus numbers
constexpr int kMaxLottoPlus = 8000;    // LottoPlus records (6 bytes each)
constexpr int kMaxTickets = 800;       // tickets per card index

}  // namespace zw
