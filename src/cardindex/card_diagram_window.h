// A diagram of the card index in its own window, drawn by the balance painter.
#pragma once

#include <QDialog>

#include "cardindex/balance_diagram_painter.h"

namespace zw {

class CardDiagramWindow : public QDialog {
    Q_OBJECT
public:
    CardDiagramWindow(BalanceDiagramPainter painter, QWidget* parent = nullptr);
    const BalanceDiagramPainter& painter() const { return painter_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BalanceDiagramPainter painter_;
};

}  // namespace zw
