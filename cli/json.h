// The --json output: one JSON document per command on one line, keys in the
// order they are added.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace zw::cli {

using Json = nlohmann::ordered_json;

// A computed value with ten significant digits, as the text output rounds
// it; a whole value without a fraction; not finite: null.
Json number(double v);

// A figure the program prints with fixed decimals ("15.5") as a JSON number.
Json decimal(const std::string& text);

template <class T>
Json optional(const std::optional<T>& v) {
    return v ? Json(*v) : Json(nullptr);
}

// Entries 1..last of a table of whole numbers counted from 1 (win classes,
// digit counts).
template <class Table>
Json from_one(const Table& table, int last) {
    Json a = Json::array();
    for (int k = 1; k <= last; ++k) a.push_back(table[static_cast<size_t>(k)]);
    return a;
}

// Rows of six numbers and a Glückszahl (generator, power tip): "rows" with
// the six numbers of each and, for Swiss Lotto, "lucky" with each Glückszahl.
void add_rows(Json& j, const std::vector<std::array<uint8_t, 7>>& rows, bool swiss);

// Writes the document and a line break.
void print(std::ostream& out, const Json& j);

}  // namespace zw::cli
