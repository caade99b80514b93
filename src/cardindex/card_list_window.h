// The list window of a card index ("Kartei für alle getippten NORMAL-Scheine"
// / "... SYSTEM-Scheine"): every ticket evaluated over its play period with
// the running balance, scrolled by bar and wheel, and the buttons 401..406
// and "E&xit".
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "cardindex/balance.h"
#include "cardindex/card_list_format.h"
#include "cardindex/card_window.h"

class QComboBox;
class QLineEdit;
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
    // The lines of the shown tickets, in the chosen order.
    QStringList lines() const;
    // Positions (0-based) of the shown tickets, in the chosen order.
    std::vector<int> shown() const;
    ReviewWidget* list() const { return list_; }

    // "Sortieren nach": the list's order (the balance print keeps the ticket order).
    void set_sort(CardSort sort);
    // "nur Ziehung": takes the field; empty shows every ticket, a number the
    // tickets that played that draw. Anything else, or a draw the archive
    // does not hold, is refused with a message and the previous filter stays.
    bool take_draw_filter();

    // The buttons cmd401..cmd406 (cmd407 "E&xit" accepts): save, load, the
    // card window, print, diagrams, delete.
    void save();
    void load();
    void add_cards();
    void print();
    void diagrams();
    void delete_files();
    // The balance print ("Bilanz-Druck") onto a printer that is set up; false on a printer failure.
    bool print_balance(QPrinter& printer);

private:

    Session& session_;
    UiServices& ui_;
    CardKind kind_;
    ConsoleEditor editor_;
    ReviewWidget* list_ = nullptr;
    QComboBox* sort_box_ = nullptr;
    QLineEdit* draw_edit_ = nullptr;
    std::vector<TicketEvaluation> evaluations_;
    CardSort sort_ = CardSort::Number;
    std::optional<int> draw_;
    bool taking_filter_ = false;  // the filter's message must not take it twice
};

// Menu ids 50 and 51: the list window of the normal or system card index.
// `editor` opens a ticket of the card in the tip console ("&Tippschein").
void show_card_list(QWidget* parent, Session& session, UiServices& ui, CardKind kind, ConsoleEditor editor = {});

}  // namespace zw
