// Shared bits of the fuzz targets: the input as a byte span, and a check that
// aborts (so libFuzzer records the input) when an invariant of a reader fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace zw::fuzz {

inline std::span<const uint8_t> bytes(const uint8_t* data, size_t size) {
    return size == 0 ? std::span<const uint8_t>{} : std::span<const uint8_t>(data, size);
}

inline void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace zw::fuzz
