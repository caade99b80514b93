// The "Auswahl-Konsole": the command buttons of the tip console beside the
// ticket picture. The host hands in what each command does; a command it
// does not provide is shown greyed.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

class QPushButton;

namespace zw {

class Session;
struct UiServices;

struct ConsoleActions {
    std::function<void()> fetch;         // 8  "&Hole Tipp"
    std::function<void()> keep;          // 9  "&Behalte Tipp"
    std::function<void()> print;         // 10 "&Print Tipp"
    std::function<void()> import_rows;   // 44 "&Import Tipp"
    std::function<void()> online;        // 11 "&Online-Tipp" (German games, normal mode)
    std::function<void()> random_tip;    // 12 "&Zufalls-Tipp"
    std::function<void()> power_tip;     // 25 "P&ower-Tipp" (normal mode)
    std::function<void()> evaluate;      // 13 "&Auswertung"
    std::function<void()> clear_ticket;  // 11 in system mode and for the other games
};

class ConsoleDialog : public QDialog {
    Q_OBJECT
public:
    ConsoleDialog(Session& session, UiServices& ui, ConsoleActions actions, QWidget* parent = nullptr);

    // The button cmd<id> of a command, by the ids above (14 "E&xit").
    QPushButton* button(int id) const;
    // The commands of the buttons.
    void fetch_tip();
    void keep_tip();
    void print_tip();
    void import_tip();
    void online_tip_or_clear();
    void random_tip();
    void power_tip();
    void evaluate();
    // Re-labels and greys the buttons for the current game and mode.
    void refresh_buttons();

private:
    bool online_slot() const;
    // Runs a command the host provides, then re-labels the buttons.
    void run(const std::function<void()>& action);

    Session& session_;
    UiServices& ui_;
    ConsoleActions actions_;
    std::map<int, QPushButton*> buttons_;
};

// The console for one ticket of the card index ("Auswahl-Konsole:"): the
// ticket picture with "Tippschein Nr.:", "P&ower-Tipp", "&Import Tipp",
// "&Lösche Tipp" and "E&xit". Modal; E&xit keeps the edited ticket, the close
// box gives it up.
class CardConsoleDialog : public QDialog {
    Q_OBJECT
public:
    CardConsoleDialog(Session& session, UiServices& ui, int number, ConsoleActions actions,
                      QWidget* parent = nullptr);
    QPushButton* button(int id) const;
    class TicketPictureWidget* picture() const { return picture_; }
    // The commands of the buttons; E&xit accepts.
    void power_tip();
    void import_tip();
    void delete_tip();

private:
    void run(const std::function<void()>& action);

    Session& session_;
    UiServices& ui_;
    ConsoleActions actions_;
    class TicketPictureWidget* picture_ = nullptr;
    std::map<int, QPushButton*> buttons_;
};

}  // namespace zw
