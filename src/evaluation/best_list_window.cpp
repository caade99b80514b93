#include "evaluation/best_list_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zw {
namespace {

QString kind_title(ListKind kind) {
    return kind == ListKind::Best ? QStringLiteral("Bestenliste") : QStringLiteral("Nietenliste");
}

}  // namespace

BestListWindow::BestListWindow(BacktestList list, UiServices& ui, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), ui_(ui) {
    setObjectName(QStringLiteral("best_list"));
    setWindowTitle(kind_title(list_.kind));
    setFixedSize(painter_.size_hint());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

const BacktestList& BestListWindow::run_search(const NumberList& numbers, const EvaluationInputs& in) {
    list_ = make_list(list_.kind, numbers, {}, in);
    const auto draws = eval_draws(in.archive, in.params, in.range.first, in.range.last);
    SearchOptions options;
    options.poll_interval = poll_interval_;
    options.poll = [this, &in](const SearchProgress& p) { return poll(p, in); };
    searching_ = true;
    status_ = QStringLiteral("Restlaufzeit: ");
    update();
    QApplication::processEvents();
    const SearchResult result = backtest_search(numbers, draws, rule_set_for(in.params.code), options);
    searching_ = false;
    list_.entries = result.list(list_.kind).entries();
    evaluate_list(list_, in);
    status_ = result.stopped ? QStringLiteral("Berechnung abgebrochen.") : QString();
    update();
    return list_;
}

bool BestListWindow::poll(const SearchProgress& p, const EvaluationInputs& in) {
    QApplication::processEvents();
    const ScoreList& current = list_.kind == ListKind::Best ? p.best : p.worst;
    const bool changed = current.entries().size() != list_.entries.size() ||
                         !std::equal(current.entries().begin(), current.entries().end(), list_.entries.begin(),
                                     [](const ListEntry& a, const ListEntry& b) {
                                         return a.score == b.score && a.numbers == b.numbers;
                                     });
    if (changed) {
        list_.entries = current.entries();
        list_.evaluated = false;
    }
    if (p.timed) status_ = QStringLiteral("Restlaufzeit: ") + QString::fromStdString(duration_text(p.remaining_seconds()));
    if (want_evaluation_) {
        want_evaluation_ = false;
        evaluate_list(list_, in);
        repainted_.invalidate();
    }
    // The screen follows at most every 40 ms however often the search polls.
    if (!repainted_.isValid() || repainted_.elapsed() >= 40) {
        update();
        repainted_.start();
    }
    if (want_print_) {
        want_print_ = false;
        print_list(this, ui_, list_);
    }
    if (want_stop_) {
        want_stop_ = false;
        if (ui_.message(this, kQuestion, QStringLiteral("Berechnung beenden?"), 2, QStringLiteral("&JA|&NEIN")) == 1)
            return false;
    }
    return true;
}

void BestListWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, list_, status_);
}

void BestListWindow::keyPressEvent(QKeyEvent* event) {
    if (!searching_) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_A: want_evaluation_ = true; break;
        case Qt::Key_D: want_print_ = true; break;
        case Qt::Key_Escape: want_stop_ = true; break;
        default: QDialog::keyPressEvent(event); return;
    }
    event->accept();
}

void BestListWindow::closeEvent(QCloseEvent* event) {
    if (searching_) {
        want_stop_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void BestListWindow::reject() {
    if (searching_) {
        want_stop_ = true;
        return;
    }
    QDialog::reject();
}

ListDialog::ListDialog(const BacktestList& list, UiServices& ui, QString folder, QWidget* parent)
    : QDialog(parent), list_(list), ui_(ui), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("Dlg_1"));
    setWindowTitle(QStringLiteral("Auswahl-Konsole"));
    auto* layout = new QHBoxLayout(this);
    auto add = [&](int id, const char* text, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(id == 1);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b);
    };
    add(1, "&OK", &ListDialog::accept);
    add(2, "&Drucken", &ListDialog::print);
    add(3, "&TXT-Datei", &ListDialog::export_text);
    add(4, "&Abbruch", &ListDialog::reject);
}

void ListDialog::print() { print_list(this, ui_, list_); }

void ListDialog::export_text() { export_list(this, ui_, list_, folder_); }

void print_list(QWidget* parent, UiServices& ui, const BacktestList& list) {
    if (ui.message(parent, kQuestion, QStringLiteral("Liste ausdrucken?"), 1, QStringLiteral("&JA|&NEIN")) != 1)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kind_title(list.kind));
    if (!ui.print_dialog(parent, printer)) return;
    QPainter p;
    bool ok = p.begin(&printer);
    if (ok) {
        BacktestListPainter::print(
            p, printer.pageLayout().paintRectPixels(printer.resolution()).translated(0, 0), list);
        ok = p.end();
    }
    if (!ok) ui.message(parent, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

void export_list(QWidget* parent, UiServices& ui, const BacktestList& list, const QString& folder) {
    FileRequest request;
    request.title = QStringLiteral("Liste als Text speichern:");
    request.default_suffix = QStringLiteral("txt");
    request.filter = QStringLiteral("TXT-Dateien|*.txt");
    request.preset = kind_title(list.kind) + QStringLiteral(".txt");
    request.folder = folder;
    request.save = true;
    const auto chosen = ui.file_dialog(parent, request);
    if (!chosen) return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
    if (Status st = write_file_atomic(fs::path(path.toStdString()), export_list_text(list)); !st) {
        ui.message(parent, kWarning,
                   QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)), 1,
                   QStringLiteral("&OK"));
        return;
    }
    open_url_or_report(ui, parent, QUrl::fromLocalFile(path));
}

}  // namespace zw
