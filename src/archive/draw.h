// One draw of the main draw table as a value.
#pragma once

#include <array>
#include <cstdint>

namespace zw {

// The numbers of one draw as the archive keeps them. A draw not entered, and
// a record set aside at the load as unusable, reads as all zero.
struct Draw {
    // The six winning numbers in the order stored (ascending when entered).
    std::array<uint8_t, 6> numbers{};
    // The extra number as stored: the Zusatzzahl; for German Lotto from the
    // Superzahl start the Superzahl, 10 standing for 0 (see displayed_extra);
    // for the Swiss game from the Glückszahl start the Glückszahl. 0: none.
    uint8_t extra = 0;
    // The eighth byte of a Swiss record: the plus number of draws
    // kSwissPlusFirst..kSwissPlusLast, elsewhere kept as stored. Always 0 in
    // the other games (their records have no such byte).
    uint8_t plus = 0;

    // No number entered: the six numbers and the extra number are all 0.
    bool empty() const {
        for (uint8_t v : numbers)
            if (v != 0) return false;
        return extra == 0;
    }
    bool operator==(const Draw&) const = default;
};

}  // namespace zw
