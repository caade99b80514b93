// The values of a statistic chart as a table: what the result window shows
// and exports, and what `stats KIND --csv` writes. Free of any drawing code.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/draw_range.h"
#include "stats/chart_model.h"
#include "stats/combination_chart_model.h"
#include "stats/stat_tables.h"

namespace zw {

struct StatTable {
    std::vector<std::string> header;             // German column names
    std::vector<std::vector<std::string>> rows;  // cells as shown, one row per number
    // Per column: true when its cells are numbers (sorting compares values).
    std::vector<bool> numeric;
};

// A bar chart: one row per column in the chart's order. First the number
// (twins "12-13"), then the bar's value, then the lower bar of an overview,
// then the share of the upper value in the sum of all upper values in per cent.
StatTable chart_table(const ChartModel& m);
// Even/odd and low/high: one row per split, its count and the expected count.
StatTable distribution_table(const DistributionModel& m);

// A best list of pairs, triples, quadruples or boundary pairs: one row per
// entry in the list's order, its place, the combination ("3-17-25"), its count
// and its gap.
StatTable best_list_table(const BestListModel& m);

// UTF-8, semicolon separated, header row first, CRLF-free ("\n" line ends).
// Cells holding a semicolon, quote or line break are quoted.
std::string csv_text(const StatTable& table);

// "die letzten N Ziehungen" ending on `last`; never before draw 1.
DrawRange last_draws(int count, int last);

// "dd.mm.yyyy" as yyyymmdd; nullopt for anything else or an impossible day.
std::optional<int> parse_date_key(const std::string& text);

// The draws dated from..to (either may be empty: from the first / up to the
// newest draw). Nullopt when no draw falls into the dates or a date is invalid.
std::optional<DrawRange> draws_between(const DrawSource& source, const std::string& from,
                                       const std::string& to);

}  // namespace zw
