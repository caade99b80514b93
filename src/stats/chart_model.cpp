#include "stats/chart_model.h"

#include <algorithm>
#include <cstdio>

#include "base/decimal.h"
#include "stats/chance_charts.h"
#include "stats/frequencies.h"
#include "stats/runs.h"
#include "stats/statistic_codes.h"

namespace zw {
namespace {

ChartHeading heading_for(int code, const DrawSource& source, const DrawRange& range) {
    ChartHeading h;
    h.title = statistic_title(code, source.params());
    h.range_last = range.last;
    // An empty range (an empty archive) has no draw to date the chart by.
    if (range.count > 0) h.date = source.date(range.last);
    return h;
}

}  // namespace

void mark_six(ChartModel& m, const uint8_t* six) {
    for (int j = 0; j < 6; ++j)
        if (six[j] >= 1 && six[j] < kNumberSlots) m.marked[six[j]] = true;
}

ChartHeading chart_heading(int code, const DrawSource& source, const DrawRange& range) {
    return heading_for(code, source, range);
}

void fill_bars(ChartModel& m, const NumberTable& upper, const NumberTable* lower, int shown,
               double divisor, bool sorted) {
    const DisplayOrder order = order_for_display(upper, m.highest, sorted);
    m.columns = display_columns(order, m.highest, m.highest - shown + 1);
    double upper_sum = 0, lower_sum = 0;
    for (int n : m.columns) {
        m.upper.push_back(upper[static_cast<size_t>(n)]);
        upper_sum += m.upper.back();
        if (lower) {
            m.lower.push_back((*lower)[static_cast<size_t>(n)]);
            lower_sum += m.lower.back();
        }
    }
    m.upper_mean = upper_sum / divisor;
    m.lower_mean = lower_sum / divisor;
}

int ChartModel::ball_label(int number, int ball) const {
    const int n = number + ball;
    return super_labels && n == kSuperNumbers ? 0 : n;
}

std::string mean_label(double mean, int decimals, int width) {
    return "Ø = " + decimal_text(mean, decimals, width);
}

std::string draw_number_label(int draw) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4d.", draw);
    return buf;
}

std::optional<ChartModel> number_chart(int code, const DrawSource& source, const DrawRange& range,
                                       StatTables& t) {
    const bool plus = code >= 31 && code <= 33;
    if (!plus && (code < 1 || code > 6)) return std::nullopt;
    const GameParams& p = source.params();
    const int base = plus ? (code - 31) * 2 + 1 : code;  // 1, 3, 5 or the extra 2, 4, 6
    const bool extra = !plus && base % 2 == 0;
    const bool gaps_only = base == 3 || base == 4;
    const bool super = extra && p.german_lotto;

    if (plus) {
        compute_plus_frequencies(source, range, t);
        compute_plus_gaps(source, range.last, t);
    } else {
        compute_frequencies(source, range, t);
        compute_gaps(source, range.last, t);
    }
    const NumberTable& freq = plus ? t.plus_frequency : extra ? t.extra_frequency : t.main_frequency;
    const NumberTable& gap = plus ? t.plus_gap : extra ? t.extra_gap : t.main_gap;

    ChartModel m;
    m.code = code;
    m.heading = heading_for(code, source, range);
    m.highest = p.highest_number;
    m.swiss = p.swiss;
    m.overview = base >= 5;
    m.heading.overview = m.overview;
    m.heading.chance = number_chance_line(code, source, range, t);
    m.super_labels = super;
    const int shown = super ? kSuperNumbers : m.highest;
    const double divisor = super ? kSuperNumbers : m.highest;
    if (m.overview) {
        fill_bars(m, freq, &gap, shown, divisor);
    } else {
        fill_bars(m, gaps_only ? gap : freq, nullptr, shown, divisor);
        m.upper_colour = gaps_only ? 3 : 4;
        m.mean_text = mean_label(m.upper_mean, code == kStatGaps ? 2 : 1, 4);
        if (code == kStatGaps)
            m.expected_text = "(" + decimal_text(m.highest / 6.0 - 1, 2) + ")";
        else if (code == kStatExtraGaps)
            m.expected_text = "(" + std::to_string(super ? 9 : m.highest - 1) + ")";
        else
            m.expected_text.clear();
    }
    if (p.code == kToto) {
        m.toto_x = 906;
        m.toto_y = {47, 469};
    }
    m.plus_mark = code == kStatPlusFrequency || code == kStatPlusGaps;

    const int marked = marked_draw(source, range.last, plus);
    if (plus) {
        mark_six(m, source.plus(marked).data());
    } else if (!extra) {
        mark_six(m, source.numbers(marked).data());
    } else if (marked >= 1 && (!super || marked >= p.super_start)) {
        const int v = source.numbers(marked)[6];
        if (v >= 1 && v < kNumberSlots && (!super || v <= kSuperNumbers)) m.marked[static_cast<size_t>(v)] = true;
    }

    if (p.swiss && !extra && !plus && base != 6) {
        m.lucky = true;
        for (int g = 1; g <= kLuckyNumbers; ++g) {
            const auto slot = static_cast<size_t>(g + kLuckyOffset);
            m.lucky_upper[static_cast<size_t>(g - 1)] = gaps_only ? t.main_gap[slot] : t.main_frequency[slot];
            m.lucky_lower[static_cast<size_t>(g - 1)] = t.main_gap[slot];
        }
        if (marked >= kSwissLuckyStart) {
            const int g = source.numbers(marked)[6];
            if (g >= 1 && g <= kLuckyNumbers) m.lucky_marked = g;
        }
    }
    return m;
}

