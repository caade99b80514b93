#include "tipping/ticket_number_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "games/game_catalogue.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QFont dialog_font(bool courier) {
    QFont f(courier ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(14);
    return f;
}

QLineEdit* digits_field(int max_length, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(max_length);
    e->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(max_length)), e));
    return e;
}

void add_buttons(QDialog* d, QBoxLayout* layout, const std::function<void()>& ok) {
    auto* row = new QHBoxLayout;
    auto* ok_button = new QPushButton(QStringLiteral("&OK"), d);
    ok_button->setObjectName(QStringLiteral("cmd_ok"));
    ok_button->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), d);
    cancel->setObjectName(QStringLiteral("cmd_abbruch"));
    QObject::connect(ok_button, &QPushButton::clicked, d, ok);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    row->addWidget(ok_button);
    row->addWidget(cancel);
    layout->addLayout(row);
}

}  // namespace

TicketNumberDialog::TicketNumberDialog(Kind kind, const TicketOptions& options, const GameParams& params,
                                       UiServices& ui, QWidget* parent)
    : QDialog(parent), kind_(kind), options_(options), ui_(ui) {
    auto* layout = new QVBoxLayout(this);
    switch (kind) {
        case Kind::kLotteryNumber: {
            setObjectName(QStringLiteral("LosNummer"));
            setWindowTitle(QStringLiteral("LosNummer:"));
            setFont(dialog_font(true));
            auto* row = new QHBoxLayout;
            row->addWidget(new QLabel(QStringLiteral("Los-Nr.:"), this));
            fields_[0] = digits_field(7, this);
            fields_[0]->setText(q(lottery_number_preset(options, params)));
            row->addWidget(fields_[0]);
            layout->addLayout(row);
            break;
        }
        case Kind::kSuperNumber:
            setObjectName(QStringLiteral("SuperZahl"));
            setWindowTitle(QStringLiteral("SuperZahl:"));
            setFont(dialog_font(true));
            fields_[0] = digits_field(1, this);
            fields_[0]->setText(QString::number(options.super_number));
            layout->addWidget(fields_[0]);
            break;
        case Kind::kJokers: {
            setObjectName(QStringLiteral("JokerNummern"));
            setWindowTitle(QStringLiteral("Joker Nummern:"));
            setFont(dialog_font(false));
            auto* grid = new QGridLayout;
            for (int i = 0; i < 10; ++i) {
                fields_[static_cast<size_t>(i)] = digits_field(6, this);
                fields_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("joker%1").arg(i + 1));
                fields_[static_cast<size_t>(i)]->setText(q(options.joker_numbers[static_cast<size_t>(i)]));
                grid->addWidget(new QLabel(QStringLiteral("Joker %1:").arg(i + 1), this), i % 5, (i / 5) * 2);
                grid->addWidget(fields_[static_cast<size_t>(i)], i % 5, (i / 5) * 2 + 1);
            }
            layout->addLayout(grid);
            break;
        }
    }
    if (fields_[0]) fields_[0]->setObjectName(fields_[0]->objectName().isEmpty() ? QStringLiteral("ed1")
                                                                                  : fields_[0]->objectName());
    add_buttons(this, layout, [this] { confirm(); });
}

void TicketNumberDialog::confirm() {
    TicketOptions o = options_;
    bool ok = false;
    QString refusal;
    switch (kind_) {
        case Kind::kLotteryNumber:
            ok = apply_lottery_number(o, fields_[0]->text().toStdString());
            refusal = QStringLiteral("Die Los-Nummer besteht aus höchstens 7 Ziffern.");
            break;
        case Kind::kSuperNumber:
            ok = apply_super_number(o, fields_[0]->text().toStdString());
            refusal = QStringLiteral("Die SuperZahl ist eine Ziffer von 0 bis 9.");
            break;
        case Kind::kJokers: {
            std::array<std::string, 10> texts;
            for (size_t i = 0; i < texts.size(); ++i) texts[i] = fields_[i]->text().toStdString();
            const int bad = apply_joker_numbers(o, texts);
            ok = bad == 0;
            refusal = QStringLiteral("Joker %1: eine Joker-Nummer hat höchstens 6 Ziffern.").arg(bad);
            break;
        }
    }
    if (!ok) {
        ui_.message(this, kWarning, refusal, 1, QStringLiteral("&OK"));
        return;
    }
    options_ = o;
    accept();
}

SiegerChanceDialog::SiegerChanceDialog(bool preset, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dlg_9"));
    setWindowTitle(QStringLiteral("SiegerChance:"));
    auto* layout = new QVBoxLayout(this);
    yes_ = new QRadioButton(QStringLiteral("&Ja"), this);
    yes_->setObjectName(QStringLiteral("opt_ja"));
    no_ = new QRadioButton(QStringLiteral("&Nein"), this);
    no_->setObjectName(QStringLiteral("opt_nein"));
    (preset ? yes_ : no_)->setChecked(true);
    layout->addWidget(yes_);
    layout->addWidget(no_);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmd_ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

bool SiegerChanceDialog::chosen() const { return yes_->isChecked(); }

}  // namespace zw
