#include "app/help_window.h"

#include <algorithm>

#include <QFile>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zw {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Ziehwerk – Hilfe"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("help_browser"));
    browser_->setAccessibleName(QStringLiteral("Hilfetext"));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QRect help_placement(const QRect& owner, const QRect& screen, QSize wanted, QMargins frame) {
    // The frame's outer sizes; the window's own size is the inner one.
    const QSize outer_wanted = wanted.grownBy(frame);
    const QSize outer_least = QSize(360, 280).grownBy(frame);
    const int gap = 4;
    // The free strips beside, below and above the owner.
    const QRect right(owner.right() + 1 + gap, screen.top(), screen.right() - owner.right() - gap, screen.height());
    const QRect left(screen.left(), screen.top(), owner.left() - gap - screen.left(), screen.height());
    const QRect below(screen.left(), owner.bottom() + 1 + gap, screen.width(), screen.bottom() - owner.bottom() - gap);
    const QRect above(screen.left(), screen.top(), screen.width(), owner.top() - gap - screen.top());
    QRect best;
    for (const QRect& strip : {right, left, below, above}) {
        if (strip.width() < outer_least.width() || strip.height() < outer_least.height()) continue;
        best = strip;
        break;
    }
    const bool beside_owner = best.isValid();
    if (!beside_owner) best = screen;  // no room beside it: anywhere on the screen
    const QSize outer = outer_wanted.boundedTo(best.size());
    QRect r(QPoint(0, 0), outer);
    // Level with the owner where the strip allows, else at the strip's edge.
    const int x = best == left ? best.right() - outer.width() + 1 : best.left();
    const int y = std::clamp(owner.top(), best.top(), best.bottom() - outer.height() + 1);
    r.moveTopLeft(beside_owner ? QPoint(x, y) : QPoint(screen.right() - outer.width() + 1, y));
    return r.marginsRemoved(frame);
}

bool HelpWindow::has_topic(const QString& topic) {
    return QFile::exists(QStringLiteral(":/help/") + topic);
}

void HelpWindow::show_topic(const QString& topic) {
    topic_ = topic;
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + topic));
    if (!isVisible()) place();
    show();
    raise();
    activateWindow();
}

void HelpWindow::place() {
    QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen) return;
    // A window manager's frame: the owner's, else a usual one.
    QMargins frame(4, 28, 4, 4);
    if (owner && owner->isVisible() && owner->frameGeometry() != owner->geometry()) {
        const QRect f = owner->window()->frameGeometry();
        const QRect g = owner->window()->geometry();
        frame = QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    }
    const QRect own = owner ? owner->window()->frameGeometry() : QRect();
    setGeometry(help_placement(own, screen->availableGeometry(), QSize(720, 560), frame));
}

}  // namespace zw
