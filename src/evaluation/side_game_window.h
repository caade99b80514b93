// The side-game windows "Auswertung: Spiel 77", "Auswertung: Super 6" and
// "Auswertung: JOKER": how often the ticket's number matched 7 (6) down to 1
// final digits over the draw range.
#pragma once

#include <QWidget>

#include "evaluation/evaluation_painter.h"

namespace zw {

class SideGameWindow : public QWidget {
    Q_OBJECT
public:
    SideGameWindow(const QString& title, const QStringList& lines, QWidget* parent = nullptr);
    const SideGamePainter& painter() const { return painter_; }
    QSize sizeHint() const override { return painter_.size_hint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SideGamePainter painter_;
};

}  // namespace zw
