#include "evaluation/system_designer_window.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "cardindex/play_period.h"
#include "cardindex/ticket_card.h"
#include "cardindex/tip_transfer.h"
#include "evaluation/evaluation_painter.h"
#include "evaluation/system_checker_window.h"
#include "session/session.h"
#include "ui/host.h"
#include "ui/listing_print.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

// The numbers of a text, any other characters separating them; nullopt on a
// number too long to be one.
std::optional<std::vector<int>> numbers_of(const QString& text) {
    std::vector<int> out;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    auto it = digits.globalMatch(text);
    while (it.hasNext()) {
        const QString d = it.next().captured();
        if (d.size() > 3) return std::nullopt;
        out.push_back(d.toInt());
    }
    return out;
}

QString row_text(const std::vector<int>& row) {
    QString s;
    for (int n : row) s += QStringLiteral("%1").arg(n, 3);
    return s;
}

}  // namespace

SystemDesignerWindow::SystemDesignerWindow(Host& host, OfferCardSave offer_save, QWidget* parent)
    : QDialog(parent), host_(host), offer_save_(std::move(offer_save)) {
    setObjectName(QStringLiteral("frmSysDesign"));
    setWindowTitle(QStringLiteral("System-Designer"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto field = [&](const QString& label, QWidget* w, const QString& name) {
        auto* l = new QLabel(label, this);
        l->setBuddy(w);
        w->setObjectName(name);
        grid->addWidget(l, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };
    v_ = new QSpinBox(this);
    v_->setRange(7, 30);
    v_->setValue(10);
    field(QStringLiteral("An&zahl Ihrer Zahlen (7 bis 30):"), v_, QStringLiteral("spnZahlen"));
    t_ = new QSpinBox(this);
    t_->setRange(3, 6);
    t_->setValue(3);
    field(QStringLiteral("&Garantie: Richtige"), t_, QStringLiteral("spnTreffer"));
    p_ = new QSpinBox(this);
    p_->setRange(3, 6);
    p_->setValue(3);
    field(QStringLiteral("&wenn gezogen unter Ihren Zahlen"), p_, QStringLiteral("spnGezogen"));
    numbers_edit_ = new QLineEdit(this);
    numbers_edit_->setPlaceholderText(QStringLiteral("leer: 1, 2, 3, …"));
    field(QStringLiteral("&Ihre Zahlen:"), numbers_edit_, QStringLiteral("txtZahlen"));
    bankers_edit_ = new QLineEdit(this);
    field(QStringLiteral("&Bankzahlen (in jeder Reihe):"), bankers_edit_, QStringLiteral("txtBank"));
    seconds_ = new QSpinBox(this);
    seconds_->setRange(1, 600);
    seconds_->setValue(10);
    field(QStringLiteral("&Rechenzeit in Sekunden:"), seconds_, QStringLiteral("spnSekunden"));
    layout->addLayout(grid);

    const RunPane pane = add_run_pane(this, layout, QStringLiteral("prgSuche"));
    progress_ = pane.progress;
    state_ = pane.state;
    text_ = pane.text;

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const QString& name) {
        return add_dialog_button(this, buttons, text, name);
    };
    search_button_ = button(QStringLiteral("&Suchen"), QStringLiteral("cmdSuchen"));
    cancel_button_ = button(QStringLiteral("&Abbrechen"), QStringLiteral("cmdAbbrechen"));
    export_button_ = button(QStringLiteral("&Exportieren"), QStringLiteral("cmdExport"));
    print_button_ = button(QStringLiteral("&Drucken"), QStringLiteral("cmdDrucken"));
    store_button_ = button(QStringLiteral("In die &Kartei"), QStringLiteral("cmdKartei"));
    auto* help = button(QStringLiteral("&Hilfe"), QStringLiteral("cmdHilfe"));
    auto* close_button = button(QStringLiteral("S&chließen"), QStringLiteral("cmdSchliessen"));
    layout->addLayout(buttons);
    connect(search_button_, &QPushButton::clicked, this, [this] { search(); });
    connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(export_button_, &QPushButton::clicked, this, [this] { export_rows(); });
    connect(print_button_, &QPushButton::clicked, this, [this] { print_rows(); });
    connect(store_button_, &QPushButton::clicked, this, [this] { store_rows(); });
    connect(help, &QPushButton::clicked, this, [this] { host_.show_help(QStringLiteral("system-pruefer.htm")); });
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);

    clock_ = new QTimer(this);
    clock_->setInterval(200);
    connect(clock_, &QTimer::timeout, this, [this] {
        const double spent = static_cast<double>(QDateTime::currentMSecsSinceEpoch() - started_ms_) / 1000.0;
        progress_->setValue(static_cast<int>(std::min(1.0, spent / std::max(1.0, request_.seconds)) * 1000));
    });
    set_running(false);
}

SystemDesignerWindow::~SystemDesignerWindow() { stop_worker(); }

void SystemDesignerWindow::stop_worker() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void SystemDesignerWindow::set_request(int v, int t, int p, int seconds, const QString& numbers,
                                       const QString& bankers) {
    v_->setValue(v);
    t_->setValue(t);
    p_->setValue(p);
    seconds_->setValue(seconds);
    numbers_edit_->setText(numbers);
    bankers_edit_->setText(bankers);
}

bool SystemDesignerWindow::read_numbers(std::vector<int>& numbers, uint64_t& bankers) {
    UiServices& ui = host_.ui();
    const int v = v_->value();
    const int highest = host_.session().params.highest_number;
    const auto typed = numbers_of(numbers_edit_->text());
    numbers.clear();
    if (typed && typed->empty()) {
        for (int i = 1; i <= v; ++i) numbers.push_back(i);
    } else if (typed) {
        numbers = *typed;
    }
    std::sort(numbers.begin(), numbers.end());
    if (!typed || static_cast<int>(numbers.size()) != v ||
        std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end() || numbers.front() < 1 ||
        numbers.back() > highest) {
        ui.message(this, kWarning,
                   QStringLiteral("Bitte geben Sie %1 verschiedene Zahlen von 1 bis %2 ein|(oder lassen Sie das Feld "
                                  "„Ihre Zahlen“ leer).")
                       .arg(v)
                       .arg(highest),
                   1, QStringLiteral("&OK"));
        return false;
    }
    bankers = 0;
    const auto banker_numbers = numbers_of(bankers_edit_->text());
    if (!banker_numbers) {
        ui.message(this, kWarning, QStringLiteral("Die Bankzahlen sind keine gültigen Zahlen."), 1,
                   QStringLiteral("&OK"));
        return false;
    }
    for (int n : *banker_numbers) {
        const auto at = std::find(numbers.begin(), numbers.end(), n);
        if (at == numbers.end()) {
            ui.message(this, kWarning, QStringLiteral("Die Bankzahl %1 ist keine Ihrer Zahlen.").arg(n), 1,
                       QStringLiteral("&OK"));
            return false;
        }
        bankers |= uint64_t{1} << (at - numbers.begin());
    }
    return true;
}

bool SystemDesignerWindow::search() {
    if (running_) return false;
    UiServices& ui = host_.ui();
    DesignRequest r;
    r.v = v_->value();
    r.t = t_->value();
    r.p = p_->value();
    r.seconds = seconds_->value();
    r.seed = ui.random_seed ? ui.random_seed() : 1;
    if (r.t > r.p) {
        ui.message(this, kWarning,
                   QStringLiteral("Die Garantie „%1 bei %2“ gibt es nicht:|Es können nicht mehr Richtige garantiert "
                                  "werden, als gezogen sind.")
                       .arg(r.t)
                       .arg(r.p),
                   1, QStringLiteral("&OK"));
        return false;
    }
    std::vector<int> numbers;
    if (!read_numbers(numbers, r.bankers)) return false;
    if (const std::string why = design_refusal(r); !why.empty()) {
        ui.message(this, kWarning, q(why), 1, QStringLiteral("&OK"));
        return false;
    }
    // The shipped partial systems on as many numbers are the mark to beat.
    const Session& s = host_.session();
    if (r.bankers == 0)
        for (int k = 0; k < kPartialSystemCount; ++k)
            if (kPartialSystems[static_cast<size_t>(k)].numbers == r.v) {
                const auto shipped = s.partial_systems.rows(k);
                if (!shipped.empty()) r.candidates.emplace_back(shipped.begin(), shipped.end());
            }
    request_ = r;
    numbers_ = numbers;
    design_.reset();
    rows_.clear();
    text_->clear();
    stop_worker();
    cancel_ = false;
    started_ms_ = QDateTime::currentMSecsSinceEpoch();
    progress_->setValue(0);
    state_->setText(QStringLiteral("Suche läuft …"));
    set_running(true);
    clock_->start();
    worker_ = std::thread([this, r] {
        DesignControl control;
        control.cancel = &cancel_;
        control.progress = [this](int rows) {
            QMetaObject::invokeMethod(
                this,
                [this, rows] { state_->setText(QStringLiteral("Suche läuft … beste Größe bisher: %1 Reihen").arg(rows)); },
                Qt::QueuedConnection);
        };
        auto d = design_system(r, control);
        QMetaObject::invokeMethod(this, [this, d = std::move(d)] { finished(d); }, Qt::QueuedConnection);
    });
    return true;
}

void SystemDesignerWindow::cancel() {
    if (running_) cancel_ = true;
}

void SystemDesignerWindow::finished(std::optional<Design> d) {
    if (worker_.joinable()) worker_.join();
    clock_->stop();
    set_running(false);
    progress_->setValue(progress_->maximum());
    // Only a set the checker has proven for the whole guarantee is shown.
    if (!d || !d->check.holds(request_.t, request_.p) || d->check.numbers != request_.v) {
        state_->setText(cancel_ ? QStringLiteral("Abgebrochen: Es wurde kein System gefunden.")
                                : QStringLiteral("Es wurde kein System gefunden."));
        return;
    }
    design_ = std::move(d);
    for (uint64_t m : design_->rows) {
        std::vector<int> row;
        for (int i = 0; i < request_.v; ++i)
            if (m >> i & 1u) row.push_back(numbers_[static_cast<size_t>(i)]);
        rows_.push_back(std::move(row));
    }
    state_->setText(QStringLiteral("%1 Reihen für „%2 bei %3“, vom System-Prüfer bewiesen%4 (%5).")
                        .arg(rows_.size())
                        .arg(request_.t)
                        .arg(request_.p)
                        .arg(request_.bankers != 0 ? QStringLiteral(", wenn die Bankzahlen gezogen werden")
                                                   : QString())
                        .arg(q(design_->source)));
    QStringList lines = system_check_lines(design_->check, numbers_);
    lines << QString();
    for (size_t i = 0; i < rows_.size(); ++i) lines << QStringLiteral("%1:").arg(i + 1, 5) + row_text(rows_[i]);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    set_running(false);
}

QString SystemDesignerWindow::report() const { return state_->text() + QLatin1Char('\n') + text_->toPlainText(); }

bool SystemDesignerWindow::export_rows() {
    if (rows_.empty()) return false;
    UiServices& ui = host_.ui();
    FileRequest request;
    request.title = QStringLiteral("Reihen exportieren:");
    request.default_suffix = QStringLiteral("txt");
    request.filter = QStringLiteral("TXT- und CSV-Dateien|*.txt;*.csv");
    request.preset = QStringLiteral("System_%1_%2.txt").arg(request_.v).arg(rows_.size());
    request.folder = q(host_.session().data_folder().string());
    request.save = true;
    const auto chosen = ui.file_dialog(this, request);
    if (!chosen) return false;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
    const bool csv = QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    if (Status st = write_file_atomic(fs::path(path.toStdString()), import_rows_text(rows_, csv)); !st) {
        ui.message(this, kWarning,
                   QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)),
                   1, QStringLiteral("&OK"));
        return false;
    }
    ui.message(this, kInformation,
               QStringLiteral("%1 Reihen wurden in %2 geschrieben.").arg(rows_.size()).arg(QDir::toNativeSeparators(path)),
               1, QStringLiteral("&OK"));
    return true;
}

