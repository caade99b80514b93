// Draw files of every game (7-byte records, Swiss 8-byte records). The game
// is taken from header byte 1 (the slip calibration, 126 in real files:
// Saturday Lotto), so that one input is decoded once.
#include <array>

#include "archive/draw_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = zw::fuzz::bytes(data, size);
    static const std::array<zw::GameParams, zw::kGameCount> games = [] {
        std::array<zw::GameParams, zw::kGameCount> all;
        for (zw::GameCode code : zw::kGames) all[static_cast<size_t>(code)] = zw::game_params(code);
        return all;
    }();
    {
        const zw::GameParams& params = games[size > 1 ? data[1] % zw::kGameCount : 0];
        zw::DrawFileContents out;
        std::vector<std::string> warnings;
        if (!zw::decode_draw_file(in, params, "X.DAT", out, &warnings)) return 0;
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
