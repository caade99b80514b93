// What the program sets up on its QApplication before the first window:
// names, Qt's German translations for the standard dialogs, the German
// locale, and the rule that every window fits the screen it opens on.
#pragma once

#include <QObject>

class QApplication;
class QWidget;

namespace zw {

// Application name "ziehwerk" (data folder, settings). No display name is
// set, so window titles stay exactly the program's texts. Loads the German
// translations of Qt's own dialogs ("Suchen in:", "Abbrechen", ...) and
// returns false when they are not installed. Installs the ScreenFit filter.
bool configure_application(QApplication& app);

// Before the QApplication exists: unless the user chose a locale for all
// categories (LC_ALL), dates and Qt's messages in the standard dialogs follow
// German conventions (LC_TIME, LC_MESSAGES). Numbers are left alone, so no
// number the engine writes changes its decimal point.
void prefer_german_locale();

// Bounds a top-level window to the available geometry of its screen (frame
// included) and moves it onto that screen; windows that fit keep their size
// and place. Content that cannot shrink stays at its minimum size.
void fit_window_to_screen(QWidget& window);

// Applies fit_window_to_screen to every top-level window when it is shown
// (menus and tooltips place themselves).
class ScreenFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zw
