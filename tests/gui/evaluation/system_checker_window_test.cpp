#include "evaluation/system_checker_window.h"

#include <QFile>

#include "app/commands/commands.h"
#include "cardindex/card_index.h"
#include "cardindex/tip_transfer.h"
#include "fake_host.h"
#include "games/system_catalogue.h"
#include "gui_test_support.h"

using namespace zw;
using zw::test::FakeHost;
using zw::test::ScriptedUi;

namespace {

// A session on a folder holding the shipped partial systems.
std::unique_ptr<Session> session_with_systems(const QTemporaryDir& dir) {
    const QString source = qEnvironmentVariable("ZIEHWERK_SOURCE_DIR") + QStringLiteral("/data/ZIEHWERK.ASW");
    QFile::copy(source, dir.filePath(QStringLiteral("ZIEHWERK.ASW")));
    return zw::test::started_session(dir, kLottoSaturday);
}

// The rows of shipped system k on the numbers 1..v.
std::vector<std::vector<int>> shipped_rows(const Session& s, int k) {
    std::vector<std::vector<int>> rows;
    for (uint32_t mask : s.partial_systems.rows(k)) {
        std::vector<int> row;
        for (int i = 0; i < 32; ++i)
            if (mask >> i & 1u) row.push_back(i + 1);
        rows.push_back(row);
    }
    return rows;
}

void write_text(const QString& path, const std::string& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
}

}  // namespace

class SystemCheckerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // 09/12 read from a TXT file: "4 if 4" and "5 if 6", with its bounds and the record it equals.
    void shippedSystemFromAFileShowsItsProvenGuarantee() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        QVERIFY(!session->partial_systems.empty());
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        const QString file = dir.filePath(QStringLiteral("system.txt"));
        // A line without six valid numbers is passed over and reported.
        write_text(file, "Reihen 09/12\n" + import_rows_text(shipped_rows(*session, 0), false) + "1 1 2 3 4 5\n");
        ui.file_answers.push_back(file);
        SystemCheckerWindow w(host);
        w.set_source(3);
        QVERIFY(w.check());
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(w.result());
        const SystemCheck& c = *w.result();
        QCOMPARE(c.rows, 12);
        QCOMPARE(c.min_hits[4], 4);
        QCOMPARE(c.min_hits[5], 4);
        QCOMPARE(c.min_hits[6], 5);
        QVERIFY(ui.last_message().contains(QStringLiteral("übergangen")));
        const QString report = w.report();
        QVERIFY2(report.contains(QStringLiteral("12 Reihen über 9 Zahlen: 1 2 3 4 5 6 7 8 9")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("Mit 6 Richtigen unter Ihren Zahlen: 5 Treffer garantiert;")));
        QVERIFY(report.contains(QStringLiteral("„4 bei 4“ braucht mindestens")));
        QVERIFY(report.contains(QStringLiteral("bestes bekanntes System: 12 Reihen")));
        QVERIFY(report.contains(QStringLiteral("Preis: ")));
        // With 6 right among the numbers the best row has 6 or 5: the shares add up to 100 %.
        QCOMPARE(c.best_hits[6][6] + c.best_hits[6][5], c.subsets[6]);
    }

    // A stored card of three rows: the rows over their numbers, nothing guaranteed beyond them.
    void storedCardIsCheckedAndAnEmptyIndexRefused() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        SystemCheckerWindow w(host);
        w.set_source(1, 1);
        QVERIFY(!w.check());
        QCOMPARE(ui.last_message(), QString::fromUtf8(kCardEmpty));

        std::vector<CardRow> rows = {{1, 2, 3, 4, 5, 6, 0}, {1, 2, 3, 7, 8, 9, 0}, {4, 5, 6, 7, 8, 9, 0}};
        session->normal_cards.store(0, make_normal_card(rows, kLottoSaturday));
        QVERIFY(w.check());
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(w.result());
        QCOMPARE(w.result()->rows, 3);
        QCOMPARE(w.result()->numbers, 9);
        // Six drawn among 1..9 miss three: missing 1, 4 and 7 leaves every row four hits.
        QCOMPARE(w.result()->min_hits[6], 4);
    }

    // An empty ticket, and a file longer than the checker takes: refused, never cut short.
    void emptyTicketAndOversizedFileAreRefused() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        SystemCheckerWindow w(host);
        w.set_source(0);
        QVERIFY(!w.check());
        QCOMPARE(ui.last_message(), QStringLiteral("Es gibt keine vollständige Reihe zu prüfen."));

        std::vector<std::vector<int>> rows;
        for (int a = 1; a <= 22 && rows.size() <= 50000; ++a)
            for (int b = a + 1; b <= 23 && rows.size() <= 50000; ++b)
                for (int c = b + 1; c <= 24 && rows.size() <= 50000; ++c)
                    for (int d = c + 1; d <= 25 && rows.size() <= 50000; ++d)
                        for (int e = d + 1; e <= 26 && rows.size() <= 50000; ++e) rows.push_back({a, b, c, d, e, 40});
        const QString file = dir.filePath(QStringLiteral("lang.txt"));
        write_text(file, import_rows_text(rows, false));
        ui.file_answers.push_back(file);
        w.set_source(3);
        QVERIFY(!w.check());
        QCOMPARE(ui.last_message(), QStringLiteral("Der System-Prüfer prüft höchstens 50000 Reihen."));
        QVERIFY(!w.result());
        // The window fits a 1280 x 1024 screen.
        QVERIFY(w.sizeHint().width() <= 1280 && w.sizeHint().height() <= 1000);
    }

    // The largest shipped system: stopping leaves no result and the window usable.
    void cancelStopsTheWalkAndF1OpensTheHelp() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        SystemCheckerWindow w(host);
        QVERIFY(w.check_rows(shipped_rows(*session, 13)));  // 17/1392
        w.cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(!w.result());
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(host.help_topics.back(), QStringLiteral("system-pruefer.htm"));
        // A second check afterwards runs to its end.
        QVERIFY(w.check_rows(shipped_rows(*session, 16)));  // 22/77: "3 if 3"
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(w.result());
        QCOMPARE(w.result()->min_hits[3], 3);
    }

    // A partial-system box of the ticket: its rows over the box's numbers.
    void ticketSystemBoxIsCheckedOverItsNumbers() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        Session& s = *session;
        s.ticket.system_mode = true;
        const int stored = from_partial_index(label_family(s.params.code, s.bundesland()), 0);  // 09/12
        QVERIFY(stored >= 0);
        s.ticket.set_partial_system(0, stored, 9);
        for (int n : {5, 10, 15, 20, 25, 30, 35, 40, 45}) QVERIFY(s.ticket.tick_box(0, n));
        SystemCheckerWindow w(host);
        w.set_source(0);
        QVERIFY(w.check());
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(w.result());
        QCOMPARE(w.result()->rows, 12);
        QCOMPARE(w.result()->min_hits[4], 4);
        QVERIFY(w.report().contains(QStringLiteral("über 9 Zahlen: 5 10 15 20 25 30 35 40 45")));
    }

    // The menu entries of "&Tippen" open both windows.
    void menuEntriesOpenTheCheckerAndTheDesigner() {
        QTemporaryDir dir;
        auto session = session_with_systems(dir);
        ScriptedUi ui;
        FakeHost host(*session, ui.services);
        install_evaluation_commands(host, host);
        for (Command c : {Command::SystemChecker, Command::SystemDesigner}) {
            QString title;
            zw::test::when_modal([&title](QWidget* w) {
                title = w->windowTitle();
                static_cast<QDialog*>(w)->reject();
            });
            host.run(c);
            QCOMPARE(title, c == Command::SystemChecker ? QStringLiteral("System-Prüfer") : QStringLiteral("System-Designer"));
        }
    }
};

ZW_GUI_TEST_MAIN(SystemCheckerWindowTest)
#include "system_checker_window_test.moc"
