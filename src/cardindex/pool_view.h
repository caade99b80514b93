// The pool view of a card ("TippGemeinschaft", `Dlg_6_Message`): members and
// start capital, the ticket range moved with 600/602 and 603/605, and stakes,
// winnings (total and per member) and the remaining capital; 640 and every
// change recompute it.
#pragma once

#include <QWidget>

#include "cardindex/balance.h"

class QLabel;
class QLineEdit;

namespace zw {

class PoolView : public QWidget {
    Q_OBJECT
public:
    PoolView(CardIndex& index, QString currency, QWidget* parent = nullptr);

    void Dlg_6_Message(int id);
    // Takes members and start capital from the fields into the card index.
    void take_values();
    void refresh();
    const PoolFigures& figures() const { return figures_; }
    int first() const { return first_; }
    int last() const { return last_; }

private:
    CardIndex& index_;
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

// A typed amount: a decimal comma reads as a point, the leading number is
// taken (none: 0), rounded to hundredths.
int64_t amount_cents(const QString& text);

}  // namespace zw
