// A minimal JSON writer for the command line's --json output.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zw::cli {

std::string json_string(std::string_view s);

// Builds one JSON value; values are appended in order, objects and arrays nest.
class Json {
public:
    Json& begin_object();
    Json& end_object();
    Json& begin_array();
    Json& end_array();
    Json& key(std::string_view k);
    Json& value(std::string_view s);
    Json& value(const char* s) { return value(std::string_view(s)); }
    Json& value(int64_t v);
    Json& value(int v) { return value(static_cast<int64_t>(v)); }
    Json& value(double v);
    Json& value(bool v);
    Json& null();
    template <class T>
    Json& value(const std::optional<T>& v) {
        return v ? value(*v) : null();
    }
    Json& raw(std::string_view text);
    const std::string& str() const { return out_; }

private:
    void separator();
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool after_key_ = false;
};

}  // namespace zw::cli
