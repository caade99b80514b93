// Win classes of the four rule sets and the matcher of one row against one
// draw. Class indices 1..9 name the nine class counters; their meaning per
// rule set:
//
//   index  German Lotto  Auswahlwette  Austria  Switzerland
//     1      6+S            -             -        6+G
//     2      6              I.  (6)       6        6
//     3      5+S            II. (5+Z)     5+       5+G
//     4      5              III.(5)       5        5
//     5      4+S            -             4+       4+G
//     6      4              IV. (4)       4        4
//     7      3+S            V.  (3+Z)     3+       3+G
//     8      3              VI. (3)       3        3
//     9      2+S            -             ZZ       -
//
// LottoPlus classes 1..4 are P6, P5, P4, P3.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "evaluation/eval_draws.h"
#include "games/game_catalogue.h"

namespace zw {

enum class RuleSet { German, Toto, Austria, Swiss };

RuleSet rule_set_for(GameCode game);
// The position of a game's rule set in tables kept per rule set.
inline size_t rule_set_index(GameCode game) { return static_cast<size_t>(rule_set_for(game)); }
// True for the games whose extra condition is the Zusatzzahl among the tipped numbers.
constexpr bool zusatz_rules(RuleSet r) { return r == RuleSet::Toto || r == RuleSet::Austria; }

constexpr int kClassCount = 9;
constexpr int kPlusClassCount = 4;
// Class index 1..9 for `hits` (0..6) with or without the extra condition; 0 = no win.
int win_class(RuleSet rules, int hits, bool extra);
// LottoPlus class 1..4 (P6..P3) for `hits`, 0 = no win.
constexpr int plus_class(int hits) { return hits >= 3 && hits <= 6 ? 7 - hits : 0; }

// The class counters of one row or system field: cls[1..9] and the LottoPlus
// counters plus[1..4] (P6, P5, P4, P3). Index 0 of both is unused.
struct WinCounts {
    std::array<int32_t, kClassCount + 1> cls{};
    std::array<int32_t, kPlusClassCount + 1> plus{};

    int64_t wins() const;
    int64_t plus_wins() const;
    void add(const WinCounts& other);
    bool any() const { return wins() > 0 || plus_wins() > 0; }
    friend bool operator==(const WinCounts&, const WinCounts&) = default;
};

// Bit n set for every number n of the list (0 and numbers above 63 ignored).
template <class Range>
uint64_t number_mask(const Range& numbers) {
    uint64_t m = 0;
    for (auto n : numbers)
        if (n > 0 && n < 64) m |= uint64_t{1} << n;
    return m;
}

// The German super number a ticket plays: the last digit of its Los-Nummer.
// A ticket without a Los-Nummer (stored as 0) plays none (-1) and wins no
// Superzahl class, not even against a Superzahl 0. Every evaluation (console,
// ziehwerk-cli, card index, comparison) takes the super number from here.
constexpr int super_number_of(int64_t lottery_number) {
    return lottery_number > 0 ? static_cast<int>(lottery_number % 10) : -1;
}

// What the ticket brings to every row: the German super number (-1 = none)
// and whether LottoPlus is played (Austria).
struct TicketExtras {
    int super_number = -1;
    bool lotto_plus = false;
};

struct RowMatch {
    int hits = 0;
    bool extra = false;   // S, Z, ZZ or G held
    int win_class = 0;    // 1..9, 0 = none
    int plus_hits = 0;
    int plus_class = 0;   // 1..4, 0 = none (or not a LottoPlus draw)
};

// True when the ticket's super number (German) or the row's lucky number
// (Swiss) matches the draw's; only for draws that carry one.
inline bool ticket_extra_holds(RuleSet rules, const EvalDraw& d, int super_number, int lucky) {
    if (rules == RuleSet::German) return d.extra >= 0 && super_number >= 0 && d.extra == super_number;
    if (rules == RuleSet::Swiss) return d.extra > 0 && d.extra == lucky;
    return false;
}

// One row (bit mask of its six numbers; `lucky` = Swiss lucky number) against one draw.
RowMatch match_row(RuleSet rules, uint64_t row, int lucky, const EvalDraw& d,
                   const TicketExtras& ticket);

}  // namespace zw
