#include "evaluation/system_checker_window.h"

#include <QComboBox>
#include <algorithm>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/decimal.h"
#include "cardindex/balance.h"
#include "cardindex/ticket_card.h"
#include "cardindex/tip_transfer.h"
#include "evaluation/evaluation_format.h"
#include "evaluation/evaluation_painter.h"
#include "session/session.h"
#include "tipping/ticket_price.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {

RunPane add_run_pane(QWidget* owner, QVBoxLayout* layout, const QString& progress_name) {
    RunPane pane;
    pane.progress = new QProgressBar(owner);
    pane.progress->setObjectName(progress_name);
    pane.progress->setRange(0, 1000);
    pane.progress->setValue(0);
    pane.progress->setAccessibleName(QStringLiteral("Fortschritt"));
    layout->addWidget(pane.progress);
    pane.state = new QLabel(owner);
    pane.state->setObjectName(QStringLiteral("lblStand"));
    layout->addWidget(pane.state);
    pane.text = new QPlainTextEdit(owner);
    pane.text->setObjectName(QStringLiteral("txtErgebnis"));
    pane.text->setReadOnly(true);
    pane.text->setAccessibleName(QStringLiteral("Ergebnis"));
    pane.text->setFont(print_font());
    pane.text->setMinimumSize(760, 300);
    layout->addWidget(pane.text, 1);
    return pane;
}

QPushButton* add_dialog_button(QWidget* owner, QHBoxLayout* row, const QString& text,
                               const QString& name) {
    auto* b = new QPushButton(text, owner);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

namespace {

// Rows of a file or system, at most; more are refused, never cut.
constexpr size_t kMaxCheckedRows = 50000;

// The rows a row or system line plays, as numbers.
std::vector<std::vector<int>> rows_of_line(const TicketLine& line, const PartialSystems& partial) {
    std::vector<std::vector<int>> rows;
    const auto n = static_cast<int>(line.numbers.size());
    auto row_of_mask = [&](uint64_t mask) {
        std::vector<int> row;
        for (int i = 0; i < n; ++i)
            if (mask >> i & 1u) row.push_back(line.numbers[static_cast<size_t>(i)]);
        return row;
    };
    if (line.kind == LineKind::Row) {
        rows.emplace_back(line.numbers.begin(), line.numbers.end());
    } else if (line.kind == LineKind::PartialSystem) {
        for (uint32_t mask : partial.rows(line.partial_index)) rows.push_back(row_of_mask(mask));
    } else if (n >= 6 && n < 64) {
        // Every 6-subset, in ascending mask order; one beyond the limit tells the caller.
        uint64_t mask = (uint64_t{1} << 6) - 1;
        while (mask < (uint64_t{1} << n) && rows.size() <= kMaxCheckedRows) {
            rows.push_back(row_of_mask(mask));
            const uint64_t low = mask & (~mask + 1);
            const uint64_t ripple = mask + low;
            mask = (((ripple ^ mask) >> 2) / low) | ripple;
        }
    }
    return rows;
}

std::string percent(uint64_t part, uint64_t whole) {
    return decimal_text(whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole), 2);
}

}  // namespace

QStringList system_check_lines(const SystemCheck& c, const std::vector<int>& numbers) {
    QStringList lines;
    QString head = QStringLiteral("%1 %2 über %3 Zahlen:")
                       .arg(c.rows)
                       .arg(c.rows == 1 ? QStringLiteral("Reihe") : QStringLiteral("Reihen"))
                       .arg(numbers.size());
    for (int n : numbers) head += QLatin1Char(' ') + QString::number(n);
    lines << head;
    const int v = static_cast<int>(numbers.size());
    for (int p = 3; p <= 6; ++p) {
        const auto sp = static_cast<size_t>(p);
        if (c.subsets[sp] == 0) continue;
        const int t = c.min_hits[sp];
        std::string line = "Mit " + std::to_string(p) + " Richtigen unter Ihren Zahlen: " + std::to_string(t) +
                           " Treffer garantiert;";
        bool first = true;
        for (int h = p; h >= 0; --h) {
            const uint64_t n = c.best_hits[sp][static_cast<size_t>(h)];
            if (n == 0) continue;
            line += (first ? " " : ", ") + std::to_string(h) + " in " + percent(n, c.subsets[sp]) + " %";
            first = false;
        }
        lines << q(line + " der Fälle");
        if (t <= 0) continue;
        std::string bound = "   „" + std::to_string(t) + " bei " + std::to_string(p) + "“ braucht mindestens " +
                            std::to_string(counting_bound(v, t, p)) + " Reihen";
        if (const auto k = best_known(v, t, p))
            bound += "; bestes bekanntes System: " + std::to_string(k->rows) + " Reihen";
        lines << q(bound);
    }
    return lines;
}

