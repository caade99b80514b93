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

// Draw numbers the ticket plays (Austria: rows of the combined view).
//
// The ticket's weeks are the 7-day spans starting on the date of its first
// draw. A Mi+Sa ticket (draw days 2) plays every draw of the archive within
// those weeks; a one-day ticket plays the draws that fall on the weekday of
// its first draw. So a one-draw-a-week archive gives one draw per week, the
// Wednesday A/B weeks both draws of the week (they share a date), and the
// Saturday+Wednesday archive both draws of each week for a Mi+Sa ticket.
std::vector<int> played_draws(const CardTicket& ticket, const DrawArchive& archive, const GameParams& params);

// Days since 1970 of evaluable draw n (Austria: its row in the combined view); nullopt when unknown.
std::optional<int64_t> draw_day(const DrawArchive& archive, const GameParams& params, int n);

// The first draw of a new card: the archive's next draw (Austria: after the combined view).
int next_card_draw(const DrawArchive& archive);

}  // namespace zw
