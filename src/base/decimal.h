// Numbers as the user types them and as the program shows them, the same
// under every locale: input takes "," or "." as the decimal mark, every text
// the program shows or prints uses the point ("12.50 EUR").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

enum class Sign { kNone, kAllowed };

// A typed amount in hundredths: blanks around it, a sign only when allowed,
// digits with at most one "," or "." between or around them ("12", "12,5",
// "0.75", ",5"). Further decimals are rounded, half a cent away from zero
// ("12,345" gives 1235).
// Anything else (letters, a second mark, an exponent, no digit at all, more
// than 15 whole digits) gives nullopt.
std::optional<int64_t> parse_hundredths(std::string_view text, Sign sign = Sign::kNone);

// A typed whole number within lowest..highest, blanks around it allowed;
// nullopt for anything else ("3x", "2.0", "").
std::optional<int64_t> parse_whole(std::string_view text, int64_t lowest, int64_t highest);

// A number written with a point, as from_chars reads it (no blanks, no
// comma); nullopt when the text is not entirely one number.
std::optional<double> parse_double(std::string_view text);

// Hundredths with two decimals: 1250 -> "12.50", -5 -> "-0.05".
std::string hundredths_text(int64_t hundredths);

// `value` with `decimals` decimals (0..17) and a point, right-aligned in
// `width` characters. A value that rounds to zero is shown without a minus.
std::string decimal_text(double value, int decimals, int width = 0);

}  // namespace zw
