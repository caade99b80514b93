#include "json.h"

#include <charconv>
#include <cmath>

#include "base/decimal.h"

namespace zw::cli {

Json number(double v) {
    if (!std::isfinite(v)) return nullptr;
    // Ten significant digits, written and read back without the C library's locale.
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    const double rounded = ec == std::errc() ? parse_double(std::string_view(buf, static_cast<size_t>(end - buf))).value_or(v) : v;
    if (std::abs(rounded) < 1e15 && rounded == std::trunc(rounded)) return static_cast<int64_t>(rounded);
    return rounded;
}

Json decimal(const std::string& text) {
    const auto v = parse_double(text);
    return v ? Json(*v) : Json(nullptr);
}

void add_rows(Json& j, const std::vector<std::array<uint8_t, 7>>& rows, bool swiss) {
    Json numbers = Json::array(), lucky = Json::array();
    for (const auto& row : rows) {
        numbers.push_back(std::vector<int>(row.begin(), row.begin() + 6));
        lucky.push_back(row[6]);
    }
    j["rows"] = numbers;
    if (swiss) j["lucky"] = lucky;
}

void print(std::ostream& out, const Json& j) {
    // Texts from older files may not be UTF-8: such bytes become U+FFFD
    // rather than an unreadable document.
    out << j.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace zw::cli
