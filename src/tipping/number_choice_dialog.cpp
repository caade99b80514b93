#include "tipping/number_choice_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "stats/frequencies.h"
#include "tipping/number_grid_widget.h"
#include "tipping/row_generator.h"
#include "ui/fonts.h"

namespace zw {

NumberChoiceDialog::NumberChoiceDialog(Session& session, const QString& title, const QString& prompt,
                                       QWidget* parent)
    : QDialog(parent), highest_(session.params.highest_number) {
    setObjectName(QStringLiteral("choice"));
    setWindowTitle(title);
    const DrawSource source(session.archive, session.params);
    StatTables t;
    compute_frequencies(source, session.range, t);
    compute_gaps(source, session.range.last, t);

    grid_ = new NumberGridWidget(highest_, 7, this);
    for (int n = 1; n <= highest_; ++n) grid_->set_frequency(n, t.main_frequency[static_cast<size_t>(n)]);
    connect(grid_, &NumberGridWidget::cell_clicked, this, &NumberChoiceDialog::toggle);

    auto* head = new QLabel(prompt, this);
    head->setObjectName(QStringLiteral("prompt"));
    head->setFont(ui_font(14));
    typed_ = new QLabel(this);
    typed_->setObjectName(QStringLiteral("typed"));
    typed_->setFont(ui_font(12));

    auto* ok = new QPushButton(QStringLiteral("   &OK    "), this);
    ok->setObjectName(QStringLiteral("cmd_ok"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    cancel->setObjectName(QStringLiteral("cmd_abbruch"));
    for (auto* b : {ok, cancel}) b->setFocusPolicy(Qt::NoFocus);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* lists = new QHBoxLayout;
    lists->addWidget(top_list_label(this, "top_hauf", QStringLiteral("HAUF"), top_numbers(t.main_frequency, highest_, 18),
                              t.main_frequency));
    lists->addWidget(top_list_label(this, "top_ruck", QStringLiteral("RUCK"), top_numbers(t.main_gap, highest_, 18),
                              t.main_gap));
    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_);
    middle->addSpacing(12);
    middle->addLayout(lists);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(typed_);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(head);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    setFocusPolicy(Qt::StrongFocus);
}

std::vector<int> NumberChoiceDialog::chosen() const {
    std::vector<int> out;
    for (int n = 1; n <= highest_; ++n)
        if (grid_->mark(n) != NumberGridWidget::Mark::kNone) out.push_back(n);
    return out;
}

void NumberChoiceDialog::toggle(int n) {
    if (n < 1 || n > highest_) return;
    const bool on = grid_->mark(n) == NumberGridWidget::Mark::kNone;
    grid_->set_mark(n, on ? NumberGridWidget::Mark::kTip : NumberGridWidget::Mark::kNone);
}

void NumberChoiceDialog::keyPressEvent(QKeyEvent* event) {
    switch (typed_number_.key(*event)) {
        case TypedNumber::Key::kEntered: toggle(typed_number_.value()); break;
        case TypedNumber::Key::kChanged: break;
        case TypedNumber::Key::kOther: {
            const QString t = event->text().toLower();
            if (t == QLatin1String("o")) {
                accept();
            } else if (t == QLatin1String("a") || event->key() == Qt::Key_Escape) {
                reject();
            } else {
                QDialog::keyPressEvent(event);
            }
            return;
        }
    }
    typed_->setText(typed_number_.caption());
}

std::optional<std::vector<int>> NumberChoiceDialog::choose(Session& session, const QString& title,
                                                           const QString& prompt, QWidget* parent) {
    NumberChoiceDialog dialog(session, title, prompt, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace zw
