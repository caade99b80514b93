// The Ziehwerk program: ziehwerk [0..5] [--data ORDNER] | --help | --version
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QStringList>

#include "app/main_window.h"
#include "session/data_folder.h"
#include "session/session.h"
#include "ui/application_setup.h"
#include "ui/ui_services.h"

int main(int argc, char** argv) {
    // A file larger than the process may write fails as a write error.
    zw::report_oversized_writes_as_errors();
    zw::prefer_german_locale();
    QApplication app(argc, argv);
    zw::configure_application(app);

    QApplication::setApplicationVersion(QStringLiteral(ZIEHWERK_VERSION));
    // The desktop finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("ziehwerk"));
    QIcon icon = QIcon::fromTheme(QStringLiteral("ziehwerk"));
    if (icon.isNull()) {
        const QString icons = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor/");
        for (const int size : {48, 64, 128, 256})
            icon.addFile(icons + QStringLiteral("%1x%1/apps/ziehwerk.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ziehungsarchiv, Statistik, Tippscheine und Gewinnauswertung für Lotto und Toto."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("data")},
                                        QStringLiteral("Mit dem Datenordner ORDNER arbeiten (sonst der "
                                                       "Datenordner des Benutzers)."),
                                        QStringLiteral("ORDNER")));
    parser.addPositionalArgument(QStringLiteral("spiel"),
                                 QStringLiteral("Das Startspiel: 0 Lotto Samstag, 1 Lotto Mittwoch, "
                                                "2 Toto Auswahlwette, 3 Österreich, 4 Lotto Samstag + "
                                                "Mittwoch, 5 Swiss Lotto."),
                                 QStringLiteral("[0..5]"));
    parser.process(app);  // --help and --version print and end here
    QString data_dir = parser.value(QStringLiteral("data"));
    const QString game_argument = parser.positionalArguments().value(0);

    zw::UiServices ui = zw::UiServices::desktop();
    if (data_dir.isEmpty()) {
        // The user's data folder, filled from the shipped data the first time.
        data_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        zw::Status status;
        zw::seed_data_folder(data_dir.toStdString(), zw::shipped_data_folder(), &status);
        if (!status) {
            ui.message(nullptr, zw::kWarning, QString::fromStdString(status.message()));
            return 1;
        }
    } else if (!QDir(data_dir).exists()) {
        ui.message(nullptr, zw::kWarning,
                   QStringLiteral("Der Datenordner|%1|existiert nicht.").arg(data_dir));
        return 2;
    }

    zw::Session session(data_dir.toStdString());
    // The folder's lock and the repair of an interrupted save come before
    // anything reads the folder.
    const std::vector<std::string> messages = session.start_up();
    zw::MainWindow window(session, ui);
    if (session.read_only()) window.setWindowTitle(window.windowTitle() + QStringLiteral(" (nur lesen)"));
    for (const auto& message : messages) ui.message(nullptr, zw::kWarning, QString::fromStdString(message));
    window.start_program(game_argument);  // shows the window
    if (window.program_ended()) return 0;
    QObject::connect(&window, &zw::MainWindow::ended, &app, &QApplication::quit);
    return app.exec();
}
