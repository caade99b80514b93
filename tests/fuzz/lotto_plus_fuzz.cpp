// The Austrian LottoPlus file (6-byte records).
#include <algorithm>

#include "archive/draw_files.h"
#include "fuzz_support.h"
#include "games/capacity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::vector<uint8_t> plus(static_cast<size_t>(zw::kMaxLottoPlus) * 6, 0);
    std::fill(plus.begin(), plus.end(), uint8_t{0});
    std::vector<std::string> warnings;
    const int count = zw::decode_lotto_plus(zw::fuzz::bytes(data, size), "OP_Lotto.Dat", plus,
                                            &warnings);
    zw::fuzz::check(count >= 0 && count <= zw::kMaxLottoPlus, "count within the table");
    for (int r = 0; r < count; ++r)
        zw::fuzz::check(zw::is_valid_lotto_plus(std::span<const uint8_t>(plus).subspan(r * 6, 6)),
                        "every record kept is valid");
    return 0;
}
