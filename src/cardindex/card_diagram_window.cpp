#include "cardindex/card_diagram_window.h"

#include <QPainter>

namespace zw {

CardDiagramWindow::CardDiagramWindow(BalanceDiagramPainter painter, QWidget* parent)
    : QDialog(parent), painter_(std::move(painter)) {
    setWindowTitle(painter_.title);
    setObjectName(QStringLiteral("diagram"));
    resize(900, 560);
}

void CardDiagramWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, rect());
}

}  // namespace zw
