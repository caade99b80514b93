// Text between the engine's UTF-8 strings and Qt.
#pragma once

#include <QString>
#include <string_view>

namespace zw {

inline QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace zw
