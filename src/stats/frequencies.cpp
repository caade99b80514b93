#include "stats/frequencies.h"

#include <algorithm>
#include <numeric>

#include "stats/gap_walk.h"

namespace zw {
namespace {

// Highest index the main walk uses: the Swiss game's earlier rules drew from
// 45 numbers, so 43..45 also occur in its archive.
int main_limit(const DrawSource& s) { return s.swiss() ? s.highest() + 3 : s.highest(); }

void count(NumberTable& t, int v, int max_index) {
    if (v >= 1 && v <= max_index) ++t[static_cast<size_t>(v)];
}

}  // namespace

void compute_frequencies(const DrawSource& source, const DrawRange& range, StatTables& t) {
    t.main_frequency.fill(0);
    t.extra_frequency.fill(0);
    const int first = std::max(range.first, 1);
    for (int d = first; d <= range.last; ++d) {
        const DrawNumbers r = source.numbers(d);
        for (int j = 0; j < 6; ++j) count(t.main_frequency, r[j], kNumberSlots - 1);
        count(t.extra_frequency, r[6], kNumberSlots - 1);
    }
    if (source.german_lotto()) {
        t.extra_frequency.fill(0);
        const int s = source.super_start();
        for (int d = std::max(first, s); d <= range.last; ++d)
            count(t.extra_frequency, source.numbers(d)[6], kSuperNumbers);
    }
    if (source.swiss()) {
        for (int i = kLuckyOffset + 1; i < kNumberSlots; ++i) t.main_frequency[static_cast<size_t>(i)] = 0;
        for (int d = kSwissLuckyStart; d <= range.last; ++d) {
            const int g = source.numbers(d)[6];
            if (g >= 1 && g <= kLuckyNumbers) ++t.main_frequency[static_cast<size_t>(g + kLuckyOffset)];
        }
    }
}

void compute_gaps(const DrawSource& source, int last, StatTables& t) {
    const int n = source.highest();
    const int limit = main_limit(source);
    const int target = limit;
    fill_table(t.main_gap, limit, last);
    walk_gaps(last, 1, target, limit, t.main_gap, [&](int d, auto& found) {
        const DrawNumbers r = source.numbers(d);
        for (int j = 0; j < 6; ++j) found(r[j]);
    });
    t.main_gap_sum = table_sum(t.main_gap, 1, n);

    if (!source.german_lotto()) {
        fill_table(t.extra_gap, limit, last);
        walk_gaps(last, 1, target, limit, t.extra_gap,
                  [&](int d, auto& found) { found(source.numbers(d)[6]); });
        t.extra_gap_sum = table_sum(t.extra_gap, 1, n);
    } else {
        const int s = source.super_start();
        fill_table(t.extra_gap, last >= s ? kSuperNumbers : 0, last - s + 1);
        if (last >= s)
            walk_gaps(last, s, kSuperNumbers, kSuperNumbers, t.extra_gap,
                      [&](int d, auto& found) { found(source.numbers(d)[6]); });
        t.extra_gap_sum = table_sum(t.extra_gap, 1, kSuperNumbers);
    }
    if (source.swiss()) {
        const int unseen = std::max(last - (kSwissLuckyStart - 1), 0);
        for (int i = kLuckyOffset + 1; i < kNumberSlots; ++i) t.main_gap[static_cast<size_t>(i)] = unseen;
        if (last >= kSwissLuckyStart)
            walk_gaps(last, kSwissLuckyStart, kLuckyNumbers, kNumberSlots - 1, t.main_gap,
                      [&](int d, auto& found) {
                          const int g = source.numbers(d)[6];
                          if (g >= 1 && g <= kLuckyNumbers) found(g + kLuckyOffset);
                      });
    }
}

void compute_plus_frequencies(const DrawSource& source, const DrawRange& range, StatTables& t) {
    t.plus_frequency.fill(0);
    for (int d = std::max(range.first, kLottoPlusStart); d <= range.last; ++d) {
        const DrawNumbers p = source.plus(d);
        for (int j = 0; j < 6; ++j) count(t.plus_frequency, p[j], kNumberSlots - 1);
    }
}

void compute_plus_gaps(const DrawSource& source, int last, StatTables& t) {
    const int n = source.highest();
    const bool any = last >= kLottoPlusStart;
    fill_table(t.plus_gap, any ? n : 0, last - (kLottoPlusStart - 1));
    if (any)
        walk_gaps(last, kLottoPlusStart, n, n, t.plus_gap, [&](int d, auto& found) {
            const DrawNumbers p = source.plus(d);
            for (int j = 0; j < 6; ++j) found(p[j]);
        });
    t.plus_gap_sum = table_sum(t.plus_gap, 1, n);
}

namespace {

// Every gap of 1..max_index grows by one; the values drawn now drop to 0.
template <size_t K>
void step_table(NumberTable& t, int max_index, const uint8_t* drawn, int offset = 0) {
    for (int i = 1; i <= max_index; ++i) ++t[static_cast<size_t>(i + offset)];
    for (size_t j = 0; j < K; ++j)
        if (drawn[j] >= 1 && drawn[j] <= max_index) t[static_cast<size_t>(drawn[j] + offset)] = 0;
}

}  // namespace

void advance_gaps(const DrawSource& source, int d, StatTables& t) {
    const int n = source.highest();
    const DrawNumbers r = source.numbers(d);
    // Swiss slots 44..49 belong to the Glückszahlen, handled below.
    step_table<6>(t.main_gap, source.swiss() ? kLuckyOffset : n, r.data());
    if (source.german_lotto()) {
        if (d >= source.super_start()) step_table<1>(t.extra_gap, kSuperNumbers, r.data() + 6);
        t.extra_gap_sum = table_sum(t.extra_gap, 1, kSuperNumbers);
    } else {
        step_table<1>(t.extra_gap, main_limit(source), r.data() + 6);
        t.extra_gap_sum = table_sum(t.extra_gap, 1, n);
    }
    if (source.swiss() && d >= kSwissLuckyStart)
        step_table<1>(t.main_gap, kLuckyNumbers, r.data() + 6, kLuckyOffset);
    t.main_gap_sum = table_sum(t.main_gap, 1, n);
}

void advance_plus_gaps(const DrawSource& source, int d, StatTables& t) {
    const int n = source.highest();
    if (d >= kLottoPlusStart) step_table<6>(t.plus_gap, n, source.plus(d).data());
    t.plus_gap_sum = table_sum(t.plus_gap, 1, n);
}

DisplayOrder order_for_display(const NumberTable& values, int n, bool sorted) {
    DisplayOrder order{};
    n = std::clamp(n, 0, kNumberSlots - 1);
    std::array<int, kNumberSlots> numbers{};
    std::iota(numbers.begin(), numbers.begin() + n, 1);
    if (sorted)
        std::stable_sort(numbers.begin(), numbers.begin() + n, [&](int a, int b) {
            return values[static_cast<size_t>(a)] > values[static_cast<size_t>(b)];
        });
    for (int i = 0; i < n; ++i) order[static_cast<size_t>(n - i)] = numbers[static_cast<size_t>(i)];
    return order;
}

std::vector<int> display_columns(const DisplayOrder& order, int n, int lowest) {
    std::vector<int> columns;
    for (int p = std::min(n, kNumberSlots - 1); p >= std::max(lowest, 1); --p)
        columns.push_back(order[static_cast<size_t>(p)]);
    return columns;
}

}  // namespace zw
