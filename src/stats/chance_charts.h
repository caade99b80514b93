// The chance tests of the number charts (codes 1..6 and LottoPlus 31..33):
// which counts and gaps a chart's test reads, and the line it shows.
#pragma once

#include <optional>
#include <string>

#include "stats/chance_tests.h"
#include "stats/stat_tables.h"

namespace zw {

struct NumberChanceTests {
    std::optional<FrequencyTest> frequency;  // charts that show frequencies
    std::optional<GapTest> gaps;             // charts that show gaps
    int first = 0;  // first draw the frequency test counts (Swiss: 3074 at the earliest)
};

// The tests of what chart `code` shows, from the tables number_chart has just
// computed for `range`. The Swiss draws before the first Glückszahl draw came
// from 45 numbers, so the test of the 42 numbers counts only the later ones.
NumberChanceTests number_chance_tests(int code, const DrawSource& source, const DrawRange& range,
                                      const StatTables& tables);
// "Zufallstest: ..." (Swiss before draw 3074: "Zufallstest ab Ziehung 3074: ...");
// empty for codes without a test.
std::string number_chance_line(int code, const DrawSource& source, const DrawRange& range,
                               const StatTables& tables);

}  // namespace zw
