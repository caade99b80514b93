// System fields against one draw: full systems through their win plan,
// partial (and VEW and short) systems through their row masks.
#pragma once

#include <cstdint>
#include <span>

#include "evaluation/win_classes.h"
#include "evaluation/win_plan.h"

namespace zw {

struct SystemMatch {
    int hits = 0;          // drawn numbers among the system's numbers
    bool extra = false;    // S/G held, or Z (ZZ) is one of the system's numbers
    bool won = false;      // the draw goes into the win list
    bool plus_won = false; // some row reached a LottoPlus class
};

// Adds the class counts of all rows of a full system (numbers as a bit mask)
// to `counts`. LottoPlus rows are counted the same way, without expansion.
SystemMatch match_full_system(RuleSet rules, const WinPlan& plan, uint64_t system, int lucky,
                              const EvalDraw& d, const TicketExtras& ticket, WinCounts& counts);

// Adds the class counts of the rows of a partial system to `counts`. Bit i of
// a row mask stands for numbers[i].
SystemMatch match_partial_system(RuleSet rules, std::span<const uint32_t> rows,
                                 std::span<const uint8_t> numbers, int lucky, const EvalDraw& d,
                                 const TicketExtras& ticket, WinCounts& counts);

// True when a draw with these system hits is entered in the win list: 3 or
// more hits, German 2 hits with S, Austria 0 to 2 hits with ZZ among the numbers.
bool system_draw_won(RuleSet rules, int hits, bool extra);

}  // namespace zw
