#include "archive/bonus_editor_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "session/session.h"
#include "ui/fonts.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QLineEdit* box(QWidget* parent, const QString& name, int length, const QString& pattern) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(length);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(QFontMetrics(e->font()).horizontalAdvance(QString(length + 1, QLatin1Char('0'))) + 12);
    return e;
}

}  // namespace

BonusEditorDialog::BonusEditorDialog(Session& session, UiServices& ui, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), editor_(session.archive.bonus_draws()) {
    setObjectName(QStringLiteral("frm6"));
    setWindowTitle(QStringLiteral("Bonus-Ziehungen"));

    lv2_ = new QTreeWidget(this);
    lv2_->setObjectName(QStringLiteral("lv2"));
    lv2_->setAccessibleName(QStringLiteral("Bonus-Ziehungen"));
    lv2_->setRootIsDecorated(false);
    lv2_->setAlternatingRowColors(true);
    lv2_->setUniformRowHeights(true);
    QStringList heads = {QStringLiteral("Nr."), QStringLiteral("   Datum")};
    for (int k = 1; k <= 6; ++k) heads << QStringLiteral("Z%1").arg(k);
    heads << QStringLiteral("ZZ");
    for (int k = 1; k <= 6; ++k) heads << QStringLiteral("P%1").arg(k);
    heads << QStringLiteral("JOKER");
    lv2_->setHeaderLabels(heads);
    lv2_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(lv2_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        lv2_ItemClick(lv2_->indexOfTopLevelItem(item));
    });

    // Edit boxes in the order of the list's columns.
    const QString digits = QStringLiteral("[0-9]*");
    date_ = box(this, QStringLiteral("ed_date"), 10, QStringLiteral("[0-9.]*"));
    auto* edits = new QGridLayout;
    // Each box's caption is its label: screen readers name the box by it.
    auto caption = [this](const QString& text, QWidget* box) {
        auto* l = new QLabel(text, this);
        l->setBuddy(box);
        return l;
    };
    edits->addWidget(caption(QStringLiteral("Datum"), date_), 0, 0);
    edits->addWidget(date_, 1, 0);
    for (int k = 0; k < 7; ++k) {
        numbers_[static_cast<size_t>(k)] =
            box(this, k < 6 ? QStringLiteral("ed_z%1").arg(k + 1) : QStringLiteral("ed_zz"), 2, digits);
        edits->addWidget(caption(k < 6 ? QStringLiteral("Z%1").arg(k + 1) : QStringLiteral("ZZ"),
                                 numbers_[static_cast<size_t>(k)]),
                         0, 1 + k, Qt::AlignHCenter);
        edits->addWidget(numbers_[static_cast<size_t>(k)], 1, 1 + k);
    }
    for (int k = 0; k < 6; ++k) {
        plus_[static_cast<size_t>(k)] = box(this, QStringLiteral("ed_p%1").arg(k + 1), 2, digits);
        edits->addWidget(caption(QStringLiteral("P%1").arg(k + 1), plus_[static_cast<size_t>(k)]), 0, 8 + k,
                         Qt::AlignHCenter);
        edits->addWidget(plus_[static_cast<size_t>(k)], 1, 8 + k);
    }
    joker_ = box(this, QStringLiteral("ed_joker"), 6, digits);
    edits->addWidget(caption(QStringLiteral("JOKER"), joker_), 0, 14, Qt::AlignHCenter);
    edits->addWidget(joker_, 1, 14);
    edits->setColumnStretch(15, 1);

    auto* cmd45 = new QPushButton(QStringLiteral("&Übernehmen"), this);
    cmd45->setObjectName(QStringLiteral("cmd45"));
    cmd45->setToolTip(QStringLiteral("Die Eingaben in die gewählte Zeile (oder als neue Zeile) übernehmen"));
    auto* cmd46 = new QPushButton(QStringLiteral("&Sichern"), this);
    cmd46->setObjectName(QStringLiteral("cmd46"));
    auto* cmd47 = new QPushButton(QStringLiteral("Letzte &entfernen"), this);
    cmd47->setObjectName(QStringLiteral("cmd47"));
    auto* cmd49 = new QPushButton(QStringLiteral("S&chließen"), this);
    cmd49->setObjectName(QStringLiteral("cmd49"));
    for (QPushButton* b : {cmd45, cmd46, cmd47, cmd49}) b->setAutoDefault(false);
    connect(cmd45, &QPushButton::clicked, this, &BonusEditorDialog::cmd45_Click);
    connect(cmd46, &QPushButton::clicked, this, &BonusEditorDialog::cmd46_Click);
    connect(cmd47, &QPushButton::clicked, this, &BonusEditorDialog::cmd47_Click);
    connect(cmd49, &QPushButton::clicked, this, &BonusEditorDialog::cmd49_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd45);
    buttons->addWidget(cmd46);
    buttons->addWidget(cmd47);
    buttons->addStretch(1);
    buttons->addWidget(cmd49);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lv2_, 1);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    resize(760, 520);
    frm6_Load();
}

