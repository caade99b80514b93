// ZIEHWERK.ASW: an accepted file is written back byte for byte.
#include <algorithm>

#include "fuzz_support.h"
#include "games/partial_systems.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    zw::PartialSystems systems;
    if (!zw::read_partial_systems(in, systems)) {
        zw::fuzz::check(systems.empty(), "a refused file leaves the tables empty");
        return 0;
    }
    for (int k = 0; k < zw::kPartialSystemCount; ++k)
        zw::fuzz::check(static_cast<int>(systems.rows(k).size()) == zw::kPartialSystems[k].rows,
                        "row count of the catalogue");
    const auto out = zw::encode_partial_systems(systems);
    zw::fuzz::check(std::equal(out.begin(), out.end(), in.begin(), in.end()), "round trip");
    return 0;
}
