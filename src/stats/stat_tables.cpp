#include "stats/stat_tables.h"

#include <algorithm>

#include "archive/calendar.h"

namespace zw {

DrawSource::DrawSource(const DrawArchive& archive, const GameParams& params)
    : archive_(archive), params_(params) {}

DrawNumbers DrawSource::numbers(int d) const {
    if (params_.austria) {
        const auto& rows = archive_.combined();
        if (d < 1 || d > static_cast<int>(rows.size())) return {};
        return rows[static_cast<size_t>(d - 1)].numbers;
    }
    const Draw draw = archive_.draw(d);
    DrawNumbers out{};
    std::copy(draw.numbers.begin(), draw.numbers.end(), out.begin());
    out[6] = draw.extra;
    return out;
}

DrawNumbers DrawSource::plus(int d) const {
    if (!params_.austria || d < kLottoPlusStart) return {};
    const auto& rows = archive_.combined();
    if (d > static_cast<int>(rows.size())) return {};
    DrawNumbers out{};
    const auto& six = rows[static_cast<size_t>(d - 1)].plus;
    std::copy(six.begin(), six.end(), out.begin());
    return out;
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
    const DrawNumbers numbers = plus ? source.plus(last) : source.numbers(last);
    return numbers[0] == 0 && last > 1 ? last - 1 : last;
}

}  // namespace zw
