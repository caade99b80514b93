// A row of slip grids on screen (the painter does the drawing); the mouse
// wheel asks to scroll.
#pragma once

#include <QWidget>

#include "archive/slip_grid_painter.h"

namespace zw {

class SlipGridWidget : public QWidget {
    Q_OBJECT
public:
    explicit SlipGridWidget(QWidget* parent = nullptr);

    void set_grids(SlipGridSet set);
    const SlipGridSet& grids() const { return set_; }
    QSize sizeHint() const override;

signals:
    // +1 / -1 per wheel step (towards newer / older draws).
    void wheel_steps(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    SlipGridSet set_;
    SlipGridPainter painter_;
};

}  // namespace zw
