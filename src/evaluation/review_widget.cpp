#include "evaluation/review_widget.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace zw {

ReviewWidget::ReviewWidget(QWidget* parent) : QWidget(parent), bar_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName(QStringLiteral("Win_2"));
    painter_.font = evaluation_font();
    bar_->setObjectName(QStringLiteral("Win_2_scroll"));
    connect(bar_, &QScrollBar::valueChanged, this, &ReviewWidget::Win_2_VScroll);
    setMinimumHeight(120);
}

void ReviewWidget::set_lines(const QString& header, const QStringList& lines) {
    painter_.header = header;
    painter_.lines = lines;
    painter_.first = 0;
    update_range();
    bar_->setValue(0);
    update();
}

QRect ReviewWidget::text_area() const { return rect().adjusted(0, 0, -bar_->sizeHint().width(), 0); }

void ReviewWidget::update_range() {
    const int visible = painter_.visible_lines(text_area().height());
    const int max = std::max(0, static_cast<int>(painter_.lines.size()) - visible);
    bar_->setRange(0, max);
    bar_->setPageStep(std::max(1, visible));
    bar_->setSingleStep(1);
    if (painter_.first > max) painter_.first = max;
}

void ReviewWidget::Win_2_VScroll(int value) {
    painter_.first = std::clamp(value, 0, bar_->maximum());
    if (bar_->value() != painter_.first) bar_->setValue(painter_.first);
    update();
}

void ReviewWidget::Win_2_MouseWheel(int delta) {
    const int steps = delta / 120;
    if (steps != 0) bar_->setValue(bar_->value() - 3 * steps);
}

void ReviewWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, text_area());
}

void ReviewWidget::resizeEvent(QResizeEvent*) {
    const int w = bar_->sizeHint().width();
    bar_->setGeometry(width() - w, 0, w, height());
    update_range();
}

void ReviewWidget::wheelEvent(QWheelEvent* event) {
    Win_2_MouseWheel(event->angleDelta().y());
    event->accept();
}

}  // namespace zw
