// The card of one ticket ("KARTEIKARTE: Normal-Scheine" / "... System-Scheine",
// `Dlg_15` / `Dlg_16`): ticket and date stepping, the stake
// and winnings fields with their rules, write protection "©", saving, and the
// switch to the pool view ("TG >>").
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "cardindex/balance.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace zw {

class PoolView;
class Session;
struct UiServices;

// Opens ticket `number` in the tip console and returns it as the player left it
// there, its stake the price the console showed, or nullopt when the console
// was cancelled. Provided by the console;
// without one "&Tippschein" stays greyed.
using ConsoleEditor = std::function<std::optional<CardTicket>(const CardTicket&, CardKind, int number)>;

class CardWindow : public QDialog {
    Q_OBJECT
public:
    CardWindow(Session& session, UiServices& ui, CardKind kind, int position, QWidget* parent = nullptr,
               ConsoleEditor editor = {});

    // The buttons: cmd500/cmd502 ticket -/+, cmd505/cmd507 date -/+, cmd550
    // "&Tippschein", cmd592 stake, cmd594 winnings, cmd551 "&Sichern", cmd553
    // "Schein löschen", cmd1 "OK" and cmd552 "E&xit", cmd590 "TG >>"/"TG <<".
    void previous_ticket();
    void next_ticket();
    void earlier_date();
    void later_date();
    void edit_ticket();
    void compute_stake();
    void compute_winnings();
    void save();
    // Asks, then removes the shown ticket; the later ones move up a place.
    void delete_ticket();
    void finish();
    void toggle_pool();

    int position() const { return position_; }
    const CardTicket& ticket() const { return ticket_; }
    const TicketEvaluation& evaluation() const { return evaluation_; }
    bool pool_shown() const;
    PoolView* pool() const { return pool_; }

private:
    CardIndex& index();
    bool is_new() const;
    void show_ticket(int position);
    void redraw();
    void evaluate();
    // Writes the card back (a new card is added); false when refused.
    bool commit();
    // Reads "Einsatz:" and "Gewinn:" into the ticket (unless protected). A
    // field without a valid amount is refused with a message and shows the
    // ticket's amount again; false then, and the command stops.
    bool take_amounts();
    bool refuse_protected();
    void protection_toggled(bool on);
    void open_in_console();
    void step_date(int by);

    Session& session_;
    UiServices& ui_;
    CardKind kind_;
    ConsoleEditor editor_;
    int position_ = 0;
    CardTicket ticket_;
    TicketEvaluation evaluation_;

    QStackedWidget* pages_ = nullptr;
    PoolView* pool_ = nullptr;
    QLabel* number_ = nullptr;
    QLabel* draw_ = nullptr;
    QLabel* date_ = nullptr;
    QLineEdit* stake_ = nullptr;
    QLineEdit* winnings_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* side_ = nullptr;
    QLabel* predicted_ = nullptr;
    QLabel* crossed_ = nullptr;
    QLabel* problems_ = nullptr;
    QCheckBox* protect_ = nullptr;
    QPushButton* switch_ = nullptr;
};

}  // namespace zw
