#include "app/main_window.h"

#include <QAction>
#include <QFileInfo>
#include <QScreen>
#include <QMenu>
#include <QMenuBar>

#include "app/help_window.h"
#include "cardindex/card_store.h"
#include "tipping/ticket_picture_widget.h"
#include "gui_test_support.h"

using namespace zw;
using zw::test::ScriptedUi;

class MainWindowTest : public QObject {
    Q_OBJECT

    // A data folder with the draw files named.
    static void make_folder(const QTemporaryDir& dir, const QStringList& files) {
        for (const QString& f : files)
            test::write_draw_file(dir.filePath(f), 3, f.startsWith(QLatin1String("Swiss")) ? 8 : 7);
    }

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<MainWindow> window;
        explicit Fixture(const QStringList& files, const QString& argument = QString()) {
            make_folder(dir, files);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->start_up();
            window = std::make_unique<MainWindow>(*session, ui.services);
            window->show();
            window->start_program(argument);
        }
    };

    // The number field shows the slip at its size, scaled down only where the
    // screen is narrower, keeping its proportions.
    static void expect_slip(MainWindow& w, QSize slip) {
        QCOMPARE(w.ticket_picture()->slip_size(), slip);
        const int avail = w.screen()->availableGeometry().width() - 8;
        const QSize shown = w.centralWidget()->size();
        if (slip.width() <= avail) {
            QCOMPARE(shown, slip);
        } else {
            QVERIFY(shown.width() <= avail);
            QCOMPARE(shown.height(), slip.height() * shown.width() / slip.width());
        }
    }

    static QStringList labels_of(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    static QMenu* drop_down(MainWindow& w, const QString& title) {
        for (QAction* a : w.menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }

private slots:
    void startsOnSaturdayLottoWithTitleAndMarks() {
        Fixture f({QStringLiteral("Lotto.Dat"), QStringLiteral("Swiss.Dat")});
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Ziehwerk V25.0"));
        QCOMPARE(int(f.session->params.code), 0);
        QVERIFY(f.window->menu_action(Command::Lotto6aus49)->isChecked());
        QVERIFY(f.window->menu_action(Command::LottoSaturday)->isChecked());
        QVERIFY(!f.window->menu_action(Command::LottoBoth)->isChecked());
        QVERIFY(f.window->menu_action(Command::Layout7x7)->isChecked());
        expect_slip(*f.window, QSize(1304, 474));
    }

    void startGameFollowsFilesAndArgument() {
        Fixture only_swiss_toto({QStringLiteral("Swiss.Dat"), QStringLiteral("Toto.Dat")});
        QCOMPARE(int(only_swiss_toto.session->params.code), int(kToto));
        Fixture arg({QStringLiteral("Lotto.Dat"), QStringLiteral("O_Lotto.Dat")}, QStringLiteral("3"));
        QCOMPARE(int(arg.session->params.code), int(kAustria));
        Fixture ignored({QStringLiteral("Lotto.Dat")}, QStringLiteral("7"));
        QCOMPARE(int(ignored.session->params.code), 0);
    }

    void bonusEntryOnlyInAustriaBetweenSeparators() {
        Fixture f({QStringLiteral("Lotto.Dat"), QStringLiteral("O_Lotto.Dat")});
        QMenu* draws = drop_down(*f.window, QStringLiteral("&Ziehungen"));
        QVERIFY(draws);
        QVERIFY(!labels_of(draws).contains(QStringLiteral("&Bonus-Ziehung")));
        f.window->Win_1_MenuEvent(Command::AustrianLotto);
        QCOMPARE(int(f.session->params.code), int(kAustria));
        draws = drop_down(*f.window, QStringLiteral("&Ziehungen"));
        const QStringList l = labels_of(draws);
        const int i = static_cast<int>(l.indexOf(QStringLiteral("&Bonus-Ziehung")));
        QVERIFY(i > 0);
        QCOMPARE(l[i - 1], QStringLiteral("-"));
        QCOMPARE(l[i + 1], QStringLiteral("-"));
        expect_slip(*f.window, QSize(982, 474 + 44));
    }

    void swissMarksAndGreyedSlipLayouts() {
        Fixture f({QStringLiteral("Lotto.Dat"), QStringLiteral("Swiss.Dat")});
        f.window->Win_1_MenuEvent(Command::SwissLotto);
        QCOMPARE(int(f.session->params.code), int(kSwiss));
        QVERIFY(f.window->menu_action(Command::LottoBoth)->isChecked());
        QVERIFY(f.window->menu_action(Command::SwissLotto)->isChecked());
        QVERIFY(!f.window->menu_action(Command::Lotto6aus49)->isChecked());
        QVERIFY(!f.window->menu_action(Command::Layout49x1)->isEnabled());
        QVERIFY(!f.window->menu_action(Command::Layout7x7)->isEnabled());
        QVERIFY(!f.window->menu_action(Command::Layout7x7)->isChecked());
        QCOMPARE(f.session->range.first, kSwissLuckyStart);
    }

    void missingModuleIsRefused() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        f.window->Win_1_MenuEvent(Command::Lotto6aus45);  // Toto.Dat absent
        QCOMPARE(f.ui.last_message(), QStringLiteral("  Das gewählte Programm-Modul ist nicht vorhanden!"));
        QCOMPARE(f.ui.messages.back().buttons, QStringLiteral("Alles klar!"));
        QCOMPARE(int(f.session->params.code), 0);
        f.window->Win_1_MenuEvent(Command::Keno);  // KENO module absent: nothing ends
        QVERIFY(!f.window->program_ended());
    }

    void unsavedGuardKeepsGameOnZurueckAndProceedsOnEgal() {
        Fixture f({QStringLiteral("Lotto.Dat"), QStringLiteral("M_Lotto.Dat")});
        f.session->archive.set_saved(false);
        f.ui.message_answers = {1};  // "&Zurück"
        f.window->Win_1_MenuEvent(Command::LottoWednesday);
        QCOMPARE(f.ui.messages.back().text,
                 QStringLiteral("V O R S I C H T !|Neue Daten sind noch nicht gespeichert !"));
        QCOMPARE(f.ui.messages.back().buttons, QStringLiteral("&Zurück|&Egal"));
        QCOMPARE(int(f.session->params.code), 0);
        QVERIFY(f.window->menu_action(Command::LottoSaturday)->isChecked());

        f.ui.message_answers = {2};  // "&Egal"
        f.window->Win_1_MenuEvent(Command::LottoWednesday);
        QCOMPARE(int(f.session->params.code), int(kLottoWednesday));
        QVERIFY(f.session->archive.saved());
    }

    void exitWithUnsavedDraws() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        f.session->archive.set_saved(false);
        f.ui.message_answers = {1};
        f.window->Win_1_MenuEvent(Command::Exit);
        QVERIFY(!f.window->program_ended());
        QVERIFY(f.window->isVisible());
        f.ui.message_answers = {2};
        f.window->Win_1_MenuEvent(Command::Exit);
        QVERIFY(f.window->program_ended());
        QVERIFY(!f.window->isVisible());
    }

    void closeBoxAsksAndSecondaryWindowComesToFront() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        QWidget viewer;
        viewer.show();
        f.window->add_secondary_window(&viewer);
        f.window->close();
        QVERIFY(f.window->isVisible());
        QVERIFY(f.ui.messages.empty());
        viewer.close();
        f.ui.message_answers = {2};  // "&NEIN"
        f.window->close();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Programm beenden?"));
        QVERIFY(f.window->isVisible());
        f.ui.message_answers = {1};  // "&JA"
        f.window->close();
        QVERIFY(f.window->program_ended());
    }

    void missingDrawFileOffersSelectorAndSaveWritesCapitals() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        test::write_draw_file(f.dir.filePath(QStringLiteral("Toto.Dat")), 2);
        f.session->start_up();
        QFile::remove(f.dir.filePath(QStringLiteral("Toto.Dat")));
        f.window->Win_1_MenuEvent(Command::Lotto6aus45);
        QCOMPARE(f.ui.messages.back().text, QStringLiteral("TOTO.DAT ist|nicht im aktuellen|Ordner oder Laufwerk!"));
        QCOMPARE(f.ui.file_requests.back().title, QStringLiteral("Ziehungen laden:"));
        QCOMPARE(f.session->archive.next_draw(), 0);

        f.window->Win_1_MenuEvent(Command::Lotto6aus49);
        f.session->archive.set_saved(false);
        f.window->Win_1_MenuEvent(Command::SaveDraws);
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
        QVERIFY(f.session->archive.saved());
    }

    // "sichern" after a draw file that could not be loaded writes over
    // nothing: not the draw file, and not the side files it shares.
    void savingAfterAFailedLoadReplacesNothing() {
        QTemporaryDir dir;
        ScriptedUi ui;
        const std::vector<uint8_t> spiel77 = {3, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
        test::write_bytes(dir.filePath(QStringLiteral("LOTTO.DAT")), {});
        test::write_bytes(dir.filePath(QStringLiteral("Spiel77Sam.Dat")), spiel77);
        test::write_bytes(dir.filePath(QStringLiteral("Super6Sam.Dat")), spiel77);
        Session session(dir.path().toStdString());
        session.start_up();
        MainWindow w(session, ui.services);
        w.start_program(QString());
        w.Win_1_MenuEvent(Command::SaveDraws);
        QCOMPARE(ui.last_message(),
                 QStringLiteral("Die Datei LOTTO.DAT konnte nicht geladen werden und wird nicht überschrieben."));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("LOTTO.DAT"))).size(), 0);

        // Without the draw file (selector cancelled) the side files are replaced only on a yes.
        QFile::remove(dir.filePath(QStringLiteral("LOTTO.DAT")));
        w.Win_1_MenuEvent(Command::Lotto6aus49);
        w.Win_1_MenuEvent(Command::SaveDraws);  // the question's default is NEIN
        QVERIFY(ui.last_message().startsWith(
            QStringLiteral("Die Datei Spiel77Sam.Dat enthält 3 Einträge; gespeichert würden nur 0.|")));
        QCOMPARE(ui.messages.back().default_button, 2);
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("Spiel77Sam.Dat"))).size(), qint64(spiel77.size()));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("Super6Sam.Dat"))).size(), qint64(spiel77.size()));
        ui.message_answers = {1};
        w.Win_1_MenuEvent(Command::SaveDraws);
        QCOMPARE(ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
    }

    void saveOverDrawsAnotherProgramChangedAsksFirst() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        const QString file = f.dir.filePath(QStringLiteral("Lotto.Dat"));
        test::write_draw_file(file, 5);
        const qint64 theirs = QFileInfo(file).size();
        f.ui.message_answers = {2};  // "&NEIN"
        f.window->Win_1_MenuEvent(Command::SaveDraws);
        QCOMPARE(f.ui.last_message(),
                 QStringLiteral("Die Datei Lotto.Dat wurde seit dem Laden von einem anderen Programm "
                                "geändert.|Trotzdem überschreiben?"));
        QCOMPARE(QFileInfo(file).size(), theirs);
        f.ui.message_answers = {1};  // "&JA"
        f.window->Win_1_MenuEvent(Command::SaveDraws);
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
        QVERIFY(QFileInfo(file).size() < theirs);
    }

    void loadOtherDrawFileKeepsPreviousOnCancel() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        test::write_draw_file(f.dir.filePath(QStringLiteral("other.dat")), 9);
        f.window->Win_1_MenuEvent(Command::LoadDraws);  // cancelled
        QCOMPARE(f.session->archive.newest(), 3);
        f.ui.file_answers = {f.dir.filePath(QStringLiteral("other.dat"))};
        f.window->Win_1_MenuEvent(Command::LoadDraws);
        QCOMPARE(f.session->archive.newest(), 9);
    }

    void helpInfoAndWebShop() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        f.window->Win_1_MenuEvent(Command::Help);
        auto* help = f.window->findChild<HelpWindow*>(QStringLiteral("help"));
        QVERIFY(help);
        QCOMPARE(help->current_topic(), QStringLiteral("info.htm"));
        f.window->show_help(QStringLiteral("gibtsnicht.htm"));
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Error while trying to display a topic of ")));
        f.window->Win_1_MenuEvent(Command::About);
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Ziehwerk V25.0")));
        f.window->Win_1_MenuEvent(Command::WebShop);
        QCOMPARE(f.ui.opened_urls.size(), size_t(1));
        const QString url = f.ui.opened_urls[0].toString();
        QVERIFY(url.contains(QStringLiteral("/webshop/product/lottonormal/")));
        QVERIFY(url.contains(QStringLiteral("action=prefill_ticket")));
        QVERIFY(url.contains(QStringLiteral("quicktippTicketId=1")));
    }

    void launchingAModuleStartsItWithItsParameterAndEnds() {
        Fixture absent({QStringLiteral("Lotto.Dat"), QStringLiteral("Elfer.Dat")});
        absent.window->Win_1_MenuEvent(
            Command::Elferwette);  // module file present, program absent: still ends
        QVERIFY(absent.ui.started_programs.empty());
        QVERIFY(absent.window->program_ended());

        Fixture f({QStringLiteral("Lotto.Dat"), QStringLiteral("13Wette.Dat")});
        test::write_bytes(f.dir.filePath(QStringLiteral("wettwerk.exe")), {0});
        f.session->archive.set_saved(false);
        f.ui.message_answers = {1};  // "&Zurück": nothing starts
        f.window->Win_1_MenuEvent(Command::Wette13);
        QVERIFY(f.ui.started_programs.empty());
        QVERIFY(!f.window->program_ended());
        f.ui.message_answers = {2};
        f.window->Win_1_MenuEvent(Command::Wette13);
        QCOMPARE(f.ui.started_programs.size(), size_t(1));
        QVERIFY(f.ui.started_programs[0][0].endsWith(QStringLiteral("wettwerk.exe")));
        QCOMPARE(f.ui.started_programs[0][1], QStringLiteral("2"));
        QVERIFY(f.window->program_ended());
    }

    void entriesOfTheSubsystemsAreEnabled() {
        Fixture f({QStringLiteral("Lotto.Dat")});
        // Net-Update, CSV import, tip console, evaluation, lists, card indexes, comparison.
        for (Command c : {Command::LoadDraws, Command::NetUpdate, Command::CsvImport,
                          Command::NormalTicket, Command::SystemTicket, Command::Evaluate,
                          Command::BestListCompute, Command::BestListShow, Command::NormalCards,
                          Command::SystemCards, Command::CompareNormal, Command::CompareSystem,
                          Command::WorstListCompute, Command::WorstListShow})
            QVERIFY2(f.window->menu_action(c)->isEnabled(),
                     qPrintable(QString::number(menu_id(c))));
    }

    void drawEntriesAreEnabledAndBonusDrawsForAustria() {
        QTemporaryDir dir;
        test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 3);
        test::write_draw_file(dir.filePath(QStringLiteral("O_Lotto.Dat")), 3);
        ScriptedUi ui;
        Session session(dir.path().toStdString());
        session.start_up();
        MainWindow w(session, ui.services);
        w.start_program(QString());
        QVERIFY(w.menu_action(Command::ShowDraws)->isEnabled());
        QVERIFY(w.menu_action(Command::EnterDraws)->isEnabled());
        w.Win_1_MenuEvent(Command::AustrianLotto);
        QVERIFY(w.menu_action(Command::BonusDraws)->isEnabled());
    }

    void unsavedCardsAreGuardedLikeUnsavedDraws() {
        QTemporaryDir dir;
        test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 40);
        {
            CardTicket t;
            t.first_draw = 1;
            t.rows[0] = {1, 8, 15, 22, 29, 36, 0};
            CardIndex index(CardKind::Normal);
            index.assign({t, t}, 1, 0);
            QVERIFY(save_card_index(dir.path().toStdString(), kLottoSaturday, index).ok());
        }
        Session s(dir.path().toStdString());
        s.start_up();
        ScriptedUi ui;
        MainWindow window(s, ui.services);
        window.start_program(QString());
        QCOMPARE(s.normal_cards.count(), 2);
        QVERIFY(s.normal_cards.set_protected(0, true));
        ui.message_answers = {1};  // "&Zurück"
        QVERIFY(!window.warn_unsaved());
        QCOMPARE(ui.last_message(), QStringLiteral("V O R S I C H T !|Die NRM-Kartei ist noch nicht gespeichert !"));
        QCOMPARE(ui.messages.back().buttons, QStringLiteral("&Zurück|&Sichern|&Egal"));
        ui.message_answers = {3};  // "&Egal"
        QVERIFY(window.warn_unsaved());
        QVERIFY(s.cards_saved());
        // "&Sichern" writes the index to its file and goes on.
        QVERIFY(s.normal_cards.set_protected(1, true));
        ui.message_answers = {2};
        QVERIFY(window.warn_unsaved());
        QVERIFY(s.cards_saved());
        CardIndex stored(CardKind::Normal);
        QVERIFY(load_card_index(dir.path().toStdString(), kLottoSaturday, stored).ok());
        QVERIFY(stored.at(1).protected_card);
        QVERIFY(window.menu_action(Command::NormalCards)->isEnabled());
        QVERIFY(window.menu_action(Command::SystemCards)->isEnabled());
    }
};

ZW_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
