// The "Formelgenerator" dialog: how many of the most frequent numbers, of the
// numbers with the longest gap and of the partners of one base number join
// the tips, and whether the numbers of the last draw leave them again.
#pragma once

#include <QDialog>
#include <array>

#include "tipping/row_generator.h"

class QLabel;
class QRadioButton;

namespace zw {

class FormulaDialog : public QDialog {
    Q_OBJECT
public:
    FormulaDialog(const FormulaSettings& settings, int highest, QWidget* parent = nullptr);
    // The "-" and "+" of count i (1..5, buttons minus<i> and plus<i>) and the
    // answers "&JA" (op492) and "&NEIN" (op494).
    void decrease(int i);
    void increase(int i);
    void set_skip_last_draw(bool skip);
    const FormulaSettings& settings() const { return settings_; }
    QLabel* label(int i) const { return labels_[static_cast<size_t>(i - 1)]; }

private:
    int& count(int i);
    int limit(int i) const;
    void show_counts();

    FormulaSettings settings_;
    int highest_;
    std::array<QLabel*, 6> labels_{};
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};

}  // namespace zw