std::optional<ChartModel> run_chart(int code, const DrawSource& source, const DrawRange& range,
                                    StatTables& t) {
    const bool plus = code >= 46 && code <= 51;
    const int base = plus ? code - 33 + (code >= 49 ? 5 : 0) : code;  // 13..15 or 21..23
    if (!((base >= 13 && base <= 15) || (base >= 21 && base <= 23))) return std::nullopt;
    const RunKind kind = base <= 15 ? RunKind::kTwin : RunKind::kTriplet;
    const int step = base <= 15 ? base - 13 : base - 21;  // 0 frequency, 1 gaps, 2 overview
    const GameParams& p = source.params();

    count_runs(source, range, kind, plus, t.main_frequency);
    run_gaps(source, range.last, kind, plus, t.main_gap);

    ChartModel m;
    m.code = code;
    m.heading = heading_for(code, source, range);
    m.highest = p.highest_number;
    m.swiss = p.swiss;
    m.overview = step == 2;
    m.heading.overview = m.overview;
    m.balls = static_cast<int>(kind);
    const int shown = run_columns(kind, m.highest);
    m.full_height = kind == RunKind::kTwin ? 318 : 298;
    if (m.overview) {
        fill_bars(m, t.main_frequency, &t.main_gap, shown, m.highest);
    } else {
        fill_bars(m, step == 1 ? t.main_gap : t.main_frequency, nullptr, shown, m.highest);
        m.upper_colour = step == 1 ? 3 : 4;
        double sum = 0;
        for (int v : m.upper) sum += v;
        m.mean_text = mean_label(sum / (plus ? shown : m.highest), 1, 5);
    }
    if (p.code == kToto) {
        m.toto_x = 886;
        m.toto_y = kind == RunKind::kTwin ? std::vector<int>{47, 67, 469} : std::vector<int>{47, 469};
    }
    m.plus_mark = plus;
    const int marked = marked_draw(source, range.last, plus);
    for (int n : runs_in((plus ? source.plus(marked) : source.numbers(marked)).data(), kind))
        if (n <= shown) m.marked[static_cast<size_t>(n)] = true;
    return m;
}

std::optional<DistributionModel> distribution_chart(int code, const DrawSource& source,
                                                    const DrawRange& range) {
    if (code != 16 && code != 24 && code != 55 && code != 56) return std::nullopt;
    DistributionModel m;
    m.heading = heading_for(code, source, range);
    m.heading.title_x = 22;
    m.low_high = code == 24 || code == 56;
    m.plus_mark = code >= 55;
    m.histogram = m.low_high ? count_low_high(source, range, m.plus_mark)
                             : count_even_odd(source, range, m.plus_mark);
    m.expected = expected_counts(m.histogram, source.params().even_distribution);
    return m;
}

std::optional<ProbabilityModel> probability_chart(int code, const DrawSource& source,
                                                  const DrawRange& range, StatTables& t) {
    if (code != 17 && code != 57) return std::nullopt;
    ProbabilityModel m;
    m.heading = heading_for(code, source, range);
    m.plus = code == 57;
    std::array<bool, kNumberSlots> current{};
    const int marked = marked_draw(source, range.last, m.plus);
    const DrawNumbers six = m.plus ? source.plus(marked) : source.numbers(marked);
    for (int j = 0; j < 6; ++j)
        if (six[j] >= 1 && six[j] < kNumberSlots) current[six[j]] = true;
    if (m.plus) {
        compute_plus_frequencies(source, range, t);
        compute_plus_gaps(source, range.last, t);
        m.view = make_probability_view(t.plus_frequency, t.plus_gap, source.highest(), false, current);
    } else {
        compute_frequencies(source, range, t);
        compute_gaps(source, range.last, t);
        m.view = make_probability_view(t.main_frequency, t.main_gap, source.highest(), source.swiss(),
                                       current);
    }
    return m;
}

}  // namespace zw
