#include "tipping/slip_print_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "games/system_catalogue.h"
#include "session/session.h"
#include "tipping/slip_print_painter.h"
#include "tipping/ticket_picture_widget.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QPushButton* add_button(QWidget* parent, QBoxLayout* layout, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

QString millimetres(double offset) {
    return QString::number(offset, 'f', 1) + QStringLiteral(" mm");
}

}  // namespace

SlipPrintDialog::SlipPrintDialog(Session& session, UiServices& ui, SlipPrintHost host, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), host_(std::move(host)) {
    setObjectName(QStringLiteral("scheindruck"));
    setWindowTitle(QStringLiteral("Scheindruck"));
    auto* layout = new QVBoxLayout(this);

    auto* fr7 = new QGroupBox(QStringLiteral("Bundesland / Lotteriegesellschaft"), this);
    fr7->setObjectName(QStringLiteral("fr7"));
    auto* fr7_layout = new QVBoxLayout(fr7);
    cb1_ = new QComboBox(fr7);
    cb1_->setObjectName(QStringLiteral("cb1"));
    for (std::string_view name : kBundeslandNames) cb1_->addItem(q(name));
    cb1_->setCurrentIndex(session_.bundesland());
    fr7_layout->addWidget(cb1_);
    layout->addWidget(fr7);

    auto* fr8 = new QGroupBox(QStringLiteral("Einlegen des Spielscheins"), this);
    fr8->setObjectName(QStringLiteral("fr8"));
    auto* fr8_layout = new QVBoxLayout(fr8);
    orientation_ = new QLabel(fr8);
    orientation_->setObjectName(QStringLiteral("lbl_ausrichtung"));
    orientation_->setWordWrap(true);
    orientation_->setMinimumWidth(420);
    fr8_layout->addWidget(orientation_);
    layout->addWidget(fr8);

    auto* buttons = new QHBoxLayout;
    auto* cmd18 = add_button(this, buttons, "cmd18", QStringLiteral("&Drucken"));
    auto* preview = add_button(this, buttons, "cmd_vorschau", QStringLiteral("&Vorschau"));
    auto* cmd19 = add_button(this, buttons, "cmd19", QStringLiteral("&Übernehmen"));
    auto* cmd20 = add_button(this, buttons, "cmd20", QStringLiteral("&Kalibrieren"));
    auto* cmd39 = add_button(this, buttons, "cmd39", QStringLiteral("&Hilfe"));
    layout->addLayout(buttons);

    connect(cb1_, &QComboBox::activated, this, &SlipPrintDialog::cb1_Click);
    connect(cmd18, &QPushButton::clicked, this, &SlipPrintDialog::cmd18_Click);
    connect(preview, &QPushButton::clicked, this, &SlipPrintDialog::preview);
    connect(cmd19, &QPushButton::clicked, this, &SlipPrintDialog::cmd19_Click);
    connect(cmd20, &QPushButton::clicked, this, &SlipPrintDialog::cmd20_Click);
    connect(cmd39, &QPushButton::clicked, this, &SlipPrintDialog::cmd39_Click);
    info_ausrichtung();
}

SlipPrintDialog::~SlipPrintDialog() = default;

void SlipPrintDialog::cb1_Click(int index) {
    const int from = session_.bundesland();
    if (index < 0 || index >= kBundeslandCount) index = from;
    if (index != from) {
        if (Status st = convert_systems_for_bundesland(session_.ticket, session_.params.code, from, index); !st) {
            ui_.message(this, kWarning, q(st.message()), 1, QStringLiteral("&OK"));
            cb1_->setCurrentIndex(from);
            info_ausrichtung();
            return;
        }
        session_.archive.bundesland = static_cast<int16_t>(index);
        if (host_.changed) host_.changed();
    }
    cb1_->setCurrentIndex(index);
    info_ausrichtung();
}

void SlipPrintDialog::info_ausrichtung() {
    const bool upside_down =
        slip_upside_down(session_.params.code, session_.bundesland(), session_.ticket.system_mode);
    orientation_->setText(q(orientation_text(upside_down)));
}

bool SlipPrintDialog::store_header() {
    if (Status st = session_.save_header(); !st) {
        ui_.message(this, kWarning,
                    QStringLiteral("Das Bundesland und die Kalibrierung konnten nicht gespeichert werden:|") +
                        q(st.message()),
                    1, QStringLiteral("&OK"));
        return false;
    }
    return true;
}

std::optional<SlipSheet> SlipPrintDialog::prepare() {
    cb1_Click(cb1_->currentIndex());
    const int bundesland = session_.bundesland();
    Ticket& ticket = session_.ticket;
    if (!ticket.system_mode && slip_needs_seven_by_seven(bundesland, ticket.seven_by_seven)) {
        if (host_.use_seven_by_seven)
            host_.use_seven_by_seven();
        else
            ticket.seven_by_seven = true;
        if (host_.changed) host_.changed();
    }
    if (const std::string refusal = slip_refusal(session_.params.code, bundesland, ticket.system_mode);
        !refusal.empty()) {
        ui_.message(this, kWarning, q(refusal), 1, QStringLiteral("&OK"));
        return std::nullopt;
    }
    if (ticket.empty()) {
        ui_.message(this, kWarning, QStringLiteral("Auf dem Schein ist noch keine Zahl angekreuzt!"), 1,
                    QStringLiteral("&OK"));
        return std::nullopt;
    }
    return slip_sheet(ticket, session_.ticket_options, session_.params, bundesland,
                      {session_.archive.calibration_x, session_.archive.calibration_y});
}

