#include "cardindex/card_diagram_window.h"

#include <QLocale>
#include <QPainter>
#include <QStringList>

namespace zw {

CardDiagramWindow::CardDiagramWindow(BalanceDiagramPainter painter, QWidget* parent)
    : QDialog(parent), painter_(std::move(painter)) {
    setWindowTitle(painter_.title);
    setObjectName(QStringLiteral("diagram"));
    resize(900, 560);
    // The diagram is a picture: its title and values as text for screen readers.
    QStringList values;
    for (size_t i = 0; i < painter_.values.size(); ++i)
        values << QStringLiteral("%1: %2").arg(i + 1).arg(QLocale::c().toString(painter_.values[i], 'f', 2));
    setAccessibleName(painter_.title);
    setAccessibleDescription((painter_.unit.isEmpty() ? QString() : painter_.unit + QStringLiteral("; ")) +
                             values.join(QStringLiteral("; ")));
}

void CardDiagramWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, rect());
}

}  // namespace zw
