// What a ticket returns on average: the exact chance per draw of every win
// class of one row, the expected payout per draw of rows, full and partial
// systems from the quota table in use, the stake per draw, and the line the
// tip console shows ("Erwartete Auszahlung je Ziehung: ...").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/evaluation.h"

namespace zw {

// Chance per draw that one row lands in each class. cls[1..9] follow the
// class counters of the evaluation, cls[0] is "no win"; plus[1..4] are
// LottoPlus P6..P3 and plus[0] "no LottoPlus win" (1 when LottoPlus is not
// played). Each array sums to 1.
struct RowOdds {
    std::array<double, kClassCount + 1> cls{};
    std::array<double, kPlusClassCount + 1> plus{};
};

// The six numbers are drawn from the game's N (hypergeometric); the German
// Superzahl matches with 1 in 10 when the ticket has one (extra_in_play), the
// Swiss Glückszahl with 1 in 6 when the row has one; the Zusatzzahl of the
// Auswahlwette and of Austria is one of the N - 6 numbers not drawn.
RowOdds row_odds(const GameParams& params, bool extra_in_play, bool lotto_plus);

// One row or system field of the ticket. Every row of six distinct numbers
// has the same chances, so a system's expectation is its row count times one
// row's, priced with the same quotas.
struct LineReturn {
    int64_t rows = 1;                                      // rows played
    RowOdds odds;                                          // per row
    std::array<int64_t, kClassCount + 1> quota{};          // tenths per winning row
    std::array<int64_t, kPlusClassCount + 1> plus_quota{}; // tenths per LottoPlus win
    double expected = 0;  // tenths per draw, all rows of the line
    int64_t stake = 0;    // cents per draw (rows x row price, with LottoPlus)
};

struct TicketReturn {
    std::vector<LineReturn> lines;  // the ticket's rows, then its system fields
    double expected = 0;            // tenths per draw
    int64_t stake = 0;              // cents per draw
};

// The expectation of every row and system field. Processing fees and side
// games are not part of it: they buy no chance in the draw of the numbers.
// nullopt when the ticket does not pass validate_ticket.
std::optional<TicketReturn> expected_return(const GameParams& params, const MoneyTables& money,
                                            const PartialSystems& partial,
                                            const EvaluationTicket& ticket);

// "Erwartete Auszahlung je Ziehung: 0.61 EUR bei 1.20 EUR Einsatz (51 %)"
// (CHF for the Swiss game; no percentage when the stake is 0).
std::string expected_return_text(const TicketReturn& ret, const std::string& currency);
// The console's line for a ticket: empty when the ticket has no row or
// system field, or does not pass validate_ticket.
std::string expected_return_line(const GameParams& params, const MoneyTables& money,
                                 const PartialSystems& partial, const EvaluationTicket& ticket);

}  // namespace zw