void SlipPrintDialog::cmd18_Click() {
    const std::optional<SlipSheet> sheet = prepare();
    if (!sheet) return;
    store_header();
    QPrinter printer(QPrinter::HighResolution);
    prepare_slip_printer(printer, *sheet);
    if (!ui_.print_dialog(this, printer)) return;
    if (!print_slip(printer, *sheet, false)) ui_.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1);
}

void SlipPrintDialog::preview() {
    const std::optional<SlipSheet> sheet = prepare();
    if (!sheet) return;
    preview_printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    prepare_slip_printer(*preview_printer_, *sheet);
    auto* dialog = new QPrintPreviewDialog(preview_printer_.get(), this);
    dialog->setObjectName(QStringLiteral("vorschau"));
    dialog->setWindowTitle(QStringLiteral("Scheindruck - Vorschau"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(900, 760);
    const SlipSheet shown = *sheet;
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [shown](QPrinter* printer) {
        // The preview pages are recorded as pictures and get the outline; the
        // preview's own print button gives the paper print without it.
        const bool on_screen = printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture;
        print_slip(*printer, shown, on_screen);
    });
    dialog->open();
}

void SlipPrintDialog::cmd19_Click() {
    cb1_Click(cb1_->currentIndex());
    if (store_header()) accept();
}

void SlipPrintDialog::cmd20_Click() {
    CalibrationDialog form(session_, ui_, this);
    form.exec();
}

void SlipPrintDialog::cmd39_Click() {
    if (host_.help) host_.help(QStringLiteral("Scheindruck.htm"));
}

CalibrationDialog::CalibrationDialog(Session& session, UiServices& ui, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui) {
    setObjectName(QStringLiteral("anpass"));
    setWindowTitle(QStringLiteral("Scheindruck kalibrieren"));
    auto* layout = new QVBoxLayout(this);
    current_ = new QLabel(this);
    current_->setObjectName(QStringLiteral("lbl_aktuell"));
    layout->addWidget(current_);
    auto* grid = new QGridLayout;
    auto make_bar = [&](const char* name, int row, const QString& caption, uint8_t stored, QLabel*& value) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setRange(kCalibrationScrollMin, kCalibrationScrollMax);
        bar->setSingleStep(2);  // 0.2 mm, one step of the stored byte
        bar->setPageStep(10);
        bar->setMinimumWidth(320);
        bar->setValue(calibration_scroll(stored));
        grid->addWidget(bar, row, 1);
        value = new QLabel(this);
        value->setMinimumWidth(70);
        grid->addWidget(value, row, 2);
        return bar;
    };
    scl4_ = make_bar("scl4", 0, QStringLiteral("nach rechts:"), session_.archive.calibration_x, x_value_);
    scl5_ = make_bar("scl5", 1, QStringLiteral("nach unten:"), session_.archive.calibration_y, y_value_);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* cmd16 = add_button(this, buttons, "cmd16", QStringLiteral("&Speichern"));
    auto* cmd17 = add_button(this, buttons, "cmd17", QStringLiteral("S&chließen"));
    layout->addLayout(buttons);
    connect(scl4_, &QScrollBar::valueChanged, this, &CalibrationDialog::scl4_Change);
    connect(scl5_, &QScrollBar::valueChanged, this, &CalibrationDialog::scl5_Change);
    connect(cmd16, &QPushButton::clicked, this, &CalibrationDialog::cmd16_Click);
    connect(cmd17, &QPushButton::clicked, this, &CalibrationDialog::cmd17_Click);
    show_offsets();
    scl4_Change(scl4_->value());
    scl5_Change(scl5_->value());
}

void CalibrationDialog::show_offsets() {
    current_->setText(QStringLiteral("Aktuelle Verschiebung:  X %1,  Y %2")
                          .arg(millimetres(calibration_offset(session_.archive.calibration_x)),
                               millimetres(calibration_offset(session_.archive.calibration_y))));
}

void CalibrationDialog::scl4_Change(int position) {
    x_value_->setText(millimetres(calibration_offset(calibration_byte_for_scroll(position))));
}

void CalibrationDialog::scl5_Change(int position) {
    y_value_->setText(millimetres(calibration_offset(calibration_byte_for_scroll(position))));
}

void CalibrationDialog::cmd16_Click() {
    session_.archive.calibration_x = calibration_byte_for_scroll(scl4_->value());
    session_.archive.calibration_y = calibration_byte_for_scroll(scl5_->value());
    show_offsets();
    if (Status st = session_.save_header(); !st)
        ui_.message(this, kWarning,
                    QStringLiteral("Die Kalibrierung konnte nicht gespeichert werden:|") + q(st.message()), 1,
                    QStringLiteral("&OK"));
}

void CalibrationDialog::cmd17_Click() { accept(); }

void open_slip_print(Host& host) {
    SlipPrintHost slip_host;
    slip_host.use_seven_by_seven = [&host] { host.set_slip_layout(true); };
    slip_host.changed = [&host] { host.ticket_changed(); };
    slip_host.help = [&host](const QString& topic) { host.show_help(topic); };
    SlipPrintDialog dialog(host.session(), host.ui(), std::move(slip_host), host.parent_widget());
    dialog.exec();
    host.ticket_changed();
}

}  // namespace zw
