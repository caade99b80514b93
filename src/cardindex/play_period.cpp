#include "cardindex/play_period.h"

#include "archive/calendar.h"
#include "evaluation/eval_draws.h"

namespace zw {

std::optional<int64_t> draw_day(const DrawArchive& archive, const GameParams& params, int n) {
    if (params.austria) {
        const auto& rows = archive.combined();
        if (n < 1 || n > static_cast<int>(rows.size())) return std::nullopt;
        const int32_t key = key_from_date_text(rows[static_cast<size_t>(n - 1)].date);
        if (key == 0) return std::nullopt;
        return days_from_civil({key / 10000, key / 100 % 100, key % 100});
    }
    return days_from_civil(draw_date(params.code, n).date);
}

int next_card_draw(const DrawArchive& archive) { return last_evaluable_draw(archive) + 1; }

std::vector<int> played_draws(const CardTicket& t, const DrawArchive& archive, const GameParams& params) {
    std::vector<int> out;
    const int last = last_evaluable_draw(archive);
    const int first = t.first_draw;
    if (first < 1 || first > last) return out;
    const auto first_day = draw_day(archive, params, first);
    if (!first_day) return out;
    const int64_t start = *first_day;
    const int64_t end = start + 7LL * t.weeks();
    const bool both_days = t.draw_days == 2;
    auto weekday_of = [](int64_t d) { return static_cast<int>(((d % 7) + 11) % 7); };
    const int start_weekday = weekday_of(start);
    for (int n = first; n <= last; ++n) {
        const auto day = draw_day(archive, params, n);
        if (!day) continue;
        const int64_t d = *day;
        if (d >= end) break;
        if (d < start) continue;
        if (both_days || weekday_of(d) == start_weekday) out.push_back(n);
    }
    return out;
}

}  // namespace zw
