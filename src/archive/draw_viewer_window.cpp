#include "archive/draw_viewer_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "archive/calendar.h"
#include "archive/draw_numbering.h"
#include "archive/draw_output_dialog.h"
#include "archive/slip_grid_widget.h"
#include "session/session.h"
#include "ui/fonts.h"
#include "ui/help_key.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
DrawViewerWindow::DrawViewerWindow(Session& session, UiServices& ui, bool seven_by_seven,
                                   QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui),
      grid_count_(slip_grid_count(session.params, seven_by_seven)) {
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(QStringLiteral("Ziehungen anzeigen"));

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setFont(ui_font(17));
    grid_widget_ = new SlipGridWidget(this);
    scl1_ = new QScrollBar(Qt::Horizontal, this);
    scl1_->setObjectName(QStringLiteral("scl1"));

    auto* cmd1 = new QPushButton(QStringLiteral("&Drucken"), this);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setToolTip(QStringLiteral("Die letzten 52 Ziehungen spaltenweise drucken"));
    auto* cmd2 = new QPushButton(QStringLiteral("&Text-Datei"), this);
    cmd2->setObjectName(QStringLiteral("cmd2"));
    cmd2->setToolTip(QStringLiteral("Ziehungen als Text-Datei abspeichern"));
    auto* cmd3 = new QPushButton(QStringLiteral("&Schließen"), this);
    cmd3->setObjectName(QStringLiteral("cmd3"));
    for (QPushButton* b : {cmd1, cmd2, cmd3}) b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd1);
    buttons->addWidget(cmd2);
    buttons->addStretch(1);
    buttons->addWidget(cmd3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(grid_widget_, 1);
    layout->addWidget(scl1_);
    layout->addLayout(buttons);

    connect(cmd1, &QPushButton::clicked, this, &DrawViewerWindow::cmd1_Click);
    connect(cmd2, &QPushButton::clicked, this, &DrawViewerWindow::cmd2_Click);
    connect(cmd3, &QPushButton::clicked, this, &DrawViewerWindow::cmd3_Click);
    connect(scl1_, &QScrollBar::valueChanged, this, &DrawViewerWindow::scl1_Change);
    connect(grid_widget_, &SlipGridWidget::wheel_steps, this,
            [this](int steps) { scl1_->setValue(scl1_->value() + steps); });

    // The scroll bar runs a little beyond the newest draw, so that the newest
    // draws can stand in any grid.
    const int next = session_.archive.next_draw();
    int maximum = next + 12;
    if (session_.params.swiss) maximum = next + 10;
    if (session_.params.austria) maximum = next + session_.archive.bonus_count() + 10;
    scl1_->setRange(0, std::max(0, maximum));
    scl1_->setSingleStep(1);
    scl1_->setPageStep(std::max(1, grid_count_ - 1));

    const int first = std::max(1, session_.range.last - (grid_count_ - 1));
    show_from(first);
    scl1_->setValue(first - 1);
}

const SlipGridSet& DrawViewerWindow::grids() const { return grid_widget_->grids(); }

QString DrawViewerWindow::caption() const { return caption_->text(); }

void DrawViewerWindow::scl1_Change(int value) {
    if (value + 1 == shown_) return;
    show_from(value + 1);
}

void DrawViewerWindow::show_from(int first) {
    shown_ = first;
    const GameParams& params = session_.params;
    const DrawArchive& archive = session_.archive;
    SlipGridSet set;
    set.game = params.code;
    set.highest_number = params.highest_number;
    for (int k = 0; k < grid_count_; ++k)
        set.grids.push_back(params.austria ? combined_slip(archive, first + k)
                                           : regular_slip(params, archive, first + k));
    const SlipDraw& head = set.grids.front();
    set.ticket_number = side_number_text(params, head.present ? head.side : -1);
    grid_widget_->set_grids(std::move(set));

    QString number = QString::number(first);
    QString date;
    QString prefix = QStringLiteral("  ");
    if (params.austria) {
        // The Austrian viewer walks the combined view, numbered as the
        // lottery counts (bonus draws included).
        date = head.present ? q(head.date) : q(numbered_draw_date(params, archive, first).text);
    } else {
        const DrawDate d = draw_date(params.code, first);
        date = q(d.text);
        prefix = q(d.prefix);
    }
    const QString which = params.austria && head.present && head.bonus
                              ? QStringLiteral("Bonus-Ziehung")
                              : QStringLiteral("Nr. ") + number;
    caption_->setText(QStringLiteral("Ziehung im 1. Kästchen:  ") + which + QStringLiteral("  vom ") +
                      date + prefix);
}

void DrawViewerWindow::cmd1_Click() { run_column_print(this, session_, ui_); }

void DrawViewerWindow::cmd2_Click() { run_text_export(this, session_, ui_); }

void DrawViewerWindow::cmd3_Click() { accept(); }

void show_draw_viewer(Host& host) {
    DrawViewerWindow viewer(host.session(), host.ui(), host.seven_by_seven(), host.parent_widget());
    host.add_secondary_window(&viewer);
    add_help_key(&viewer, [&host] { host.show_help(QStringLiteral("info.htm")); });
    viewer.resize(viewer.sizeHint());
    // Beside the main window: its lower edge, kept on the screen.
    const QWidget& window = *host.parent_widget();
    QRect g = viewer.frameGeometry();
    g.moveTopLeft(QPoint(window.x() + (window.width() - g.width()) / 2,
                         window.y() + window.frameGeometry().height() - g.height() / 2));
    if (const QScreen* screen = window.screen()) {
        const QRect s = screen->availableGeometry();
        g.moveLeft(std::clamp(g.left(), s.left(), std::max(s.left(), s.right() - g.width())));
        g.moveTop(std::clamp(g.top(), s.top(), std::max(s.top(), s.bottom() - g.height())));
    }
    viewer.move(g.topLeft());
    viewer.setWindowModality(Qt::WindowModal);
    viewer.exec();
}

}  // namespace zw
