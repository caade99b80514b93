#include "ui/application_setup.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

namespace zw {
namespace {

// Room for the window manager's frame while a window has not been mapped
// yet (its frame is unknown until then).
QMargins expected_frame(const QWidget& window) {
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return {};
    return {4, 30, 4, 4};
}

}  // namespace

void prefer_german_locale() {
    if (!qEnvironmentVariableIsEmpty("LC_ALL")) return;
    for (const char* category : {"LC_TIME", "LC_MESSAGES"})
        if (!qEnvironmentVariable(category).startsWith(QLatin1String("de")))
            qputenv(category, "de_DE.UTF-8");
}

bool configure_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("ziehwerk"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    const bool loaded = translator->load(QLocale(QLocale::German, QLocale::Germany),
                                         QStringLiteral("qtbase"), QStringLiteral("_"), folder);
    if (loaded) QApplication::installTranslator(translator);
    app.installEventFilter(new ScreenFit(&app));
    return loaded;
}

void fit_window_to_screen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = expected_frame(window);
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    // The frame's top-left corner, kept so that the whole frame is on the screen.
    QRect outer(window.pos(), window.size().grownBy(frame));
    outer.moveLeft(std::clamp(outer.left(), available.left(),
                              std::max(available.left(), available.right() + 1 - outer.width())));
    outer.moveTop(std::clamp(outer.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height())));
    if (outer.topLeft() != window.pos()) window.move(outer.topLeft());
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType type = w->windowType();
        if (w->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen)
            fit_window_to_screen(*w);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zw
