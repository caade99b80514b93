#include "stats/probability.h"

#include <algorithm>
#include <cmath>

namespace zw {
namespace {

constexpr double kHalfSpread = 530;    // pixels either side of the mean
constexpr double kGapSpread = 1050;    // pixels right of the gap axis
constexpr double kFrequencyHeight = 165;  // 220 up to below the panel title
constexpr double kGapHeight = 170;        // 442 up to below the panel title

int round_int(double v) { return static_cast<int>(std::lround(v)); }

// m of every number: how many of the numbers 1..i share its value.
std::vector<int> stack_heights(const NumberTable& values, int n, int* tallest) {
    std::vector<int> m(static_cast<size_t>(n) + 1, 0);
    *tallest = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= i; ++j)
            if (values[static_cast<size_t>(j)] == values[static_cast<size_t>(i)]) ++m[static_cast<size_t>(i)];
        *tallest = std::max(*tallest, m[static_cast<size_t>(i)]);
    }
    return m;
}

}  // namespace

int ProbabilityView::sd_offset() const { return round_int(sd * frequency_step); }
int ProbabilityView::mean_gap_x() const { return kGapLeft + round_int(mean_gap * gap_step); }

ProbabilityView make_probability_view(const NumberTable& frequency, const NumberTable& gap, int n,
                                      bool swiss, const std::array<bool, kNumberSlots>& current) {
    ProbabilityView v;
    v.n = std::clamp(n, 1, kNumberSlots - 1);
    v.k = swiss ? 6 : 7;
    v.frequency = frequency;
    v.gap = gap;
    double sum = 0, squares = 0, gap_sum = 0;
    v.min_frequency = v.max_frequency = frequency[1];
    for (int i = 1; i <= v.n; ++i) {
        const double f = frequency[static_cast<size_t>(i)];
        sum += f;
        squares += f * f;
        gap_sum += gap[static_cast<size_t>(i)];
        v.min_frequency = std::min(v.min_frequency, frequency[static_cast<size_t>(i)]);
        v.max_frequency = std::max(v.max_frequency, frequency[static_cast<size_t>(i)]);
        v.max_gap = std::max(v.max_gap, gap[static_cast<size_t>(i)]);
    }
    v.mean = sum / v.n;
    // Population standard deviation; rounding must not make the variance negative.
    v.sd = std::sqrt(std::max(0.0, squares / v.n - v.mean * v.mean));
    v.mean_gap = gap_sum / v.n;

    const double spread = std::max(v.max_frequency - v.mean, v.mean - v.min_frequency);
    v.frequency_step = spread > 0 ? std::min<double>(v.k, kHalfSpread / spread) : v.k;
    v.gap_step = v.max_gap > 0 ? std::min<double>(v.k, kGapSpread / v.max_gap) : v.k;

    int tallest_f = 0, tallest_g = 0;
    const auto mf = stack_heights(frequency, v.n, &tallest_f);
    const auto mg = stack_heights(gap, v.n, &tallest_g);
    v.frequency_stack = std::min<double>(v.k, kFrequencyHeight / std::max(tallest_f, 1));
    v.gap_stack = std::min<double>(v.k, kGapHeight / std::max(tallest_g, 1));
    for (int i = 1; i <= v.n; ++i) {
        const auto u = static_cast<size_t>(i);
        v.frequency_balls.push_back(
            {i, v.mean_x() + round_int((frequency[u] - v.mean) * v.frequency_step),
             kFrequencyBase - round_int(mf[u] * v.frequency_stack), current[u]});
        v.gap_balls.push_back({i, kGapLeft + round_int(gap[u] * v.gap_step),
                               kGapBase - round_int(mg[u] * v.gap_stack), current[u]});
    }
    return v;
}

std::vector<std::pair<int, int>> bell_curve(const ProbabilityView& v) {
    std::vector<std::pair<int, int>> points;
    if (v.sd <= 0) return points;
    constexpr double kRootTwoPi = 2.5066282746310002;
    for (int i = -530; i <= 530; ++i) {
        const double z = i / (v.frequency_step * v.sd);
        const int y = round_int(215 - 320 * std::exp(-z * z / 2) / kRootTwoPi);
        if (y < 215) points.emplace_back(v.mean_x() - i, y);  // the flat tails are left out
    }
    return points;
}

std::string probability_info(const ProbabilityView& v, int x, int y) {
    std::string line;
    auto list = [&](const NumberTable& table, int value, const char* text) {
        std::string numbers;
        for (int i = 1; i <= v.n; ++i)
            if (table[static_cast<size_t>(i)] == value) numbers += std::to_string(i) + "  ";
        if (!numbers.empty()) line = std::to_string(value) + text + numbers;
    };
    if (y >= 100 && y <= 222)
        list(v.frequency, round_int((x - v.mean_x()) / v.frequency_step + v.mean), " mal gezogen: ");
    else if (y >= 340 && y <= 442)
        list(v.gap, round_int((x - kGapLeft) / v.gap_step), " mal nicht gezogen: ");
    return line;
}

}  // namespace zw
