#include "tipping/filter_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/distributions.h"
#include "ui/fonts.h"

namespace zw {

FilterDialog::FilterDialog(GeneratorSettings& settings, const GameParams& params, std::function<void()> changed,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), params_(params), changed_(std::move(changed)), at_opening_(settings.filter) {
    setObjectName(QStringLiteral("filt"));
    setWindowTitle(QStringLiteral("G/U & T/H - Filter"));
    setFont(ui_font(11));
    const int border = low_limit(params_);
    auto* even = new QGroupBox(QStringLiteral("Gerade Zahlen je Reihe"), this);
    auto* low = new QGroupBox(QStringLiteral("Tiefe Zahlen (1 bis %1) je Reihe").arg(border - 1), this);
    auto* even_layout = new QVBoxLayout(even);
    auto* low_layout = new QVBoxLayout(low);
    for (int n = 1; n <= 14; ++n) {
        const int k = (n - 1) % 7;
        auto* c = new QCheckBox(n <= 7 ? QStringLiteral("%1 gerade").arg(k) : QStringLiteral("%1 tief").arg(k), this);
        c->setObjectName(QStringLiteral("chk%1").arg(n));
        connect(c, &QCheckBox::clicked, this, [this, n] { chk_Click(n); });
        (n <= 7 ? even_layout : low_layout)->addWidget(c);
        checks_[static_cast<size_t>(n - 1)] = c;
    }
    auto* groups = new QHBoxLayout;
    groups->addWidget(even);
    groups->addWidget(low);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setFont(ui_font(12));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    ok->setObjectName(QStringLiteral("cmd23"));
    cancel->setObjectName(QStringLiteral("cmd24"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FilterDialog::cmd23_Click);
    connect(cancel, &QPushButton::clicked, this, &FilterDialog::cmd24_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    show_state();
}

bool& FilterDialog::allowed(int n) {
    GeneratorFilter& f = settings_.filter;
    return n <= 7 ? f.even[static_cast<size_t>(n - 1)] : f.low[static_cast<size_t>(n - 8)];
}

void FilterDialog::chk_Click(int n) {
    if (n < 1 || n > 14) return;
    allowed(n) = checks_[static_cast<size_t>(n - 1)]->isChecked();
    show_state();
    if (changed_) changed_();
}

void FilterDialog::cmd23_Click() { QDialog::accept(); }

void FilterDialog::cmd24_Click() {
    settings_.filter = at_opening_;
    show_state();
    if (changed_) changed_();
    QDialog::reject();
}

void FilterDialog::show_state() {
    for (int n = 1; n <= 14; ++n) checks_[static_cast<size_t>(n - 1)]->setChecked(allowed(n));
    const uint64_t possible = possible_rows(settings_.state, settings_.filter, params_);
    status_->setText(QStringLiteral("Filtereinstellungen: %1 mögliche Reihen").arg(possible));
}

}  // namespace zw
