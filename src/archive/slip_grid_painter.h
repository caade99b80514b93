// Draws a row of ticket-slip grids ("Kästchen"), one draw per grid: the
// printed numbers of the slip, a cross on each drawn number, the extra number
// ringed and named under the grid, the Swiss Glückszahl in its own row, the
// Austrian LottoPlus numbers marked "+", and the ticket-number field with the
// side number. The viewer, the draw entry and the main display use it.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

#include "archive/slip_grids.h"
#include "games/game_catalogue.h"

namespace zw {

struct SlipGridSet {
    GameCode game = kLottoSaturday;
    int highest_number = 49;
    std::vector<SlipDraw> grids;  // left to right
    std::string ticket_number;    // digits for the ticket-number field ("" = empty)
    int highlighted = -1;         // the grid of the draw being entered
};

class SlipGridPainter {
public:
    // Cell size in pixels that a set of `grids` grids gets in the window.
    static int cell_size(int grids);
    // Size the painter needs for `grids` grids with cells of `cell` pixels.
    static QSize size_for(int grids, int cell);

    void paint(QPainter& p, const QRect& area, const SlipGridSet& set) const;

private:
    void paint_grid(QPainter& p, const QRect& box, int cell, const SlipGridSet& set,
                    const SlipDraw& draw, bool highlighted) const;
    void paint_ticket_field(QPainter& p, const QRect& field, const SlipGridSet& set) const;
};

}  // namespace zw
