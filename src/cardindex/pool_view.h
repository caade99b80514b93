// The pool view of a card ("TippGemeinschaft"): members and
// start capital, the ticket range moved with 600/602 and 603/605, and stakes,
// winnings (total and per member) and the remaining capital; 640 and every
// change recompute it.
#pragma once

#include <QWidget>
#include <optional>

#include "cardindex/balance.h"

class QLabel;
class QLineEdit;

namespace zw {

struct UiServices;

class PoolView : public QWidget {
    Q_OBJECT
public:
    PoolView(CardIndex& index, UiServices& ui, QString currency, QWidget* parent = nullptr);

    // The "-" and "+" buttons of the first and last ticket (cmd600, cmd602,
    // cmd603, cmd605) and "&Berechnen" (cmd640).
    void first_back();
    void first_on();
    void last_back();
    void last_on();
    void compute();
    // Takes members and start capital from the fields into the card index. A
    // field that holds no valid value is refused with a message, shows the
    // stored value again and gets the focus; false then.
    bool take_values();
    void refresh();
    const PoolFigures& figures() const { return figures_; }
    int first() const { return first_; }
    int last() const { return last_; }

private:
    // Moves the range of tickets to first..last, takes the fields' values and
    // shows the figures again.
    void move_range(int first, int last);

    CardIndex& index_;
    UiServices& ui_;
    QString currency_;
    int first_ = 1, last_ = 1;
    PoolFigures figures_;
    QLineEdit* members_ = nullptr;
    QLineEdit* capital_ = nullptr;
    QLabel* first_label_ = nullptr;
    QLabel* last_label_ = nullptr;
    QLabel* stake_total_ = nullptr;
    QLabel* stake_share_ = nullptr;
    QLabel* win_total_ = nullptr;
    QLabel* win_share_ = nullptr;
    QLabel* rest_ = nullptr;
};

// A typed card amount in hundredths ("12,50" or "12.50"), within what a card
// stores; nullopt for anything else ("abc12,5x").
std::optional<int32_t> typed_card_amount(const QString& text);
// The refusals of a typed amount and of a members count.
inline constexpr const char* kAmountRefused = "Bitte einen Betrag wie 12.50 eingeben|(höchstens 21474836.47).";
inline constexpr const char* kMembersRefused = "Bitte als Mitglieder eine ganze Zahl|von 1 bis 32767 eingeben.";

// Shows `message` for a refused field, puts the field's last value back and
// moves the focus into it.
void refuse_field(UiServices& ui, QLineEdit* field, const QString& last_value, const char* message);

}  // namespace zw
