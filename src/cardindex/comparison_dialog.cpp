#include "cardindex/comparison_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "cardindex/card_list_format.h"
#include "cardindex/prize_distribution_dialog.h"
#include "evaluation/evaluation_painter.h"
#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

ComparisonDialog::ComparisonDialog(Session& session, UiServices& ui, CardKind kind, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), kind_(kind) {
    setObjectName(QStringLiteral("Dlg_5"));
    setWindowTitle(q(comparison_title(kind)));
    const GameCode game = session_.params.code;
    const QFont fixed = evaluation_font();
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    top->addWidget(label(this, "lb1", QStringLiteral("Vergleich mit der Ziehung vom:")));
    auto* minus = new QPushButton(QStringLiteral("-"), this);
    minus->setObjectName(QStringLiteral("minus"));
    date_ = label(this, "lb505", {});
    date_->setFont(fixed);
    date_->setAlignment(Qt::AlignCenter);
    date_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QStringLiteral("B 00.00.0000 (0000)")));
    auto* plus = new QPushButton(QStringLiteral("+"), this);
    plus->setObjectName(QStringLiteral("plus"));
    for (QPushButton* b : {minus, plus}) {
        b->setAutoDefault(false);
        b->setFixedWidth(32);
    }
    connect(minus, &QPushButton::clicked, this, &ComparisonDialog::previous_draw);
    connect(plus, &QPushButton::clicked, this, &ComparisonDialog::next_draw);
    top->addWidget(minus);
    top->addWidget(date_);
    top->addWidget(plus);
    top->addStretch(1);
    layout->addLayout(top);

    auto* tickets_row = new QHBoxLayout;
    tickets_row->addWidget(label(this, "lb2", QStringLiteral("Scheine")));
    tickets_ = label(this, "lb2_value", {});
    tickets_->setFont(fixed);
    tickets_row->addWidget(tickets_);
    tickets_row->addStretch(1);
    layout->addLayout(tickets_row);

    counts_box_ = new QWidget(this);
    counts_box_->setObjectName(QStringLiteral("counts"));
    counts_box_->setFont(fixed);
    header_ = label(counts_box_, "lb3", q(class_header(game, kind)));
    if (session_.params.austria)
        plus_label_ = label(counts_box_, "lb9", kind == CardKind::Normal ? QStringLiteral("LPlus") : QStringLiteral("LottoPlus"));
    const size_t shown = shown_classes(game).size();
    for (size_t i = 0; i < shown; ++i) {
        QLabel* l = label(counts_box_, "gw", QStringLiteral("0"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_.push_back(l);
    }
    layout->addWidget(counts_box_);

    auto* money = new QGridLayout;
    money->addWidget(label(this, "lb4", QStringLiteral("Einsatz:")), 0, 0);
    stake_ = label(this, "lb532", {});
    winnings_ = label(this, "lb540", {});
    side_ = label(this, "lb8_value", {});
    for (QLabel* l : {stake_, winnings_, side_}) l->setFont(fixed);
    money->addWidget(stake_, 0, 1);
    money->addWidget(label(this, "lb5", QStringLiteral("  Gewinn: ~")), 0, 2);
    money->addWidget(winnings_, 0, 3);
    // A label shows "&&" as it is; the window means one ampersand.
    QString side_text = q(side_label(game, kind));
    side_text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    money->addWidget(label(this, "lb8", side_text), 1, 0, 1, 3);
    money->addWidget(side_, 1, 3);
    money->setColumnStretch(4, 1);
    layout->addLayout(money);
    problems_ = label(this, "problems", {});
    problems_->setWordWrap(true);
    layout->addWidget(problems_);

    auto* buttons = new QHBoxLayout;
    auto* distribution = new QPushButton(QStringLiteral("&Gewinn-Verteilung"), this);
    distribution->setObjectName(QStringLiteral("distribution"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    for (QPushButton* b : {distribution, cancel}) b->setAutoDefault(false);
    connect(distribution, &QPushButton::clicked, this, &ComparisonDialog::show_distribution);
    connect(cancel, &QPushButton::clicked, this, &ComparisonDialog::reject);
    buttons->addWidget(distribution);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    set_draw(last_evaluable_draw(session_.archive));
}

void ComparisonDialog::set_draw(int draw) {
    const EvaluationInputs in{session_.params, session_.archive, session_.range, session_.money, session_.partial_systems};
    const CardIndex& index = kind_ == CardKind::Normal ? session_.normal_cards : session_.system_cards;
    comparison_ = compare_with_draw(index, draw, in);
    show_comparison();
}

void ComparisonDialog::show_comparison() {
    const QString cur = QStringLiteral(" ") + q(session_.params.currency);
    date_->setText(q(comparison_.date));
    tickets_->setText(QString::number(comparison_.tickets));
    const std::vector<int64_t> totals = shown_totals(session_.params.code, comparison_);
    for (size_t i = 0; i < counts_.size() && i < totals.size(); ++i) counts_[i]->setText(QString::number(totals[i]));
    stake_->setText(q(money_text(comparison_.stake)) + cur);
    winnings_->setText(q(money_text(comparison_.winnings * 10)) + cur);
    side_->setText(q(money_text(comparison_.side_winnings * 10)) + cur);
    // System fields the evaluation cannot read are named, not silently left out.
    const auto& problems = comparison_.problems;
    QString note;
    if (!problems.empty()) {
        note = QStringLiteral("Nicht verglichen: ") + q(problems.front());
        if (problems.size() > 1) note += QStringLiteral(" (und %1 weitere)").arg(problems.size() - 1);
    }
    problems_->setText(note);
    problems_->setVisible(!note.isEmpty());
    place_counts();
}

// The counts stand right-aligned under their header column; a count wider
// than its column moves right instead of covering its neighbour.
void ComparisonDialog::place_counts() {
    const QFontMetricsF fm(counts_box_->font());
    // Fixed-pitch advances are fractional; columns are placed at exact multiples.
    const double advance = fm.horizontalAdvance(QLatin1Char('0'));
    auto px = [advance](int columns) { return static_cast<int>(std::ceil(columns * advance)); };
    const int h = static_cast<int>(std::ceil(fm.height())) + 2;
    const std::string_view header = class_header(session_.params.code, kind_);
    const std::vector<HeaderToken> spans = header_tokens(header);
    int row = 0;
    if (plus_label_) {
        const size_t first_plus = 8;  // after the eight Austrian classes
        if (first_plus < spans.size()) plus_label_->setGeometry(px(static_cast<int>(spans[first_plus].start)), 0, px(12), h);
        row = h;
    }
    header_->setGeometry(0, row, px(static_cast<int>(header.size()) + 2), h);
    int next_free = 0, right_edge = static_cast<int>(header.size());
    for (size_t i = 0; i < counts_.size() && i < spans.size(); ++i) {
        const int len = static_cast<int>(counts_[i]->text().size());
        const int end = static_cast<int>(spans[i].start + spans[i].text.size());
        const int start = std::max(end - len, next_free);
        counts_[i]->setGeometry(px(start), row + h, px(len) + 2, h);
        next_free = start + len + 1;
        right_edge = std::max(right_edge, start + len);
    }
    counts_box_->setMinimumSize(px(right_edge + 2), row + 2 * h);
}

void ComparisonDialog::previous_draw() { set_draw(comparison_.draw > 1 ? comparison_.draw - 1 : 1); }

void ComparisonDialog::next_draw() {
    const int last = std::max(last_evaluable_draw(session_.archive), 1);
    set_draw(comparison_.draw < last ? comparison_.draw + 1 : last);
}

void ComparisonDialog::show_distribution() {
    PrizeDistributionDialog dialog(comparison_, session_.params.code, ui_, this);
    dialog.exec();
}

void show_comparison(QWidget* parent, Session& session, UiServices& ui, CardKind kind) {
    const CardIndex& index = kind == CardKind::Normal ? session.normal_cards : session.system_cards;
    if (index.empty()) {
        ui.message(parent, kWarning, q(empty_index_message(kind)), 1, QStringLiteral("&Hoppla!"));
        return;
    }
    if (last_evaluable_draw(session.archive) < 1) {
        ui.message(parent, kWarning, QStringLiteral("Das Archiv enthält noch keine Ziehung.|Ein Vergleich kann deshalb nicht durchgeführt werden!"),
                   1, QStringLiteral("&OK"));
        return;
    }
    ComparisonDialog dialog(session, ui, kind, parent);
    dialog.exec();
}

}  // namespace zw
