// Evaluation of card-index tickets over the draws they played, their stake
// and winnings rules, the balance pass with the running total and luck index,
// and the pool figures ("TippGemeinschaft").
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cardindex/card_index.h"
#include "evaluation/evaluation.h"
#include "games/game_catalogue.h"

namespace zw {

// Stakes of the two lotteries that ride on a German ticket, per ticket and draw (cents).
constexpr int64_t kGluecksSpiraleStake = 500;
constexpr int64_t kSiegerChanceStake = 300;

struct TicketEvaluation {
    std::vector<int> played;       // draws evaluated
    std::string first_date;        // dd.mm.yyyy of the first draw ("" when unknown)
    WinCounts counts;              // classes 1..9 and LottoPlus P6..P3
    std::vector<WinCounts> field_counts;  // system tickets: per field 1..6
    std::vector<std::string> field_labels;  // system tickets: "  9", "09/12", ... ("" unused)
    SideGameResult side;
    int64_t rows = 0;              // complete rows, or the rows of the evaluated systems
    int crossed = 0;               // distinct numbers crossed ("Kreuze")
    int predicted = 0;             // first draw's numbers among them; bit 7: extra matched ("Vorhersagen")
    std::vector<std::string> problems;  // fields that could not be evaluated
    // Balance pass:
    int64_t running_total = 0;     // cents: sum of (winnings - stake) over tickets 1..i
    int16_t running_lax = 0;       // running luck index x 100
};

// A stored system field as the evaluation reads it: its first n numbers, full
// systems by size, partial systems through the label family of the
// Bundesland. The size must match the resolved system, so a type read in
// another family than it was stored in is refused (`problem`) rather than
// evaluated as a different system. An unused field gives no line and no problem.
struct ResolvedField {
    std::optional<TicketLine> line;
    int64_t rows = 0;
    std::string label;
    std::string problem;
};
ResolvedField resolve_field(const SystemField& field, int number, GameCode game, int bundesland);

// What the ticket brings to every row: its super number (German Lotto) and LottoPlus (Austria).
TicketExtras card_extras(const CardTicket& ticket, const GameParams& params);
// The side games the ticket plays over the listed draws (the Swiss Joker pays from two digits on).
SideGameResult card_side_games(const CardTicket& ticket, const DrawArchive& archive, const GameParams& params,
                               std::span<const int> draws);
// Rows the ticket plays per draw: its complete rows, or the rows of its evaluable systems.
int card_rows(const CardTicket& ticket, CardKind kind, const GameParams& params, int bundesland);

// Evaluates one ticket over its play period (rows or system fields, side games,
// crossed numbers). System types are read in the label family of the
// archive's Bundesland; a field whose size disagrees with its system is
// reported in `problems` and not evaluated.
TicketEvaluation evaluate_card(const CardTicket& ticket, CardKind kind, const EvaluationInputs& in);
// Same with the archive's draws already prepared (eval_draws over the whole archive).
TicketEvaluation evaluate_card(const CardTicket& ticket, CardKind kind, const EvaluationInputs& in,
                               const std::vector<EvalDraw>& all_draws);

// Every ticket evaluated, then the balance pass (running total and LAX/TAX).
std::vector<TicketEvaluation> evaluate_card_index(const CardIndex& index, const EvaluationInputs& in);

// Stake rule of the card ("Einsatz" button): the fee rule per draw for the
// ticket's complete rows or systems and its options, times the draws it is
// charged for (charged_draws: weeks, doubled for Mi+Sa only where the archive
// holds both draw days, so the same draws are evaluated), plus the processing
// fee once. Cents.
int64_t ticket_stake(const CardTicket& ticket, CardKind kind, const GameParams& params,
                     const MoneyTables& money, int bundesland);
// The same rule for one draw: rows, side games and riding lotteries, without
// the processing fee that the ticket pays once. Cents.
int64_t ticket_stake_per_draw(const CardTicket& ticket, CardKind kind, const GameParams& params,
                              const MoneyTables& money, int bundesland);
// Winnings rule of the card ("Gewinn" button): class counts priced with the
// quotas and the side-game counts with the fixed prizes. Cents.
int64_t ticket_winnings(const TicketEvaluation& evaluation, CardKind kind, const EvaluationInputs& in);
// An amount for a card's 32-bit field (saturated, never wrapped).
int32_t card_amount(int64_t cents);

// Pool view over tickets first..last (1-based, inclusive).
struct PoolFigures {
    int first = 1, last = 0;
    int members = 1;
    int64_t stake_total = 0, stake_share = 0;
    int64_t win_total = 0, win_share = 0;
    int64_t rest_capital = 0;  // start capital + winnings - stakes
};
PoolFigures pool_figures(const CardIndex& index, int first, int last);

}  // namespace zw
