// Win plans of full systems: for a system of n numbers, how many of its
// C(n, 6) rows fall into each class for every hit case, so that a draw is
// compared with the n numbers once instead of with every row.
#pragma once

#include <array>
#include <cstdint>

#include "evaluation/win_classes.h"

namespace zw {

// Hit cases in plan order: 6 with extra, 6 without, 5 with, 5 without, 4 with,
// 4 without, 3 with, 3 without, 2 with, 1 with, 0 with. "With" means the
// ticket's super or lucky number matched (German, Swiss) or the Zusatzzahl is
// one of the system's numbers (Auswahlwette, Austria).
constexpr int kPlanCases = 11;
// Plan case of `hits` with or without the extra condition; -1 = nothing can win.
int plan_case(int hits, bool extra);

struct WinPlan {
    int numbers = 0;
    // entry[case][class 1..9]: rows of the system in that class.
    std::array<std::array<int32_t, kClassCount + 1>, kPlanCases> entry{};
};

constexpr int kFullSystemMin = 7;
// Largest full system of a rule set: 13 German and Swiss, 12 Austria, 16 Auswahlwette.
int full_system_max(RuleSet rules);

// The built-in plan for n numbers, or nullptr when the game has no such full system.
const WinPlan* win_plan(RuleSet rules, int n);

// C(n, k); 0 when k < 0 or k > n.
int64_t binomial(int n, int k);

}  // namespace zw
