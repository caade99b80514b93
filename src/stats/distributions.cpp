#include "stats/distributions.h"

#include <algorithm>
#include <cmath>

namespace zw {

int low_limit(const GameParams& params) {
    if (params.swiss) return 22;
    if (params.austria || params.code == kToto) return 23;
    return 25;
}

namespace {

template <class Test>
Histogram count_draws(const DrawSource& source, const DrawRange& range, bool plus, Test test) {
    Histogram h;
    for (int d = std::max(range.first, plus ? kLottoPlusStart : 1); d <= range.last; ++d) {
        const DrawNumbers six = plus ? source.plus(d) : source.numbers(d);
        if (six[0] == 0) continue;  // not entered: no numbers to classify
        int k = 0;
        for (int j = 0; j < 6; ++j)
            if (test(six[j])) ++k;
        ++h.counts[static_cast<size_t>(k)];
        ++h.draws;
    }
    return h;
}

}  // namespace

Histogram count_even_odd(const DrawSource& source, const DrawRange& range, bool plus) {
    return count_draws(source, range, plus, [](int v) { return v % 2 == 0; });
}

Histogram count_low_high(const DrawSource& source, const DrawRange& range, bool plus) {
    const int limit = low_limit(source.params());
    return count_draws(source, range, plus, [limit](int v) { return v < limit; });
}

std::array<int, 7> expected_counts(const Histogram& h, const std::array<int, 7>& split) {
    std::array<int, 7> e{};
    for (size_t k = 0; k < e.size(); ++k)
        e[k] = static_cast<int>(std::lround(static_cast<double>(h.draws) * split[k] / 10000.0));
    return e;
}

}  // namespace zw
