// Comparison of every ticket of a card index with one draw ("VERGLEICH"):
// class counters, LottoPlus and side-game hit counters, the stake of one draw,
// the estimated winnings and the list of winning tickets, with the texts of
// the window, of the prize distribution ("Gewinn-Verteilung") and its print.
#pragma once

#include <array>
#include <span>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cardindex/balance.h"
#include "cardindex/card_index.h"
#include "evaluation/evaluation.h"
#include "games/game_catalogue.h"

namespace zw {

// Sums over many tickets outgrow the 32-bit counters of one ticket.
using TotalCounts = std::array<int64_t, kClassCount + 1>;
using TotalPlusCounts = std::array<int64_t, kPlusClassCount + 1>;
using TotalDigitCounts = std::array<int64_t, 8>;

// One ticket compared with the draw: a line of the prize distribution.
struct ComparedTicket {
    int ticket = 0;             // 1-based number in the card index
    WinCounts counts;           // classes 1..9 and LottoPlus P6..P3
    SideGameResult side;        // the side games the ticket plays
    int rows = 0;               // rows played per draw (complete rows or system rows)
    int64_t stake = 0;          // cents: the ticket's stake for the compared draw(s)
    int64_t winnings = 0;       // tenths
    int64_t spiel77 = 0;        // tenths
    int64_t super6 = 0;         // tenths
    int64_t joker = 0;          // tenths
    std::vector<std::string> problems;  // system fields that could not be compared

    bool any_hit() const;
};

struct Comparison {
    int draw = 0;
    std::string date;           // dd.mm.yyyy; "A " / "B " before it when one draw of a two-draw day is compared alone
    std::vector<int> draws;     // draws compared: draw, and for a Wednesday A draw before 1515 also its B draw
    int tickets = 0;
    int64_t stake = 0;          // cents
    TotalCounts classes{};      // index 1..9
    TotalPlusCounts plus{};     // index 1..4 (P6..P3)
    TotalDigitCounts spiel77{}, super6{}, joker{};  // index = matching final digits
    int64_t winnings = 0;       // tenths
    int64_t side_winnings = 0;  // tenths
    std::vector<ComparedTicket> winners;  // tickets with any hit, in card order
    std::vector<std::string> problems;    // "Schein 3, Feld 2: ..."
};

// The draws one comparison of `draw` reads. Before draw 1515 the Wednesday
// game has two draws a day (A = odd, B = even): an A draw is compared together
// with the B draw that follows it, when the archive holds it; a B draw alone.
std::vector<int> compared_draws(const DrawArchive& archive, const GameParams& params, int draw);

// One ticket against the listed draws, regardless of its own play period.
// The stake is the ticket's stake rule for one draw times the draws listed.
ComparedTicket compare_ticket(const CardTicket& ticket, int number, CardKind kind, const EvaluationInputs& in,
                              const std::vector<EvalDraw>& draws, std::span<const int> numbers);

// Every ticket of the index against draw `draw` (clamped to 1..last evaluable draw).
Comparison compare_with_draw(const CardIndex& index, int draw, const EvaluationInputs& in);

// --- texts -----------------------------------------------------------------

// The blank-separated tokens of a header line with their start columns.
struct HeaderToken {
    size_t start = 0;
    std::string_view text;
};
std::vector<HeaderToken> header_tokens(std::string_view header);

std::string_view comparison_title(CardKind kind);   // "VERGLEICH: NRM-Scheine"
std::string_view class_header(GameCode game, CardKind kind);  // lb3
// "Gewinn aus Spiel 77 && Super 6:" / "Gewinn aus der JOKER-Lotterie:" (lb8)
std::string_view side_label(GameCode game, CardKind kind);
// The class counts the window shows ("gw" labels), in the order of the header.
std::vector<int64_t> shown_totals(GameCode game, const Comparison& c);
// Money with two decimals right-aligned in 11 characters.
std::string money_text(int64_t hundredths);
// "Es befinden sich noch keine Scheine in der NRM-Kartei!|..."
std::string empty_index_message(CardKind kind);

// The prize distribution: its caption, the column titles of `lv1` and one
// line per winning ticket, as cells and as the ';'-separated text.
std::string distribution_caption(const Comparison& c);  // "Gewinn-Verteilung für den dd.mm.yyyy"
std::vector<std::string> distribution_columns(GameCode game);
std::vector<std::string> distribution_cells(GameCode game, const ComparedTicket& t);
std::string distribution_line(GameCode game, const ComparedTicket& t);
// The printed header and line of one winning ticket.
std::string_view distribution_print_header(GameCode game);
std::string distribution_print_line(GameCode game, const ComparedTicket& t);

// Plain text of the whole comparison: the window's lines, then the prize distribution.
std::vector<std::string> comparison_lines(const Comparison& c, GameCode game, CardKind kind, std::string_view currency);

}  // namespace zw
