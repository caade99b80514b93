#include "archive/bonus_draws.h"

#include <charconv>

#include "archive/calendar.h"
#include "archive/capacity.h"

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

}  // namespace

BonusParseResult parse_bonus_draws(std::string_view text) {
    BonusParseResult result;
    int line_no = 0;
    while (!text.empty()) {
        auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
        ++line_no;
        std::vector<std::string_view> fields;
        size_t start = 0;
        while (true) {
            auto comma = line.find(',', start);
            fields.push_back(line.substr(start, comma == std::string_view::npos ? line.size() - start
                                                                                : comma - start));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (trim(fields[0]).empty()) continue;
        const std::string where = "Bonus-Ziehungen, Zeile " + std::to_string(line_no);
        if (result.draws.size() >= static_cast<size_t>(kMaxBonusDraws)) {
            result.warnings.push_back(where + ": mehr als " + std::to_string(kMaxBonusDraws) +
                                      " Bonus-Ziehungen, der Rest wird nicht gelesen.");
            break;
        }
        fields.resize(std::max<size_t>(fields.size(), 15));
        BonusDraw d;
        d.date = std::string(trim(fields[0]));
        bool ok = key_from_date_text(d.date) != 0 && d.date.size() == 10;
        long v = 0;
        for (int i = 0; ok && i < 7; ++i) {
            ok = parse_field(fields[1 + i], 0, 99, 0, v);
            d.numbers[i] = static_cast<uint8_t>(v);
        }
        for (int i = 0; ok && i < 6; ++i) {
            ok = parse_field(fields[8 + i], 0, 99, 0, v);
            d.plus[i] = static_cast<uint8_t>(v);
        }
        if (ok) {
            ok = parse_field(fields[14], -1, 9999999, -1, v);
            d.joker = static_cast<int32_t>(v);
        }
        if (!ok) {
            result.warnings.push_back(where + " ist fehlerhaft und wird übergangen.");
            continue;
        }
        result.draws.push_back(std::move(d));
    }
    return result;
}

std::string format_bonus_draws(const std::vector<BonusDraw>& draws) {
    std::string out;
    for (const auto& d : draws) {
        out += d.date;
        for (uint8_t n : d.numbers) out += "," + std::to_string(n);
        for (uint8_t n : d.plus) out += "," + std::to_string(n);
        out += "," + std::to_string(d.joker) + "\n";
    }
    return out;
}

}  // namespace zw
