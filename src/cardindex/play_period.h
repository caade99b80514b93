// Which draws a card-index ticket plays: the draws of its draw days within
// its weeks, from its first draw on, as far as the archive holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "archive/draw_archive.h"
#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// True when the ticket plays Wednesday and Saturday: draw days 2 ("Mi+Sa") in
// the Saturday+Wednesday game from its first Wednesday draw on. Elsewhere a
// Mi+Sa ticket plays, costs and counts as a ticket of one draw day.
bool plays_both_draw_days(const CardTicket& ticket, const GameParams& params);

// Draws the ticket is charged for: one per week, two per week when it plays
// both draw days (the Wednesday A and B draws of one day count as one).
int charged_draws(const CardTicket& ticket, const GameParams& params);

// Draw numbers the ticket plays (Austria: rows of the combined view).
//
// Draws are counted, not calendar weeks: from its first draw a ticket of W
// weeks plays W draw days, a ticket that plays both draw days 2 W (each the
// week's draw and the following one). A one-day ticket takes the draw days
// that fall on the weekday of its first draw, and every draw day of a stretch
// where the archive holds one draw a week (no other draw within four days),
// so a draw moved by a holiday still counts as that week's draw. Both draws
// of a day (Wednesday A and B) are played. Draws the archive does not hold yet
// are skipped.
std::vector<int> played_draws(const CardTicket& ticket, const DrawArchive& archive, const GameParams& params);

// Days since 1970 of evaluable draw n (Austria: its row in the combined view); nullopt when unknown.
std::optional<int64_t> draw_day(const DrawArchive& archive, const GameParams& params, int n);

// The first draw of a new card: the archive's next draw (Austria: after the combined view).
int next_card_draw(const DrawArchive& archive);

}  // namespace zw
