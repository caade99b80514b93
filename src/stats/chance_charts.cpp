#include "stats/chance_charts.h"

#include <span>

#include "games/capacity.h"
#include "stats/frequencies.h"
#include "stats/statistic_codes.h"

namespace zw {
namespace {

std::span<const int> numbers_of(const NumberTable& t, int count) {
    return {t.data() + 1, static_cast<size_t>(count)};
}

}  // namespace

NumberChanceTests number_chance_tests(int code, const DrawSource& source, const DrawRange& range,
                                      const StatTables& t) {
    NumberChanceTests tests;
    tests.first = range.first;
    const bool plus = code >= kStatPlusFrequency && code <= kStatPlusOverview;
    if (!plus && (code < kStatFrequency || code > kStatExtraOverview)) return tests;
    const GameParams& p = source.params();
    const int base = plus ? (code - kStatPlusFrequency) * 2 + 1 : code;  // 1..6
    const bool extra = !plus && base % 2 == 0;
    const bool super = extra && p.german_lotto;
    // One Zusatzzahl or Superzahl per draw; six winning or LottoPlus numbers.
    const int per_draw = extra ? 1 : 6;
    const int count = super ? kSuperNumbers : p.highest_number;

    if (base != kStatGaps && base != kStatExtraGaps) {
        const NumberTable& freq = plus ? t.plus_frequency : extra ? t.extra_frequency : t.main_frequency;
        if (p.swiss && !extra && range.first < kSwissLuckyStart) {
            StatTables later_tables;
            DrawRange later;
            later.set(kSwissLuckyStart, range.last);
            if (later.count > 0) compute_frequencies(source, later, later_tables);
            tests.first = kSwissLuckyStart;
            tests.frequency = frequency_test(numbers_of(later_tables.main_frequency, count), per_draw);
        } else {
            tests.frequency = frequency_test(numbers_of(freq, count), per_draw);
        }
    }
    if (base != kStatFrequency && base != kStatExtraFrequency) {
        const NumberTable& gap = plus ? t.plus_gap : extra ? t.extra_gap : t.main_gap;
        // Draws up to range last that carry these numbers at all.
        int draws = range.last;
        if (plus) draws = range.last - kLottoPlusStart + 1;
        if (super) draws = p.super_start > 0 ? range.last - p.super_start + 1 : 0;
        tests.gaps = gap_test(numbers_of(gap, count), per_draw, draws);
    }
    return tests;
}

std::string number_chance_line(int code, const DrawSource& source, const DrawRange& range,
                               const StatTables& tables) {
    const NumberChanceTests tests = number_chance_tests(code, source, range, tables);
    std::string line = chance_line(tests.frequency, tests.gaps);
    if (tests.first > range.first && line.rfind("Zufallstest:", 0) == 0)
        line.insert(11, " ab Ziehung " + std::to_string(tests.first));
    return line;
}

}  // namespace zw
