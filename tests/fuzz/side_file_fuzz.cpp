// Side-game files: Spiel 77 (seven digits) and Super 6 / Joker (six digits).
#include "archive/capacity.h"
#include "archive/draw_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    for (int digits : {7, 6}) {
        std::vector<int32_t> table(zw::kMaxSideEntries, -1);
        std::vector<std::string> warnings;
        const int count = zw::decode_side_file(in, "X.Dat", digits, -1004, table, &warnings);
        zw::fuzz::check(count >= 0 && count <= zw::kMaxSideEntries, "count within the table");
        const int32_t largest = zw::largest_side_number(digits);
        for (int32_t v : table) zw::fuzz::check(v >= -1 && v <= largest, "side number in range");
    }
    return 0;
}
