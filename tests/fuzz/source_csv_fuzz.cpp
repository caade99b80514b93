// The public source files of the draw update: an accepted file holds rows
// with real dates in ascending order, six distinct ascending numbers of the
// game and an extra number in its range; planning them against an empty
// archive of a game they feed stays within the archive's capacity.
#include <string_view>

#include "archive/csv_sources.h"
#include "archive/draw_update.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool german = text.find("zusatzzahl") == std::string_view::npos;
    const zw::SourceKind kind = german ? zw::SourceKind::kGermanLotto : zw::SourceKind::kAustrianLotto;
    std::vector<zw::SourceRow> rows;
    std::vector<zw::CsvRecord> records;
    int bad = 0;
    zw::split_csv_records(text, ';', records, bad);
    if (!zw::parse_source_csv(text, kind, rows)) return 0;
    const int highest = german ? 49 : 45;
    for (size_t r = 0; r < rows.size(); ++r) {
        const zw::SourceRow& row = rows[r];
        if (r > 0) zw::fuzz::check(rows[r - 1].key < row.key, "dates ascending and distinct");
        for (size_t i = 0; i < row.numbers.size(); ++i) {
            zw::fuzz::check(row.numbers[i] >= 1 && row.numbers[i] <= highest, "number in range");
            if (i > 0) zw::fuzz::check(row.numbers[i - 1] < row.numbers[i], "numbers distinct and ascending");
        }
        zw::fuzz::check(row.extra >= -1 && row.extra <= (german ? 9 : highest), "extra number in range");
    }
    // One archive the rows feed: Samstag, Mittwoch or Sa+Mi by the input's length.
    constexpr zw::GameCode kGerman[] = {zw::kLottoSaturday, zw::kLottoWednesday, zw::kLottoBoth};
    const zw::GameParams params = zw::game_params(german ? kGerman[size % 3] : zw::kAustria);
    zw::DrawArchive archive;
    archive.clear_for(params);
    const zw::GameUpdate plan =
        german ? zw::plan_german_update(archive, rows) : zw::plan_austrian_update(archive, rows);
    if (zw::apply_update(archive, plan, true))
        zw::fuzz::check(archive.draw_count() <= params.capacity(), "archive within capacity");
    return 0;
}
