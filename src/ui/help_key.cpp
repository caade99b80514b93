#include "ui/help_key.h"

#include <QShortcut>
#include <QWidget>

namespace zw {

void add_help_key(QWidget* window, std::function<void()> show_help) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setObjectName(QStringLiteral("help_key"));
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, std::move(show_help));
}

}  // namespace zw
