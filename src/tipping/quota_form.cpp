#include "tipping/quota_form.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/decimal.h"
#include "games/game_catalogue.h"

namespace zw {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string right_aligned(const std::string& s, size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// Two-decimal text of a whole number of 1/scale units (scale 10 or 100): "-12.30".
std::string fixed_text(int64_t value, int64_t scale) {
    const bool negative = value < 0;
    const int64_t a = negative ? -value : value;
    const int64_t frac = (a % scale) * (100 / scale);  // always two decimals
    std::string s = std::to_string(a / scale) + "." + (frac < 10 ? "0" : "") + std::to_string(frac);
    return negative ? "-" + s : s;
}

// Class names of the eight German Lotto and Swiss rows.
constexpr std::array<std::string_view, 8> kLottoRanks = {"6+S", "6", "5+S", "5",
                                                         "4+S", "4", "3+S", "3"};
constexpr std::array<std::string_view, 8> kSwissRanks = {"6+G", "6", "5+G", "5",
                                                         "4+G", "4", "3+G", "3"};

// "1. Rang (  6+S  ):": the class name centred in the seven places between the parentheses.
std::string rank_label(int rank, std::string_view name) {
    const size_t left = (7 - name.size() + 1) / 2;
    const size_t right = 7 - name.size() - left;
    return std::to_string(rank) + ". Rang (" + std::string(left, ' ') + std::string(name) +
           std::string(right, ' ') + "):";
}

}  // namespace

std::string translate_decimal_comma(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '.';
    return out;
}

std::optional<int64_t> hundredths_from_text(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // value = digits x 10^exponent
    std::string digits;
    long exponent = 0;
    while (i < text.size() && is_digit(text[i])) digits += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) {
            digits += text[i++];
            --exponent;
        }
    }
    if (digits.empty()) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool exp_negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp_negative = text[j++] == '-';
        long e = 0;
        for (; j < text.size() && is_digit(text[j]); ++j)
            e = std::min(e * 10 + (text[j] - '0'), 100000L);
        exponent += exp_negative ? -e : e;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) return 0;

    constexpr size_t kMaxDigits = 17;
    const long shift = exponent + 2;  // hundredths
    int64_t whole = 0;
    if (shift >= 0) {
        if (digits.size() + static_cast<size_t>(shift) > kMaxDigits) return std::nullopt;
        digits.append(static_cast<size_t>(shift), '0');
        whole = std::stoll(digits);
    } else {
        const auto dropped_count = static_cast<size_t>(-shift);
        if (dropped_count > digits.size()) digits.insert(0, dropped_count - digits.size(), '0');
        const std::string kept = digits.substr(0, digits.size() - dropped_count);
        const std::string dropped = digits.substr(digits.size() - dropped_count);
        if (kept.size() > kMaxDigits) return std::nullopt;
        whole = kept.empty() ? 0 : std::stoll(kept);
        const bool beyond_half = dropped.find_first_not_of('0', 1) != std::string::npos;
        if (dropped[0] > '5' || (dropped[0] == '5' && (beyond_half || whole % 2 != 0))) ++whole;
    }
    return negative ? -whole : whole;
}