std::vector<std::vector<int>> ticket_system_rows(const Session& s) {
    std::vector<std::vector<int>> rows;
    if (!s.ticket.system_mode) {
        for (int r = 0; r < kTicketRowSlots; ++r) {
            if (s.ticket.row_size(r) != 6) continue;
            std::vector<int> row;
            for (int i = 0; i < 6; ++i) row.push_back(s.ticket.row(r)[static_cast<size_t>(i)]);
            rows.push_back(std::move(row));
        }
        return rows;
    }
    EvaluationTicket e;
    if (!to_evaluation_ticket(s.ticket, s.ticket_options, s.params, s.bundesland(), e)) return rows;
    for (const TicketLine& line : e.systems)
        for (auto& row : rows_of_line(line, s.partial_systems)) rows.push_back(std::move(row));
    return rows;
}

std::vector<std::vector<int>> card_system_rows(const Session& s, bool system_card, int number) {
    std::vector<std::vector<int>> rows;
    const CardIndex& index = system_card ? s.system_cards : s.normal_cards;
    if (number < 1 || number > index.count()) return rows;
    const CardTicket& card = index.at(number - 1);
    if (!system_card) {
        for (int r = 0; r < evaluated_row_slots(s.params.code); ++r) {
            const auto numbers = row_numbers(card.rows[static_cast<size_t>(r)]);
            if (numbers.size() == 6) rows.emplace_back(numbers.begin(), numbers.end());
        }
        return rows;
    }
    for (int f = 0; f < kCardFields; ++f) {
        const ResolvedField field = resolve_field(card.fields[static_cast<size_t>(f)], f + 1, s.params.code,
                                                  s.bundesland());
        if (!field.line) continue;
        for (auto& row : rows_of_line(*field.line, s.partial_systems)) rows.push_back(std::move(row));
    }
    return rows;
}

CheckRunner::~CheckRunner() {
    cancel();
    join();
}

void CheckRunner::join() {
    if (thread_.joinable()) thread_.join();
    running_ = false;
}

void CheckRunner::start(std::vector<uint64_t> masks, int v, QObject* receiver, std::function<void(double)> progress,
                        std::function<void(SystemCheck)> done) {
    cancel();
    join();
    cancel_ = false;
    running_ = true;
    thread_ = std::thread([this, masks = std::move(masks), v, receiver, progress = std::move(progress),
                           done = std::move(done)] {
        CheckControl control;
        control.cancel = &cancel_;
        control.progress = [receiver, progress](double f) {
            QMetaObject::invokeMethod(receiver, [progress, f] { progress(f); }, Qt::QueuedConnection);
        };
        SystemCheck c = check_system(masks, v, control);
        QMetaObject::invokeMethod(
            receiver,
            [this, done, c] {
                join();
                done(c);
            },
            Qt::QueuedConnection);
    });
}

