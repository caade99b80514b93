// The backward walk shared by every gap computation.
#pragma once

#include <cstdint>

#include "stats/stat_tables.h"

namespace zw {

// Walks back from draw `from` down to draw `to`. Every value 1..max_index
// that `items(d, found)` reports and that has not been seen yet gets
// gap = number of draws stepped back. Stops once `target` values were seen.
template <class Items>
void walk_gaps(int from, int to, int target, int max_index, NumberTable& gap, Items items) {
    uint64_t unseen = ~uint64_t{0};
    int seen = 0;
    int counter = 0;
    auto found = [&](int v) {
        if (v < 1 || v > max_index || !((unseen >> v) & 1u)) return;
        unseen &= ~(uint64_t{1} << v);
        gap[static_cast<size_t>(v)] = counter;
        ++seen;
    };
    for (int d = from; d >= to && d >= 1 && seen < target; --d, ++counter) items(d, found);
}

// Fills indices 1..max_index with `value` and the rest with 0.
inline void fill_table(NumberTable& t, int max_index, int value) {
    for (int i = 0; i < kNumberSlots; ++i) t[static_cast<size_t>(i)] = (i >= 1 && i <= max_index) ? value : 0;
}

inline int32_t table_sum(const NumberTable& t, int from, int to) {
    int32_t s = 0;
    for (int i = from; i <= to; ++i) s += t[static_cast<size_t>(i)];
    return s;
}

}  // namespace zw
