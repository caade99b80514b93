#include "evaluation/side_game_window.h"

#include <QPainter>

namespace zw {

SideGameWindow::SideGameWindow(const QString& title, const QStringList& lines, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setWindowTitle(title);
    painter_.title = title;
    painter_.lines = lines;
    painter_.font = evaluation_font();
    setFixedSize(painter_.size_hint());
    setAccessibleName(title);
    setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

void SideGameWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, rect());
}

}  // namespace zw
