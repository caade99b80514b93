#include "cardindex/card_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "cardindex/card_file_dialog.h"
#include "cardindex/card_list_format.h"
#include "cardindex/play_period.h"
#include "cardindex/pool_view.h"
#include "evaluation/evaluation_format.h"
#include "evaluation/evaluation_painter.h"
#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QString digit_counts(const DigitCounts& c, int top, int lowest) {
    QStringList parts;
    for (int k = top; k >= lowest; --k) parts << QStringLiteral("%1:%2").arg(k).arg(c[static_cast<size_t>(k)]);
    return parts.join(QStringLiteral("  "));
}

}  // namespace

CardWindow::CardWindow(Session& session, UiServices& ui, CardKind kind, int position, QWidget* parent,
                       ConsoleEditor editor)
    : QDialog(parent), session_(session), ui_(ui), kind_(kind), editor_(std::move(editor)) {
    setObjectName(kind == CardKind::Normal ? QStringLiteral("Dlg_15") : QStringLiteral("Dlg_16"));
    setWindowTitle(q(card_title(kind)));
    auto* outer = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    outer->addWidget(pages_);

    auto* card = new QWidget(pages_);
    auto* g = new QGridLayout(card);
    auto label = [&](const QString& text, int row, int col, int span = 1) {
        auto* l = new QLabel(text, card);
        g->addWidget(l, row, col, 1, span);
        return l;
    };
    using Slot = void (CardWindow::*)();
    auto button = [&](const QString& text, int id, int row, int col, Slot slot) {
        auto* b = new QPushButton(text, card);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        if (text.size() <= 2) b->setMaximumWidth(40);
        connect(b, &QPushButton::clicked, this, slot);
        g->addWidget(b, row, col);
        return b;
    };
    label(QStringLiteral("Schein-Nr.:"), 0, 0);
    button(QStringLiteral("-"), 500, 0, 1, &CardWindow::previous_ticket);
    number_ = label({}, 0, 2);
    number_->setObjectName(QStringLiteral("lbl_number"));
    button(QStringLiteral("+"), 502, 0, 3, &CardWindow::next_ticket);
    protect_ = new QCheckBox(QStringLiteral("©"), card);
    protect_->setObjectName(QStringLiteral("ch599"));
    connect(protect_, &QCheckBox::clicked, this, &CardWindow::protection_toggled);
    g->addWidget(protect_, 0, 5);
    label(QStringLiteral("Zieh.-Nr.:"), 1, 0);
    draw_ = label({}, 1, 2);
    draw_->setObjectName(QStringLiteral("lbl_draw"));
    label(QStringLiteral("Datum:"), 2, 0);
    button(QStringLiteral("-"), 505, 2, 1, &CardWindow::earlier_date);
    date_ = label({}, 2, 2);
    date_->setObjectName(QStringLiteral("lbl_date"));
    button(QStringLiteral("+"), 507, 2, 3, &CardWindow::later_date);
    label(QStringLiteral("Einsatz:"), 3, 0);
    stake_ = new QLineEdit(card);
    stake_->setObjectName(QStringLiteral("ed_stake"));
    g->addWidget(stake_, 3, 1, 1, 2);
    button(QStringLiteral("="), 592, 3, 3, &CardWindow::compute_stake)->setToolTip(QStringLiteral("Einsatz aus den Gebühren berechnen"));
    label(QStringLiteral("Gewinn:"), 4, 0);
    winnings_ = new QLineEdit(card);
    winnings_->setObjectName(QStringLiteral("ed_winnings"));
    g->addWidget(winnings_, 4, 1, 1, 2);
    button(QStringLiteral("="), 594, 4, 3, &CardWindow::compute_winnings)->setToolTip(QStringLiteral("Gewinn aus den Quoten berechnen"));

    const QFont fixed = evaluation_font();
    counts_ = label({}, 5, 0, 7);
    counts_->setObjectName(QStringLiteral("lbl_counts"));
    counts_->setFont(fixed);
    counts_->setTextFormat(Qt::PlainText);
    side_ = label({}, 6, 0, 7);
    side_->setObjectName(QStringLiteral("lbl_side"));
    side_->setFont(fixed);
    label(QStringLiteral("Vorhersagen:"), 7, 0);
    predicted_ = label({}, 7, 1);
    predicted_->setObjectName(QStringLiteral("lbl_predicted"));
    label(QStringLiteral("Kreuze:"), 7, 2);
    crossed_ = label({}, 7, 3);
    crossed_->setObjectName(QStringLiteral("lbl_crossed"));
    problems_ = label({}, 8, 0, 7);
    problems_->setObjectName(QStringLiteral("lbl_problems"));
    problems_->setStyleSheet(QStringLiteral("color: #a00000"));
    pages_->addWidget(card);

    pool_ = new PoolView(index(), ui_, q(session_.params.currency), pages_);
    pages_->addWidget(pool_);

    auto* buttons = new QHBoxLayout;
    auto bottom = [&](const QString& text, int id, Slot slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    bottom(QStringLiteral("&Tippschein"), 550, &CardWindow::edit_ticket)->setEnabled(static_cast<bool>(editor_));
    bottom(QStringLiteral("&Sichern"), 551, &CardWindow::save);
    bottom(QStringLiteral("Schein löschen"), 553, &CardWindow::delete_ticket);
    bottom(QStringLiteral("OK"), 1, &CardWindow::finish);
    bottom(QStringLiteral("E&xit"), 552, &CardWindow::finish);
    switch_ = bottom(QStringLiteral("TG >>"), 590, &CardWindow::toggle_pool);
    outer->addLayout(buttons);
    show_ticket(std::clamp(position, 0, std::max(0, index().count() - 1)));
}

CardIndex& CardWindow::index() { return kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards; }
bool CardWindow::is_new() const {
    const CardIndex& i = kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards;
    return position_ >= i.count();
}
bool CardWindow::pool_shown() const { return pages_->currentWidget() == pool_; }

void CardWindow::show_ticket(int position) {
    position_ = std::clamp(position, 0, std::min(index().count(), kCardCapacity - 1));
    if (is_new()) {
        ticket_ = CardTicket{};
        ticket_.first_draw = static_cast<int16_t>(std::min(next_card_draw(session_.archive), 32767));
    } else {
        ticket_ = index().at(position_);
    }
    evaluate();
    redraw();
}

void CardWindow::evaluate() {
    const EvaluationInputs in{session_.params, session_.archive, session_.range, session_.money, session_.partial_systems};
    evaluation_ = evaluate_card(ticket_, kind_, in);
}

void CardWindow::redraw() {
    const GameCode game = session_.params.code;
    number_->setText(QString::number(position_ + 1) + (is_new() ? QStringLiteral("  (neu)") : QString()));
    const int further = charged_draws(ticket_, session_.params) - 1;
    draw_->setText(QStringLiteral("%1 + %2").arg(ticket_.first_draw).arg(further));
    date_->setText(evaluation_.first_date.empty() ? QStringLiteral("xx.xx.xxxx") : q(evaluation_.first_date));
    stake_->setText(q(cents_text(ticket_.stake)));
    winnings_->setText(q(cents_text(ticket_.winnings)));
    protect_->setChecked(ticket_.protected_card);

    QStringList lines{q(card_counts_header(game, kind_))};
    if (kind_ == CardKind::Normal) {
        std::vector<LineCell> cells{{""}};
        for (int64_t v : shown_counts(game, evaluation_.counts)) cells.push_back({std::to_string(v)});
        if (game != kToto && game != kAustria) cells.push_back({std::to_string(evaluation_.rows)});
        lines << q(align_to_header(card_counts_header(game, kind_), cells));
    } else {
        for (int f = 0; f < kCardFields; ++f) {
            if (!ticket_.fields[static_cast<size_t>(f)].in_use) continue;
            std::vector<LineCell> cells{{std::to_string(f + 1)}, {evaluation_.field_labels[static_cast<size_t>(f)], true}};
            for (int64_t v : shown_counts(game, evaluation_.field_counts[static_cast<size_t>(f)]))
                cells.push_back({std::to_string(v)});
            lines << q(align_to_header(card_counts_header(game, kind_), cells));
        }
    }
    counts_->setText(lines.join(QLatin1Char('\n')));

    QStringList side;
    const SideGameResult& s = evaluation_.side;
    if (is_german_game(game)) {
        side << QStringLiteral("Spiel 77:  ") + (s.spiel77 ? digit_counts(*s.spiel77, 7, 1) : QStringLiteral("-"));
        side << QStringLiteral("Super 6:   ") + (s.super6 ? digit_counts(*s.super6, 6, 1) : QStringLiteral("-"));
    } else {
        side << QStringLiteral("Gewinn JOKER:  ") +
                    (s.joker ? digit_counts(*s.joker, 6, session_.params.swiss ? 2 : 1) : QStringLiteral("-"));
    }
    side_->setText(side.join(QLatin1Char('\n')));
    const int hits = evaluation_.predicted & 0x7f;
    predicted_->setText(QString::number(hits) + ((evaluation_.predicted & 0x80) ? QStringLiteral(" +") : QString()));
    crossed_->setText(QString::number(evaluation_.crossed));
    QStringList problems;
    for (const std::string& p : evaluation_.problems) problems << q(p);
    problems_->setText(problems.join(QLatin1Char('\n')));
    pool_->refresh();
}

bool CardWindow::refuse_protected() {
    if (!ticket_.protected_card) return false;
    ui_.message(this, kWarning, q(kCardProtected), 1, QStringLiteral("&OK"));
    return true;
}

bool CardWindow::commit() {
    if (is_new()) {
        const StoreOutcome o = index().store(position_, ticket_);
        if (o == StoreOutcome::Full) ui_.message(this, kWarning, q(kCardFull), 1, QStringLiteral("&OK"));
        return o == StoreOutcome::Added;
    }
    return index().replace(position_, ticket_);
}

bool CardWindow::take_amounts() {
    if (ticket_.protected_card) return true;
    const auto stake = typed_card_amount(stake_->text());
    const auto winnings = typed_card_amount(winnings_->text());
    if ((stake && *stake != ticket_.stake) || (winnings && *winnings != ticket_.winnings)) {
        ticket_.stake = stake.value_or(ticket_.stake);
        ticket_.winnings = winnings.value_or(ticket_.winnings);
        commit();
    }
    if (!stake) refuse_field(ui_, stake_, q(cents_text(ticket_.stake)), kAmountRefused);
    else if (!winnings) refuse_field(ui_, winnings_, q(cents_text(ticket_.winnings)), kAmountRefused);
    return stake && winnings;
}

void CardWindow::protection_toggled(bool on) {
    if (is_new() && !commit()) {
        protect_->setChecked(false);
        return;
    }
    index().set_protected(position_, on);
    ticket_.protected_card = on;
}

void CardWindow::open_in_console() {
    if (!take_amounts()) return;
    const std::optional<CardTicket> edited = editor_(ticket_, kind_, position_ + 1);
    if (!edited) return;
    if (ui_.message(this, kQuestion, QStringLiteral("Schein übernehmen"), 1, QStringLiteral(" JA |NEIN")) != 1) {
        redraw();  // the ticket stays as it was
        return;
    }
    // The console's rows or system fields, options and price; number, winnings
    // and protection stay the card's.
    CardTicket next = *edited;
    next.first_draw = ticket_.first_draw;
    next.winnings = ticket_.winnings;
    next.protected_card = ticket_.protected_card;
    ticket_ = next;
    commit();
    evaluate();
    redraw();
}

void CardWindow::delete_ticket() {
    if (is_new() || refuse_protected()) return;
    const QString question = QStringLiteral("Schein %1 aus der Kartei löschen?|Die folgenden Scheine rücken auf.")
                                 .arg(position_ + 1);
    if (ui_.message(this, kQuestion, question, 2, QStringLiteral(" JA |NEIN")) != 1) return;
    if (index().remove(position_) != StoreOutcome::Overwritten) return;
    show_ticket(std::min(position_, std::max(0, index().count() - 1)));
}

void CardWindow::previous_ticket() {
    if (take_amounts()) show_ticket(position_ - 1);
}

void CardWindow::next_ticket() {
    if (take_amounts()) show_ticket(position_ + 1);
}

void CardWindow::earlier_date() { step_date(-1); }

void CardWindow::later_date() { step_date(1); }

void CardWindow::step_date(int by) {
    if (ticket_.protected_card || !take_amounts()) return;
    ticket_.first_draw = static_cast<int16_t>(std::clamp(ticket_.first_draw + by, 1, 32767));
    commit();
    evaluate();
    redraw();
}

void CardWindow::edit_ticket() {
    if (!refuse_protected() && editor_) open_in_console();
}

void CardWindow::compute_stake() {
    if (refuse_protected()) return;
    ticket_.stake = card_amount(ticket_stake(ticket_, kind_, session_.params, session_.money, session_.archive.bundesland));
    commit();
    redraw();
}

void CardWindow::compute_winnings() {
    if (refuse_protected()) return;
    const EvaluationInputs in{session_.params, session_.archive, session_.range, session_.money, session_.partial_systems};
    ticket_.winnings = card_amount(ticket_winnings(evaluation_, kind_, in));
    commit();
    redraw();
}

void CardWindow::save() {
    if (!take_amounts() || (pool_shown() && !pool_->take_values())) return;
    save_cards(this, ui_, session_, index(), false);
}

void CardWindow::finish() {
    if (!take_amounts() || (pool_shown() && !pool_->take_values())) return;
    accept();
}

void CardWindow::toggle_pool() {
    if (!take_amounts()) return;
    if (pool_shown()) {
        if (!pool_->take_values()) return;
        pages_->setCurrentWidget(pages_->widget(0));
        switch_->setText(QStringLiteral("TG >>"));
    } else {
        pool_->refresh();
        pages_->setCurrentWidget(pool_);
        switch_->setText(QStringLiteral("TG <<"));
    }
}

}  // namespace zw
