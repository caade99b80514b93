// Even/odd and low/high distributions of the six numbers per draw.
#pragma once

#include <array>

#include "stats/stat_tables.h"

namespace zw {

// h[k]: draws of the range in which exactly k of the six numbers were even
// (or low); draws not entered yet are left out.
struct Histogram {
    std::array<int, 7> counts{};
    int draws = 0;
};

// Numbers below the low limit are "Tief": 25 German games, 23 Toto and
// Austria, 22 Swiss.
int low_limit(const GameParams& params);

Histogram count_even_odd(const DrawSource& source, const DrawRange& range, bool plus = false);
Histogram count_low_high(const DrawSource& source, const DrawRange& range, bool plus = false);
// Expected counts: round(draws * P[k] / 10000) with the game's split table.
std::array<int, 7> expected_counts(const Histogram& h, const std::array<int, 7>& split);

}  // namespace zw
