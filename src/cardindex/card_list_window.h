// The list window of a card index ("Kartei für alle getippten NORMAL-Scheine"
// / "... SYSTEM-Scheine"): every ticket evaluated over its play period with
// the running balance, scrolled by bar and wheel, and the buttons 401..406
// and "E&xit" (`Dlg_7_Message`).
#pragma once

#include <QDialog>
#include <vector>

#include "cardindex/balance.h"
#include "cardindex/card_window.h"

class QPrinter;

namespace zw {

class ReviewWidget;
class Session;
struct UiServices;

class CardListWindow : public QDialog {
    Q_OBJECT
public:
    CardListWindow(Session& session, UiServices& ui, CardKind kind, QWidget* parent = nullptr,
                   ConsoleEditor editor = {});

    CardIndex& index();
    // Evaluates every ticket, runs the balance pass and redraws the list.
    void rebuild();
    const std::vector<TicketEvaluation>& evaluations() const { return evaluations_; }
    QStringList lines() const;
    ReviewWidget* list() const { return list_; }

    // Buttons: 401 save, 402 load, 403 the card window, 404 print, 405
    // diagrams, 406 delete, 407 exit.
    void Dlg_7_Message(int id);
    // The balance print ("Bilanz-Druck") onto a printer that is set up; false on a printer failure.
    bool print_balance(QPrinter& printer);

private:
    void print();
    void diagrams();

    Session& session_;
    UiServices& ui_;
    CardKind kind_;
    ConsoleEditor editor_;
    ReviewWidget* list_ = nullptr;
    std::vector<TicketEvaluation> evaluations_;
};

// Menu ids 50 and 51: the list window of the normal or system card index.
// `editor` opens a ticket of the card in the tip console ("&Tippschein").
void show_card_list(QWidget* parent, Session& session, UiServices& ui, CardKind kind, ConsoleEditor editor = {});

}  // namespace zw
