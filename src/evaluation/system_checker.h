// What a row set of six-number rows guarantees over the player's numbers, and
// how it compares with the counting bound and the best published row sets.
// Rows are bit masks over the positions 0..v-1 of the player's v numbers
// (v <= 49, so every row fits in 64 bits).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "evaluation/win_plan.h"

namespace zw {

constexpr int kSystemMaxNumbers = 49;

// For p = 3..6 drawn numbers among the player's: min_hits[p] is the least,
// over every p-subset of the v numbers, of the best row's hits with it
// ("t if p" holds for every t <= min_hits[p]); best_hits[p][t] counts the
// p-subsets whose best row has exactly t of them.
struct SystemCheck {
    int numbers = 0;
    int rows = 0;
    std::array<int, 7> min_hits{};
    std::array<std::array<uint64_t, 7>, 7> best_hits{};
    std::array<uint64_t, 7> subsets{};  // C(v, p)
    bool cancelled = false;

    bool holds(int t, int p) const { return !cancelled && p >= 3 && p <= 6 && min_hits[p] >= t; }
    double share(int p, int t) const;
};

struct CheckControl {
    const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop
    // Done fraction 0..1, called now and then from the walking thread.
    std::function<void(double)> progress;
};

// Walks every p-subset of the v numbers for p = 3..6 (6 <= v <= 49; other v
// give an all-zero result). Bits of a row at or above v are ignored. With
// bankers only the p-subsets that hold all of them count (the bankers are
// drawn); p below their number is left at zero. A cancelled walk returns
// with `cancelled` set and partial counts.
SystemCheck check_system(std::span<const uint64_t> rows, int v, const CheckControl& control = {},
                         uint64_t bankers = 0);

// The least number of rows of six that can give "t if p" over v numbers by
// counting (Schönheim's bound for t == p, otherwise p-subsets over those one
// row can serve); 0 for t <= 0.
uint64_t counting_bound(int v, int t, int p);

// The smallest published row set for "t if t" (t = 3..5) over v numbers, with
// whether it is known to be optimal; nothing where none is on record.
struct KnownCovering {
    int rows = 0;
    int lower = 0;  // the published lower bound (== rows when optimal)
};
std::optional<KnownCovering> best_known(int v, int t, int p);

// Rows given as numbers: the player's numbers (sorted, the union of the rows
// unless given) and each row as a mask over their positions.
struct NumberedRows {
    std::vector<int> numbers;
    std::vector<uint64_t> masks;
};

// Checks rows of six different numbers in 1..49; `numbers` may add numbers
// the player ticks but no row uses. Returns the German reason of a refusal
// in `error`.
std::optional<NumberedRows> number_rows(const std::vector<std::vector<int>>& rows,
                                        const std::vector<int>& numbers, std::string& error);

}  // namespace zw
