// The filter form "G/U & T/H - Filter": which counts 0..6 of even and of low
// numbers a generated row may hold, with the possible rows shown at once.
// " &OK " (cmd23) keeps the settings; "&Abbruch" (cmd24) and the close box
// restore those in force when the form opened.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "games/game_catalogue.h"
#include "tipping/row_generator.h"

class QCheckBox;
class QLabel;

namespace zw {

class FilterDialog : public QDialog {
    Q_OBJECT
public:
    // Edits `settings.filter` in place; `changed` runs after every change.
    FilterDialog(GeneratorSettings& settings, const GameParams& params, std::function<void()> changed,
                 QWidget* parent = nullptr);

    // Check box chk1..chk7 allows 0..6 even numbers, chk8..chk14 0..6 low numbers.
    void chk_Click(int n);
    void cmd23_Click();
    void cmd24_Click();
    QCheckBox* check(int n) const { return checks_[static_cast<size_t>(n - 1)]; }

protected:
    void reject() override { cmd24_Click(); }

private:
    bool& allowed(int n);
    void show_state();

    GeneratorSettings& settings_;
    const GameParams& params_;
    std::function<void()> changed_;
    GeneratorFilter at_opening_;
    std::array<QCheckBox*, 14> checks_{};
    QLabel* status_ = nullptr;
};

}  // namespace zw
