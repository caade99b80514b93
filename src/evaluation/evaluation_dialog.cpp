#include "evaluation/evaluation_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

#include "evaluation/evaluation_format.h"
#include "evaluation/review_widget.h"
#include "evaluation/side_game_window.h"
#include "session/session.h"
#include "ui/host.h"
#include "ui/listing_print.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QStringList q_list(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines) out << q(l);
    return out;
}

// The result table on screen.
class ResultTableView : public QWidget {
public:
    ResultTableView(const ResultTablePainter& painter, QWidget* parent) : QWidget(parent), painter_(painter) {
        setObjectName(QStringLiteral("tabl"));
        setMinimumSize(painter_.size_hint());
    }
    QSize sizeHint() const override { return painter_.size_hint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        painter_.paint(p, rect());
    }

private:
    const ResultTablePainter& painter_;
};

}  // namespace

EvaluationDialog::EvaluationDialog(const EvaluationInputs& in, EvaluationTicket ticket, UiServices& ui,
                                   std::function<void(const QString&)> show_help, QWidget* parent)
    : QDialog(parent), in_(in), ticket_(std::move(ticket)), ui_(ui), show_help_(std::move(show_help)) {
    setObjectName(QStringLiteral("Dlg_4"));
    setWindowTitle(QStringLiteral("Auswertung"));
    systems_ = ticket_.rows.empty() && !ticket_.systems.empty();
    report_ = evaluate_ticket(ticket_, in_);
    build_table();
    review_lines_ = q_list(review_lines(report_, ticket_, in_));

    auto* layout = new QVBoxLayout(this);
    const int first = std::max(in_.range.first, 1);
    const int last = std::min(in_.range.last, last_evaluable_draw(in_.archive));
    const QString game = q(in_.params.info().name);
    auto* range = new QLabel(
        last < first ? game + QStringLiteral("   Keine Ziehungen im Rahmen")
                     : QStringLiteral("%1   Ziehungen %2 bis %3 (%4 bis %5)")
                           .arg(game)
                           .arg(first)
                           .arg(last)
                           .arg(q(eval_draw_date(in_.archive, in_.params, first)))
                           .arg(q(eval_draw_date(in_.archive, in_.params, last))),
        this);
    range->setObjectName(QStringLiteral("lbl_rahmen"));
    layout->addWidget(range);
    table_view_ = new ResultTableView(table_, this);
    layout->addWidget(table_view_);

    auto* frame = new QGroupBox(QStringLiteral("Rückblick-Fenster"), this);
    auto* frame_layout = new QVBoxLayout(frame);
    review_ = new ReviewWidget(frame);
    review_->set_lines(q(review_header(report_.rules, systems_)), review_lines_);
    review_->setMinimumHeight(180);
    frame_layout->addWidget(review_);
    layout->addWidget(frame, 1);

    auto* buttons = new QHBoxLayout;
    auto add = [&](int id, const char* text, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(id == 333);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    add(333, "&OK", &EvaluationDialog::accept);
    add(300, "&Drucken", &EvaluationDialog::ask_and_print);
    add(330, "&Hilfe", &EvaluationDialog::help);
    add(2, "&Abbruch", &EvaluationDialog::reject);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    build_side_windows();
}

EvaluationDialog::~EvaluationDialog() = default;

void EvaluationDialog::build_table() {
    const RuleSet rules = report_.rules;
    const std::string& currency = in_.params.currency;
    table_.font = evaluation_font();
    table_.caption = q(table_caption(rules, systems_));
    table_.header = q(table_header(rules, systems_));
    table_.lines.clear();
    for (const LineResult& r : systems_ ? report_.systems : report_.rows)
        table_.lines << q(result_line(r, rules, ticket_.super_number, currency));
    table_.totals = q_list(total_lines(report_, systems_, currency));
}

void EvaluationDialog::build_side_windows() {
    const bool swiss = in_.params.swiss;
    auto add = [&](SideGame game, const std::optional<DigitCounts>& counts) {
        if (!counts) return;
        auto* w = new SideGameWindow(q(side_game_title(game)),
                                     q_list(side_game_lines(game, *counts, ticket_.side, swiss)), this);
        w->setObjectName(game == SideGame::Spiel77 ? QStringLiteral("frm_sp77")
                         : game == SideGame::Super6 ? QStringLiteral("frm_sup6")
                                                    : QStringLiteral("frm_joker"));
        side_.emplace_back(w);
    };
    add(SideGame::Spiel77, report_.side.spiel77);
    add(SideGame::Super6, report_.side.super6);
    add(SideGame::Joker, report_.side.joker);
}

std::vector<SideGameWindow*> EvaluationDialog::side_windows() const {
    std::vector<SideGameWindow*> out;
    for (const auto& w : side_)
        if (w) out.push_back(w);
    return out;
}

void EvaluationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the dialog itself is on the screen: shown before it, the window
    // manager stacks them as strangers below the modal dialog.
    QTimer::singleShot(0, this, &EvaluationDialog::show_side_windows);
}

