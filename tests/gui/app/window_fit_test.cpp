// Every window opens inside a 1280 x 1024 screen: the offscreen screen is
// configured to that size, and each menu command's window is checked while
// it is open.
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/main_window.h"
#include "tipping/console_dialog.h"
#include "gui_test_support.h"
#include "ui/application_setup.h"

using namespace zw;
using zw::test::ScriptedUi;

class WindowFitTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<MainWindow> window;
        explicit Fixture(const QString& game) {
            for (const char* f : {"Lotto.Dat", "Toto.Dat", "O_Lotto.Dat", "M_Lotto.Dat"})
                test::write_draw_file(dir.filePath(QString::fromLatin1(f)), 2000);
            test::write_draw_file(dir.filePath(QStringLiteral("Swiss.Dat")), 3100, 8);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->start_up();
            window = std::make_unique<MainWindow>(*session, ui.services);
            window->start_program(game);
        }
    };

    QStringList misfits_;
    int modals_seen_ = 0;

    // Every visible top-level window (but menus and tooltips) lies on the screen.
    void check_open_windows(const QString& what) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
                continue;
            if (!screen.contains(w->frameGeometry()))
                misfits_ << QStringLiteral("%1: %2 at %3,%4 %5x%6")
                                .arg(what, w->objectName())
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height());
        }
    }

    // Runs a menu command; a modal window it opens is checked and closed.
    void run(MainWindow& window, Command command) {
        run(window, QStringLiteral("menu %1").arg(menu_id(command)),
            [&window, command] { window.Win_1_MenuEvent(command); });
    }
    template <typename F>
    void run(MainWindow& window, const QString& what, F command) {
        QTimer timer;
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++modals_seen_;
                check_open_windows(what);
                if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
                else modal->close();
            }
        });
        timer.start();
        command();
        QCoreApplication::processEvents();
        check_open_windows(what);
        timer.stop();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible()) w->close();
    }

private slots:
    void screenIsTheSmallestSupported() {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1280, 1024));
    }

    void everyWindowFitsTheScreen() {
        for (const QString& game : {QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("5")}) {
            Fixture f(game);
            check_open_windows(QStringLiteral("main window, game ") + game);
            // Viewer, entry, range, charts, gap average, quotas, fees, help.
            for (Command c : {Command::ShowDraws, Command::EnterDraws, Command::SetRange,
                              Command::Frequency, Command::Gaps, Command::Overview,
                              Command::TwinFrequency, Command::EvenOdd, Command::Observations,
                              Command::Averages, Command::Quotas, Command::Fees, Command::Help})
                run(*f.window, c);
            if (game == QLatin1String("3"))
                run(*f.window, Command::BonusDraws);  // the bonus-draw editor
        }
        QVERIFY2(misfits_.isEmpty(), qPrintable(misfits_.join(QLatin1Char('\n'))));
    }

    // The tip console with its random tip and power tip, in both layouts.
    void tipConsoleWindowsFitTheScreen() {
        for (const QString& game : {QStringLiteral("0"), QStringLiteral("5")}) {
            Fixture f(game);
            for (Command layout : {Command::Layout7x7, Command::Layout49x1}) {
                f.window->Win_1_MenuEvent(layout);
                f.window->Win_1_MenuEvent(Command::NormalTicket);
                auto* console = f.window->findChild<ConsoleDialog*>(QStringLiteral("Dlg_11"));
                QVERIFY(console);
                for (int id : {12, 25}) {
                    f.window->Win_1_MenuEvent(Command::NormalTicket);
                    const int before = modals_seen_;
                    run(*f.window, QStringLiteral("console %1, game %2").arg(id).arg(game),
                        [console, id] { console->button(id)->click(); });
                    QVERIFY(modals_seen_ > before);
                }
            }
        }
        QVERIFY2(misfits_.isEmpty(), qPrintable(misfits_.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char** argv) {
    // An offscreen screen of 1280 x 1024 pixels.
    QTemporaryDir config_dir;
    const QString config = config_dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1280, "height": 1024,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    configure_application(app);
    QStandardPaths::setTestModeEnabled(true);
    WindowFitTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "window_fit_test.moc"
