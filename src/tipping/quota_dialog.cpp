#include "tipping/quota_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
QuotaDialog::QuotaDialog(Session& session, UiServices& ui, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ui_(ui),
      game_(session.params.code),
      form_(quota_form(session.params.code)) {
    setObjectName(QStringLiteral("Dlg_10"));
    setWindowTitle(q(form_.title));
    setFont(ui_font(14));
    setModal(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const QString currency = q(session_.params.currency);
    // Room for the 11-character amount plus the field's frame and margins.
    const int field_width = fontMetrics().horizontalAdvance(QString(15, QLatin1Char('0')));
    int row = 0;
    for (const QuotaField& f : form_.fields) {
        if (f.target == QuotaTarget::kLottoPlus && f.index == 1) {
            auto* heading = new QLabel(q(form_.lottoplus_heading), this);
            heading->setObjectName(QStringLiteral("lbl100"));
            grid->addWidget(heading, row++, 0, 1, 3);
        }
        auto* label = new QLabel(q(f.label), this);
        label->setObjectName(QStringLiteral("lbl%1").arg(f.id));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("ed%1").arg(f.id));
        edit->setFixedWidth(field_width);
        edit->setText(q(quota_text(quota_field_value(f, game_, session_.money, session_.params))));
        label->setBuddy(edit);
        connect(edit, &QLineEdit::returnPressed, this, [this] { Dlg_10_MenuEvent(); });
        auto* unit = new QLabel(currency, this);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit, row, 2);
        edits_.push_back(edit);
        ++row;
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmd100"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    cancel->setObjectName(QStringLiteral("cmd110"));
    // Enter belongs to the fields (reformatting), never to a button.
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, [this] { cmd100_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { cmd110_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    if (!edits_.empty()) edits_.front()->setFocus();
}

QLineEdit* QuotaDialog::field(int id) const {
    for (size_t i = 0; i < form_.fields.size(); ++i)
        if (form_.fields[i].id == id) return edits_[i];
    return nullptr;
}

void QuotaDialog::Dlg_10_MenuEvent() {
    for (QLineEdit* edit : edits_) {
        // An amount the table cannot hold stays as typed; "&OK" reports it.
        if (auto t = reformat_quota_text(edit->text().toStdString())) edit->setText(q(*t));
    }
    focusNextChild();
}

bool QuotaDialog::cmd100_Click() {
    std::vector<int32_t> values;
    for (size_t i = 0; i < edits_.size(); ++i) {
        const auto v = quota_from_text(edits_[i]->text().toStdString());
        if (!v) {
            ui_.message(this, kWarning,
                        QStringLiteral("%1|Dieser Betrag passt nicht in die Quotentabelle.|"
                                       "Erlaubt sind 0.00 bis %2 %3.")
                            .arg(q(form_.fields[i].label).trimmed(), q(kQuotaMaximumText),
                                 q(session_.params.currency)));
            edits_[i]->setFocus();
            edits_[i]->selectAll();
            return false;
        }
        values.push_back(*v);
    }
    for (size_t i = 0; i < values.size(); ++i)
        store_quota_field(form_.fields[i], game_, values[i], session_.money, session_.params);
    finish_quota_confirm(game_, session_.money);
    accept();
    return true;
}

void QuotaDialog::cmd110_Click() {
    reject();
}

void QuotaDialog::keyPressEvent(QKeyEvent* event) {
    // A field's Enter has been handled by Dlg_10_MenuEvent; it must not close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zw
