// What a new user hit first: help from a modal dialog, English standard
// dialogs, suffixed titles, messages over an unsized window, silent failures
// to open a file or address, a range left on draw 1 of an empty archive.
#include <QDialog>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>

#include "app/help_window.h"
#include "app/main_window.h"
#include "archive/draw_output_dialog.h"
#include "gui_test_support.h"
#include "stats/result_window.h"
#include "ui/application_setup.h"

using namespace zw;
using zw::test::ScriptedUi;

class RobustnessTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<MainWindow> window;
        explicit Fixture(const QStringList& files, const QString& game = QString()) {
            for (const QString& f : files) test::write_draw_file(dir.filePath(f), 3);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->start_up();
            window = std::make_unique<MainWindow>(*session, ui.services);
            window->start_program(game);
        }
    };

private slots:
    void helpFromAModalDialogIsNotBlockedByIt() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        QDialog dialog(f.window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        QPointer<HelpWindow> help;
        QTimer::singleShot(0, &dialog, [&] {
            f.window->show_help(QStringLiteral("ergaenzen.htm"));
            help = f.window->findChild<HelpWindow*>(QStringLiteral("help"));
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(help);
        // A modal dialog lets only its own children (its own windows too) take input.
        QCOMPARE(help->parentWidget(), &dialog);
        QCOMPARE(help->current_topic(), QStringLiteral("ergaenzen.htm"));
        // Without a modal dialog the help belongs to the main window again.
        f.window->show_help(QStringLiteral("info.htm"));
        auto* again = f.window->findChild<HelpWindow*>(QStringLiteral("help"));
        QVERIFY(again && again->parentWidget() == f.window.get());
    }

    void standardDialogsSpeakGermanAndTitlesHaveNoSuffix() {
        QVERIFY2(configure_application(*qApp), "Qt's German translations are not installed");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QLocale().language(), QLocale::German);
        // Qt appends a set display name to every title ("Ziehwerk V25.0 — Ziehwerk").
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }

    void missingDrawFileIsReportedOverTheShownAndSizedMainWindow() {
        QTemporaryDir dir;
        test::write_draw_file(dir.filePath(QStringLiteral("Toto.Dat")), 3);
        ScriptedUi ui;
        Session session(dir.path().toStdString());
        session.start_up();
        MainWindow window(session, ui.services);
        QSize size_at_message;
        bool visible_at_message = false;
        ui.services.message_box = [&](QWidget*, const MessageRequest& r) {
            ui.messages.push_back(r);
            size_at_message = window.size();
            visible_at_message = window.isVisible();
            return 1;
        };
        window.start_program(QStringLiteral("1"));  // Wednesday: M_Lotto.Dat is missing
        QVERIFY(!ui.messages.empty());
        QVERIFY(ui.messages.front().text.startsWith(QStringLiteral("M_LOTTO.DAT ist")));
        QVERIFY(visible_at_message);
        QCOMPARE(size_at_message, window.size());
        const int room = QGuiApplication::primaryScreen()->availableGeometry().width() - 8;
        QCOMPARE(window.centralWidget()->width(), std::min(1304, room));
    }

    void openingWithoutADesktopHandlerSaysSo() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        f.ui.services.open_url = [](const QUrl&) { return false; };
        f.window->Win_1_MenuEvent(Command::WebShop);  // the web shop
        QVERIFY(f.ui.last_message().contains(QStringLiteral("kann nicht geöffnet werden")));
        QVERIFY(f.ui.last_message().contains(QStringLiteral("/webshop/product/lottonormal/")));
        const QString out = f.dir.filePath(QStringLiteral("export.txt"));
        f.ui.file_answers = {out};
        run_text_export(f.window.get(), *f.session, f.ui.services);
        QVERIFY(f.ui.last_message().contains(out));
        QVERIFY(f.ui.last_message().contains(QStringLiteral("kann nicht geöffnet werden")));
    }

    void gapAverageOnAnEmptyArchiveLeavesAnEmptyRange() {
        QTemporaryDir dir;
        test::write_bytes(dir.filePath(QStringLiteral("Toto.Dat")), {126, 126, 0, 0});
        ScriptedUi ui;
        Session session(dir.path().toStdString());
        session.start_up();
        MainWindow window(session, ui.services);
        window.start_program(QStringLiteral("2"));
        QCOMPARE(session.range.last, 0);
        window.Win_1_MenuEvent(Command::Averages);
        auto* result = window.findChild<ResultWindow*>(QStringLiteral("dclick"));
        QVERIFY(result && result->gap_average_shown());
        result->close();
        QCOMPARE(session.range.last, 0);
        QCOMPARE(session.range.count, 0);
        window.Win_1_MenuEvent(
            Command::Frequency);  // frequencies: no draw, so no date in the heading
        QVERIFY(!result->gap_average_shown());
        QCOMPARE(session.range.last, 0);
    }
};

ZW_GUI_TEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
