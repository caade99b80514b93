// Twins ("Zwillinge": n, n + 1 drawn together) and triplets ("Drillinge":
// n, n + 1, n + 2), each named by its smallest number n.
#pragma once

#include "stats/stat_tables.h"

namespace zw {

enum class RunKind { kTwin = 2, kTriplet = 3 };

// Columns a run chart shows: n - 1 twins or n - 2 triplets.
int run_columns(RunKind kind, int highest);
// The smallest numbers of the runs in six numbers (any order, zeros ignored).
struct RunList {
    std::array<int, 5> first{};
    int count = 0;
    const int* begin() const { return first.data(); }
    const int* end() const { return first.data() + count; }
};
RunList runs_in(const uint8_t* six, RunKind kind);

// Frequency of every run over the range; `plus`: the LottoPlus numbers
// (draws from 2668 on). Entries beyond the last possible run stay 0.
void count_runs(const DrawSource& source, const DrawRange& range, RunKind kind, bool plus,
                NumberTable& frequency);
// Gap of every run seen from draw `last`; never drawn: gap = last
// (LottoPlus: last - 2667).
void run_gaps(const DrawSource& source, int last, RunKind kind, bool plus, NumberTable& gap);

}  // namespace zw
