#include "archive/bonus_draws.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "archive/calendar.h"
#include "games/capacity.h"

namespace zw {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Whole decimal number in [lo, hi]; an empty field gives `empty`.
bool parse_field(std::string_view s, long lo, long hi, long empty, long& out) {
    s = trim(s);
    if (s.empty()) {
        out = empty;
        return true;
    }
    long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < lo || v > hi) return false;
    out = v;
    return true;
}

// All six 0 (none) or six distinct numbers.
bool is_valid_lotto_plus_numbers(const std::array<uint8_t, 6>& plus) {
    uint64_t seen = 0;
    int zeros = 0;
    for (uint8_t p : plus) {
        if (p == 0) {
            ++zeros;
            continue;
        }
        if (seen >> p & 1) return false;
        seen |= uint64_t{1} << p;
    }
    return zeros == 0 || zeros == 6;
}

}  // namespace

bool is_real_date_text(std::string_view text) {
    const int32_t key = key_from_date_text(text);
    if (text.size() != 10 || key == 0) return false;
    const int y = key / 10000, m = key / 100 % 100, d = key % 100;
    if (y < 1900 || y > 2999) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

namespace {
constexpr int kListedLines = 10;
}  // namespace

BonusParseResult parse_bonus_draws(std::string_view text) {
    BonusParseResult result;
    int line_no = 0;
    bool full = false;
    int refused = 0;
    while (!text.empty()) {
        auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
        ++line_no;
        // Up to 16 fields are kept; more only count.
        std::array<std::string_view, 16> fields;
        size_t field_count = 0;
        for (size_t start = 0;;) {
            const auto comma = line.find(',', start);
            const auto field = line.substr(start, comma == std::string_view::npos
                                                      ? line.size() - start
                                                      : comma - start);
            if (field_count < fields.size()) fields[field_count] = field;
            ++field_count;
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (trim(fields[0]).empty()) continue;
        auto where = [&] { return "Bonus-Ziehungen, Zeile " + std::to_string(line_no); };
        if (result.draws.size() >= static_cast<size_t>(kMaxBonusDraws)) {
            if (!full)
                result.warnings.push_back(where() + ": mehr als " + std::to_string(kMaxBonusDraws) +
                                          " Bonus-Ziehungen, der Rest wird nicht gelesen.");
            full = true;
            result.refused_lines.emplace_back(line);
            continue;
        }
        // Fifteen fields; a trailing comma (an empty 16th field) is tolerated.
        if (field_count == 16 && trim(fields[15]).empty()) field_count = 15;
        BonusDraw d;
        const std::string_view date = trim(fields[0]);
        std::string why;
        if (field_count != 15)
            why = "hat " + std::to_string(field_count) + " statt 15 Felder";
        else if (!is_real_date_text(date))
            why = "hat kein gültiges Datum";
        long v = 0;
        uint64_t seen = 0;
        for (int i = 0; why.empty() && i < 7; ++i) {
            if (!parse_field(fields[1 + i], 1, 45, 0, v) || v == 0 || (seen >> v & 1))
                why = "hat ungültige Gewinnzahlen";
            seen |= uint64_t{1} << v;
            d.numbers[i] = static_cast<uint8_t>(v);
        }
        for (int i = 0; why.empty() && i < 6; ++i) {
            if (!parse_field(fields[8 + i], 0, 45, 0, v)) why = "hat ungültige LottoPlus-Zahlen";
            d.plus[i] = static_cast<uint8_t>(v);
        }
        if (why.empty() && !is_valid_lotto_plus_numbers(d.plus)) why = "hat ungültige LottoPlus-Zahlen";
        if (why.empty()) {
            if (!parse_field(fields[14], -1, 999999, -1, v))
                why = "hat keine sechsstellige Joker-Zahl";
            d.joker = static_cast<int32_t>(v);
        }
        if (!why.empty()) {
            // A few lines are named; a file full of them gets one count at the end.
            if (++refused <= kListedLines) result.warnings.push_back(where() + " " + why + " und wird übergangen.");
            result.refused_lines.emplace_back(line);
            continue;
        }
        d.date = std::string(date);
        result.draws.push_back(std::move(d));
    }
    if (refused > kListedLines)
        result.warnings.push_back("Bonus-Ziehungen: " + std::to_string(refused - kListedLines) +
                                  " weitere fehlerhafte Zeilen werden übergangen.");
    // The combined view merges by date: keep the draws in date order.
    std::stable_sort(result.draws.begin(), result.draws.end(),
                     [](const BonusDraw& a, const BonusDraw& b) {
                         return key_from_date_text(a.date) < key_from_date_text(b.date);
                     });
    return result;
}

std::string format_bonus_draws(const std::vector<BonusDraw>& draws) {
    std::string out;
    for (const auto& d : draws) {
        out += d.date;
        // Appended piece by piece ("," + std::to_string trips g++ 12's -Wrestrict).
        for (uint8_t n : d.numbers) (out += ',') += std::to_string(n);
        for (uint8_t n : d.plus) (out += ',') += std::to_string(n);
        ((out += ',') += std::to_string(d.joker)) += '\n';
    }
    return out;
}

}  // namespace zw
