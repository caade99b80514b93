// Texts of the card-index list and of the balance print: titles, headers per
// game and the line of one ticket, aligned under the header's columns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cardindex/balance.h"
#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

std::string_view list_title(CardKind kind);        // "Kartei für alle getippten NORMAL-Scheine"
std::string_view card_title(CardKind kind);        // "KARTEIKARTE: Normal-Scheine"
std::string_view list_header(GameCode game, CardKind kind);
std::string_view print_header(GameCode game, CardKind kind);
// Class counts header of the card window (normal: one line; system: per field).
std::string_view card_counts_header(GameCode game, CardKind kind);

// One cell of a line: placed under the header column of the same position,
// numbers right-aligned to its end, texts from its start.
struct LineCell {
    std::string text;
    bool left = false;
};
// Places the cells under the header's columns ("Gewinn EUR" is one column,
// "Zieh.6+S" and "5+5" two). A cell wider than its column moves right rather
// than overwrite its neighbour.
std::string align_to_header(std::string_view header, const std::vector<LineCell>& cells);

// Running luck index (x 100) with one decimal.
std::string lax_text(int16_t lax100);

// The classes a line shows for the game, in header order: 1..9, and 10..13
// for LottoPlus P6..P3 (Austria, after the classes).
std::vector<int> shown_classes(GameCode game);
// The class counts a line shows for the game, in header order (LottoPlus after them).
std::vector<int64_t> shown_counts(GameCode game, const WinCounts& counts);

// The ticket's line of the list (print = false) or of the balance print.
std::string card_line(GameCode game, CardKind kind, int number, const CardTicket& ticket,
                      const TicketEvaluation& evaluation, bool print);

// The orders the list offers: ticket number, first draw, stake, winnings and
// the ticket's total (winnings minus stake), each ascending; ties keep the
// ticket order.
enum class CardSort { Number, FirstDraw, Stake, Winnings, Total };
// "number", "first", "stake", "winnings", "total"; nullopt for any other word.
std::optional<CardSort> card_sort_named(std::string_view name);
// Positions (0-based) of the tickets in that order; with `draw`, only the
// tickets that played that draw (evaluations as evaluate_card_index gives them).
std::vector<int> card_order(const CardIndex& index, const std::vector<TicketEvaluation>& evaluations, CardSort sort,
                            std::optional<int> draw = {});

}  // namespace zw
