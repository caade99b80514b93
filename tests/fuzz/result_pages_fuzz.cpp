// Result pages read by text markers: whatever the page holds, a draw taken
// from it has numbers in the game's range and side numbers of their digits.
#include <string>

#include "archive/result_pages.h"
#include "fuzz_support.h"

namespace {

void check_draw(const zw::FetchResult& r, int highest) {
    if (!r.draw) {
        zw::fuzz::check(!r.message.empty(), "no draw comes with a message");
        return;
    }
    for (int i = 0; i < 6; ++i)
        zw::fuzz::check(r.draw->values[static_cast<size_t>(i)] >= 1 && r.draw->values[static_cast<size_t>(i)] <= highest,
                        "number in range");
    zw::fuzz::check(zw::all_digits(r.draw->side) && zw::all_digits(r.draw->super6), "side numbers are digits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string page(reinterpret_cast<const char*>(data), size);
    const std::string date = "09.12.2026";
    check_draw(zw::parse_lotto_page(page, date), 49);
    check_draw(zw::parse_toto_pages(page, page, date), 45);
    check_draw(zw::parse_swiss_page(page, date), 42);
    check_draw(zw::parse_austria_pages(page, page, page, date), 45);
    return 0;
}
