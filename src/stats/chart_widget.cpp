#include "stats/chart_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace zw {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kChartWidth, kChartHeight);
}

void ChartWidget::set_painter(std::unique_ptr<ChartPainter> painter) {
    painter_ = std::move(painter);
    setFixedSize(painter_ ? painter_->size() : QSize(kChartWidth, kChartHeight));
    update();
}

QImage ChartWidget::render_image() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (painter_) {
        QPainter p(&image);
        painter_->paint(p);
    }
    return image;
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (painter_)
        painter_->paint(p);
    else
        p.fillRect(rect(), Qt::white);
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    if (painter_ && painter_->mouse_moved(event->position().toPoint())) update();
}

}  // namespace zw
