#include "archive/slip_grid_widget.h"

#include <QPainter>
#include <QWheelEvent>

namespace zw {

SlipGridWidget::SlipGridWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("slip_grids"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SlipGridWidget::set_grids(SlipGridSet set) {
    set_ = std::move(set);
    updateGeometry();
    update();
}

QSize SlipGridWidget::sizeHint() const {
    const int n = std::max(1, static_cast<int>(set_.grids.size()));
    return SlipGridPainter::size_for(n, SlipGridPainter::cell_size(n));
}

void SlipGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, rect(), set_);
}

void SlipGridWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) emit wheel_steps(delta > 0 ? -1 : 1);
    event->accept();
}

}  // namespace zw
