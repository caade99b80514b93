// The number choice of the best and worst list ("Bestenliste: Reihengenerator",
// "Nietenliste: Reihengenerator"): banker and tip grids, the guide columns of
// the most frequent and the longest-absent numbers, the last draw of the
// range, and the panel with the number of rows and the computing time.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

#include "evaluation/backtest.h"
#include "games/game_catalogue.h"

class QLabel;
class QPushButton;

namespace zw {

class DrawArchive;
struct DrawRange;

class BacktestConsoleDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCell = 22;
    static constexpr int kBankerX = 80;
    static constexpr int kTipX = 270;
    static constexpr int kGridY = 36;

    // `seconds_per_row` comes from the calibration of the search.
    BacktestConsoleDialog(ListKind kind, const GameParams& params, const DrawArchive& archive, const DrawRange& range,
                          double seconds_per_row, QWidget* parent = nullptr);

    std::vector<int> bankers() const;
    std::vector<int> tips() const;
    // The chosen numbers as the search takes them (valid after OK).
    NumberList number_list() const;

    // Actions of the buttons and keys.
    void toggle_banker(int number);
    void toggle_tip(int number);
    void invert();
    void clear_all();
    bool try_accept();  // "   _OK   ": only with more than five numbers and at most five bankers

    QString hint_text() const;
    QStringList panel_lines() const;
    QStringList guide_lines(bool gaps) const;
    QString last_draw_text() const { return last_draw_; }
    // Centre of the cell of `number` in the banker or tip grid.
    QPoint cell_centre(int number, bool banker) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int count(const std::array<bool, 64>& set) const;
    int cell_at(QPoint pos, int grid_x) const;

    const GameParams& params_;
    double seconds_per_row_;
    int highest_;
    std::array<bool, 64> banker_{};
    std::array<bool, 64> tip_{};
    std::array<int, 16> frequent_{};
    std::array<int, 16> absent_{};
    QString last_draw_;
    QString typed_;
};

}  // namespace zw
