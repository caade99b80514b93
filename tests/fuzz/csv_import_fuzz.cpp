// CSV import of draws: an accepted file holds only draws within the archive's
// capacity with six distinct ascending numbers of the game (Austrian bonus
// draws: seven distinct numbers 1..45 on a real date); applying it to an
// archive keeps the archive within its capacity.
#include <string_view>

#include "archive/csv_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zw::GameCode game = size > 0 ? zw::kGames[data[0] % zw::kGameCount] : zw::kLottoSaturday;
    const zw::GameParams params = zw::game_params(game);
    zw::CsvDraws csv;
    if (!zw::parse_draws_csv(text, params, csv)) return 0;
    for (const zw::CsvDraw& d : csv.draws) {
        zw::fuzz::check(d.draw >= 1 && d.draw <= params.capacity(), "draw within capacity");
        for (size_t i = 0; i < d.numbers.size(); ++i) {
            zw::fuzz::check(d.numbers[i] >= 1 && d.numbers[i] <= params.highest_number, "number in range");
            if (i > 0) zw::fuzz::check(d.numbers[i - 1] < d.numbers[i], "numbers distinct and ascending");
        }
    }
    for (const zw::CsvBonusDraw& b : csv.bonus) {
        zw::fuzz::check(params.austria && zw::is_real_date_text(b.draw.date), "bonus draws only Austrian, real dates");
        uint64_t seen = 0;
        for (uint8_t v : b.draw.numbers) {
            zw::fuzz::check(v >= 1 && v <= 45 && !(seen >> v & 1u), "bonus numbers distinct 1..45");
            seen |= uint64_t{1} << v;
        }
    }
    zw::DrawArchive archive;
    archive.clear_for(params);
    zw::DrawRange range;
    if (zw::apply_import(archive, csv, range, zw::GapPolicy::kAllow))
        zw::fuzz::check(archive.draw_count() <= params.capacity(), "archive within capacity");
    return 0;
}
