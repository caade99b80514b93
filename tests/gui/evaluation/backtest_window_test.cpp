#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "evaluation/backtest_console_dialog.h"
#include "evaluation/best_list_window.h"
#include "fake_host.h"
#include "gui_test_support.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;

namespace {

struct Tables {
    GameParams params;
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    PartialSystems partial;
    DrawRange range;

    // `draws` draws; draw n holds 1..6 shifted by n (so low numbers hit often).
    explicit Tables(GameCode game = kLottoSaturday, int draws = 60) {
        apply_game(params, game);
        archive.clear_for(params);
        archive.extend_to(draws);
        for (int n = 1; n <= draws; ++n) {
            Draw d;
            auto& rec = d.numbers;
            for (int k = 0; k < 6; ++k) rec[k] = static_cast<uint8_t>(1 + (n % 9 + k * (1 + n % 4)) % params.highest_number);
            std::sort(rec.begin(), rec.end());
            for (int k = 1; k < 6; ++k)
                if (rec[k] <= rec[k - 1]) rec[k] = static_cast<uint8_t>(rec[k - 1] + 1);
            d.extra = 3;
            archive.set_draw(n, d);
        }
        range.set(1, draws);
    }
    EvaluationInputs inputs() const { return {params, archive, range, money, partial}; }
};

NumberList numbers(std::vector<int> bankers, std::vector<int> tips) {
    NumberList l;
    make_number_list(bankers, tips, 49, l);
    return l;
}

std::vector<int> one_to(int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i) v.push_back(i);
    return v;
}

}  // namespace

