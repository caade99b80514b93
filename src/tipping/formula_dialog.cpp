#include "tipping/formula_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/fonts.h"

namespace zw {

namespace {

// The captions of lb1..lb5; "&&" shows a single "&" beside the buddy button.
constexpr std::array<const char*, 5> kCaptions{"Häufigste Zahlen:", "&& Rückständigste:", "Partner zu:",
                                               "Häufigste Partner:", "&& Rückständigste:"};

}  // namespace

FormulaDialog::FormulaDialog(const FormulaSettings& settings, int highest, QWidget* parent)
    : QDialog(parent), settings_(settings), highest_(highest) {
    setObjectName(QStringLiteral("Dlg_8"));
    setWindowTitle(QStringLiteral("Formelgenerator"));
    setFont(ui_font(11));
    auto* grid = new QGridLayout;
    for (int i = 1; i <= 5; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("lb%1").arg(i));
        l->setMinimumWidth(210);
        auto* minus = new QPushButton(QStringLiteral("-"), this);
        auto* plus = new QPushButton(QStringLiteral("+"), this);
        minus->setObjectName(QStringLiteral("minus%1").arg(i));
        plus->setObjectName(QStringLiteral("plus%1").arg(i));
        for (auto* b : {minus, plus}) {
            b->setFixedWidth(34);
            b->setAutoDefault(false);
            b->setAutoRepeat(true);
        }
        l->setBuddy(plus);
        connect(minus, &QPushButton::clicked, this, [this, i] { decrease(i); });
        connect(plus, &QPushButton::clicked, this, [this, i] { increase(i); });
        // The partner block starts after a gap.
        const int row = i <= 2 ? i - 1 : i;
        grid->addWidget(l, row, 0);
        grid->addWidget(minus, row, 1);
        grid->addWidget(plus, row, 2);
        labels_[static_cast<size_t>(i - 1)] = l;
    }
    grid->setRowMinimumHeight(2, 12);

    auto* question = new QLabel(QStringLiteral("Zahlen der letzten Ziehung aus- lassen?"), this);
    question->setObjectName(QStringLiteral("lb6"));
    labels_[5] = question;
    yes_ = new QRadioButton(QStringLiteral("&JA"), this);
    no_ = new QRadioButton(QStringLiteral("&NEIN"), this);
    yes_->setObjectName(QStringLiteral("op492"));
    no_->setObjectName(QStringLiteral("op494"));
    (settings_.skip_last_draw ? yes_ : no_)->setChecked(true);
    connect(yes_, &QRadioButton::clicked, this, [this] { set_skip_last_draw(true); });
    connect(no_, &QRadioButton::clicked, this, [this] { set_skip_last_draw(false); });
    auto* answer = new QHBoxLayout;
    answer->addWidget(yes_);
    answer->addWidget(no_);
    answer->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    ok->setObjectName(QStringLiteral("cmd_ok"));
    cancel->setObjectName(QStringLiteral("cmd_abbruch"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FormulaDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &FormulaDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(question);
    layout->addLayout(answer);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Settings kept from a game with more numbers.
    for (int i = 1; i <= 5; ++i) count(i) = std::clamp(count(i), 0, limit(i));
    show_counts();
}

int& FormulaDialog::count(int i) {
    switch (i) {
        case 1: return settings_.most_frequent;
        case 2: return settings_.longest_gap;
        case 3: return settings_.partner;
        case 4: return settings_.partner_frequent;
        default: return settings_.partner_gap;
    }
}

// A base number 1..N (0: none); N - 1 partners at most.
int FormulaDialog::limit(int i) const { return i == 3 ? highest_ : i >= 4 ? highest_ - 1 : highest_; }

void FormulaDialog::decrease(int i) {
    int& c = count(i);
    c = std::max(0, c - 1);
    show_counts();
}

void FormulaDialog::increase(int i) {
    int& c = count(i);
    c = std::min(limit(i), c + 1);
    show_counts();
}

void FormulaDialog::set_skip_last_draw(bool skip) {
    settings_.skip_last_draw = skip;
    yes_->setChecked(skip);
    no_->setChecked(!skip);
}

void FormulaDialog::show_counts() {
    for (int i = 1; i <= 5; ++i) {
        const int c = count(i);
        const QString value = i == 3 && c == 0 ? QStringLiteral("-") : QString::number(c);
        labels_[static_cast<size_t>(i - 1)]->setText(QString::fromUtf8(kCaptions[static_cast<size_t>(i - 1)]) +
                                                    QStringLiteral("  ") + value);
    }
}

}  // namespace zw
