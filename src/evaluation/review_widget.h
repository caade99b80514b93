// The review area "Rückblick-Fenster" (`Win_2`): the win list of the last
// evaluation, scrolled with its vertical scroll bar and the mouse wheel.
#pragma once

#include <QWidget>

#include "evaluation/evaluation_painter.h"

class QScrollBar;

namespace zw {

class ReviewWidget : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWidget(QWidget* parent = nullptr);

    void set_lines(const QString& header, const QStringList& lines);
    const ReviewPainter& painter() const { return painter_; }
    QScrollBar* scroll_bar() const { return bar_; }
    int first_line() const { return painter_.first; }

    // Scroll bar moved: the list starts at line `value`.
    void Win_2_VScroll(int value);
    // Wheel turned by `delta` (120 per notch): three lines per notch.
    void Win_2_MouseWheel(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void update_range();
    QRect text_area() const;

    ReviewPainter painter_;
    QScrollBar* bar_;
};

}  // namespace zw
