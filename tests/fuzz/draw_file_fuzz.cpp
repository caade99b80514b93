// Draw files of every game (7-byte records, Swiss 8-byte records).
#include "archive/draw_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    for (int code = 0; code < zw::kGameCount; ++code) {
        const zw::GameParams params = zw::game_params(code);
        zw::DrawFileContents out;
        std::vector<std::string> warnings;
        if (!zw::decode_draw_file(in, params, "X.DAT", out, &warnings)) continue;
        const size_t length = static_cast<size_t>(params.record_length());
        zw::fuzz::check(out.records <= params.capacity(), "records within capacity");
        zw::fuzz::check(out.table.size() == static_cast<size_t>(out.records) * length,
                        "table holds the records");
        for (int n = 1; n <= out.records; ++n) {
            const std::span<const uint8_t> rec(out.table.data() + (n - 1) * length, length);
            zw::fuzz::check(zw::is_empty_record(rec) || zw::is_valid_record(params, n, rec),
                            "every record kept is empty or valid");
        }
    }
    return 0;
}
