// Frequencies and gaps of every number over the draw range, and the order in
// which a chart shows them.
#pragma once

#include <vector>

#include "stats/stat_tables.h"

namespace zw {

// Main and extra frequency over range first..last (Swiss Glückszahlen in
// slots 44..49 from draw 3074 whatever range first is; German Lotto super
// numbers from the super-number start draw).
void compute_frequencies(const DrawSource& source, const DrawRange& range, StatTables& tables);
// Main and extra gaps and their sums as seen from draw `last`; a number never
// drawn up to `last` gets gap = last (super numbers: last - S + 1, Swiss
// Glückszahlen: last - 3073). Range first plays no part.
void compute_gaps(const DrawSource& source, int last, StatTables& tables);
void compute_plus_frequencies(const DrawSource& source, const DrawRange& range, StatTables& tables);
void compute_plus_gaps(const DrawSource& source, int last, StatTables& tables);

// Moves the gaps (main, extra and their sums) computed for draw d - 1 on to
// draw d: the same result as compute_gaps(source, d) at the cost of one draw.
void advance_gaps(const DrawSource& source, int d, StatTables& tables);
void advance_plus_gaps(const DrawSource& source, int d, StatTables& tables);

// order[p] is the number shown at position p (1..n); the chart runs from
// position n (left) down to 1. Sorted: descending value, equal values by
// ascending number; unsorted: numbers 1..n from the left.
using DisplayOrder = std::array<int, kNumberSlots>;
DisplayOrder order_for_display(const NumberTable& values, int n, bool sorted = true);
// The numbers of positions n down to `lowest`, left to right.
std::vector<int> display_columns(const DisplayOrder& order, int n, int lowest = 1);

}  // namespace zw
