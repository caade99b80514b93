// The tip console's traffic with the card index, for the console to call with
// its ticket packed into a CardTicket (make_normal_card for rows, system
// fields as SystemField): "&Hole Tipp", "&Behalte Tipp", "&Import Tipp",
// "&Online-Tipp" with the warning form `warn`, "Schein löschen" and the
// card-index variant's "&Lösche Tipp". The questions are asked here; the card
// index is changed through its engine operations.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "cardindex/card_index.h"
#include "cardindex/tip_transfer.h"

class QLabel;

namespace zw {

class Session;
struct UiServices;

// "Hole TIPP aus Kartei" / "Überschreibe TIPP aus Kartei" (`Dlg_3`):
// the ticket number between "-" and "+" and its play date; every step calls
// `on_step` with the chosen position.
class TipPickDialog : public QDialog {
    Q_OBJECT
public:
    TipPickDialog(const QString& title, Session& session, CardKind kind, int start_number,
                  std::function<void(int position)> on_step, QWidget* parent = nullptr);
    int number() const { return number_; }
    // The buttons cmd302 "-" and cmd303 "+"; cmd1 "&OK" and cmd2 "&Abbruch"
    // accept and reject.
    void previous_ticket();
    void next_ticket();

private:
    void show_number();
    void step(int by);

    Session& session_;
    CardKind kind_;
    int number_;
    std::function<void(int)> on_step_;
    QLabel* number_label_ = nullptr;
    QLabel* date_label_ = nullptr;
};

// "&Hole Tipp": the chosen ticket is shown in the console at every step
// (`show`); "&OK" returns its position, "&Abbruch" calls `restore` and returns
// nullopt. `last_used` is the remembered ticket number (1-based, 0 none).
std::optional<int> fetch_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, int& last_used,
                             const std::function<void(const CardTicket&)>& show, const std::function<void()>& restore);

// "&Behalte Tipp": adds or overwrites, refuses a full index or a protected
// card, then offers to save. The tip keeps its stake (the console's price);
// its winnings and protection are cleared before storing. Returns the ticket number it was stored under, 0 for none.
int keep_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, CardTicket tip, int& last_used);

// After storing: `stored` ("Der Tipp wurde unter der Schein-Nr. 3 abgelegt!")
// and the question whether to save the index; on "&JA" the index is saved to
// its file, or to the game's default file when it has none yet (a default
// file that could not be read is never overwritten unasked).
void offer_card_save(QWidget* parent, UiServices& ui, Session& session, CardIndex& index, const QString& stored);

// "&Lösche Tipp" (console showing a stored ticket): asks and removes ticket `number`.
bool delete_tip(QWidget* parent, UiServices& ui, Session& session, CardKind kind, int number);

// "&Import Tipp": the rows of the chosen TXT/CSV file, after telling the user
// how many came in; nullopt when cancelled, missing or without a valid row
// (the console's ticket stays as it is then).
std::optional<ImportResult> import_tip(QWidget* parent, UiServices& ui, const Session& session);

// The online-tip addresses of Ziehwerk.ini, section [OnlineTipp]: Shop,
// PartnerId, AffiliateId, Beratung (the advice service; default set).
OnlineTipConfig read_online_tip_config(const Session& session);

// The warning form `warn`: cmd42 confirms, cmd43 closes, lbl53 opens the advice service.
class WarnDialog : public QDialog {
    Q_OBJECT
public:
    WarnDialog(UiServices& ui, QString advice, QWidget* parent = nullptr);
    void cmd42_Click() { accept(); }
    void cmd43_Click() { reject(); }
    void lbl53_Click();

private:
    UiServices& ui_;
    QString advice_;
};

// "&Online-Tipp": the warning, then the shop's quick-tip page with the ticket
// (or the reason why not). True when an address was opened.
bool online_tip(QWidget* parent, UiServices& ui, const Session& session, const CardTicket& tip);

// "Schein löschen": true when the user confirms emptying the console's ticket.
bool confirm_clear_ticket(QWidget* parent, UiServices& ui);

}  // namespace zw
