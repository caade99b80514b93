// The ticket in progress and its stored form in the card index: packing a
// ticket (rows or system boxes with their options) into a card and unpacking
// a card into the console's ticket.
#pragma once

#include <vector>

#include "cardindex/card_index.h"
#include "tipping/ticket.h"
#include "tipping/ticket_options.h"

namespace zw {

struct GameParams;
struct MoneyTables;

// The card of the ticket: rows (normal mode) or the boxes that carry a system,
// the options and the lottery or Joker numbers. Play period and amounts are
// left to the caller (first draw 1, no stake, no winnings).
CardTicket to_card(const Ticket& t, const TicketOptions& o, const GameParams& params);

// Replaces the ticket's rows (normal) or boxes (system) and its options by the
// card's. Numbers the game does not have are left out.
void from_card(const CardTicket& card, CardKind kind, const GameParams& params, Ticket& t,
               TicketOptions& o);

// The rows of a system as normal tickets of the game: `per_ticket` rows each
// (the last ticket takes the rest), with the options of `o`, each staked at
// its own price. Rows that are not six distinct numbers of the game are left out.
std::vector<CardTicket> cards_of_rows(const std::vector<TipRow>& rows, int per_ticket, const TicketOptions& o,
                                      const GameParams& params, const MoneyTables& money, int bundesland);

}  // namespace zw
