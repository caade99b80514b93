// The draws of a range in the compact form the matchers read: a bit mask of
// the six numbers and the extra number already interpreted for the game
// (Superzahl, Glückszahl or Zusatzzahl, only where the draw carries it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "games/game_catalogue.h"

namespace zw {

struct EvalDraw {
    int number = 0;        // draw number (Austria: row of the combined view), 1-based
    uint64_t drawn = 0;    // bit n set when number n was drawn
    int extra = -1;        // German Superzahl 0..9 / Swiss Glückszahl 1..6; -1 = none
    int zusatz = 0;        // Zusatzzahl (Auswahlwette) or ZZ (Austria); 0 = none
    uint64_t plus = 0;     // Austrian LottoPlus numbers
    bool plus_draw = false;  // Austria: a draw that counts for LottoPlus (from 2668 on)
    bool super_pass = false; // German: inside the luck index's second pass (from the Superzahl start)
};

// The draws first..last of the archive (clamped to what it holds; Austria:
// rows of the combined view of regular and bonus draws).
std::vector<EvalDraw> eval_draws(const DrawArchive& archive, const GameParams& params, int first,
                                 int last);

// The last draw the range may reach: the newest draw (Austria: plus bonus draws).
int last_evaluable_draw(const DrawArchive& archive);

// Date text (dd.mm.yyyy) of draw `number` as the evaluation shows it.
std::string eval_draw_date(const DrawArchive& archive, const GameParams& params, int number);

}  // namespace zw
