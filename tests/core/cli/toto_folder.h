// A data folder for the command-line tests: Toto with 60 draws of varying numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "temp_folder.h"

namespace zw::test {

inline void write_toto_draws(const TempFolder& dir) {
    std::vector<uint8_t> file = {126, 126, 0, 0};
    for (int n = 1; n <= 60; ++n)
        for (int k = 0; k < 7; ++k) file.push_back(static_cast<uint8_t>(1 + (n + 6 * k) % 45));
    dir.write("Toto.Dat", file);
}

}  // namespace zw::test
