#include "cardindex/pool_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "base/decimal.h"
#include "evaluation/evaluation_format.h"
#include "ui/ui_services.h"

namespace zw {

std::optional<int32_t> typed_card_amount(const QString& text) {
    const auto v = parse_hundredths(text.toStdString(), Sign::kAllowed);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

void refuse_field(UiServices& ui, QLineEdit* field, const QString& last_value, const char* message) {
    // The field holds a valid value again before the message box can take the
    // focus and end the editing a second time.
    field->setText(last_value);
    ui.message(field->window(), kWarning, QString::fromUtf8(message), 1, QStringLiteral("&OK"));
    field->setFocus();
    field->selectAll();
}

PoolView::PoolView(CardIndex& index, UiServices& ui, QString currency, QWidget* parent)
    : QWidget(parent), index_(index), ui_(ui), currency_(std::move(currency)) {
    setObjectName(QStringLiteral("Dlg_6"));
    auto* g = new QGridLayout(this);
    auto label = [&](const QString& text, int row, int col) {
        auto* l = new QLabel(text, this);
        g->addWidget(l, row, col);
        return l;
    };
    auto button = [&](const QString& text, int id, int row, int col, void (PoolView::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        b->setMaximumWidth(40);
        connect(b, &QPushButton::clicked, this, slot);
        g->addWidget(b, row, col);
    };
    label(QStringLiteral("TippGemeinschaft"), 0, 0)->setStyleSheet(QStringLiteral("font-weight: bold"));
    label(QStringLiteral("Mitglieder:"), 1, 0);
    members_ = new QLineEdit(this);
    members_->setObjectName(QStringLiteral("ed_members"));
    g->addWidget(members_, 1, 1, 1, 2);
    label(QStringLiteral("Start-Kapital:"), 2, 0);
    capital_ = new QLineEdit(this);
    capital_->setObjectName(QStringLiteral("ed_capital"));
    g->addWidget(capital_, 2, 1, 1, 2);
    label(currency_, 2, 3);
    label(QStringLiteral("erster Schein"), 3, 0);
    button(QStringLiteral("-"), 600, 3, 1, &PoolView::first_back);
    first_label_ = label({}, 3, 2);
    first_label_->setObjectName(QStringLiteral("lbl_first"));
    button(QStringLiteral("+"), 602, 3, 3, &PoolView::first_on);
    label(QStringLiteral("letzter Schein"), 4, 0);
    button(QStringLiteral("-"), 603, 4, 1, &PoolView::last_back);
    last_label_ = label({}, 4, 2);
    last_label_->setObjectName(QStringLiteral("lbl_last"));
    button(QStringLiteral("+"), 605, 4, 3, &PoolView::last_on);
    label(QStringLiteral("Einsatz:"), 5, 0);
    label(QStringLiteral("gesamt:"), 5, 1);
    stake_total_ = label({}, 5, 2);
    label(QStringLiteral("anteilig:"), 5, 3);
    stake_share_ = label({}, 5, 4);
    label(QStringLiteral("Gewinn:"), 6, 0);
    label(QStringLiteral("gesamt:"), 6, 1);
    win_total_ = label({}, 6, 2);
    label(QStringLiteral("anteilig:"), 6, 3);
    win_share_ = label({}, 6, 4);
    label(QStringLiteral("Rest-Kapital:"), 7, 0);
    rest_ = label({}, 7, 2);
    stake_total_->setObjectName(QStringLiteral("lbl_stake_total"));
    stake_share_->setObjectName(QStringLiteral("lbl_stake_share"));
    win_total_->setObjectName(QStringLiteral("lbl_win_total"));
    win_share_->setObjectName(QStringLiteral("lbl_win_share"));
    rest_->setObjectName(QStringLiteral("lbl_rest"));
    auto* compute_button = new QPushButton(QStringLiteral("&Berechnen"), this);
    compute_button->setObjectName(QStringLiteral("cmd640"));
    compute_button->setAutoDefault(false);
    connect(compute_button, &QPushButton::clicked, this, &PoolView::compute);
    g->addWidget(compute_button, 8, 0);
    connect(members_, &QLineEdit::editingFinished, this, &PoolView::compute);
    connect(capital_, &QLineEdit::editingFinished, this, &PoolView::compute);
    members_->setText(QString::number(index_.members()));
    capital_->setText(QString::fromStdString(cents_text(index_.capital())));
    last_ = std::max(1, index_.count());
    refresh();
}

bool PoolView::take_values() {
    const auto members = parse_whole(members_->text().toStdString(), 1, 32767);
    const auto capital = typed_card_amount(capital_->text());
    index_.set_pool(members ? static_cast<int>(*members) : index_.members(), capital ? *capital : index_.capital());
    const QString members_text = QString::number(index_.members());
    const QString capital_text = QString::fromStdString(cents_text(index_.capital()));
    if (!members) {
        refuse_field(ui_, members_, members_text, kMembersRefused);
        return false;
    }
    if (!capital) {
        refuse_field(ui_, capital_, capital_text, kAmountRefused);
        return false;
    }
    members_->setText(members_text);
    capital_->setText(capital_text);
    return true;
}

void PoolView::first_back() { move_range(std::max(1, first_ - 1), last_); }
void PoolView::first_on() { move_range(std::min(last_, first_ + 1), last_); }
void PoolView::last_back() { move_range(first_, std::max(first_, last_ - 1)); }
void PoolView::last_on() { move_range(first_, std::min(std::max(1, index_.count()), last_ + 1)); }
void PoolView::compute() { move_range(first_, last_); }

void PoolView::move_range(int first, int last) {
    // Nothing moves while a field is refused.
    if (take_values()) {
        first_ = first;
        last_ = last;
    }
    refresh();
}

void PoolView::refresh() {
    const int count = std::max(1, index_.count());
    last_ = std::clamp(last_, 1, count);
    first_ = std::clamp(first_, 1, last_);
    figures_ = pool_figures(index_, first_, last_);
    auto money = [&](int64_t cents) { return QString::fromStdString(cents_text(cents)) + QLatin1Char(' ') + currency_; };
    first_label_->setText(QString::number(first_));
    last_label_->setText(QString::number(last_));
    stake_total_->setText(money(figures_.stake_total));
    stake_share_->setText(money(figures_.stake_share));
    win_total_->setText(money(figures_.win_total));
    win_share_->setText(money(figures_.win_share));
    rest_->setText(money(figures_.rest_capital));
}

}  // namespace zw
