#include "tipping/power_tip_painter.h"

#include <algorithm>

#include "ui/draw_helpers.h"
#include "ui/fonts.h"

namespace zw {
namespace {

constexpr int kColumns = 7;
constexpr int kCellW = 62;
constexpr int kCellH = 40;
constexpr int kGridX = 20;
constexpr int kGridY = 84;
constexpr int kLuckyGap = 26;  // room for the caption of the Glückszahl row
constexpr int kListX = 486;
constexpr int kListW = 112;
constexpr int kListGap = 12;
constexpr int kLineH = 20;
constexpr int kWidth = kListX + 2 * kListW + kListGap + 20;
constexpr int kListH = 14 * kLineH + 10;

bool is_lucky_cell(int cell) {
    return cell > kLuckyCellBase && cell <= kLuckyCellBase + kLuckyCellCount;
}

// Top of the legend: below the grid (Swiss: below the Glückszahl row) and the lists.
int legend_y(const PowerTipPicture& picture) {
    int bottom = kGridY + (picture.highest_number + kColumns - 1) / kColumns * kCellH;
    if (picture.swiss) bottom += kLuckyGap + kCellH;
    return std::max(bottom, kGridY + kListH) + 18;
}

}  // namespace

QSize PowerTipPainter::size(const PowerTipPicture& picture) { return {kWidth, legend_y(picture) + 34}; }

QRect PowerTipPainter::cell_rect(int cell, const PowerTipPicture& picture) {
    if (picture.swiss && is_lucky_cell(cell)) {
        const int k = cell - kLuckyCellBase - 1;
        const int rows = (picture.highest_number + kColumns - 1) / kColumns;
        return {kGridX + k * kCellW, kGridY + rows * kCellH + kLuckyGap, kCellW, kCellH};
    }
    if (cell < 1 || cell > picture.highest_number) return {};
    const int i = cell - 1;
    return {kGridX + (i % kColumns) * kCellW, kGridY + (i / kColumns) * kCellH, kCellW, kCellH};
}

int PowerTipPainter::cell_at(QPoint pos, const PowerTipPicture& picture) {
    for (int cell = 1; cell < kMatrixCells; ++cell)
        if (cell_rect(cell, picture).contains(pos)) return cell;
    return 0;
}

void PowerTipPainter::paint_cell(QPainter& p, const PowerTipPicture& picture, int cell) const {
    const QRect r = cell_rect(cell, picture);
    if (r.isEmpty()) return;
    const int w = std::clamp(picture.weights[static_cast<size_t>(cell)], 0, kMaxWeight);
    r_box(p, r.adjusted(1, 1, -1, -1), kWeightColours[static_cast<size_t>(w)]);
    p.setPen(palette_colour(0));
    p.setFont(ui_font(17));
    const int number = is_lucky_cell(cell) && picture.swiss ? cell - kLuckyCellBase : cell;
    p.drawText(r.adjusted(0, 2, 0, -r.height() / 2), Qt::AlignCenter, QString::number(number));
    p.setFont(ui_font(4));
    p.drawText(r.adjusted(0, r.height() / 2 - 2, 0, -2), Qt::AlignCenter,
               QStringLiteral("(%1)").arg(picture.board.frequency[static_cast<size_t>(cell)]));
}

void PowerTipPainter::paint_list(QPainter& p, int x, const char* title, const std::vector<int>& numbers,
                                 const std::vector<int>& values) const {
    const QRect box(x, kGridY, kListW, kListH);
    r_box(p, box, 7, false);
    p.setPen(palette_colour(1));
    p.setFont(ui_font(17));
    p.drawText(QRect(x, kGridY + 2, kListW, kLineH), Qt::AlignCenter, QStringLiteral("TOP 12"));
    p.drawText(QRect(x, kGridY + 2 + kLineH, kListW, kLineH), Qt::AlignCenter, QString::fromUtf8(title));
    p.setPen(palette_colour(0));
    p.setFont(ui_font(4));
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int y = kGridY + 8 + static_cast<int>(i + 2) * kLineH;
        p.drawText(QRect(x + 10, y, 34, kLineH), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(numbers[i]));
        p.drawText(QRect(x + 50, y, kListW - 60, kLineH), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("(%1)").arg(i < values.size() ? values[i] : 0));
    }
}

void PowerTipPainter::paint_legend(QPainter& p, int y) const {
    p.setPen(palette_colour(0));
    p.setFont(ui_font(4));
    p.drawText(QRect(kGridX, y, 260, kLineH), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Farbkodierung der Gewichtungen:"));
    int x = kGridX + 262;
    for (int w = 0; w <= kMaxWeight; ++w) {
        r_box(p, QRect(x, y + 2, 26, kLineH - 4), kWeightColours[static_cast<size_t>(w)]);
        p.setPen(palette_colour(0));
        const QString name = QString::fromUtf8(kWeightNames[static_cast<size_t>(w)].data(),
                                               static_cast<int>(kWeightNames[static_cast<size_t>(w)].size()));
        p.drawText(QRect(x + 32, y, 80, kLineH), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += 110;
    }
}

void PowerTipPainter::paint(QPainter& p, const PowerTipPicture& picture) const {
    p.fillRect(QRect(QPoint(0, 0), size(picture)), palette_colour(7));
    p.setPen(palette_colour(1));
    p.setFont(ui_font(18));
    p.drawText(QRect(kGridX, 10, 300, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("POWER-TIPP:"));
    p.setPen(palette_colour(0));
    p.setFont(ui_font(4));
    p.drawText(QRect(kGridX + 170, 10, 300, 30), Qt::AlignLeft | Qt::AlignVCenter, picture.game_name);
    p.drawText(QRect(kWidth - 140, 10, 120, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("F1 = Hilfe"));

    p.setPen(palette_colour(1));
    p.setFont(ui_font(17));
    p.drawText(QRect(kGridX, kGridY - 30, kColumns * kCellW, 24), Qt::AlignCenter,
               QStringLiteral("Gewichtungs-Matrix"));
    for (int cell = 1; cell < kMatrixCells; ++cell) paint_cell(p, picture, cell);
    if (picture.swiss) {
        const QRect first = cell_rect(kLuckyCellBase + 1, picture);
        p.setPen(palette_colour(1));
        p.setFont(ui_font(17));
        p.drawText(QRect(kGridX, first.top() - kLuckyGap, 300, kLuckyGap), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("Glückszahlen:"));
    }

    paint_list(p, kListX, "HAUF", picture.board.top_frequent, picture.board.top_frequent_values);
    paint_list(p, kListX + kListW + kListGap, "RUCK", picture.board.top_gaps, picture.board.top_gap_values);
    paint_legend(p, legend_y(picture));
}

}  // namespace zw
