// Designs a row set of six-number rows over v numbers for a guarantee
// "t if p" with as few rows as it finds: the algebraic constructions where
// they fit, otherwise simulated annealing over row masks, beside it the
// same among row sets that stay the same when the numbers are turned in
// cycles (see evaluation/covering_search.h). Whatever it returns has been
// proven by the checker.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/system_checker.h"

namespace zw {

struct DesignRequest {
    int v = 0;        // 7..30 numbers
    int t = 0;        // 3 <= t <= p <= 6
    int p = 0;
    // Positions every row holds; the guarantee then counts the draws that
    // hold all of them. Fewer bankers than t.
    uint64_t bankers = 0;
    double seconds = 10.0;             // time budget; <= 0: only the iteration budget
    uint64_t max_iterations = 0;       // search steps; 0: no limit (time only)
    uint64_t seed = 1;
    // Row sets the caller already has (shipped partial systems of the same v):
    // the smallest of them that proves the guarantee is a lower mark to beat.
    std::vector<std::vector<uint64_t>> candidates;
};

struct DesignControl {
    const std::atomic<bool>* cancel = nullptr;
    // The best size found so far, whenever it shrinks.
    std::function<void(int rows)> progress;
};

struct Design {
    std::vector<uint64_t> rows;  // masks over positions 0..v-1, sorted
    SystemCheck check;           // the proof
    std::string source;          // "Konstruktion", "Suche", "Teil-System"
};

// Why the request cannot be served ("" when it can), in German.
std::string design_refusal(const DesignRequest& request);

// nullopt when refused or cancelled before any proven set was found. The
// search looks at the cancel flag and the clock about every millisecond.
// After a cancel the best rows found are still proven and returned when
// that proof takes at most half a second; a longer proof gives up, and the
// result is the best set proven before it (a construction or a handed-in
// system) or nullopt. With seconds > 0 the clock decides after which steps
// the search ends, so only a run on max_iterations alone (seconds <= 0)
// gives the same rows for the same seed every time.
std::optional<Design> design_system(const DesignRequest& request, const DesignControl& control = {});

}  // namespace zw
