#include "json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zw::cli {

Json number(double v) {
    if (!std::isfinite(v)) return nullptr;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    const double rounded = std::strtod(buf, nullptr);
    if (std::abs(rounded) < 1e15 && rounded == std::trunc(rounded)) return static_cast<int64_t>(rounded);
    return rounded;
}

Json decimal(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

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
