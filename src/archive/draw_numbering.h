// One draw numbering for every game. The Austrian lottery counts its Friday
// bonus draws with the regular ones (Sunday 29.11.2020 was its 3000th draw),
// so the Austrian draw number is the row of the combined view of regular and
// bonus draws, not the record number in O_Lotto.Dat. Every other game numbers
// its draws as its draw file does.
#pragma once

#include "archive/calendar.h"
#include "archive/draw_archive.h"
#include "games/game_catalogue.h"

namespace zw {

// Rows of the Austrian combined view that hold a draw (the view ends with a
// row for the next draw's date).
int combined_rows(const DrawArchive& archive);

// The newest draw in the game's numbering (Austria: the last row of the
// combined view); 0 for an empty archive.
int numbered_newest(const GameParams& params, const DrawArchive& archive);

// Date of draw `n` in the game's numbering. Austrian numbers beyond the
// combined view continue with the regular draw days (no further bonus draws
// are foreseen).
DrawDate numbered_draw_date(const GameParams& params, const DrawArchive& archive, int n);

// The record number in the Austrian draw file of combined-view row `row`,
// or 0 when the row is a bonus draw. Rows beyond the view continue with the
// regular draws. Other games: `row` itself.
int stored_draw_number(const GameParams& params, const DrawArchive& archive, int row);

}  // namespace zw
