#include "stats/stat_tables.h"

#include "archive/calendar.h"

namespace zw {
namespace {

constexpr std::array<uint8_t, 8> kNoNumbers{};

}  // namespace

DrawSource::DrawSource(const DrawArchive& archive, const GameParams& params)
    : archive_(archive), params_(params) {}

const uint8_t* DrawSource::numbers(int d) const {
    if (params_.austria) {
        const auto& rows = archive_.combined();
        if (d < 1 || d > static_cast<int>(rows.size())) return kNoNumbers.data();
        return rows[static_cast<size_t>(d - 1)].numbers.data();
    }
    if (d < 1 || d > archive_.capacity()) return kNoNumbers.data();
    return archive_.record(d);
}

const uint8_t* DrawSource::plus(int d) const {
    if (!params_.austria || d < kLottoPlusStart) return kNoNumbers.data();
    const auto& rows = archive_.combined();
    if (d > static_cast<int>(rows.size())) return kNoNumbers.data();
    return rows[static_cast<size_t>(d - 1)].plus.data();
}

std::string DrawSource::date(int d) const {
    if (d < 1) return {};  // an empty archive has no draw to date
    if (params_.austria) {
        const auto& rows = archive_.combined();
        if (d >= 1 && d <= static_cast<int>(rows.size())) return rows[static_cast<size_t>(d - 1)].date;
    }
    return draw_date(params_.code, d).text;
}

int DrawSource::limit() const { return archive_.default_range().last; }

int marked_draw(const DrawSource& source, int last, bool plus) {
    const uint8_t* numbers = plus ? source.plus(last) : source.numbers(last);
    return numbers[0] == 0 && last > 1 ? last - 1 : last;
}

}  // namespace zw