void EvaluationDialog::show_side_windows() {
    if (!isVisible()) return;
    const auto windows = side_windows();
    if (windows.empty()) return;
    // A column beside the dialog, right where it fits, else left, inside the free screen area.
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    const QMargins frame(frameGeometry().left() == geometry().left() ? 0 : geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(), 0, 0);
    int width = 0;
    for (SideGameWindow* w : windows) width = std::max(width, w->width() + 2 * frame.left());
    const int gap = 8;
    int x = frameGeometry().right() + 1 + gap;
    if (screen.isValid() && x + width - 1 > screen.right() && frameGeometry().left() - gap - width >= screen.left())
        x = frameGeometry().left() - gap - width;
    if (screen.isValid()) x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() - width + 1));
    int y = frameGeometry().top();
    for (SideGameWindow* w : windows) {
        const int height = w->height() + frame.top() + frame.left();
        if (screen.isValid()) y = std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() - height + 1));
        w->move(x, y);  // a window's position is its frame's
        // Owned by the dialog: the window manager keeps them above it, and the
        // dialog's modality does not block them.
        w->winId();
        if (QWindow* handle = w->windowHandle()) handle->setTransientParent(windowHandle());
        w->show();
        w->raise();
        y += height + gap;
    }
}

void EvaluationDialog::done(int result) {
    for (SideGameWindow* w : side_windows()) w->close();
    QDialog::done(result);
}

void EvaluationDialog::help() {
    if (show_help_) show_help_(QStringLiteral("auswertung.htm"));
}

void EvaluationDialog::ask_and_print() {
    const int choice = ui_.message(this, kQuestion, QStringLiteral("Was soll auf Ihren Drucker ausgegeben werden?"), 1,
                                   QStringLiteral("&Bildschirm|&Rückblick|&Nichts"));
    if (choice == 1 || choice == 2) print(choice == 2);
}

void EvaluationDialog::print(bool review) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(review ? QStringLiteral("Gewinn-Rückblick") : QStringLiteral("Auswertung"));
    if (!ui_.print_dialog(this, printer)) return;
    const bool ok = review ? print_review(printer) : print_screen(printer);
    if (!ok) ui_.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

bool EvaluationDialog::print_review(QPrinter& printer) {
    return print_listing(printer, print_font(), QStringLiteral("Gewinn-Rückblick   ") + q(in_.params.info().name),
                         q(review_header(report_.rules, systems_)), review_lines_);
}

bool EvaluationDialog::print_screen(QPrinter& printer) {
    const QPixmap shot = grab();
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = shot.size().scaled(page.size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(QPoint(0, 0), size), shot);
    return p.end();
}

void open_evaluation_dialog(Host& host, const EvaluationTicket& ticket) {
    Session& s = host.session();
    // Opened from a modal console, the dialog belongs to it: above it, never behind.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : host.parent_widget();
    if (Status st = validate_ticket(ticket, s.params, s.partial_systems); !st) {
        host.ui().message(parent, kWarning, QString::fromStdString(st.message()), 1,
                          QStringLiteral("&OK"));
        return;
    }
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    EvaluationDialog dialog(
        in, ticket, host.ui(), [&host](const QString& topic) { host.show_help(topic); }, parent);
    dialog.exec();
}

}  // namespace zw
