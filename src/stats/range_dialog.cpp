#include "stats/range_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "archive/calendar.h"
#include "stats/stat_table_export.h"
#include "stats/stat_tables.h"
#include "ui/help_key.h"

namespace zw {

RangeDialog::RangeDialog(Session& session, HelpFunction help, QWidget* parent)
    : QDialog(parent),
      session_(session),
      help_(std::move(help)),
      saved_first_(session.range.first),
      saved_last_(session.range.last),
      limit_(DrawSource(session.archive, session.params).limit()) {
    setObjectName(QStringLiteral("rahm"));
    setWindowTitle(QStringLiteral("Ziehungsrahmen"));

    auto make_bar = [this](const char* name) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(name));
        // The last reachable position is the newest draw (Austria: with the bonus draws).
        bar->setRange(0, std::max(limit_ - 1, 0));
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setMinimumWidth(520);
        bar->setEnabled(limit_ >= 1);
        return bar;
    };
    auto make_label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setMinimumWidth(110);
        return l;
    };
    scl2_ = make_bar("scl2");
    scl3_ = make_bar("scl3");
    first_number_ = make_label("lbl1");
    first_date_ = make_label("lbl2");
    last_number_ = make_label("lbl3");
    last_date_ = make_label("lbl4");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Erste Ziehung:"), this), 0, 0);
    grid->addWidget(first_number_, 0, 1);
    grid->addWidget(first_date_, 0, 2);
    grid->addWidget(scl2_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Letzte Ziehung:"), this), 2, 0);
    grid->addWidget(last_number_, 2, 1);
    grid->addWidget(last_date_, 2, 2);
    grid->addWidget(scl3_, 3, 0, 1, 3);
    count_ = make_label("lblCount");
    grid->addWidget(count_, 4, 0, 1, 3);

    // The range by count or by dates; both set first and last as the bars do.
    last_count_ = new QSpinBox(this);
    last_count_->setObjectName(QStringLiteral("txtLast"));
    last_count_->setRange(1, std::max(limit_, 1));
    last_count_->setValue(std::min(std::max(limit_, 1), 100));
    auto* take_count = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    take_count->setObjectName(QStringLiteral("cmdLast"));
    connect(take_count, &QPushButton::clicked, this, [this] { choose_last_draws(last_count_->value()); });
    from_date_ = new QLineEdit(this);
    to_date_ = new QLineEdit(this);
    from_date_->setObjectName(QStringLiteral("txtFrom"));
    to_date_->setObjectName(QStringLiteral("txtTo"));
    for (QLineEdit* e : {from_date_, to_date_}) {
        e->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
        e->setMaxLength(10);
    }
    auto* take_dates = new QPushButton(QStringLiteral("Üb&ernehmen"), this);
    take_dates->setObjectName(QStringLiteral("cmdDates"));
    connect(take_dates, &QPushButton::clicked, this,
            [this] { choose_dates(from_date_->text().trimmed(), to_date_->text().trimmed()); });
    auto* by_count = new QHBoxLayout;
    auto* last_label = new QLabel(QStringLiteral("Die &letzten"), this);
    last_label->setBuddy(last_count_);
    by_count->addWidget(last_label);
    by_count->addWidget(last_count_);
    by_count->addWidget(new QLabel(QStringLiteral("Ziehungen"), this));
    by_count->addWidget(take_count);
    by_count->addStretch(1);
    auto* by_date = new QHBoxLayout;
    auto* from_label = new QLabel(QStringLiteral("&Vom"), this);
    from_label->setBuddy(from_date_);
    auto* to_label = new QLabel(QStringLiteral("b&is"), this);
    to_label->setBuddy(to_date_);
    by_date->addWidget(from_label);
    by_date->addWidget(from_date_);
    by_date->addWidget(to_label);
    by_date->addWidget(to_date_);
    by_date->addWidget(take_dates);
    by_date->addStretch(1);

    auto* cmd4 = new QPushButton(QStringLiteral("&OK"), this);
    auto* cmd5 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    auto* cmd36 = new QPushButton(QStringLiteral("&Hilfe"), this);
    cmd4->setObjectName(QStringLiteral("cmd4"));
    cmd5->setObjectName(QStringLiteral("cmd5"));
    cmd36->setObjectName(QStringLiteral("cmd36"));
    cmd4->setDefault(true);
    connect(cmd4, &QPushButton::clicked, this, &RangeDialog::cmd4_Click);
    connect(cmd5, &QPushButton::clicked, this, &RangeDialog::reject);
    connect(cmd36, &QPushButton::clicked, this, [this] {
        if (help_) help_(QStringLiteral("ziehungsrahmen.htm"));
    });
    add_help_key(this, [cmd36] { cmd36->click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd4);
    buttons->addWidget(cmd5);
    buttons->addWidget(cmd36);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(by_count);
    layout->addLayout(by_date);
    layout->addLayout(buttons);

    connect(scl2_, &QScrollBar::valueChanged, this, &RangeDialog::scl2_Change);
    connect(scl3_, &QScrollBar::valueChanged, this, &RangeDialog::scl3_Change);
    refresh();
}

QString RangeDialog::date_text(int draw) const {
    if (draw < 1) return {};
    if (session_.params.austria) return QString::fromStdString(DrawSource(session_.archive, session_.params).date(draw));
    const DrawDate d = draw_date(session_.params.code, draw);
    return QString::fromStdString(d.prefix + d.text).trimmed();
}

void RangeDialog::refresh() {
    const DrawRange& r = session_.range;
    {
        const QSignalBlocker b2(scl2_), b3(scl3_);
        scl2_->setValue(r.first - 1);
        scl3_->setValue(r.last - 1);
    }
    first_number_->setText(QStringLiteral("Nr. %1").arg(r.first));
    first_date_->setText(date_text(r.first));
    last_number_->setText(QStringLiteral("Nr. %1").arg(r.last));
    last_date_->setText(date_text(r.last));
    count_->setText(r.count == 1 ? QStringLiteral("1 Ziehung im Rahmen")
                                 : QStringLiteral("%1 Ziehungen im Rahmen").arg(r.count));
}

void RangeDialog::choose_last_draws(int count) {
    if (limit_ < 1) return;
    const DrawRange r = last_draws(count, session_.range.last);
    session_.range.set(r.first, r.last);
    refresh();
}

bool RangeDialog::choose_dates(const QString& from, const QString& to) {
    const auto r = draws_between(DrawSource(session_.archive, session_.params), from.toStdString(), to.toStdString());
    if (!r) {
        count_->setText(QStringLiteral("Keine Ziehung in diesen Tagen (TT.MM.JJJJ)"));
        return false;
    }
    session_.range.set(r->first, r->last);
    refresh();
    return true;
}

void RangeDialog::scl2_Change(int position) {
    session_.range.choose_first(position + 1);
    refresh();
}

void RangeDialog::scl3_Change(int position) {
    session_.range.choose_last(position + 1, limit_);
    refresh();
}

void RangeDialog::cmd4_Click() {
    DrawRange& r = session_.range;
    r.set(r.first, r.last);
    emit range_chosen();
    accept();
}

void RangeDialog::reject() {
    session_.range.set(saved_first_, saved_last_);
    QDialog::reject();
}

}  // namespace zw
