// Every window opens inside a 1280 x 1024 screen: the offscreen screen is
// configured to that size, and each menu command's window is checked while
// it is open.
#include <QAccessible>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/help_window.h"
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

    // Every widget the keyboard reaches tells assistive technology what it is.
    void check_accessible_names(QWidget* window, const QString& what) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);  // an owner-drawn window takes the focus itself
        for (QWidget* w : widgets) {
            if ((w != window && !w->isVisibleTo(window)) || w->focusPolicy() == Qt::NoFocus || !w->isEnabled()) continue;
            if (w->focusProxy() || w->window() != window) continue;  // checked in its own window
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                unnamed_ << QStringLiteral("%1: %2 %3 in %4")
                                .arg(what, QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                     window->objectName());
        }
    }
    QStringList unnamed_;

    // Tab walks a window's fields in reading order: down the rows, along each row.
    void check_focus_order(QWidget* window, const QString& what) {
        QList<QWidget*> chain;
        for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
            if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain << w;
        for (qsizetype i = 1; i < chain.size(); ++i) {
            const QRect a(chain[i - 1]->mapTo(window, QPoint(0, 0)), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(window, QPoint(0, 0)), chain[i]->size());
            if (b.bottom() < a.top())  // back up to an earlier row
                unordered_ << QStringLiteral("%1: %2 after %3 in %4")
                                  .arg(what, chain[i]->objectName(), chain[i - 1]->objectName(), window->objectName());
        }
    }
    QStringList unordered_;

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
                check_accessible_names(modal, what);
                check_focus_order(modal, what);
                if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
                else modal->close();
            }
        });
        timer.start();
        command();
        QCoreApplication::processEvents();
        check_open_windows(what);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
                check_accessible_names(w, what);
        timer.stop();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible()) w->close();
    }


    // F1 in `window` opens `topic` in a help window that lies on the screen and
    // covers none of the window's buttons; Escape closes the help again.
    void check_help_key(QWidget* window, const QString& topic, const QString& what) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            misfits_ << what + QStringLiteral(": not active");
            return;
        }
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
        QCoreApplication::processEvents();
        HelpWindow* help = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) help = h;
        if (!help) {
            misfits_ << what + QStringLiteral(": F1 opens no help");
            return;
        }
        if (help->current_topic() != topic) misfits_ << what + QStringLiteral(": topic ") + help->current_topic();
        if (!QGuiApplication::primaryScreen()->availableGeometry().contains(help->frameGeometry()))
            misfits_ << what + QStringLiteral(": help off the screen");
        for (QPushButton* b : window->findChildren<QPushButton*>()) {
            if (!b->isVisible()) continue;
            const QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
            if (r.intersects(help->frameGeometry()))
                misfits_ << what + QStringLiteral(": help covers ") + b->text();
        }
        help->activateWindow();
        if (QTest::qWaitForWindowActive(help)) QTest::keyClick(help, Qt::Key_Escape);
        if (help->isVisible()) misfits_ << what + QStringLiteral(": Escape leaves the help open");
        help->close();
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
                              Command::Averages, Command::Quotas, Command::Fees, Command::Help,
                              Command::SystemChecker, Command::SystemDesigner})
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
        unnamed_.removeDuplicates();
        QVERIFY2(unnamed_.isEmpty(), qPrintable(unnamed_.join(QLatin1Char('\n'))));
    }

    void everyFocusableWidgetHasAnAccessibleName() {
        unnamed_.clear();
        for (const QString& game : {QStringLiteral("0"), QStringLiteral("3")}) {
            Fixture f(game);
            f.window->show();
            check_accessible_names(f.window.get(), QStringLiteral("main window"));
            for (Command c : {Command::ShowDraws, Command::EnterDraws, Command::SetRange, Command::Frequency,
                              Command::Gaps, Command::Overview, Command::TwinFrequency, Command::EvenOdd,
                              Command::Observations, Command::Averages, Command::Quotas, Command::Fees,
                              Command::Help, Command::BestListCompute, Command::NormalTicket})
                run(*f.window, c);
            if (game == QLatin1String("3")) run(*f.window, Command::BonusDraws);
        }
        unnamed_.removeDuplicates();
        QVERIFY2(unnamed_.isEmpty(), qPrintable(unnamed_.join(QLatin1Char('\n'))));
        unordered_.removeDuplicates();
        QVERIFY2(unordered_.isEmpty(), qPrintable(unordered_.join(QLatin1Char('\n'))));
    }

    // F1 in every window with a help topic, wherever it is opened from.
    void helpKeyOpensTheTopicEverywhere() {
        Fixture f(QStringLiteral("0"));
        f.window->show();
        check_help_key(f.window.get(), QStringLiteral("tippschein.htm"), QStringLiteral("main window"));
        const std::vector<std::pair<Command, QString>> cases = {
            {Command::EnterDraws, QStringLiteral("ergaenzen.htm")},
            {Command::SetRange, QStringLiteral("ziehungsrahmen.htm")},
            {Command::ShowDraws, QStringLiteral("info.htm")},
            {Command::Frequency, QStringLiteral("diagramme.htm")},
            {Command::BestListCompute, QStringLiteral("info.htm")}};
        for (const auto& [command, topic] : cases) {
            const QString what = QStringLiteral("menu %1").arg(menu_id(command));
            bool checked = false;
            QTimer timer;
            timer.setInterval(20);
            connect(&timer, &QTimer::timeout, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || modal->objectName() == QLatin1String("msgbox")) return;
                timer.stop();
                if (!checked) check_help_key(modal, topic, what);
                checked = true;
                if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
                else modal->close();
            });
            timer.start();
            f.window->Win_1_MenuEvent(command);
            QCoreApplication::processEvents();
            timer.stop();
            if (!checked) {  // a window that leaves the command running beside the main window
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w != f.window.get() && w->isVisible() && !qobject_cast<HelpWindow*>(w)) {
                        check_help_key(w, topic, what);
                        checked = true;
                        w->close();
                        break;
                    }
            }
            if (!checked) misfits_ << what + QStringLiteral(": no window");
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
