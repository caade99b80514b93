#include "tipping/fees_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tipping/quota_form.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace zw {
namespace {

// Field n (1..5) -> fee entry.
constexpr std::array<FeeEntry, 5> kEntries = {kRowStake, kSideStake1, kSideStake2, kFeeNormal,
                                              kFeeSystem};
// Names of the currency labels beside ed1..ed5.
constexpr std::array<const char*, 5> kCurrencyLabels = {"lbl13", "lbl14", "lbl15", "lbl18",
                                                        "lbl19"};

}  // namespace

FeesDialog::FeesDialog(Session& session, UiServices& ui, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), game_(session.params.code) {
    setObjectName(QStringLiteral("gbhr"));
    setWindowTitle(QStringLiteral("Gebühren:"));
    setModal(true);
    const FeeForm form = fee_form(game_);
    const QString currency = q(session_.params.currency);
    const std::array<QString, 5> captions = {QStringLiteral("Preis pro Tipp:"), q(form.side1_label),
                                             q(form.side2_label), QStringLiteral("Normalschein:"),
                                             QStringLiteral("Systemschein:")};
    const std::array<const char*, 5> caption_names = {"lbl10", "lbl11", "lbl12", "lbl16", "lbl17"};

    auto* stakes = new QGroupBox(QStringLiteral("Einsätze"), this);
    stakes->setObjectName(QStringLiteral("fra1"));
    auto* fees = new QGroupBox(QStringLiteral("Bearbeitungsgebühren"), this);
    fees->setObjectName(QStringLiteral("fra2"));
    auto* stake_grid = new QGridLayout(stakes);
    auto* fee_grid = new QGridLayout(fees);
    const int field_width =
        QFontMetrics(ui_font(14)).horizontalAdvance(QStringLiteral("0000000000"));

    // Both frames line their fields up in one column.
    int caption_width = 0;
    for (const QString& c : captions)
        caption_width = std::max(caption_width, fontMetrics().horizontalAdvance(c));

    for (int i = 0; i < 5; ++i) {
        QWidget* frame = i < 3 ? static_cast<QWidget*>(stakes) : fees;
        QGridLayout* grid = i < 3 ? stake_grid : fee_grid;
        const int row = i < 3 ? i : i - 3;
        auto* caption = new QLabel(captions[static_cast<size_t>(i)], frame);
        caption->setObjectName(QLatin1String(caption_names[static_cast<size_t>(i)]));
        caption->setMinimumWidth(caption_width);
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(QStringLiteral("ed%1").arg(i + 1));
        edit->setFont(ui_font(14));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(field_width);
        opened_[static_cast<size_t>(i)] = session_.money.fee(game_, kEntries[static_cast<size_t>(i)]);
        edit->setText(q(fee_text(opened_[static_cast<size_t>(i)])));
        edit->installEventFilter(this);
        caption->setBuddy(edit);
        auto* unit = new QLabel(currency, frame);
        unit->setObjectName(QLatin1String(kCurrencyLabels[static_cast<size_t>(i)]));
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit, row, 2);
        edits_[static_cast<size_t>(i)] = edit;
        if (i == 2 && !form.side2_shown) {
            // The Swiss game has no second side-game stake to edit.
            edit->hide();
            unit->hide();
        }
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmd6"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    cancel->setObjectName(QStringLiteral("cmd7"));
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, [this] { cmd6_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { cmd7_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stakes);
    layout->addWidget(fees);
    layout->addLayout(buttons);
    edits_[0]->setFocus();
}

bool FeesDialog::store(int n) {
    QLineEdit* edit = edits_[static_cast<size_t>(n - 1)];
    const FeeEntry entry = kEntries[static_cast<size_t>(n - 1)];
    const auto cents = fee_from_text(edit->text().toStdString());
    if (cents) session_.money.fees[entry][static_cast<size_t>(game_)] = *cents;
    edit->setText(q(fee_text(session_.money.fee(game_, entry))));
    return cents.has_value();
}

void FeesDialog::refused(int n) {
    ui_.message(this, kWarning,
                QStringLiteral("Bitte einen Betrag wie 1.20 eingeben.|"
                               "Erlaubt sind 0.00 bis %1 %2.")
                    .arg(q(kFeeMaximumText), q(session_.params.currency)));
    edits_[static_cast<size_t>(n - 1)]->setFocus();
}

bool FeesDialog::ed_KeyPress(int n, int key) {
    if (n < 1 || n > 5 || (key != 13 && key != 9)) return true;
    if (!store(n)) {
        refused(n);
        return false;
    }
    if (key == 13) focusNextChild();
    return true;
}

bool FeesDialog::cmd6_Click() {
    // All fields are checked first so that a refusal stores nothing.
    for (int n = 1; n <= 5; ++n) {
        if (!fee_from_text(edits_[static_cast<size_t>(n - 1)]->text().toStdString())) {
            refused(n);
            return false;
        }
    }
    for (int n = 1; n <= 5; ++n) store(n);
    accept();
    return true;
}

void FeesDialog::cmd7_Click() {
    reject();
}

void FeesDialog::reject() {
    for (size_t i = 0; i < kEntries.size(); ++i) session_.money.fees[kEntries[i]][static_cast<size_t>(game_)] = opened_[i];
    QDialog::reject();
}

bool FeesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int n = 1; n <= 5; ++n) {
            if (watched != edits_[static_cast<size_t>(n - 1)]) continue;
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ed_KeyPress(n, 13);
                return true;
            }
            if (key == Qt::Key_Tab) {
                // A refused amount keeps the focus in its field.
                return !ed_KeyPress(n, 9);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FeesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zw
