#include "json.h"

#include <cmath>
#include <cstdio>

namespace zw::cli {

std::string json_string(std::string_view s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': r += "\\\""; break;
            case '\\': r += "\\\\"; break;
            case '\n': r += "\\n"; break;
            case '\r': r += "\\r"; break;
            case '\t': r += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    r += buf;
                } else {
                    r += static_cast<char>(c);
                }
        }
    }
    return r + "\"";
}

void Json::separator() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

Json& Json::begin_object() {
    separator();
    out_ += '{';
    first_.push_back(true);
    return *this;
}
Json& Json::end_object() {
    out_ += '}';
    first_.pop_back();
    return *this;
}
Json& Json::begin_array() {
    separator();
    out_ += '[';
    first_.push_back(true);
    return *this;
}
Json& Json::end_array() {
    out_ += ']';
    first_.pop_back();
    return *this;
}
Json& Json::key(std::string_view k) {
    separator();
    out_ += json_string(k) + ':';
    after_key_ = true;
    return *this;
}
Json& Json::value(std::string_view s) {
    separator();
    out_ += json_string(s);
    return *this;
}
Json& Json::value(int64_t v) {
    separator();
    out_ += std::to_string(v);
    return *this;
}
Json& Json::value(double v) {
    separator();
    if (!std::isfinite(v)) {
        out_ += "null";
        return *this;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    out_ += buf;
    return *this;
}
Json& Json::value(bool v) {
    separator();
    out_ += v ? "true" : "false";
    return *this;
}
Json& Json::null() {
    separator();
    out_ += "null";
    return *this;
}
Json& Json::raw(std::string_view text) {
    separator();
    out_ += text;
    return *this;
}

}  // namespace zw::cli