void BonusEditorDialog::frm6_Load() {
    lv2_->clear();
    const auto& draws = editor_.draws();
    for (size_t i = 0; i <= draws.size(); ++i) {
        QStringList cells = {QString::number(static_cast<int>(i) + 1)};
        if (i < draws.size()) {
            const BonusRowInput in = BonusEditor::input_of(draws[i]);
            cells << q(in.date);
            for (const auto& n : in.numbers) cells << q(n);
            for (const auto& n : in.plus) cells << q(n);
            cells << q(in.joker);
        }
        auto* item = new QTreeWidgetItem(cells);
        for (int c = 2; c < 16; ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        lv2_->addTopLevelItem(item);
    }
    lv2_->scrollToBottom();
}

void BonusEditorDialog::lv2_ItemClick(int row) {
    selected_ = row;
    if (row >= 0 && row < editor_.count())
        fill_boxes(BonusEditor::input_of(editor_.draws()[static_cast<size_t>(row)]));
    else
        clear_boxes();
    if (QTreeWidgetItem* item = lv2_->topLevelItem(row)) lv2_->setCurrentItem(item);
}

void BonusEditorDialog::clear_boxes() { fill_boxes(BonusRowInput{}); }

void BonusEditorDialog::fill_boxes(const BonusRowInput& in) {
    date_->setText(q(in.date));
    for (size_t k = 0; k < 7; ++k) numbers_[k]->setText(q(in.numbers[k]));
    for (size_t k = 0; k < 6; ++k) plus_[k]->setText(q(in.plus[k]));
    joker_->setText(q(in.joker));
}

BonusRowInput BonusEditorDialog::boxes() const {
    BonusRowInput in;
    in.date = date_->text().toStdString();
    for (size_t k = 0; k < 7; ++k) in.numbers[k] = numbers_[k]->text().toStdString();
    for (size_t k = 0; k < 6; ++k) in.plus[k] = plus_[k]->text().toStdString();
    in.joker = joker_->text().toStdString();
    return in;
}

void BonusEditorDialog::cmd45_Click() {
    if (Status s = editor_.take(boxes(), selected_); !s) {
        ui_.message(this, kWarning, q(s.message()), 1, QStringLiteral("&OK"));
        return;  // the boxes keep their contents
    }
    changed_ = true;
    selected_ = -1;
    clear_boxes();
    frm6_Load();
}

void BonusEditorDialog::cmd46_Click() {
    if (Status s = save_bonus_file(session_.data_folder(), editor_.draws()); !s) {
        ui_.message(this, kWarning, q(s.message()), 1, QStringLiteral("&OK"));
        return;
    }
    // The archive takes the draws in the file's (date) order and merges them.
    DrawArchive& archive = session_.archive;
    const int old_end = archive.default_range().last;
    const bool range_at_end = session_.range.last >= old_end;
    archive.set_bonus_draws(parse_bonus_draws(format_bonus_file(editor_.draws())).draws);
    const int new_end = archive.default_range().last;
    if (range_at_end || session_.range.last > new_end)
        session_.range.set(session_.range.first, new_end);
    editor_ = BonusEditor(archive.bonus_draws());
    changed_ = false;
    selected_ = -1;
    frm6_Load();
    ui_.message(this, kInformation, QStringLiteral("Bonus-Ziehungen wurden gesichert!"), 1,
                QStringLiteral("&OK"));
}

void BonusEditorDialog::cmd47_Click() {
    clear_boxes();
    if (editor_.remove_last()) changed_ = true;
    selected_ = -1;
    frm6_Load();
}

bool BonusEditorDialog::may_close() {
    if (!changed_) return true;
    const int answer = ui_.message(
        this, kQuestion,
        QStringLiteral("Die Bonus-Ziehungen wurden geändert.|Sollen sie jetzt gesichert werden?"), 1,
        QStringLiteral("&JA|&NEIN|&Zurück"));
    if (answer == 3) return false;
    if (answer == 1) {
        cmd46_Click();
        return !changed_;
    }
    return true;
}

void BonusEditorDialog::cmd49_Click() {
    if (may_close()) QDialog::accept();
}

void BonusEditorDialog::reject() {
    if (may_close()) QDialog::reject();
}

void edit_bonus_draws(Host& host) {
    if (!host.session().params.austria) return;
    BonusEditorDialog dialog(host.session(), host.ui(), host.parent_widget());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

}  // namespace zw
