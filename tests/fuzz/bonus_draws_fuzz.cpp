// The Austrian bonus-draw text file; what it accepts comes in date order and
// survives a round trip through the writer.
#include <string_view>

#include "archive/bonus_draws.h"
#include "archive/calendar.h"
#include "fuzz_support.h"
#include "games/capacity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zw::BonusParseResult parsed = zw::parse_bonus_draws(text);
    zw::fuzz::check(parsed.draws.size() <= static_cast<size_t>(zw::kMaxBonusDraws), "capacity");
    for (size_t i = 1; i < parsed.draws.size(); ++i)
        zw::fuzz::check(zw::key_from_date_text(parsed.draws[i - 1].date) <=
                            zw::key_from_date_text(parsed.draws[i].date),
                        "date order");
    const zw::BonusParseResult again = zw::parse_bonus_draws(zw::format_bonus_draws(parsed.draws));
    zw::fuzz::check(again.warnings.empty() && again.draws.size() == parsed.draws.size(),
                    "written draws read back");
    return 0;
}
