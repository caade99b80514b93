// Keeping the card index's books after new draws arrive: the tickets whose
// play period includes a new draw are evaluated again and take the winnings
// rule's amount, and what they won in the new draws is reported.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cardindex/balance.h"
#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// What one ticket won in one new draw.
struct NewWin {
    int ticket = 0;        // 1-based number in the card index
    int draw = 0;
    std::string date;      // dd.mm.yyyy
    WinCounts counts;      // classes won in that draw
    SideGameResult side;   // side games of that draw
    int64_t winnings = 0;  // tenths: quota estimate of that draw, side games included
    bool kept = false;     // write-protected: its stored amounts stayed
};

struct CardRefresh {
    std::vector<int> updated;  // tickets evaluated again whose winnings changed
    std::vector<NewWin> wins;  // in card order, then draw order
};

// Books the draws a ticket has not been evaluated for yet. Its stored
// winnings account for its played draws up to last_evaluated_draw; the
// winnings rule's amounts of its later draws are added (a write-protected
// ticket keeps its stored amounts). A typed amount that no run of draws adds
// up to stays as typed: only the draws after `after_draw` are added to it, and
// without `after_draw` none. Reported are the wins in the draws after
// `after_draw` (without it: after the last evaluation), protected or not.
CardRefresh refresh_card_index(CardIndex& index, const EvaluationInputs& in, std::optional<int> after_draw = {});

// The last draw of the ticket's play period that its stored winnings account
// for: the longest run of its played draws, from the first, whose winnings add
// up to the stored amount (0: none of them); nullopt when no run does.
std::optional<int> last_evaluated_draw(const CardTicket& ticket, CardKind kind, const EvaluationInputs& in);

// "3 Richtige + Superzahl", "2 × 3 Richtige, Spiel 77: 2 Endziffern": the classes
// and side-game hits of one win, highest first.
std::string win_text(const NewWin& win, GameCode game);
// "Schein 5 hat gewonnen: 3 Richtige + Superzahl (Ziehung 12 vom 05.12.2026)"
std::string new_win_message(const NewWin& win, GameCode game);

// After new draws (those after `after_draw`) came into the archive: both card
// indexes refreshed, and one message per win in the new draws (the system
// index's prefixed "SYS-Kartei: "). Changed indexes are left unsaved.
std::vector<std::string> book_new_draws(CardIndex& normal, CardIndex& system, const EvaluationInputs& in,
                                        int after_draw);

}  // namespace zw
