#include "cardindex/prize_distribution_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "evaluation/evaluation_painter.h"
#include "ui/listing_print.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
PrizeDistributionDialog::PrizeDistributionDialog(const Comparison& comparison, GameCode game, UiServices& ui,
                                                 QWidget* parent)
    : QDialog(parent), comparison_(comparison), game_(game), ui_(ui) {
    setObjectName(QStringLiteral("gwinvrt"));
    setWindowTitle(q(distribution_caption(comparison)));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lv1"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setFont(evaluation_font());
    list_->setMinimumSize(900, 420);
    list_->header()->setStretchLastSection(false);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    const std::array<std::pair<int, const char*>, 3> captions = {{{29, "&OK"}, {30, "&Drucken"}, {31, "&Abbruch"}}};
    for (const auto& [id, text] : captions) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QStringLiteral("cmd%1").arg(id));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        if (id == 29) connect(b, &QPushButton::clicked, this, &PrizeDistributionDialog::cmd29_Click);
        if (id == 30) connect(b, &QPushButton::clicked, this, &PrizeDistributionDialog::cmd30_Click);
        if (id == 31) connect(b, &QPushButton::clicked, this, &PrizeDistributionDialog::cmd31_Click);
    }
    layout->addLayout(buttons);
    gwinvrt_Load();
}

void PrizeDistributionDialog::gwinvrt_Load() {
    list_->clear();
    QStringList columns;
    for (const std::string& c : distribution_columns(game_)) columns << q(c);
    list_->setHeaderLabels(columns);
    for (const ComparedTicket& t : comparison_.winners) {
        // The line's values are kept ';'-separated and split into the columns.
        const QStringList cells = q(distribution_line(game_, t)).split(QLatin1Char(';'));
        auto* item = new QTreeWidgetItem(list_, cells);
        for (int c = 0; c < cells.size(); ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    // Columns widen to their widest value, so large counts never overflow.
    for (int c = 0; c < columns.size(); ++c) list_->resizeColumnToContents(c);
}

void PrizeDistributionDialog::cmd29_Click() { accept(); }
void PrizeDistributionDialog::cmd31_Click() { reject(); }

void PrizeDistributionDialog::cmd30_Click() {
    if (ui_.message(this, kQuestion, QStringLiteral("Soll die Gewinn-Verteilung ausgedruckt werden?"), 1,
                    QStringLiteral("&JA|&NEIN")) != 1)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Gewinn-Verteilung"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ui_.print_dialog(this, printer)) return;
    if (!print_distribution(printer)) ui_.message(this, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

bool PrizeDistributionDialog::print_distribution(QPrinter& printer) const {
    QStringList lines;
    for (const ComparedTicket& t : comparison_.winners) lines << q(distribution_print_line(game_, t));
    return print_listing(printer, print_font(), q(distribution_caption(comparison_)),
                         q(distribution_print_header(game_)), lines);
}

}  // namespace zw