class BacktestWindowTest : public QObject {
    Q_OBJECT

private slots:
    void consoleTogglesNumbersByClickAndTyping() {
        Tables t;
        BacktestConsoleDialog c(ListKind::Best, t.params, t.archive, t.range, 1e-3);
        QCOMPARE(c.windowTitle(), QStringLiteral("Bestenliste: Reihengenerator"));
        c.show();
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell_centre(7, true));
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell_centre(7, false));  // a banker cannot be a tip
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell_centre(49, false));
        QTest::keyClicks(&c, QStringLiteral("12"));
        QTest::keyClick(&c, Qt::Key_Return);
        QCOMPARE(c.bankers(), std::vector<int>{7});
        QCOMPARE(c.tips(), (std::vector<int>{12, 49}));
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell_centre(12, true));  // a tip cannot be a banker
        QCOMPARE(c.bankers(), std::vector<int>{7});
        QCOMPARE(c.panel_lines()[0], QStringLiteral("Zahlen:         1/2"));
        QCOMPARE(c.panel_lines()[1], QStringLiteral("Reihen:                  0"));
        // Too few numbers: OK does nothing.
        QTest::keyClick(&c, Qt::Key_O);
        QVERIFY(c.isVisible());
        QTest::keyClick(&c, Qt::Key_I);
        QCOMPARE(static_cast<int>(c.tips().size()), 48 - 2);
        QCOMPARE(c.panel_lines()[1], QStringLiteral("Reihen:                  %1").arg(backtest_rows(1, 46)));
        QCOMPARE(c.panel_lines()[2], QStringLiteral("Rechenzeit: ") +
                                         QString::fromStdString(duration_text(1e-3 * static_cast<double>(backtest_rows(1, 46)))));
        QTest::keyClick(&c, Qt::Key_L);
        QVERIFY(c.bankers().empty() && c.tips().empty());
        for (int v : {1, 2, 3, 4, 5, 6}) c.toggle_tip(v);
        QTest::keyClick(&c, Qt::Key_O);
        QCOMPARE(c.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(c.number_list().numbers, one_to(6));
    }

    void consoleRefusesSixBankersWithTheHint() {
        Tables t;
        BacktestConsoleDialog c(ListKind::Worst, t.params, t.archive, t.range, 0);
        QCOMPARE(c.windowTitle(), QStringLiteral("Nietenliste: Reihengenerator"));
        QCOMPARE(c.hint_text(), QStringLiteral("BITTE INSGESAMT MEHR ALS 5 ZAHLEN AUSWÄHLEN!"));
        for (int v = 1; v <= 6; ++v) c.toggle_banker(v);
        c.toggle_tip(9);
        QVERIFY(!c.try_accept());
        QCOMPARE(c.hint_text(), QStringLiteral("BITTE HÖCHSTENS 5 BANKZAHLEN AUSWÄHLEN!"));
        QCOMPARE(c.panel_lines()[1], QStringLiteral("Reihen:                  0"));
        c.toggle_banker(6);
        c.toggle_tip(6);
        QVERIFY(c.try_accept());
        QCOMPARE(c.number_list().bankers, 5);
    }

    void swissConsoleOffersOnlyDrawnNumbers() {
        Tables t(kSwiss);
        BacktestConsoleDialog c(ListKind::Best, t.params, t.archive, t.range, 0);
        c.show();
        QTest::keyClicks(&c, QStringLiteral("43"));
        QTest::keyClick(&c, Qt::Key_Return);
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell_centre(43, false));
        QVERIFY(c.tips().empty());
        c.invert();
        QCOMPARE(c.tips(), one_to(42));
    }

    void consoleShowsGuideColumnsAndLastDraw() {
        Tables t;
        Draw stored = t.archive.draw(60);
        stored.extra = 10;  // before the Superzahl start: shown as stored
        t.archive.set_draw(60, stored);
        BacktestConsoleDialog c(ListKind::Best, t.params, t.archive, t.range, 0);
        const QStringList hauf = c.guide_lines(false);
        QCOMPARE(hauf.size(), 16);
        QVERIFY(hauf[0].startsWith(QStringLiteral(" 1: ")));
        const auto last = t.archive.draw(60).numbers;
        QCOMPARE(c.last_draw_text(), QStringLiteral("%1 %2 %3 %4 %5 %6 (10)")
                                         .arg(last[0], 2).arg(last[1], 2).arg(last[2], 2)
                                         .arg(last[3], 2).arg(last[4], 2).arg(last[5], 2));
    }

    void searchRunsToTheEndAndEvaluates() {
        Tables t;
        ScriptedUi ui;
        BestListWindow w(make_list(ListKind::Best, {}, {}, t.inputs()), ui.services);
        QCOMPARE(w.windowTitle(), QStringLiteral("Bestenliste"));
        w.show();
        const BacktestList& list = w.run_search(numbers({1}, {2, 3, 4, 5, 6, 7, 8, 9, 10}), t.inputs());
        QCOMPARE(list.entries.size(), size_t{30});
        QVERIFY(list.evaluated);
        QVERIFY(w.status().isEmpty());
        QVERIFY(ui.messages.empty());
        QVERIFY(list_lines(list)[0].find("EUR") != std::string::npos);
    }

    void escapeAsksAndJaStopsButStillEvaluates() {
        Tables t;
        ScriptedUi ui;
        ui.message_answers = {1};
        BestListWindow w(make_list(ListKind::Worst, {}, {}, t.inputs()), ui.services);
        w.set_poll_interval(std::chrono::nanoseconds(0));
        w.show();
        int polls = 0;
        // Escape once the search is under way.
        QTimer::singleShot(20, &w, [&] {
            ++polls;
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        const BacktestList& list = w.run_search(numbers({}, one_to(36)), t.inputs());
        QCOMPARE(polls, 1);
        QCOMPARE(ui.messages.size(), size_t{1});
        QCOMPARE(ui.messages[0].text, QStringLiteral("Berechnung beenden?"));
        QCOMPARE(ui.messages[0].buttons, QStringLiteral("&JA|&NEIN"));
        QCOMPARE(w.status(), QStringLiteral("Berechnung abgebrochen."));
        QVERIFY(!list.entries.empty());
        QVERIFY(list.evaluated);
    }

    void closeRequestWithNeinGoesOnToTheEnd() {
        Tables t;
        ScriptedUi ui;
        ui.message_answers = {2};
        BestListWindow w(make_list(ListKind::Best, {}, {}, t.inputs()), ui.services);
        w.set_poll_interval(std::chrono::nanoseconds(0));
        w.show();
        QTimer::singleShot(0, &w, [&] { w.close(); });
        const BacktestList& list = w.run_search(numbers({1, 2}, {3, 4, 5, 6, 7, 8, 9, 10}), t.inputs());
        QCOMPARE(ui.messages.size(), size_t{1});
        QVERIFY(w.isVisible());
        QVERIFY(w.status().isEmpty());
        QCOMPARE(list.entries.size(), size_t{30});
    }

    void keysAEvaluateAndDPrintTheCurrentList() {
        Tables t;
        ScriptedUi ui;
        bool evaluated_when_asked = false;
        BestListWindow* window = nullptr;
        ui.services.message_box = [&](QWidget*, const MessageRequest& r) {
            ui.messages.push_back(r);
            evaluated_when_asked = window->list().evaluated && window->list().entries.size() == 30;
            return 2;  // "&NEIN": no printout
        };
        BestListWindow w(make_list(ListKind::Best, {}, {}, t.inputs()), ui.services);
        window = &w;
        w.set_poll_interval(std::chrono::nanoseconds(0));
        w.show();
        QTimer::singleShot(20, &w, [&] {
            QTest::keyClick(&w, Qt::Key_A);
            QTest::keyClick(&w, Qt::Key_D);
        });
        w.run_search(numbers({}, one_to(34)), t.inputs());
        QCOMPARE(ui.messages.size(), size_t{1});
        QCOMPARE(ui.messages[0].text, QStringLiteral("Liste ausdrucken?"));
        QVERIFY(evaluated_when_asked);
    }

    void listDialogPrintsToPdfAndReportsPrinterFailure() {
        QTemporaryDir dir;
        Tables t;
        ScriptedUi ui;
        BestListWindow w(make_list(ListKind::Best, {}, {}, t.inputs()), ui.services);
        const BacktestList& list = w.run_search(numbers({}, one_to(12)), t.inputs());
        ListDialog d(list, ui.services, dir.path());
        QCOMPARE(d.objectName(), QStringLiteral("Dlg_1"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Auswahl-Konsole"));
        QVERIFY(d.findChild<QPushButton*>(QStringLiteral("cmd2"))->text() == QStringLiteral("&Drucken"));
        QVERIFY(d.findChild<QPushButton*>(QStringLiteral("cmd3"))->text() == QStringLiteral("&TXT-Datei"));
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        ui.print_to_pdf(pdf);
        ui.message_answers = {2};  // "&NEIN"
        d.print();
        QVERIFY(!QFileInfo::exists(pdf));
        ui.message_answers = {1};
        d.print();
        const QString text = pdf_text(pdf);
        QVERIFY2(text.contains(QStringLiteral("30 TOP-Reihen folgender 12 Zahlen: Ziehungsrahmen ( 1 - 60)")), qPrintable(text));
        QVERIFY(text.simplified().contains(QString::fromStdString(list_lines(list)[0]).simplified()));
        QVERIFY(text.contains(QStringLiteral("* = Bankzahl")));
        QCOMPARE(ui.last_message(), QStringLiteral("Liste ausdrucken?"));
        ui.print_to_pdf(QStringLiteral("/nonexistent-folder/x/list.pdf"));
        ui.message_answers = {1};
        d.print();
        QCOMPARE(ui.last_message(), QStringLiteral("Druckerfehler!"));
    }

    void listDialogExportsTheTextFileAndOpensIt() {
        QTemporaryDir dir;
        Tables t(kAustria, 40);
        t.archive.merge_bonus_draws();
        t.range.set(1, t.archive.default_range().last);
        ScriptedUi ui;
        BestListWindow w(make_list(ListKind::Worst, {}, {}, t.inputs()), ui.services);
        const BacktestList& list = w.run_search(numbers({5}, {1, 2, 3, 4, 6, 7, 8}), t.inputs());
        ListDialog d(list, ui.services, dir.path());
        ui.file_answers = {QString()};
        d.export_text();
        QCOMPARE(ui.file_requests.back().title, QStringLiteral("Liste als Text speichern:"));
        QCOMPARE(ui.file_requests.back().preset, QStringLiteral("Nietenliste.txt"));
        QCOMPARE(ui.file_requests.back().filter, QStringLiteral("TXT-Dateien|*.txt"));
        QVERIFY(ui.opened_urls.empty());
        const QString path = dir.filePath(QStringLiteral("flop"));
        ui.file_answers = {path};
        d.export_text();
        QFile f(path + QStringLiteral(".txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toStdString(), export_list_text(list));
        QCOMPARE(ui.opened_urls.back(), QUrl::fromLocalFile(path + QStringLiteral(".txt")));
        // No program for text files: the same message as the draw export.
        ui.services.open_url = [](const QUrl&) { return false; };
        ui.file_answers = {path};
        d.findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
        QVERIFY(ui.last_message().contains(QStringLiteral("kein Programm eingerichtet")));
        QVERIFY(ui.last_message().contains(path + QStringLiteral(".txt")));
        ui.file_answers = {QStringLiteral("/nonexistent-folder/x/flop.txt")};
        d.export_text();
        QVERIFY(ui.last_message().startsWith(QStringLiteral("Die Datei")));
        d.findChild<QPushButton*>(QStringLiteral("cmd1"))->click();
        QCOMPARE(d.result(), static_cast<int>(QDialog::Accepted));
    }

    void menuShowsTheEmptyListBeforeAnySearch() {
        test::HostedLotto f(20, QStringLiteral("LOTTO.DAT"));
        test::FakeHost& host = *f.host;
        install_evaluation_commands(host, host);
        for (Command c : {Command::BestListCompute, Command::BestListShow,
                          Command::WorstListCompute, Command::WorstListShow})
            QVERIFY(host.has(c));
        bool seen = false;
        QTimer::singleShot(0, &host.frame(), [&] {
            auto* d = qobject_cast<ListDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            auto* list = qobject_cast<BestListWindow*>(d->parentWidget());
            QVERIFY(list);
            QCOMPARE(list->windowTitle(), QStringLiteral("Nietenliste"));
            seen = list->list().entries.empty();
            d->findChild<QPushButton*>(QStringLiteral("cmd4"))->click();
        });
        host.run(Command::WorstListShow);
        QVERIFY(seen);
    }
};

ZW_GUI_TEST_MAIN(BacktestWindowTest)
#include "backtest_window_test.moc"
