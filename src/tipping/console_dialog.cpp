#include "tipping/console_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/session.h"
#include "tipping/ticket_picture_widget.h"
#include "ui/ui_services.h"

namespace zw {

ConsoleDialog::ConsoleDialog(Session& session, UiServices& ui, ConsoleActions actions, QWidget* parent)
    : QDialog(parent, Qt::Tool), session_(session), ui_(ui), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("Dlg_11"));
    setWindowTitle(QStringLiteral("Auswahl-Konsole"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    using Slot = void (ConsoleDialog::*)();
    static const struct {
        int id;
        const char* text;
        Slot slot;
    } kButtons[] = {{8, "&Hole Tipp", &ConsoleDialog::fetch_tip},
                    {9, "&Behalte Tipp", &ConsoleDialog::keep_tip},
                    {10, "&Print Tipp", &ConsoleDialog::print_tip},
                    {44, "&Import Tipp", &ConsoleDialog::import_tip},
                    {11, "&Online-Tipp", &ConsoleDialog::online_tip_or_clear},
                    {12, "&Zufalls-Tipp", &ConsoleDialog::random_tip},
                    {25, "P&ower-Tipp", &ConsoleDialog::power_tip},
                    {13, "&Auswertung", &ConsoleDialog::evaluate},
                    {14, "E&xit", nullptr}};
    for (const auto& [id, text, slot] : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        if (slot)
            connect(b, &QPushButton::clicked, this, slot);
        else
            connect(b, &QPushButton::clicked, this, &QWidget::close);
        layout->addWidget(b);
        buttons_[id] = b;
    }
    refresh_buttons();
}

QPushButton* ConsoleDialog::button(int id) const {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

bool ConsoleDialog::online_slot() const {
    return session_.params.code != kAustria && session_.params.code != kSwiss && !session_.ticket.system_mode;
}

void ConsoleDialog::refresh_buttons() {
    const bool system = session_.ticket.system_mode;
    button(11)->setText(online_slot() ? QStringLiteral("&Online-Tipp") : QStringLiteral("Schein &löschen"));
    button(8)->setEnabled(bool(actions_.fetch));
    button(9)->setEnabled(bool(actions_.keep));
    button(10)->setEnabled(bool(actions_.print));
    button(44)->setEnabled(bool(actions_.import_rows));
    button(11)->setEnabled(online_slot() ? bool(actions_.online) : bool(actions_.clear_ticket));
    button(12)->setEnabled(bool(actions_.random_tip));
    button(25)->setEnabled(!system && bool(actions_.power_tip));
    button(13)->setEnabled(bool(actions_.evaluate));
}

void ConsoleDialog::run(const std::function<void()>& action) {
    if (action) action();
    refresh_buttons();
}

void ConsoleDialog::fetch_tip() { run(actions_.fetch); }
void ConsoleDialog::keep_tip() { run(actions_.keep); }
void ConsoleDialog::print_tip() { run(actions_.print); }
void ConsoleDialog::import_tip() { run(actions_.import_rows); }
void ConsoleDialog::online_tip_or_clear() { run(online_slot() ? actions_.online : actions_.clear_ticket); }
void ConsoleDialog::random_tip() { run(actions_.random_tip); }
void ConsoleDialog::power_tip() { run(session_.ticket.system_mode ? std::function<void()>() : actions_.power_tip); }
void ConsoleDialog::evaluate() { run(actions_.evaluate); }

CardConsoleDialog::CardConsoleDialog(Session& session, UiServices& ui, int number, ConsoleActions actions,
                                     QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("Dlg_11"));
    setWindowTitle(QStringLiteral("Auswahl-Konsole:"));
    auto* layout = new QVBoxLayout(this);
    // The ticket is edited here: the main window stays blocked while the card
    // window is open.
    picture_ = new TicketPictureWidget(session, ui, this);
    const QSize slip = picture_->slip_size();
    picture_->setMinimumSize(slip.width() / 2, slip.height() / 2);
    picture_->resize(slip);
    layout->addWidget(picture_, 1);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Tippschein Nr.: %1").arg(number), this);
    label->setObjectName(QStringLiteral("lb_tippschein"));
    row->addWidget(label);
    row->addStretch(1);
    using Slot = void (CardConsoleDialog::*)();
    static const struct {
        int id;
        const char* text;
        Slot slot;
    } kButtons[] = {{25, "P&ower-Tipp", &CardConsoleDialog::power_tip},
                    {44, "&Import Tipp", &CardConsoleDialog::import_tip},
                    {11, "&Lösche Tipp", &CardConsoleDialog::delete_tip},
                    {14, "E&xit", &CardConsoleDialog::accept}};
    for (const auto& [id, text, slot] : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
        buttons_[id] = b;
    }
    const bool system = session_.ticket.system_mode;
    buttons_[25]->setEnabled(!system && bool(actions_.power_tip));
    buttons_[44]->setEnabled(!system && bool(actions_.import_rows));
    buttons_[11]->setEnabled(bool(actions_.clear_ticket));
    layout->addLayout(row);
    connect(picture_, &TicketPictureWidget::finished, this, &QDialog::accept);
    resize(sizeHint().expandedTo(slip + QSize(24, 60)));
}

QPushButton* CardConsoleDialog::button(int id) const {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

void CardConsoleDialog::run(const std::function<void()>& action) {
    if (action) action();
    picture_->update();
}

void CardConsoleDialog::power_tip() { run(actions_.power_tip); }
void CardConsoleDialog::import_tip() { run(actions_.import_rows); }
void CardConsoleDialog::delete_tip() { run(actions_.clear_ticket); }

}  // namespace zw
