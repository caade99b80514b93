#include "stats/stat_table_export.h"

#include <algorithm>
#include <charconv>

#include "base/decimal.h"

namespace zw {
namespace {

bool is_gap_chart(int code) {
    switch (code) {
        case 3: case 4: case 14: case 22: case 32: case 47: case 50:
            return true;
        default:
            return false;
    }
}

std::string column_label(const ChartModel& m, int column) {
    std::string text;
    for (int b = 0; b < m.balls; ++b) {
        if (b > 0) text += '-';
        text += std::to_string(m.ball_label(column, b));
    }
    return text;
}

std::string share_text(int value, double sum) {
    return sum > 0 ? decimal_text(100.0 * value / sum, 2) : std::string("0.00");
}

int two_digits(const std::string& s, size_t at) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data() + at, s.data() + at + 2, v);
    return ec == std::errc() && p == s.data() + at + 2 ? v : -1;
}

}  // namespace

StatTable chart_table(const ChartModel& m) {
    StatTable t;
    const std::string what = m.balls == 2 ? "Zwilling" : m.balls == 3 ? "Drilling" : "Zahl";
    const bool gaps = !m.overview && is_gap_chart(m.code);
    t.header = {what, gaps ? "Rückstand" : "Häufigkeit"};
    if (m.overview) t.header.push_back("Rückstand");
    if (!gaps) t.header.push_back("Anteil %");
    t.numeric.assign(t.header.size(), true);
    t.numeric[0] = m.balls == 1;

    double sum = 0;
    for (int v : m.upper) sum += v;
    for (size_t i = 0; i < m.columns.size(); ++i) {
        std::vector<std::string> row{column_label(m, m.columns[i]), std::to_string(m.upper[i])};
        if (m.overview) row.push_back(i < m.lower.size() ? std::to_string(m.lower[i]) : std::string());
        if (!gaps) row.push_back(share_text(m.upper[i], sum));
        t.rows.push_back(std::move(row));
    }
    // The Swiss Glückszahl columns follow the numbers.
    if (m.lucky) {
        double lucky_sum = 0;
        for (int v : m.lucky_upper) lucky_sum += v;
        for (int g = 1; g <= kLuckyNumbers; ++g) {
            const auto i = static_cast<size_t>(g - 1);
            std::vector<std::string> row{"G" + std::to_string(g), std::to_string(m.lucky_upper[i])};
            if (m.overview) row.push_back(std::to_string(m.lucky_lower[i]));
            if (!gaps) row.push_back(share_text(m.lucky_upper[i], lucky_sum));
            t.rows.push_back(std::move(row));
        }
        t.numeric[0] = false;
    }
    return t;
}

StatTable best_list_table(const BestListModel& m) {
    StatTable t;
    t.header = {"Platz", "Kombination", "Häufigkeit", "Rückstand"};
    t.numeric = {true, false, true, true};
    for (size_t i = 0; i < m.entries.size(); ++i) {
        const BestEntry& e = m.entries[i];
        std::string numbers;
        for (int k = 0; k < e.combination.size; ++k)
            numbers += (k ? "-" : "") + std::to_string(e.combination.numbers[static_cast<size_t>(k)]);
        t.rows.push_back({std::to_string(i + 1), numbers, std::to_string(e.count), std::to_string(e.gap)});
    }
    return t;
}

StatTable distribution_table(const DistributionModel& m) {
    StatTable t;
    t.header = {"Verteilung", "Anzahl", "Erwartet", "Anteil %"};
    t.numeric = {false, true, true, true};
    const char* a = m.low_high ? "T" : "G";
    const char* b = m.low_high ? "H" : "U";
    double sum = 0;
    for (int v : m.histogram.counts) sum += v;
    for (int k = 0; k < 7; ++k) {
        const auto i = static_cast<size_t>(k);
        t.rows.push_back({std::to_string(k) + "x" + a + " " + std::to_string(6 - k) + "x" + b,
                          std::to_string(m.histogram.counts[i]), std::to_string(m.expected[i]),
                          share_text(m.histogram.counts[i], sum)});
    }
    return t;
}

std::string csv_text(const StatTable& table) {
    std::string out;
    auto line = [&out](const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += ';';
            const std::string& c = cells[i];
            if (c.find_first_of(";\"\n\r") == std::string::npos) {
                out += c;
                continue;
            }
            out += '"';
            for (char ch : c) {
                if (ch == '"') out += '"';
                out += ch;
            }
            out += '"';
        }
        out += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows) line(row);
    return out;
}

DrawRange last_draws(int count, int last) {
    DrawRange r;
    const int end = std::max(last, 0);
    r.set(std::clamp(end - std::max(count, 1) + 1, 1, std::max(end, 1)), end);
    return r;
}

std::optional<int> parse_date_key(const std::string& text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
    const int day = two_digits(text, 0), month = two_digits(text, 3);
    int year = 0;
    const auto [p, ec] = std::from_chars(text.data() + 6, text.data() + 10, year);
    if (ec != std::errc() || p != text.data() + 10 || day < 1 || month < 1 || month > 12) return std::nullopt;
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > kDays[month - 1] || (month == 2 && day == 29 && !leap)) return std::nullopt;
    return year * 10000 + month * 100 + day;
}

std::optional<DrawRange> draws_between(const DrawSource& source, const std::string& from,
                                       const std::string& to) {
    const int limit = source.limit();
    if (limit < 1) return std::nullopt;
    const std::optional<int> low = from.empty() ? std::optional<int>(0) : parse_date_key(from);
    const std::optional<int> high = to.empty() ? std::optional<int>(99999999) : parse_date_key(to);
    if (!low || !high || *low > *high) return std::nullopt;
    auto key = [&source](int d) { return parse_date_key(source.date(d)).value_or(0); };
    // Draw dates rise with the draw number: the first draw on or after `from`,
    // the last one on or before `to`.
    int lo = 1, hi = limit + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (key(mid) < *low) lo = mid + 1; else hi = mid;
    }
    const int first = lo;
    lo = 1;
    hi = limit + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (key(mid) <= *high) lo = mid + 1; else hi = mid;
    }
    const int last = lo - 1;
    if (first > limit || last < first) return std::nullopt;
    DrawRange r;
    r.set(first, last);
    return r;
}

}  // namespace zw