SystemCheckerWindow::SystemCheckerWindow(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("frmSysPruef"));
    setWindowTitle(QStringLiteral("System-Prüfer"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* source_label = new QLabel(QStringLiteral("&Reihen aus:"), this);
    source_ = new QComboBox(this);
    source_->setObjectName(QStringLiteral("cboQuelle"));
    source_->addItems({QStringLiteral("dem Tippschein"), QStringLiteral("der NRM-Kartei"),
                       QStringLiteral("der SYS-Kartei"), QStringLiteral("einer Datei (TXT/CSV)")});
    source_label->setBuddy(source_);
    auto* card_label = new QLabel(QStringLiteral("&Schein-Nr.:"), this);
    card_ = new QSpinBox(this);
    card_->setObjectName(QStringLiteral("spnSchein"));
    card_->setRange(1, kCardCapacity);
    card_label->setBuddy(card_);
    grid->addWidget(source_label, 0, 0);
    grid->addWidget(source_, 0, 1);
    grid->addWidget(card_label, 0, 2);
    grid->addWidget(card_, 0, 3);
    layout->addLayout(grid);
    auto update_card = [this] { card_->setEnabled(source_->currentIndex() == 1 || source_->currentIndex() == 2); };
    connect(source_, &QComboBox::currentIndexChanged, this, update_card);
    update_card();

    const RunPane pane = add_run_pane(this, layout, QStringLiteral("prgPruef"));
    progress_ = pane.progress;
    state_ = pane.state;
    text_ = pane.text;

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const QString& name) {
        return add_dialog_button(this, buttons, text, name);
    };
    check_button_ = button(QStringLiteral("&Prüfen"), QStringLiteral("cmdPruefen"));
    cancel_button_ = button(QStringLiteral("&Abbrechen"), QStringLiteral("cmdAbbrechen"));
    auto* help = button(QStringLiteral("&Hilfe"), QStringLiteral("cmdHilfe"));
    auto* close_button = button(QStringLiteral("S&chließen"), QStringLiteral("cmdSchliessen"));
    layout->addLayout(buttons);
    connect(check_button_, &QPushButton::clicked, this, [this] { check(); });
    connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel(); });
    connect(help, &QPushButton::clicked, this, [this] { host_.show_help(QStringLiteral("system-pruefer.htm")); });
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);
    set_running(false);
}

SystemCheckerWindow::~SystemCheckerWindow() { runner_.cancel(); }

void SystemCheckerWindow::set_source(int source, int card_number) {
    source_->setCurrentIndex(std::clamp(source, 0, 3));
    card_->setValue(card_number);
}

std::optional<std::vector<std::vector<int>>> SystemCheckerWindow::rows_of_source() {
    Session& s = host_.session();
    UiServices& ui = host_.ui();
    switch (source_->currentIndex()) {
        case 0: return ticket_system_rows(s);
        case 1:
        case 2: {
            const bool system_card = source_->currentIndex() == 2;
            const CardIndex& index = system_card ? s.system_cards : s.normal_cards;
            if (card_->value() > index.count()) {
                ui.message(this, kWarning,
                           index.empty() ? QString::fromUtf8(kCardEmpty)
                                         : QStringLiteral("Die Kartei hat nur %1 Tippscheine.").arg(index.count()),
                           1, QStringLiteral("&OK"));
                return std::nullopt;
            }
            return card_system_rows(s, system_card, card_->value());
        }
        default: {
            FileRequest r;
            r.title = QStringLiteral("Reihen prüfen:");
            r.filter = QStringLiteral("TXT- und CSV-Dateien|*.txt;*.csv");
            r.default_suffix = QStringLiteral("txt");
            r.folder = q(s.data_folder().string());
            const auto chosen = ui.file_dialog(this, r);
            if (!chosen) return std::nullopt;
            const auto bytes = read_file(fs::path(chosen->toStdString()), 16u << 20);
            if (!bytes) {
                ui.message(this, kWarning,
                           QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                               .arg(QDir::toNativeSeparators(*chosen)),
                           1, QStringLiteral("&OK"));
                return std::nullopt;
            }
            const ImportResult read = parse_import_rows(
                std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), kSystemMaxNumbers,
                kMaxCheckedRows + 1);
            std::vector<std::vector<int>> rows;
            for (const CardRow& row : read.rows) rows.emplace_back(row.begin(), row.begin() + 6);
            if (read.skipped > 0 && !rows.empty())
                ui.message(this, kInformation,
                           QStringLiteral("%1 Zeilen ohne gültige Reihe wurden übergangen.").arg(read.skipped), 1,
                           QStringLiteral("&OK"));
            return rows;
        }
    }
}

