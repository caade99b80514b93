// A best or worst list as the user sees it: the rows of a search with their
// list value ("LAX"), the final evaluation of the rows with the win classes
// (class counts and estimated winnings), the heading, the lines of the window
// and the printout, and the text export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/backtest.h"
#include "evaluation/evaluation.h"
#include "games/game_catalogue.h"

namespace zw {

struct BacktestList {
    ListKind kind = ListKind::Best;
    GameCode game = kLottoSaturday;
    std::string currency = "EUR";
    NumberList numbers;
    int first = 1, last = 0;  // the draw range searched
    int draws = 0;            // draws the range held
    int odds = 0;             // odds of the list value
    std::vector<ListEntry> entries;  // up to 30, best first

    // Set by evaluate_list, one per entry.
    bool evaluated = false;
    std::vector<WinCounts> counts;
    std::vector<int64_t> winnings;  // tenths
};

// Odds of the list value: the game's odds constant, for German Lotto 54 (the
// search counts no super numbers).
int backtest_odds(const GameParams& params);
// score x odds / draws (0 without draws).
double list_value(int score, int odds, int draws);

// A list of `kind` for the entries of a search over the inputs' range.
BacktestList make_list(ListKind kind, const NumberList& numbers, const std::vector<ListEntry>& entries,
                       const EvaluationInputs& in);

// Evaluates every entry with the win classes over the list's range: class
// counts (German and Swiss without super and lucky number) and winnings.
void evaluate_list(BacktestList& list, const EvaluationInputs& in);

// Entry text of place i (empty for an empty place): the six numbers in 3
// characters each, the list value in 7 with 3 decimals, then 61 blanks; once
// evaluated the first 26 characters and the class columns and winnings.
std::string entry_text(const BacktestList& list, size_t i);
// The 30 lines: place in 3 characters, ": ", entry text.
std::vector<std::string> list_lines(const BacktestList& list);

// "30 TOP-Reihen folgender 12 Zahlen: Ziehungsrahmen ( 1 - 6554)".
std::string list_title(const BacktestList& list);
// The column header of the window and printout (with the class header).
std::string list_column_header(const BacktestList& list);
// The number list, 20 numbers a line, bankers marked " *".
std::vector<std::string> number_list_lines(const NumberList& numbers);

// A computing time as " d Tage  h Std.  m Min.  s Sek." (each value in 2 characters).
std::string duration_text(double seconds);

// The text file, lines ending in CR LF.
std::string export_list_text(const BacktestList& list);

}  // namespace zw
