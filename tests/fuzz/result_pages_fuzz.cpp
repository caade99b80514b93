// Result pages read by text markers: whatever the pages hold, a draw that the
// fetch takes from them has six distinct numbers of the game and side numbers
// made of digits; without a draw there is a message.
#include <string>

#include "archive/calendar.h"
#include "archive/result_pages.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const zw::GameCode game = zw::kGames[data[0] % zw::kGameCount];
    const zw::GameParams params = zw::game_params(game);
    const std::vector<uint8_t> page(data + 1, data + size);
    // Every address answers with the same page.
    const zw::Fetcher get = [&page](const std::string&) { return zw::Download{true, page, {}}; };
    const int n = game == zw::kSwiss ? 3100 : 3000;
    const zw::FetchResult r = zw::fetch_draw(params, n, zw::NetAddresses{}, get);
    if (!r.draw) {
        zw::fuzz::check(!r.message.empty(), "no draw comes with a message");
        return 0;
    }
    uint64_t seen = 0;
    for (int i = 0; i < 6; ++i) {
        const int v = r.draw->values[static_cast<size_t>(i)];
        zw::fuzz::check(v >= 1 && v <= params.highest_number, "number in range");
        zw::fuzz::check(!((seen >> v) & 1u), "numbers distinct");
        seen |= uint64_t{1} << v;
    }
    zw::fuzz::check(zw::all_digits(r.draw->side) && zw::all_digits(r.draw->super6), "side numbers are digits");
    return 0;
}
