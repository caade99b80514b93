// Ziehwerk.Par, SwissLotto.Par and AustriaLotto.Par: a refused file leaves the
// tables as they were, an accepted one holds no negative amount and is written
// back byte for byte.
#include <algorithm>

#include "fuzz_support.h"
#include "tipping/par_files.h"

namespace {

template <class Bytes>
bool same(const Bytes& out, std::span<const uint8_t> in) {
    return std::equal(out.begin(), out.end(), in.begin(), in.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    const zw::MoneyTables defaults = zw::default_money_tables();
    zw::MoneyTables money = defaults;
    if (zw::decode_money_tables(in, money)) {
        for (const auto& game : money.quota)
            for (int32_t q : game) zw::fuzz::check(q >= 0, "quota not negative");
        for (const auto& list : money.fees)
            for (int16_t f : list) zw::fuzz::check(f >= 0, "fee not negative");
        zw::fuzz::check(same(zw::encode_money_tables(money), in), "money round trip");
    } else {
        zw::fuzz::check(money.quota == defaults.quota && money.fees == defaults.fees,
                        "refused money file keeps the tables");
    }
    std::array<int32_t, 11> swiss{};
    if (zw::decode_swiss_quotas(in, swiss))
        zw::fuzz::check(same(zw::encode_swiss_quotas(swiss), in), "Swiss round trip");
    else
        zw::fuzz::check(swiss == std::array<int32_t, 11>{}, "refused Swiss file keeps the quotas");
    std::array<int32_t, 4> plus{};
    if (zw::decode_lottoplus_quotas(in, plus))
        zw::fuzz::check(same(zw::encode_lottoplus_quotas(plus), in), "LottoPlus round trip");
    else
        zw::fuzz::check(plus == std::array<int32_t, 4>{}, "refused LottoPlus file keeps values");
    return 0;
}
