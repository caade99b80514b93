// The chart area of the result window: paints the current chart painter at
// its pixel size and reports mouse input.
#pragma once

#include <QWidget>
#include <memory>

#include "stats/chart_painter.h"

namespace zw {

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    void set_painter(std::unique_ptr<ChartPainter> painter);
    ChartPainter* painter() const { return painter_.get(); }
    // The chart as a picture of its own size.
    QImage render_image() const;

signals:
    void clicked(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<ChartPainter> painter_;
};

}  // namespace zw
