// The tip console as the main window runs it: the "Auswahl-Konsole" beside the
// ticket picture, the commands behind its buttons, and the console for one
// stored ticket that the card windows open with "&Tippschein".
#pragma once

#include <QString>
#include <optional>

#include "cardindex/card_index.h"

namespace zw {

class Host;
class Session;

// Opens (or raises) the console for the current mode.
void open_console(Host& host);
// "&Auswertung": the ticket in progress, rows or system boxes, with its options.
void evaluate_ticket(Host& host);
// The expected return of the ticket in progress ("" when it has none).
QString expected_return_of_ticket(Session& s);
// Edits a stored ticket in the card-index console; nullopt when given up.
// The ticket in progress is kept and restored afterwards.
std::optional<CardTicket> edit_card_in_console(Host& host, const CardTicket& card, CardKind kind,
                                               int number);

}  // namespace zw
