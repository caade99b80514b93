// What the ticket in progress plays and costs, and its form for the
// evaluation: complete rows, or the system boxes that carry a system.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_io.h"
#include "evaluation/evaluation.h"
#include "games/game_catalogue.h"
#include "tipping/ticket.h"
#include "tipping/ticket_options.h"

namespace zw {

struct MoneyTables;

// Rows of six that the ticket plays in one draw: its complete rows, or in
// system mode the rows of every box with a system (full: C(n, 6); partial:
// the system's row count).
int64_t played_rows(const Ticket& t, GameCode game, int bundesland);

struct TicketPrice {
    int64_t rows = 0;
    int draws = 0;
    int64_t per_draw = 0;  // cents, without the processing fee
    int64_t fee = 0;       // cents, once per ticket
    int64_t total = 0;     // per_draw * draws + fee
};

// The stake rule of the fee table over the ticket's weeks and draw days; the
// processing fee counts once per ticket. A ticket without rows costs nothing.
TicketPrice ticket_price(const Ticket& t, const TicketOptions& o, const GameParams& params,
                         const MoneyTables& money, int bundesland);

// The ticket as the evaluation reads it. Incomplete rows and boxes are
// refused with a message naming the row or box; an empty ticket too.
Status to_evaluation_ticket(const Ticket& t, const TicketOptions& o, const GameParams& params,
                            int bundesland, EvaluationTicket& out);

}  // namespace zw
