#include "stats/result_window.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/file_io.h"
#include "stats/gap_average.h"
#include "stats/gap_average_painter.h"
#include "stats/hard_copy_painter.h"
#include "stats/statistic_codes.h"
#include "ui/help_key.h"

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
    add_help_key(this, [cmd35] { cmd35->click(); });
    connect(cmd26, &QPushButton::clicked, this, &QWidget::close);

    table_button_ = button(this, "cmdTable", QStringLiteral("&Tabelle"));
    table_button_->setCheckable(true);
    csv_button_ = button(this, "cmdCsv", QStringLiteral("&CSV..."));
    picture_button_ = button(this, "cmdPicture", QStringLiteral("&Bild..."));
    connect(table_button_, &QPushButton::toggled, this, &ResultWindow::show_table);
    connect(csv_button_, &QPushButton::clicked, this, &ResultWindow::export_csv);
    connect(picture_button_, &QPushButton::clicked, this, &ResultWindow::export_picture);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("tblValues"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSortingEnabled(true);
    table_->setFixedHeight(220);
    table_->hide();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frm5_);
    bottom->addStretch(1);
    bottom->addWidget(table_button_);
    bottom->addWidget(csv_button_);
    bottom->addWidget(picture_button_);
    bottom->addWidget(cmd27);
    bottom->addWidget(cmd35);
    bottom->addWidget(cmd26);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(4);
    layout->addWidget(chart_);
    layout->addWidget(table_);
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
    fill_table();
    describe_chart();
}

void ResultWindow::describe_chart() {
    // The chart is a picture: assistive technology reads its title and values.
    chart_->setAccessibleName(gap_mode_ ? QStringLiteral("Rückstand-Durchschnitte")
                                        : QString::fromStdString(statistic_title(code_, session_.params)));
    const ChartPainter* chart = chart_->painter();
    const std::optional<StatTable> t = chart ? chart->table() : std::nullopt;
    QStringList lines;
    if (t) {
        auto line = [](const std::vector<std::string>& cells) {
            QStringList out;
            for (const std::string& c : cells) out << QString::fromStdString(c);
            return out.join(QStringLiteral(", "));
        };
        lines << line(t->header);
        for (const auto& row : t->rows) lines << line(row);
    }
    chart_->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

void ResultWindow::fill_table() {
    const ChartPainter* chart = chart_->painter();
    const std::optional<StatTable> t = chart ? chart->table() : std::nullopt;
    table_button_->setEnabled(t.has_value());
    csv_button_->setEnabled(t.has_value());
    picture_button_->setEnabled(chart != nullptr);
    if (!t) table_->hide();
    table_->setSortingEnabled(false);
    table_->clear();
    if (!t) {
        table_->setRowCount(0);
        table_->setColumnCount(0);
        return;
    }
    table_->setColumnCount(static_cast<int>(t->header.size()));
    table_->setRowCount(static_cast<int>(t->rows.size()));
    QStringList header;
    for (const std::string& h : t->header) header << QString::fromStdString(h);
    table_->setHorizontalHeaderLabels(header);
    for (size_t r = 0; r < t->rows.size(); ++r) {
        for (size_t c = 0; c < t->rows[r].size(); ++c) {
            const QString text = QString::fromStdString(t->rows[r][c]);
            auto* item = new QTableWidgetItem;
            bool number = false;
            const double value = QLocale::c().toDouble(text, &number);
            // Numbers sort by value; the shown text stays the table's own.
            if (c < t->numeric.size() && t->numeric[c] && number) {
                item->setData(Qt::DisplayRole, text.contains(QLatin1Char('.')) ? QVariant(value)
                                                                              : QVariant(text.toInt()));
            } else {
                item->setText(text);
            }
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);
}

void ResultWindow::show_table(bool shown) {
    const bool has_table = table_->columnCount() > 0;
    table_->setVisible(shown && has_table);
    const QSignalBlocker block(table_button_);
    table_button_->setChecked(shown && has_table);
}

std::optional<QString> ResultWindow::ask_file(const QString& title, const QString& suffix, const QString& filter) {
    FileRequest request;
    request.title = title;
    request.default_suffix = suffix;
    request.filter = filter;
    request.preset = QStringLiteral("Statistik.") + suffix;
    request.save = true;
    auto chosen = ui_.file_dialog(this, request);
    if (chosen && QFileInfo(*chosen).suffix().isEmpty()) *chosen += QLatin1Char('.') + suffix;
    return chosen;
}

bool ResultWindow::write_export(const QString& path, std::string_view bytes) {
    if (write_file_atomic(fs::path(path.toStdString()), bytes)) return true;
    ui_.message(this, kWarning,
                QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)), 1,
                QStringLiteral("&OK"));
    return false;
}

bool ResultWindow::export_csv() {
    const ChartPainter* chart = chart_->painter();
    const std::optional<StatTable> t = chart ? chart->table() : std::nullopt;
    if (!t) return false;
    const auto path = ask_file(QStringLiteral("Tabelle als CSV speichern:"), QStringLiteral("csv"),
                               QStringLiteral("CSV-Dateien|*.csv"));
    return path && write_export(*path, csv_text(*t));
}

bool ResultWindow::export_picture() {
    const ChartPainter* chart = chart_->painter();
    if (!chart) return false;
    const auto path = ask_file(QStringLiteral("Grafik als PNG oder SVG speichern:"), QStringLiteral("png"),
                               QStringLiteral("PNG-Bilder|*.png|SVG-Grafiken|*.svg"));
    if (!path) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QFileInfo(*path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        // The same painter that draws screen and paper, into a vector picture.
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(chart->size());
        svg.setViewBox(QRect(QPoint(0, 0), chart->size()));
        svg.setTitle(windowTitle());
        QPainter p;
        if (!p.begin(&svg)) return false;
        chart->paint(p);
        p.end();
    } else if (!chart_->render_image().save(&buffer, "PNG")) {
        return false;
    }
    return write_export(*path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
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
