// The draw calendar: the date of draw N of a game, derived from N alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "games/game_catalogue.h"

namespace zw {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Days since 1 January 1970 (proleptic Gregorian) and back.
int64_t days_from_civil(CivilDate date);
CivilDate civil_from_days(int64_t days);
// 0 = Sunday .. 6 = Saturday.
int weekday(CivilDate date);

struct DrawDate {
    CivilDate date;
    std::string text;        // dd.mm.yyyy
    std::string short_text;  // dd.mm.yy
    int32_t key = 0;         // yyyymmdd
    std::string prefix = "  ";  // "A ", "B " or two spaces (Wednesday sub-draw)
};

DrawDate make_draw_date(CivilDate date, std::string prefix = "  ");

// Date of draw `n` (1-based) of game `game` (0..5).
DrawDate draw_date(GameCode game, int n);

// The draws 1..`last` of game `game` that fall on the day `key` (yyyymmdd),
// in draw order. Draw dates never go back in time, so this is a binary search.
std::vector<int> draws_on_date(GameCode game, int last, int32_t key);

// "dd.mm.yyyy" -> yyyymmdd, or 0 when the text is not of that form.
int32_t key_from_date_text(std::string_view text);

}  // namespace zw
