#include "app/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zw {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Ziehwerk – Hilfe"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("help_browser"));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

bool HelpWindow::has_topic(const QString& topic) {
    return QFile::exists(QStringLiteral(":/help/") + topic);
}

void HelpWindow::show_topic(const QString& topic) {
    topic_ = topic;
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + topic));
    show();
    raise();
    activateWindow();
}

}  // namespace zw
