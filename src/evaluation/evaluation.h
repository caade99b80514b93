// Evaluation of a ticket over a draw range: class counters per row or system
// field, the win list, stakes, estimated winnings, the luck indices LAX/TAX
// and PAX, and the side games.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "archive/draw_archive.h"
#include "base/file_io.h"
#include "evaluation/eval_draws.h"
#include "evaluation/side_games.h"
#include "evaluation/win_classes.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"

namespace zw {

constexpr int kMaxTicketRows = 18;
constexpr int kMaxSystemFields = 6;
// A LottoPlus win of row r is entered in the win list as r + this offset.
constexpr int kLottoPlusRowOffset = 18;
// Luck index constant of LottoPlus (expected draws per LottoPlus win of a row).
constexpr int kLottoPlusOdds = 42;

enum class LineKind { Row, FullSystem, PartialSystem };

// One row or system field of the ticket as the evaluation reads it.
struct TicketLine {
    int number = 1;                 // row 1..18 or system field 1..6
    LineKind kind = LineKind::Row;
    std::vector<uint8_t> numbers;   // a row's six; a system's n (partial: in position order)
    int lucky = 0;                  // Swiss lucky number of the row or system, 0 = none
    int partial_index = -1;         // partial system: catalogue index 0..18
    std::string label;              // partial system as the ticket names it ("09/12", "622", "K12")

    bool is_system() const { return kind != LineKind::Row; }
};

// A partial-system box (Teil-, VEW- or Kurz-System) as the evaluation reads
// it: the index the box stores within its label family (which follows the game
// and the Bundesland) becomes the catalogue index; the label is the name the
// box shows. partial_index stays -1 when the stored index names no system.
TicketLine partial_system_field(int field_number, GameCode game, int bundesland, int stored_index,
                                std::vector<uint8_t> numbers, int lucky = 0);

struct EvaluationTicket {
    std::vector<TicketLine> rows;     // evaluated in this order
    std::vector<TicketLine> systems;
    int super_number = -1;            // German: last digit of the lottery number; -1 = none
    bool lotto_plus = false;          // Austria
    SideGameTicket side;
};

// What the evaluation reads from the program's tables.
struct EvaluationInputs {
    const GameParams& params;
    const DrawArchive& archive;
    DrawRange range;
    const MoneyTables& money;
    const PartialSystems& partial;
};

// A won draw of a row or field: draw number and class. Rows: the class 1..9,
// or 9 + LottoPlus class (10..13 = P6..P3). Systems: the best class won in
// the draw (10..13 when only LottoPlus rows won, 0 when the system had
// three hits but no row won).
struct LineWin {
    int draw = 0;
    int win_class = 0;
};

struct LineResult {
    TicketLine line;
    int64_t system_rows = 1;    // rows played: 1, C(n, 6) or the partial system's count
    WinCounts counts;
    int64_t stake_per_draw = 0; // cents (with LottoPlus)
    int64_t stake = 0;          // cents, over the range
    int64_t winnings = 0;       // tenths
    double lax = 0;             // LAX, for the Auswahlwette TAX
    double pax = 0;
    std::vector<LineWin> wins;
};

// An entry of the win list: draw number and row or field number (rows: a
// number above 18 is a LottoPlus win of row number - 18).
struct WinEntry {
    int draw = 0;
    int line = 0;
    bool system = false;
};

struct EvaluationReport {
    RuleSet rules = RuleSet::German;
    int draws = 0;        // draws evaluated
    int plus_draws = 0;   // LottoPlus draws among them
    std::vector<LineResult> rows;
    std::vector<LineResult> systems;
    std::vector<WinEntry> win_list;
    int64_t total_stake = 0;     // cents
    int64_t total_winnings = 0;  // tenths
    double lax_sum = 0;
    double pax_sum = 0;
    int evaluated = 0;           // rows and fields evaluated
    SideGameResult side;

    double mean_lax() const { return evaluated ? lax_sum / evaluated : 0.0; }
    double mean_pax() const { return evaluated ? pax_sum / evaluated : 0.0; }
};

// Checks the ticket against the game: numbers distinct and in range, full
// systems of a size the game offers, partial systems present in the answer file.
Status validate_ticket(const EvaluationTicket& ticket, const GameParams& params,
                       const PartialSystems& partial);

// Evaluates every row and system field over the range, then the side games.
// The ticket must have passed validate_ticket.
EvaluationReport evaluate_ticket(const EvaluationTicket& ticket, const EvaluationInputs& in);

// Counts of one pass over the draws that the money step needs.
struct LineTally {
    int64_t draws = 0;
    int64_t second_pass_draws = 0;  // German: draws from the first Superzahl draw on
    int64_t second_pass_wins = 0;
    int64_t plus_draws = 0;
    int64_t plus_wins = 0;
    void count(const EvalDraw& d);
};

// A system field over the draws: full systems through their win plan, partial
// systems through their row masks; won draws go into the result's wins.
LineResult s_vergleich(const TicketLine& field, RuleSet rules, std::span<const EvalDraw> draws,
                       const TicketExtras& extras, const EvaluationInputs& in, LineTally& tally);
// Stake, estimated winnings and luck indices of a row or system field from its
// class counters.
void s_gewinn(LineResult& r, const LineTally& tally, RuleSet rules, const TicketExtras& extras,
              const EvaluationInputs& in);

// One row or field over prepared draws (the matchers' loop, shared with other evaluations).
LineResult evaluate_line(const TicketLine& line, RuleSet rules, std::span<const EvalDraw> draws,
                         const TicketExtras& extras, const EvaluationInputs& in);

// Payout in tenths of one row in win class 1..9, the same for a row on its
// own and a row of a system (German 2+S from the quota table, which holds the
// fixed 6.00; Austrian ZZ pays back the row price), and of one row in
// LottoPlus class 1..4 (P6..P3; 0 outside Austria).
int64_t class_quota(int win_class, const GameParams& params, const MoneyTables& money);
int64_t plus_quota(int plus_class, const GameParams& params);

// Estimated winnings in tenths of the class counts of a row or of a system field.
int64_t estimated_winnings(const WinCounts& counts, const EvaluationInputs& in);

// A row evaluated again for one draw (review area).
RowMatch review_row(const TicketLine& row, int draw, const EvaluationTicket& ticket,
                    const EvaluationInputs& in);
// A system field evaluated again for one draw: its class counts in that draw.
WinCounts review_system(const TicketLine& field, int draw, const EvaluationTicket& ticket,
                        const EvaluationInputs& in);

}  // namespace zw
