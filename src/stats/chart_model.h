// What a statistic chart shows, computed from the draw range: the input of
// the chart painters, free of any drawing code.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "stats/distributions.h"
#include "stats/probability.h"
#include "stats/stat_tables.h"

namespace zw {

// First line of every chart: title, range last and its date.
struct ChartHeading {
    std::string title;
    int title_x = 8;
    int range_last = 0;
    std::string date;
    bool overview = false;  // " im Überblick:" instead of ":"
    // The chance test of what the chart shows ("Zufallstest: ..."), drawn
    // under the heading; empty for charts without one.
    std::string chance;
};

// A bar chart of one value per number (single chart), or of two values per
// number (overview: frequency above, gap below).
struct ChartModel {
    ChartHeading heading;
    int code = 0;
    bool overview = false;
    int highest = 49;          // N
    std::vector<int> columns;  // numbers (or runs) left to right
    std::vector<int> upper;    // value per column; the gaps of an overview in `lower`
    std::vector<int> lower;
    int upper_colour = 4;  // palette: frequency 4, gap 3
    int lower_colour = 3;
    int full_height = 338;  // single chart: pixels of the largest bar
    int balls = 1;          // balls per column: 2 for twins, 3 for triplets
    bool super_labels = false;  // index 10 is Superzahl 0
    double upper_mean = 0;  // average lines
    double lower_mean = 0;
    std::string mean_text;      // "Ø = ..." of a single chart
    std::string expected_text;  // "(7.17)" and the like
    int toto_x = 0;             // "TOTO" marks (Auswahlwette), none when empty
    std::vector<int> toto_y;
    bool plus_mark = false;
    std::array<bool, kNumberSlots> marked{};  // columns of the marked draw
    bool swiss = false;  // narrower average line, Glückszahl columns
    bool lucky = false;
    std::array<int, kLuckyNumbers> lucky_upper{};
    std::array<int, kLuckyNumbers> lucky_lower{};
    int lucky_marked = 0;  // Glückszahl of the marked draw, 0 = none

    // Number printed in the ball of column `number`, `ball` 0..balls-1.
    int ball_label(int number, int ball) const;
};

struct DistributionModel {
    ChartHeading heading;
    bool low_high = false;
    bool plus_mark = false;
    Histogram histogram;
    std::array<int, 7> expected{};
};

struct ProbabilityModel {
    ChartHeading heading;
    bool plus = false;
    ProbabilityView view;
};

// Number statistics: codes 1..6 and the LottoPlus codes 31..33.
std::optional<ChartModel> number_chart(int code, const DrawSource& source, const DrawRange& range,
                                       StatTables& tables);
// Twins and triplets: codes 13..15, 21..23 and LottoPlus 46..51.
std::optional<ChartModel> run_chart(int code, const DrawSource& source, const DrawRange& range,
                                    StatTables& tables);
// Even/odd and low/high: codes 16, 24 and LottoPlus 55, 56.
std::optional<DistributionModel> distribution_chart(int code, const DrawSource& source,
                                                    const DrawRange& range);
// Probability view: code 17 and LottoPlus 57.
std::optional<ProbabilityModel> probability_chart(int code, const DrawSource& source,
                                                  const DrawRange& range, StatTables& tables);

// Heading of a code: its title, range last and that draw's date.
ChartHeading chart_heading(int code, const DrawSource& source, const DrawRange& range);

// Fills columns, values and means of the `shown` first columns of the display
// order of `upper` (sorted: descending value; else numbers 1..N).
void fill_bars(ChartModel& m, const NumberTable& upper, const NumberTable* lower, int shown,
               double divisor, bool sorted = true);

// Marks the columns of six drawn numbers (zeros ignored).
void mark_six(ChartModel& m, const uint8_t* six);

// "Ø = " and the mean right-aligned in `width` characters.
std::string mean_label(double mean, int decimals, int width);
// Range last right-aligned in 4 characters with a full stop.
std::string draw_number_label(int draw);

}  // namespace zw
