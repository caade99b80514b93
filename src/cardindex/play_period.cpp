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

namespace {

// The Saturday+Wednesday archive holds Wednesday draws from this draw on.
constexpr int kFirstBothDaysDraw = 1600;
// Days between draw days that mark a stretch of one draw a week.
constexpr int64_t kWeeklyGap = 5;

int weekday_of(int64_t day) { return static_cast<int>(((day % 7) + 11) % 7); }

}  // namespace

bool plays_both_draw_days(const CardTicket& t, const GameParams& params) {
    return t.draw_days == 2 && offers_both_draw_days(params.code) && t.first_draw >= kFirstBothDaysDraw;
}

int charged_draws(const CardTicket& t, const GameParams& params) {
    return t.weeks() * (plays_both_draw_days(t, params) ? 2 : 1);
}

std::vector<int> played_draws(const CardTicket& t, const DrawArchive& archive, const GameParams& params) {
    std::vector<int> out;
    const int last = last_evaluable_draw(archive);
    const int first = t.first_draw;
    if (first < 1 || first > last) return out;
    const auto first_day = draw_day(archive, params, first);
    if (!first_day) return out;
    const bool both_days = plays_both_draw_days(t, params);
    const int wanted = charged_draws(t, params);
    const int start_weekday = weekday_of(*first_day);

    // The draw day before the first one (skipping its A/B partner).
    std::optional<int64_t> previous;
    for (int n = first - 1; n >= 1 && n >= first - 2 && !previous; --n)
        if (const auto d = draw_day(archive, params, n); d && *d != *first_day) previous = d;

    int taken = 0;
    int n = first;
    while (n <= last && taken < wanted) {
        const auto day = draw_day(archive, params, n);
        if (!day) {
            ++n;
            continue;
        }
        // A moved draw stays within days of its week: nothing later belongs to the ticket.
        if (*day >= *first_day + 7LL * (t.weeks() + 1)) break;
        int end = n;  // the draws n..end share this day
        std::optional<int64_t> next;
        for (;;) {
            next = draw_day(archive, params, end + 1);
            if (!next || *next != *day) break;
            ++end;
        }
        const bool weekly = (!previous || *day - *previous >= kWeeklyGap) && (!next || *next - *day >= kWeeklyGap);
        if (both_days || weekly || weekday_of(*day) == start_weekday) {
            for (int k = n; k <= end && k <= last; ++k) out.push_back(k);
            ++taken;
        }
        previous = day;
        n = end + 1;
    }
    return out;
}

}  // namespace zw
