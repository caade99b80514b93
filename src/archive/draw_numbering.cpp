#include "archive/draw_numbering.h"

#include <algorithm>

namespace zw {
namespace {

int regular_rows(const DrawArchive& archive) {
    const auto& view = archive.combined();
    const auto held = view.begin() + combined_rows(archive);
    return static_cast<int>(
        std::count_if(view.begin(), held, [](const CombinedRow& r) { return !r.bonus; }));
}

}  // namespace

int combined_rows(const DrawArchive& archive) {
    return std::max(0, static_cast<int>(archive.combined().size()) - 1);
}

int numbered_newest(const GameParams& params, const DrawArchive& archive) {
    if (params.austria) return combined_rows(archive);
    return std::max(0, archive.newest());
}

int stored_draw_number(const GameParams& params, const DrawArchive& archive, int row) {
    if (!params.austria) return row;
    const int held = combined_rows(archive);
    if (row > held) return regular_rows(archive) + (row - held);
    if (row < 1) return row;
    const auto& view = archive.combined();
    if (view[static_cast<size_t>(row - 1)].bonus) return 0;
    return static_cast<int>(std::count_if(view.begin(), view.begin() + row,
                                          [](const CombinedRow& r) { return !r.bonus; }));
}

DrawDate numbered_draw_date(const GameParams& params, const DrawArchive& archive, int n) {
    if (params.austria && n >= 1 && n <= combined_rows(archive)) {
        const int32_t key = key_from_date_text(archive.combined()[static_cast<size_t>(n - 1)].date);
        return make_draw_date({key / 10000, key / 100 % 100, key % 100});
    }
    return draw_date(params.code, std::max(1, stored_draw_number(params, archive, n)));
}

}  // namespace zw
