// The gap-average diagram: for each of 300 consecutive draws the mean gap of
// all numbers as it stood after that draw.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/stat_tables.h"

namespace zw {

constexpr int kGapAveragePoints = 300;
constexpr int kGapAverageMinEnd = 350;

enum class UpperCurve { kNone, kSuperNumbers, kZusatzzahlen };

struct GapAveragePoint {
    int draw = 0;
    std::optional<int> lower_y;  // winning (or LottoPlus) numbers
    std::optional<int> upper_y;  // super numbers or Zusatzzahlen
};

struct GapAverageSeries {
    int first = 0;  // first and last plotted draw
    int last = 0;
    bool plus = false;
    UpperCurve upper = UpperCurve::kNone;
    std::string first_date, last_date;
    std::vector<GapAveragePoint> points;
};

// Last plotted draw when the diagram opens: the newest draw, at least 350.
int gap_average_start_end(const DrawSource& source);
// Moves the last plotted draw by `delta`: the window starts at draw 2 at the
// earliest and ends at the newest draw (or the opening end) at the latest.
int move_gap_average_end(const DrawSource& source, int end, int delta);
// The 300 points ending at draw `end`; gaps are carried forward one draw at
// a time after one full computation for the first point.
GapAverageSeries gap_average_series(const DrawSource& source, int end, bool plus);

}  // namespace zw
