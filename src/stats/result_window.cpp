#include "stats/result_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "stats/gap_average.h"
#include "stats/gap_average_painter.h"
#include "stats/hard_copy_painter.h"
#include "stats/statistic_codes.h"

namespace zw {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QRadioButton* option(QWidget* parent, const char* name) {
    auto* r = new QRadioButton(parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setFocusPolicy(Qt::NoFocus);
    return r;
}

}  // namespace

ResultWindow::ResultWindow(Session& session, UiServices& ui, HelpFunction help, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      ui_(ui),
      help_(std::move(help)),
      dispatch_(default_statistics()) {
    setObjectName(QStringLiteral("dclick"));
    setWindowTitle(QStringLiteral("Statistik"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    chart_ = new ChartWidget(this);
    connect(chart_, &ChartWidget::clicked, this, &ResultWindow::chart_clicked);

    frm5_ = new QGroupBox(this);
    frm5_->setObjectName(QStringLiteral("frm5"));
    frm5_->setFocusPolicy(Qt::NoFocus);
    opt1_ = option(frm5_, "opt1");
    opt2_ = option(frm5_, "opt2");
    opt3_ = option(frm5_, "opt3");
    opt1_->setText(QStringLiteral("&Gewinn-Zahlen"));
    opt3_->setText(QStringLiteral("&PLUS-Zahlen"));
    auto* cmd28 = button(frm5_, "cmd28", QStringLiteral("&Fertig"));
    auto* kinds = new QHBoxLayout(frm5_);
    kinds->setContentsMargins(6, 2, 6, 2);
    kinds->addWidget(opt1_);
    kinds->addWidget(opt2_);
    kinds->addWidget(opt3_);
    kinds->addSpacing(12);
    kinds->addWidget(cmd28);
    connect(opt1_, &QRadioButton::clicked, this, [this] { choose_kind(1); });
    connect(opt2_, &QRadioButton::clicked, this, [this] { choose_kind(2); });
    connect(opt3_, &QRadioButton::clicked, this, [this] { choose_kind(3); });
    connect(cmd28, &QPushButton::clicked, this, &QWidget::close);

    auto* cmd27 = button(this, "cmd27", QStringLiteral("&Drucken"));
    auto* cmd35 = button(this, "cmd35", QStringLiteral("&Hilfe"));
    auto* cmd26 = button(this, "cmd26", QStringLiteral("&Schließen"));
    connect(cmd27, &QPushButton::clicked, this, &ResultWindow::hard_copy);
    connect(cmd35, &QPushButton::clicked, this, [this] {
        if (help_) help_(QString::fromStdString(help_topic(code_, gap_mode_)));
    });
    connect(cmd26, &QPushButton::clicked, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frm5_);
    bottom->addStretch(1);
    bottom->addWidget(cmd27);
    bottom->addWidget(cmd35);
    bottom->addWidget(cmd26);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(chart_);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ResultWindow::open_statistic(int code) {
    leave_gap_average();
    code_ = code;
    redraw_statistic();
    show();
    raise();
    activateWindow();
    setFocus();
}

void ResultWindow::open_gap_average(bool plus) {
    gap_mode_ = true;
    plus_ = plus && session_.params.austria;
    gap_limit_ = source().limit();
    gap_end_ = gap_average_start_end(source());
    redraw_statistic();
    show();
    raise();
    activateWindow();
    setFocus();
}

void ResultWindow::leave_gap_average() {
    if (!gap_mode_) return;
    gap_mode_ = false;
    // Leaving the diagram puts range last back on the newest draw; an empty
    // archive keeps its empty range (last 0, no draws).
    DrawRange& r = session_.range;
    r.set(r.first, source().limit());
}

void ResultWindow::redraw_statistic() {
    if (gap_mode_) {
        plus_ = plus_ && session_.params.austria;
        if (source().limit() != gap_limit_) {  // another game or new draws: show the newest
            gap_limit_ = source().limit();
            gap_end_ = gap_average_start_end(source());
        }
        gap_end_ = move_gap_average_end(source(), gap_end_, 0);
        chart_->set_painter(std::make_unique<GapAveragePainter>(gap_average_series(source(), gap_end_, plus_)));
    } else {
        code_ = code_for_game(code_, session_.params);
        StatisticContext context{session_, tables_};
        chart_->set_painter(dispatch_.build(code_, context));
    }
    update_kind_switch();
}

void ResultWindow::update_kind_switch() {
    const GameParams& p = session_.params;
    bool shown, third;
    int selected;
    QString second;
    if (gap_mode_) {
        shown = p.austria;
        third = false;
        second = QStringLiteral("&PLUS-Zahlen");
        selected = plus_ ? 2 : 1;
    } else {
        shown = shows_kind_switch(code_, p);
        third = shows_plus_option(code_, p);
        second = QString::fromStdString(second_kind_caption(code_, p));
        selected = selected_kind(code_);
    }
    opt2_->setText(second);
    opt3_->setVisible(third);
    switch_shown_ = shown;
    frm5_->setVisible(shown);
    for (auto [opt, n] : {std::pair{opt1_, 1}, std::pair{opt2_, 2}, std::pair{opt3_, 3}}) {
        const QSignalBlocker block(opt);
        opt->setChecked(n == selected);
    }
}

void ResultWindow::choose_kind(int option) {
    if (!switch_shown_) return;
    if (gap_mode_) {
        if (option == 1 || option == 2) plus_ = option == 2;
        redraw_statistic();
        return;
    }
    if (auto to = switch_kind(code_, option)) {
        code_ = *to;
        redraw_statistic();
    } else {
        update_kind_switch();
    }
}

void ResultWindow::step_back() {
    if (gap_mode_) return;
    if (session_.range.step_back()) redraw_statistic();
}

void ResultWindow::step_forward() {
    if (gap_mode_) return;
    if (session_.range.step_forward(source().limit())) redraw_statistic();
}

void ResultWindow::move_gap_average(int delta) {
    if (!gap_mode_) return;
    const int end = move_gap_average_end(source(), gap_end_, delta);
    if (end == gap_end_) return;
    gap_end_ = end;
    redraw_statistic();
}

void ResultWindow::chart_clicked(QPoint pos) {
    if (gap_mode_) {
        if (GapAveragePainter::at_left_edge(pos.x())) move_gap_average(-5);
        if (GapAveragePainter::at_right_edge(pos.x())) move_gap_average(5);
        return;
    }
    if (minus_button_rect().contains(pos)) step_back();
    if (plus_button_rect().contains(pos)) step_forward();
}

void ResultWindow::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text().toLower();
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (gap_mode_ && event->key() == Qt::Key_Left) {
        move_gap_average(-2);
    } else if (gap_mode_ && event->key() == Qt::Key_Right) {
        move_gap_average(2);
    } else if (t == QLatin1String("-")) {
        step_back();
    } else if (t == QLatin1String("+")) {
        step_forward();
    } else if (t == QLatin1String("g")) {
        choose_kind(1);
    } else if (t == QLatin1String("z") || t == QLatin1String("s")) {
        choose_kind(2);
    } else if (t == QLatin1String("p")) {
        choose_kind(gap_mode_ ? 2 : plus_key_option(code_));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ResultWindow::hard_copy() {
    ChartPainter* chart = chart_->painter();
    if (!chart) return;
    if (gap_mode_ &&
        ui_.message(this, kQuestion,
                    QStringLiteral(" BILDSCHIRM-AUSDRUCK:|======================|  Bitte Drucker vorbereiten!"),
                    1, QStringLiteral("OK|ABBRUCH")) != 1)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("HardCopy"));
    if (!ui_.print_dialog(this, printer)) return;
    if (!print_hard_copy(printer, *chart))
        ui_.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    leave_gap_average();
    QWidget::closeEvent(event);
}

}  // namespace zw
