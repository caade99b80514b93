#include "base/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zw {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const auto b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t") - b + 1);
}

}  // namespace

std::optional<int64_t> parse_hundredths(std::string_view text, Sign sign) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (sign == Sign::kNone) return std::nullopt;
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const auto mark = text.find_first_of(",.");
    const std::string_view whole = text.substr(0, mark);
    const std::string_view decimals =
        mark == std::string_view::npos ? std::string_view{} : text.substr(mark + 1);
    if (whole.empty() && decimals.empty()) return std::nullopt;
    for (std::string_view part : {whole, decimals})
        for (char c : part)
            if (!is_digit(c)) return std::nullopt;

    const std::string_view significant =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    if (significant.size() > 15) return std::nullopt;
    int64_t value = 0;
    for (char c : significant) value = value * 10 + (c - '0');
    for (size_t k = 0; k < 2; ++k)
        value = value * 10 + (k < decimals.size() ? decimals[k] - '0' : 0);
    // Commercial rounding on the decimals as typed: half a cent rounds away from zero.
    if (decimals.size() > 2 && decimals[2] >= '5') ++value;
    return negative ? -value : value;
}

std::optional<int64_t> parse_whole(std::string_view text, int64_t lowest, int64_t highest) {
    text = trimmed(text);
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text[0] == '-') return std::nullopt;
    }
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (v < lowest || v > highest) return std::nullopt;
    return v;
}

std::optional<double> parse_double(std::string_view text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::string hundredths_text(int64_t hundredths) {
    const bool negative = hundredths < 0;
    // Unsigned, so that the smallest value has a magnitude too.
    const uint64_t v =
        negative ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    const uint64_t cents = v % 100;
    return (negative ? "-" : "") + std::to_string(v / 100) + (cents < 10 ? ".0" : ".") +
           std::to_string(cents);
}

std::string decimal_text(double value, int decimals, int width) {
    std::array<char, 400> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                         std::chars_format::fixed, std::clamp(decimals, 0, 17));
    std::string s = ec == std::errc() ? std::string(buf.data(), end) : std::string("-");
    if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    if (width > 0 && s.size() < static_cast<size_t>(width))
        s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
}

}  // namespace zw
