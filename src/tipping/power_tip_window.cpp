#include "tipping/power_tip_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zw {

// The painted matrix; a left click on a cell reports the cell.
class PowerTipGrid : public QWidget {
public:
    PowerTipGrid(const PowerTipPicture& picture, PowerTipWindow& window)
        : QWidget(&window), picture_(picture), window_(window) {
        setObjectName(QStringLiteral("matrix_grid"));
        setFixedSize(PowerTipPainter::size(picture));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        painter_.paint(p, picture_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        if (const int cell = PowerTipPainter::cell_at(event->position().toPoint(), picture_))
            window_.cell_clicked(cell);
    }

private:
    const PowerTipPicture& picture_;
    PowerTipWindow& window_;
    PowerTipPainter painter_;
};

PowerTipWindow::PowerTipWindow(Session& session, UiServices& ui, bool seven_by_seven,
                               std::function<void(const QString&)> show_help,
                               std::function<void(const PowerTipResult&)> apply, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ui_(ui),
      seven_by_seven_(seven_by_seven),
      show_help_(std::move(show_help)),
      apply_(std::move(apply)) {
    setObjectName(QStringLiteral("power_tip"));
    setWindowTitle(QStringLiteral("POWER-TIPP:"));
    const GameParams& p = session_.params;
    picture_.highest_number = p.highest_number;
    picture_.swiss = p.swiss;
    picture_.game_name = QString::fromUtf8(p.info().name.data(), static_cast<int>(p.info().name.size()));
    picture_.board = power_tip_board(DrawSource(session_.archive, p), session_.range);
    take_weights();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    grid_ = new PowerTipGrid(picture_, *this);
    layout->addWidget(grid_);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    berechne_ = add_button("cmd_berechne", " _Berechne ", &PowerTipWindow::cmd_berechne);
    buttons->addWidget(berechne_);
    buttons->addWidget(add_button("cmd_sichern", " _Sichern ", &PowerTipWindow::cmd_sichern));
    buttons->addWidget(add_button("cmd_reseten", " _Reseten ", &PowerTipWindow::cmd_reseten));
    buttons->addWidget(add_button("cmd_inverte", " _Inverte ", &PowerTipWindow::cmd_inverte));
    buttons->addWidget(add_button("cmd_loeschung", " _Löschung ", &PowerTipWindow::cmd_loeschung));
    buttons->addWidget(add_button("cmd_abbruch", " _Abbruch ", &PowerTipWindow::reject));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* PowerTipWindow::add_button(const char* name, const char* text, void (PowerTipWindow::*slot)()) {
    auto* b = new QPushButton(access_keys(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

QWidget* PowerTipWindow::grid() const { return grid_; }

void PowerTipWindow::take_weights() {
    for (int cell = 0; cell < kMatrixCells; ++cell)
        picture_.weights[static_cast<size_t>(cell)] = session_.weights.weight(cell, session_.params.code);
    if (grid_) grid_->update();
}

void PowerTipWindow::cell_clicked(int cell) {
    session_.weights.step(cell, session_.params.code);
    picture_.weights[static_cast<size_t>(cell)] = session_.weights.weight(cell, session_.params.code);
    grid_->update(cell_rect(cell));
}

void PowerTipWindow::cmd_inverte() {
    session_.weights.invert(session_.params);
    take_weights();
}

void PowerTipWindow::cmd_loeschung() {
    session_.weights.clear_game(session_.params.code);
    take_weights();
}

void PowerTipWindow::cmd_reseten() {
    // A missing file leaves the weights as they are.
    if (Status s = load_weight_matrix(session_.data_folder(), session_.weights); !s)
        ui_.message(this, kWarning, QString::fromStdString(s.message()));
    take_weights();
}

void PowerTipWindow::cmd_sichern() {
    if (ui_.message(this, kQuestion, QStringLiteral("Matrix sichern?"), 1, QStringLiteral("&JA|&NEIN")) != 1)
        return;
    if (Status s = save_game_weights(session_.data_folder(), session_.weights, session_.params.code); !s)
        ui_.message(this, kWarning, QString::fromStdString(s.message()));
    take_weights();
}

void PowerTipWindow::cmd_berechne() {
    const GameParams& p = session_.params;
    if (build_urn(session_.weights, p).size() < kSmallestUrn) {
        QApplication::beep();
        return;
    }
    const QPoint at = berechne_->mapToGlobal(QPoint(0, berechne_->height()));
    const int item = ui_.popup_list(this, access_keys(row_count_items(p, seven_by_seven_)), at);
    const std::optional<int> rows = row_count_for_item(item, p, seven_by_seven_);
    if (!rows) return;  // the list was dismissed

    RandomSource random(ui_.random_seed ? ui_.random_seed() : 0u);
    const ArchiveRowSet archive(DrawSource(session_.archive, p));
    const PowerTipResult result = power_tip(session_.weights, p, archive, *rows, random);
    if (!result.complete)
        ui_.message(this, kWarning, QString::fromStdString(result.message));
    if (result.rows.empty()) return;  // nothing to put on the ticket: the matrix stays open
    if (apply_) apply_(result);
    accept();
}

void PowerTipWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (show_help_) show_help_(QStringLiteral("power-tipp.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void open_power_tip_window(QWidget* parent, Session& s, UiServices& ui, bool seven_by_seven,
                           std::function<void(QString)> show_help,
                           std::function<void(const PowerTipResult&)> apply) {
    PowerTipWindow window(
        s, ui, seven_by_seven,
        [show_help = std::move(show_help)](const QString& topic) {
            if (show_help) show_help(topic);
        },
        std::move(apply), parent);
    window.exec();
}

}  // namespace zw