bool SystemCheckerWindow::check() {
    if (running()) return false;
    const auto rows = rows_of_source();
    if (!rows) return false;
    return check_rows(*rows);
}

bool SystemCheckerWindow::check_rows(const std::vector<std::vector<int>>& rows) {
    if (running()) return false;
    UiServices& ui = host_.ui();
    if (rows.empty()) {
        ui.message(this, kWarning, QStringLiteral("Es gibt keine vollständige Reihe zu prüfen."), 1,
                   QStringLiteral("&OK"));
        return false;
    }
    if (rows.size() > kMaxCheckedRows) {
        ui.message(this, kWarning,
                   QStringLiteral("Der System-Prüfer prüft höchstens %1 Reihen.").arg(kMaxCheckedRows), 1,
                   QStringLiteral("&OK"));
        return false;
    }
    std::string error;
    const auto numbered = number_rows(rows, {}, error);
    if (!numbered) {
        ui.message(this, kWarning, q(error), 1, QStringLiteral("&OK"));
        return false;
    }
    numbers_ = numbered->numbers;
    // The price of the rows played on tickets of the game, with the ticket's options.
    const Session& s = host_.session();
    std::vector<TipRow> tip_rows;
    for (const auto& row : rows) {
        TipRow t{};
        for (size_t i = 0; i < 6 && i < row.size(); ++i) t[i] = static_cast<uint8_t>(row[i]);
        tip_rows.push_back(t);
    }
    const auto cards = cards_of_rows(tip_rows, s.ticket.visible_rows(), s.ticket_options, s.params, s.money,
                                     s.bundesland());
    int64_t price = 0;
    for (const CardTicket& c : cards) price += c.stake;
    price_ = cards.empty() || s.params.swiss
                 ? std::string()
                 : "Preis: " + cents_text(price) + " " + s.params.currency + " (" + std::to_string(cards.size()) +
                       (cards.size() == 1 ? " Tippschein" : " Tippscheine") + " mit den Einstellungen des Tippscheins)";
    result_.reset();
    text_->clear();
    progress_->setValue(0);
    state_->setText(QStringLiteral("Jede mögliche Ziehung unter Ihren Zahlen wird geprüft …"));
    set_running(true);
    runner_.start(
        numbered->masks, static_cast<int>(numbers_.size()), this,
        [this](double f) { progress_->setValue(static_cast<int>(f * 1000)); },
        [this](SystemCheck c) { finished(c); });
    return true;
}

void SystemCheckerWindow::cancel() {
    if (running()) runner_.cancel();
}

void SystemCheckerWindow::finished(const SystemCheck& c) {
    set_running(false);
    if (c.cancelled) {
        state_->setText(QStringLiteral("Abgebrochen."));
        return;
    }
    progress_->setValue(progress_->maximum());
    result_ = c;
    state_->setText(QStringLiteral("Geprüft."));
    QStringList lines = system_check_lines(c, numbers_);
    if (!price_.empty()) lines.insert(1, q(price_));
    text_->setPlainText(lines.join(QLatin1Char('\n')));
}

QString SystemCheckerWindow::report() const { return text_->toPlainText(); }

void SystemCheckerWindow::set_running(bool on) {
    check_button_->setEnabled(!on);
    source_->setEnabled(!on);
    cancel_button_->setEnabled(on);
}

void SystemCheckerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        host_.show_help(QStringLiteral("system-pruefer.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void SystemCheckerWindow::reject() {
    runner_.cancel();
    runner_.join();
    QDialog::reject();
}

void open_system_checker(Host& host) {
    SystemCheckerWindow window(host, host.parent_widget());
    window.exec();
}

}  // namespace zw
