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
    static const std::pair<int, const char*> kButtons[] = {
        {8, "&Hole Tipp"},     {9, "&Behalte Tipp"}, {10, "&Print Tipp"},
        {44, "&Import Tipp"},  {11, "&Online-Tipp"}, {12, "&Zufalls-Tipp"},
        {25, "P&ower-Tipp"},   {13, "&Auswertung"},  {14, "E&xit"}};
    for (const auto& [id, text] : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, id = id] { Dlg_11_Message(id); });
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

void ConsoleDialog::Dlg_11_Message(int id) {
    const auto run = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (id) {
        case 8: run(actions_.fetch); break;
        case 9: run(actions_.keep); break;
        case 10: run(actions_.print); break;
        case 44: run(actions_.import_rows); break;
        case 11: run(online_slot() ? actions_.online : actions_.clear_ticket); break;
        case 12: run(actions_.random_tip); break;
        case 25:
            if (!session_.ticket.system_mode) run(actions_.power_tip);
            break;
        case 13: run(actions_.evaluate); break;
        case 14: close(); return;
        default: break;
    }
    refresh_buttons();
}

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
    static const std::pair<int, const char*> kButtons[] = {
        {25, "P&ower-Tipp"}, {44, "&Import Tipp"}, {11, "&Lösche Tipp"}, {14, "E&xit"}};
    for (const auto& [id, text] : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, id = id] { Dlg_11_Message(id); });
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

void CardConsoleDialog::Dlg_11_Message(int id) {
    const auto run = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (id) {
        case 25: run(actions_.power_tip); break;
        case 44: run(actions_.import_rows); break;
        case 11: run(actions_.clear_ticket); break;
        case 14: accept(); return;
        default: break;
    }
    picture_->update();
}

}  // namespace zw
