// The Ziehwerk program: ziehwerk [0..5] [--data DIR]
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

#include "app/data_folder.h"
#include "app/main_window.h"
#include "app/session.h"
#include "ui/application_setup.h"
#include "ui/ui_services.h"

int main(int argc, char** argv) {
    // A file larger than the process may write fails as a write error.
    zw::report_oversized_writes_as_errors();
    zw::prefer_german_locale();
    QApplication app(argc, argv);
    zw::configure_application(app);

    QString data_dir;
    QString game_argument;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data_dir = args[++i];
        else if (game_argument.isEmpty())
            game_argument = args[i];
    }

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
