// Draws the power-tip window's picture: heading, the weighting matrix with
// every number's frequency in the colour of its weight, the TOP 12 lists of
// the most frequent and the longest absent numbers, and the colour legend.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "tipping/power_tip.h"

namespace zw {

// Palette index of the fill colour of each weight ("keine" .. "hoch").
inline constexpr std::array<int, kMaxWeight + 1> kWeightColours = {15, 11, 14, 12};

struct PowerTipPicture {
    int highest_number = 49;
    bool swiss = false;
    QString game_name;
    std::array<int, kMatrixCells> weights{};  // of the shown game, per cell
    PowerTipBoard board;
};

class PowerTipPainter {
public:
    static QSize size(const PowerTipPicture& picture);
    // Where cell `cell` (1..highest, Swiss also 43..48) is drawn; empty when not shown.
    static QRect cell_rect(int cell, const PowerTipPicture& picture);
    // The cell under `pos`, 0 when none.
    static int cell_at(QPoint pos, const PowerTipPicture& picture);

    void paint(QPainter& p, const PowerTipPicture& picture) const;
    // Redraws one cell only (after a click).
    void paint_cell(QPainter& p, const PowerTipPicture& picture, int cell) const;

private:
    void paint_list(QPainter& p, int x, const char* title, const std::vector<int>& numbers,
                    const std::vector<int>& values) const;
    void paint_legend(QPainter& p, int y) const;
};

}  // namespace zw