std::optional<int32_t> quota_from_text(std::string_view text) {
    const auto h = hundredths_from_text(translate_decimal_comma(text));
    if (!h || *h < 0) return std::nullopt;
    int64_t tenths = *h / 10;
    const int64_t rest = *h % 10;
    if (rest > 5 || (rest == 5 && tenths % 2 != 0)) ++tenths;
    if (tenths > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(tenths);
}

std::string quota_text(int32_t tenths) {
    return right_aligned(fixed_text(tenths, 10), 11);
}

std::optional<std::string> reformat_quota_text(std::string_view text) {
    if (!quota_from_text(text)) return std::nullopt;
    return right_aligned(fixed_text(*hundredths_from_text(translate_decimal_comma(text)), 100), 11);
}

std::optional<int16_t> fee_from_text(std::string_view text) {
    const auto cents = parse_hundredths(text);
    if (!cents || *cents < 0 || *cents > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return static_cast<int16_t>(*cents);
}

std::string fee_text(int16_t cents) {
    return fixed_text(cents, 100);
}

QuotaForm quota_form(GameCode game) {
    QuotaForm form;
    form.title = "Quoten:";
    if (is_german_lotto(game) || game == kSwiss) {
        const auto& names = game == kSwiss ? kSwissRanks : kLottoRanks;
        const QuotaTarget target = game == kSwiss ? QuotaTarget::kSwiss : QuotaTarget::kQuota;
        for (int i = 0; i < 8; ++i)
            form.fields.push_back(
                {101 + i, rank_label(i + 1, names[static_cast<size_t>(i)]), target, i});
    } else if (game == kToto) {
        form.fields = {{102, "I. RANG ( 6 ):", QuotaTarget::kQuota, 2},
                       {103, "II. RANG (5+):", QuotaTarget::kQuota, 3},
                       {104, "III. RANG ( 5 ):", QuotaTarget::kQuota, 4},
                       {106, "IV. RANG ( 4 ):", QuotaTarget::kQuota, 6},
                       {107, "V. RANG (3+):", QuotaTarget::kQuota, 7},
                       {108, "VI. RANG ( 3 ):", QuotaTarget::kQuota, 8}};
    } else {
        form.title = "Quoten: Österreich-Lotto und LottoPlus";
        form.fields = {{102, "I. RANG ( 6 ):", QuotaTarget::kQuota, 2},
                       {103, "II. RANG (5+):", QuotaTarget::kQuota, 3},
                       {104, "III. RANG ( 5 ):", QuotaTarget::kQuota, 4},
                       {105, "IV. RANG (4+):", QuotaTarget::kQuota, 5},
                       {106, "V. RANG ( 4 ):", QuotaTarget::kQuota, 6},
                       {107, "VI. RANG (3+):", QuotaTarget::kQuota, 7},
                       {108, "VII. RANG ( 3 ):", QuotaTarget::kQuota, 8},
                       {109, "Sechser (P6):", QuotaTarget::kLottoPlus, 1},
                       {110, "Fünfer (P5):", QuotaTarget::kLottoPlus, 2},
                       {111, "Vierer (P4):", QuotaTarget::kLottoPlus, 3}};
        form.lottoplus_heading = "entsprechende LottoPlus Quoten:";
    }
    return form;
}

int32_t quota_field_value(const QuotaField& field, GameCode game, const MoneyTables& money,
                          const GameParams& params) {
    const auto i = static_cast<size_t>(field.index);
    switch (field.target) {
        case QuotaTarget::kSwiss:
            return money.swiss_quota[i];
        case QuotaTarget::kLottoPlus:
            return params.side_prizes_2[i];
        case QuotaTarget::kQuota:
            break;
    }
    return money.quota[static_cast<size_t>(game)][i];
}

void store_quota_field(const QuotaField& field, GameCode game, int32_t tenths, MoneyTables& money,
                       GameParams& params) {
    const auto i = static_cast<size_t>(field.index);
    switch (field.target) {
        case QuotaTarget::kSwiss:
            money.swiss_quota[i] = tenths;
            return;
        case QuotaTarget::kLottoPlus:
            params.side_prizes_2[i] = tenths;
            return;
        case QuotaTarget::kQuota:
            money.quota[static_cast<size_t>(game)][i] = tenths;
            return;
    }
}

void finish_quota_confirm(GameCode game, MoneyTables& money) {
    if (is_german_lotto(game)) money.quota[static_cast<size_t>(game)][8] = kGermanTwoPlusSuperQuota;
}

FeeForm fee_form(GameCode game) {
    if (game == kAustria) return {"JOKER:", " LPlus pro Tipp:", true};
    if (game == kSwiss) return {"JOKER:", "", false};
    return {"SPIEL 77:", "SUPER 6:", true};
}

}  // namespace zw
