// What the Quoten and Gebühren dialogs show and how typed amounts become
// table values: the field list per game, the labels, and the parsing,
// rounding and formatting of amounts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "games/game_catalogue.h"
#include "games/money_tables.h"

namespace zw {

struct GameParams;

// --- Amount texts

// Typed amounts: a decimal comma counts as a point.
std::string translate_decimal_comma(std::string_view text);
// The leading numeric part of `text` (blanks, sign, digits, decimal point,
// exponent) in hundredths, rounded half to even on the exact decimal value as
// typed; 0 when there are no digits, nullopt when it is beyond +-10^17.
std::optional<int64_t> hundredths_from_text(std::string_view text);

// A typed quota in tenths: the text with decimal comma, rounded to two
// decimals, times 10, rounded half to even ("2.345" gives 23). nullopt when
// it is negative or too large for the table.
std::optional<int32_t> quota_from_text(std::string_view text);
// Tenths shown with two decimals, right-aligned in 11 characters ("     123.40").
std::string quota_text(int32_t tenths);
// Enter in a Quoten field: the typed amount rounded to two decimals, in the
// 11-wide form (the table keeps tenths only when the dialog is confirmed).
// nullopt when the amount cannot go into the table.
std::optional<std::string> reformat_quota_text(std::string_view text);
// A typed fee in cents ("1,20" or "1.20"); nullopt when it is not an amount,
// negative or above 327.67.
std::optional<int16_t> fee_from_text(std::string_view text);
// Cents with two decimals ("1.20").
std::string fee_text(int16_t cents);
// The largest amounts a field takes, as shown in the refusal.
inline constexpr std::string_view kQuotaMaximumText = "214748364.70";
inline constexpr std::string_view kFeeMaximumText = "327.67";

// --- The Quoten dialog

enum class QuotaTarget { kQuota, kSwiss, kLottoPlus };

struct QuotaField {
    int id;             // 101..111; the edit field is named "ed" + id
    std::string label;  // "1. Rang (  6+S  ):", "I. RANG ( 6 ):", "Sechser (P6):"
    QuotaTarget target;
    int index;  // position in quota[game], swiss_quota or the LottoPlus values
};

struct QuotaForm {
    std::string title;               // "Quoten:" or "Quoten: Österreich-Lotto und LottoPlus"
    std::vector<QuotaField> fields;  // in the order shown
    std::string lottoplus_heading;   // Austria: shown before the first LottoPlus field
};

QuotaForm quota_form(GameCode game);

int32_t quota_field_value(const QuotaField& field, GameCode game, const MoneyTables& money,
                          const GameParams& params);
void store_quota_field(const QuotaField& field, GameCode game, int32_t tenths, MoneyTables& money,
                       GameParams& params);
// After the fields are stored: German Lotto's 2+S position keeps its fixed amount.
void finish_quota_confirm(GameCode game, MoneyTables& money);

// --- The Gebühren dialog

struct FeeForm {
    std::string side1_label;  // lbl11: "SPIEL 77:" or "JOKER:"
    std::string side2_label;  // lbl12: "SUPER 6:", " LPlus pro Tipp:" or ""
    bool side2_shown = true;  // Swiss: ed3 and its currency label are hidden
};
FeeForm fee_form(GameCode game);

}  // namespace zw