bool SystemDesignerWindow::print_rows() {
    if (rows_.empty()) return false;
    UiServices& ui = host_.ui();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("System-Designer"));
    if (!ui.print_dialog(this, printer)) return false;
    QStringList lines;
    for (size_t i = 0; i < rows_.size(); ++i) lines << QStringLiteral("%1:").arg(i + 1, 5) + row_text(rows_[i]);
    const bool ok = print_listing(
        printer, print_font(),
        QStringLiteral("System-Designer   %1/%2   „%3 bei %4“").arg(request_.v).arg(rows_.size()).arg(request_.t).arg(request_.p),
        QStringLiteral("  Nr.  Reihe"), lines, system_check_lines(design_->check, numbers_));
    if (!ok) ui.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
    return ok;
}

int SystemDesignerWindow::store_rows() {
    if (rows_.empty()) return 0;
    UiServices& ui = host_.ui();
    Session& s = host_.session();
    if (s.params.swiss) {
        ui.message(this, kWarning,
                   QStringLiteral("Beim Swiss Lotto braucht jede Reihe eine Glückszahl:|Das System kann nicht als "
                                  "Tippscheine abgelegt werden."),
                   1, QStringLiteral("&OK"));
        return 0;
    }
    std::vector<TipRow> tip_rows;
    for (const auto& row : rows_) {
        TipRow t{};
        for (size_t i = 0; i < 6; ++i) t[i] = static_cast<uint8_t>(row[i]);
        tip_rows.push_back(t);
    }
    const int per_ticket = s.ticket.visible_rows();
    std::vector<CardTicket> cards =
        cards_of_rows(tip_rows, per_ticket, s.ticket_options, s.params, s.money, s.bundesland());
    if (cards.empty() || cards.size() * static_cast<size_t>(per_ticket) < rows_.size()) {
        ui.message(this, kWarning, QStringLiteral("Die Reihen passen nicht zu diesem Spiel."), 1,
                   QStringLiteral("&OK"));
        return 0;
    }
    CardIndex& index = s.normal_cards;
    const int room = kCardCapacity - index.count();
    if (static_cast<int>(cards.size()) > room) {
        ui.message(this, kWarning,
                   QString::fromUtf8(kCardFull) +
                       QStringLiteral("|Für %1 Tippscheine ist nur noch Platz für %2.").arg(cards.size()).arg(room),
                   1, QStringLiteral("&OK"));
        return 0;
    }
    if (ui.message(this, kQuestion,
                   QStringLiteral("Sollen die %1 Reihen als %2 Tippscheine zu je höchstens %3 Reihen|in die NRM-Kartei "
                                  "abgelegt werden?")
                       .arg(rows_.size())
                       .arg(cards.size())
                       .arg(per_ticket),
                   1, QStringLiteral("&JA|&NEIN")) != 1)
        return 0;
    const int first = index.count() + 1;
    const auto draw = static_cast<int16_t>(next_card_draw(s.archive));
    for (CardTicket& c : cards) {
        c.first_draw = draw;
        if (index.store(index.count(), c) != StoreOutcome::Added) break;
    }
    const int stored = index.count() - first + 1;
    if (offer_save_)
        offer_save_(this, index,
                    stored == 1 ? QStringLiteral("Die Reihen wurden unter der Schein-Nr. %1 abgelegt!").arg(first)
                                : QStringLiteral("Die Reihen wurden unter den Schein-Nr. %1 bis %2 abgelegt!")
                                      .arg(first)
                                      .arg(first + stored - 1));
    return stored;
}

void SystemDesignerWindow::set_running(bool on) {
    running_ = on;
    search_button_->setEnabled(!on);
    cancel_button_->setEnabled(on);
    const bool have = !on && !rows_.empty();
    export_button_->setEnabled(have);
    print_button_->setEnabled(have);
    store_button_->setEnabled(have);
    for (QWidget* w : {static_cast<QWidget*>(v_), static_cast<QWidget*>(t_), static_cast<QWidget*>(p_),
                       static_cast<QWidget*>(seconds_), static_cast<QWidget*>(numbers_edit_),
                       static_cast<QWidget*>(bankers_edit_)})
        w->setEnabled(!on);
}

void SystemDesignerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        host_.show_help(QStringLiteral("system-pruefer.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void SystemDesignerWindow::reject() {
    stop_worker();
    QDialog::reject();
}

void open_system_designer(Host& host, OfferCardSave offer_save) {
    SystemDesignerWindow window(host, std::move(offer_save), host.parent_widget());
    window.exec();
}

}  // namespace zw
