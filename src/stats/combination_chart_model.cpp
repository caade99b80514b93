#include "stats/combination_chart_model.h"

#include <cmath>
#include <cstdio>

#include "stats/statistic_codes.h"

namespace zw {
namespace {

int scaled(int value, int full, int largest) {
    return largest > 0 ? static_cast<int>(std::lround(static_cast<double>(value) * full / largest)) : 0;
}

DrawNumbers marked_numbers(const DrawSource& s, const DrawRange& r, bool plus) {
    const int d = marked_draw(s, r.last, plus);
    return plus ? s.plus(d) : s.numbers(d);
}

void add_toto_marks(ChartModel& m, const GameParams& p) {
    if (p.code != kToto) return;
    m.toto_x = 906;
    m.toto_y = {47, 469};
}

}  // namespace

int BestListModel::count_bar(size_t i) const {
    if (i >= entries.size() || entries.empty()) return 0;
    return scaled(entries[i].count, full_height, entries.front().count);
}

int BestListModel::gap_bar(size_t i) const {
    if (i >= entries.size()) return 0;
    int largest = 0;
    for (const BestEntry& e : entries) largest = std::max(largest, e.gap);
    return scaled(entries[i].gap, gap_length, largest);
}

int fixed_numbers_for(int code) {
    const int base = base_code(code);
    return base >= 7 && base <= 12 ? (base - 7) / 2 + 1 : 0;
}

std::string partner_title(int code, std::span<const int> fixed) {
    std::string numbers;
    for (int n : fixed) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d", n);
        numbers += buf;
    }
    switch (base_code(code)) {
        case 7: return "      Rückstände der Partner zur" + numbers + " ab der";
        case 8: return "   Häufigkeit & Rückstand zur" + numbers + " nach der";
        case 9: return " Rückstand der Partner zu" + numbers + " ab der";
        case 10: return " Häufigkeit & Rückstand zu" + numbers + " nach der";
        case 11: return "Rückstand der Partner zu" + numbers + " ab der";
        case 12: return "Häufigkeit & Rückstand zu" + numbers + " nach der";
        default: return {};
    }
}

std::optional<ChartModel> partner_chart(int code, const DrawSource& source, const DrawRange& range,
                                        std::span<const int> fixed, StatTables& t) {
    const int k = fixed_numbers_for(code);
    if (k == 0 || static_cast<int>(fixed.size()) != k) return std::nullopt;
    const GameParams& p = source.params();
    uint64_t seen = 0;
    for (int f : fixed) {
        if (f < 1 || f > p.highest_number || (seen >> f & 1u)) return std::nullopt;
        seen |= uint64_t{1} << f;
    }
    const bool plus = is_plus_code(code);
    partner_frequencies(source, range, fixed, plus, t.main_frequency);
    partner_gaps(source, range.last, fixed, plus, t.main_gap);

    ChartModel m;
    m.code = code;
    m.heading = chart_heading(code, source, range);
    m.heading.title = partner_title(code, fixed);
    m.highest = p.highest_number;
    m.swiss = p.swiss;
    m.overview = base_code(code) % 2 == 0;
    m.heading.overview = m.overview;
    if (m.overview) {
        fill_bars(m, t.main_frequency, &t.main_gap, m.highest, m.highest);
    } else {
        fill_bars(m, t.main_gap, nullptr, m.highest, m.highest);
        m.upper_colour = 3;
        m.mean_text = mean_label(m.upper_mean, 1, 5);
    }
    add_toto_marks(m, p);
    m.plus_mark = plus;
    mark_six(m, marked_numbers(source, range, plus).data());
    return m;
}

std::optional<ChartModel> extreme_chart(int code, const DrawSource& source, const DrawRange& range,
                                        StatTables& t) {
    const int base = base_code(code);
    if (base != kStatSmallest && base != kStatLargest) return std::nullopt;
    const bool plus = is_plus_code(code);
    const bool smallest = base == kStatSmallest;
    if (smallest) {
        smallest_frequencies(source, range, plus, t.main_frequency);
        smallest_gaps(source, range.last, plus, t.main_gap);
    } else {
        largest_frequencies(source, range, plus, t.main_frequency);
        largest_gaps(source, range.last, plus, t.main_gap);
    }
    const GameParams& p = source.params();
    ChartModel m;
    m.code = code;
    m.heading = chart_heading(code, source, range);
    m.highest = p.highest_number;
    m.swiss = p.swiss;
    m.overview = true;
    m.heading.overview = true;
    // Number order 1..N; only these columns set the scale.
    fill_bars(m, t.main_frequency, &t.main_gap, m.highest, m.highest, false);
    add_toto_marks(m, p);
    m.plus_mark = plus;
    // The smallest (largest) number of the marked draw.
    const DrawNumbers six = marked_numbers(source, range, plus);
    int pick = 0;
    for (int j = 0; j < 6; ++j) {
        const int n = six[j];
        if (n < 1 || n > m.highest) continue;
        if (pick == 0 || (smallest ? n < pick : n > pick)) pick = n;
    }
    if (pick) m.marked[static_cast<size_t>(pick)] = true;
    return m;
}

std::optional<BestListModel> best_list_chart(int code, const DrawSource& source, const DrawRange& range) {
    BestListModel m;
    switch (base_code(code)) {
        case kStatBestPairs: m.family = CombinationFamily::kPairs; break;
        case kStatBestTriples:
            m.family = CombinationFamily::kTriples;
            m.full_height = 124;
            m.gap_length = 80;
            m.gap_colour = 3;
            break;
        case kStatBestQuadruples:
            m.family = CombinationFamily::kQuadruples;
            m.full_height = 108;
            m.gap_length = 60;
            m.gap_colour = 3;
            break;
        case kStatBoundaryPairs: m.family = CombinationFamily::kBoundaryPairs; break;
        default: return std::nullopt;
    }
    const bool plus = is_plus_code(code);
    m.code = code;
    m.heading = chart_heading(code, source, range);
    m.heading.overview = true;
    m.plus_mark = plus;
    m.entries = best_combinations(source, range, m.family, plus);
    const DrawNumbers six = marked_numbers(source, range, plus);
    for (int j = 0; j < 6; ++j)
        if (six[j] >= 1 && six[j] < kNumberSlots) m.marked[six[j]] = true;
    return m;
}

}  // namespace zw
