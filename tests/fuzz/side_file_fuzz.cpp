// Side-game files: Spiel 77 (seven digits) and Super 6 / Joker (six digits).
#include <algorithm>

#include "archive/draw_files.h"
#include "fuzz_support.h"
#include "games/capacity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    static std::vector<int32_t> table(zw::kMaxSideEntries, -1);
    for (int digits : {7, 6}) {
        std::vector<std::string> warnings;
        const int count = zw::decode_side_file(in, "X.Dat", digits, -1004, table, &warnings);
        zw::fuzz::check(count >= 0 && count <= zw::kMaxSideEntries, "count within the table");
        const int32_t largest = zw::largest_side_number(digits);
        for (int i = 0; i < count; ++i)
            zw::fuzz::check(table[i] >= -1 && table[i] <= largest, "side number in range");
        std::fill(table.begin(), table.begin() + count, -1);
    }
    return 0;
}
