// The small modal dialogs of the ticket's option area: "LosNummer:",
// "SuperZahl:", "Joker Nummern:" and "SiegerChance:". Each edits a copy of
// the options and hands it back only on "&OK" with valid input.
#pragma once

#include <QDialog>
#include <array>

#include "tipping/ticket_options.h"

class QLineEdit;
class QRadioButton;

namespace zw {

struct GameParams;
struct UiServices;

class TicketNumberDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { kLotteryNumber, kSuperNumber, kJokers };
    TicketNumberDialog(Kind kind, const TicketOptions& options, const GameParams& params, UiServices& ui,
                       QWidget* parent = nullptr);

    const TicketOptions& options() const { return options_; }
    QLineEdit* field(int i = 0) const { return fields_[static_cast<size_t>(i)]; }
    // "&OK": takes the fields; refuses bad input with a message and stays open.
    void confirm();

private:
    Kind kind_;
    TicketOptions options_;
    UiServices& ui_;
    std::array<QLineEdit*, 10> fields_{};
};

// "SiegerChance:" with "&Ja" / "&Nein" and "&OK"; the choice sets the flag.
class SiegerChanceDialog : public QDialog {
    Q_OBJECT
public:
    explicit SiegerChanceDialog(bool preset, QWidget* parent = nullptr);
    bool chosen() const;
    QRadioButton* yes() const { return yes_; }

private:
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};

}  // namespace zw
