#include "stats/range_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "archive/calendar.h"
#include "stats/stat_tables.h"

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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd4);
    buttons->addWidget(cmd5);
    buttons->addWidget(cmd36);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
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
