// The probability view: frequencies as a dot histogram around their mean
// with standard deviation and bell curve, and gaps as a dot histogram.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "stats/stat_tables.h"

namespace zw {

struct ProbabilityBall {
    int number = 0;
    int x = 0;
    int y = 0;  // centre
    bool current = false;  // drawn in the marked draw
};

struct ProbabilityView {
    int n = 0;
    int k = 7;  // ball step in pixels (6 for the Swiss game)
    // Pixels per frequency or gap unit and per ball of a stack: k, or less
    // when the spread or the tallest stack would leave its panel.
    double frequency_step = 7, gap_step = 7;
    double frequency_stack = 7, gap_stack = 7;
    double mean = 0, sd = 0, mean_gap = 0;
    int min_frequency = 0, max_frequency = 0, max_gap = 0;
    NumberTable frequency{}, gap{};
    std::vector<ProbabilityBall> frequency_balls, gap_balls;

    int mean_x() const { return 540; }
    int sd_offset() const;         // pixels from the mean line to each S= line
    int mean_gap_x() const;
};

// Panel geometry of the view (window 1082 wide).
constexpr int kProbabilityWidth = 1082;
constexpr int kFrequencyBase = 220;  // upper panel: balls stack up from here
constexpr int kGapBase = 442;        // lower panel
constexpr int kGapLeft = 20;

// `current`: numbers of the marked draw.
ProbabilityView make_probability_view(const NumberTable& frequency, const NumberTable& gap, int n,
                                       bool swiss, const std::array<bool, kNumberSlots>& current);
// Points of the bell curve (none when all numbers are equally frequent).
std::vector<std::pair<int, int>> bell_curve(const ProbabilityView& view);
// The information line for the mouse at (x, y): the numbers drawn as often
// (or last drawn as long ago) as the position points to; empty otherwise.
std::string probability_info(const ProbabilityView& view, int x, int y);

}  // namespace zw
