#include "evaluation/evaluation_dialog.h"

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "archive/calendar.h"
#include "evaluation/evaluation_format.h"
#include "evaluation/review_widget.h"
#include "evaluation/side_game_window.h"
#include "fake_host.h"
#include "gui_test_support.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;

namespace {

// German Wednesday Lotto with Superzahl from draw 993: a few draws and Spiel 77 numbers.
struct Tables {
    GameParams params;
    DrawArchive archive;
    MoneyTables money = default_money_tables();
    PartialSystems partial;
    DrawRange range;

    explicit Tables(GameCode game = kLottoWednesday) {
        apply_game(params, game);
        archive.clear_for(params);
    }
    void set_draw(int n, std::array<uint8_t, 7> record) {
        if (n >= archive.next_draw()) archive.extend_to(n);
        archive.set_draw(n, Draw{{record[0], record[1], record[2], record[3], record[4], record[5]}, record[6]});
    }
    EvaluationInputs inputs() const { return {params, archive, range, money, partial}; }
};

TicketLine line(std::vector<uint8_t> numbers, int number, LineKind kind = LineKind::Row) {
    TicketLine l;
    l.number = number;
    l.kind = kind;
    l.numbers = std::move(numbers);
    return l;
}

}  // namespace

class EvaluationDialogTest : public QObject {
    Q_OBJECT

    // Draws 993..1000: 993 and 996 give row 1 three hits, 993 with Superzahl 4.
    static void fill(Tables& t) {
        for (int n = 993; n <= 1000; ++n) t.set_draw(n, {20, 21, 22, 23, 24, 25, 9});
        t.set_draw(993, {1, 2, 3, 40, 41, 42, 4});
        t.set_draw(996, {1, 2, 3, 30, 41, 42, 10});
        t.archive.set_side_number(993, 1234564);
        t.range.set(993, 1000);
    }

    static EvaluationTicket row_ticket() {
        EvaluationTicket t;
        t.rows = {line({1, 2, 3, 4, 5, 6}, 1), line({7, 8, 9, 10, 11, 12}, 2)};
        t.super_number = 4;
        t.side.lottery_number = 7654564;
        t.side.spiel77 = true;
        t.side.super6 = true;
        return t;
    }

private slots:
    void rowTableHasGameHeaderLinesAndTotals() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        EvaluationDialog d(t.inputs(), row_ticket(), ui.services, {});
        QCOMPARE(d.objectName(), QStringLiteral("Dlg_4"));
        QCOMPARE(d.table().header,
                 QStringLiteral("Reihe     Tipp-Zahlen      6+S 6 5+S  5  4+S  4  3+S   3  2+S    ~  Gewinn       LAX"));
        QCOMPARE(d.table().caption.trimmed(), QStringLiteral("S"));
        QCOMPARE(d.table().lines.size(), 2);
        QVERIFY(d.table().lines[0].startsWith(QStringLiteral("    1   1  2  3  4  5  6 4")));
        // 8 draws x 2 rows x 1.20 EUR
        QCOMPARE(d.table().totals.last(), QStringLiteral("Gesamt-Einsatz: 19.20 EUR"));
        QCOMPARE(d.review()->painter().lines.size(), 2);
        QVERIFY(d.review()->painter().lines[0].contains(QStringLiteral("3S  .REIHE:  1  Treffer 3")));
        QVERIFY(d.review()->painter().lines[1].contains(QStringLiteral("3   .REIHE:  1  Treffer 3")));
        for (const char* name : {"cmd333", "cmd300", "cmd330", "cmd2"})
            QVERIFY(d.findChild<QPushButton*>(QString::fromLatin1(name)));
    }

    void sideGameWindowsShowTheFinalDigitCounts() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        EvaluationDialog d(t.inputs(), row_ticket(), ui.services, {});
        // At the right edge of the screen: the windows stay on the screen.
        const QRect screen = d.screen()->availableGeometry();
        d.move(screen.right() - d.sizeHint().width() - 10, screen.top() + 40);
        d.show();
        const auto windows = d.side_windows();
        QCOMPARE(windows.size(), size_t{2});
        QCOMPARE(windows[0]->windowTitle(), QStringLiteral("Auswertung: Spiel 77"));
        QCOMPARE(windows[1]->windowTitle(), QStringLiteral("Auswertung: Super 6"));
        QTRY_VERIFY(windows[0]->isVisible());
        QVERIFY(windows[1]->isVisible());
        for (SideGameWindow* w : windows) {
            // Owned by the dialog, so above it and reachable while it is modal.
            QCOMPARE(w->windowHandle()->transientParent(), d.windowHandle());
            QVERIFY(screen.contains(w->frameGeometry()));
        }
        QVERIFY(!windows[0]->frameGeometry().intersects(windows[1]->frameGeometry()));
        const QStringList& lines = windows[0]->painter().lines;
        QCOMPARE(lines[0], QStringLiteral("Los-Nummer: 7654564"));
        QVERIFY(lines.contains(QStringLiteral("     4             1")));  // 1234564 against 7654564
        QCOMPARE(windows[0]->accessibleName(), QStringLiteral("Auswertung: Spiel 77"));
        QVERIFY(windows[0]->accessibleDescription().contains(QStringLiteral("Los-Nummer: 7654564")));
        d.findChild<QPushButton*>(QStringLiteral("cmd333"))->click();
        QVERIFY(!windows[0]->isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void systemTableAndReviewShowClassCounts() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        EvaluationTicket ticket;
        ticket.systems = {line({1, 2, 3, 4, 5, 6, 7}, 1, LineKind::FullSystem)};
        ticket.super_number = 4;
        EvaluationDialog d(t.inputs(), ticket, ui.services, {});
        QCOMPARE(d.table().header, QString::fromLatin1(table_header(RuleSet::German, true).data()));
        QVERIFY(d.table().lines[0].startsWith(QStringLiteral("    1    7            8.40")));
        QCOMPARE(d.review()->painter().header,
                 QStringLiteral("R.    DATUM    6+S 6 5+S  5  4+S   4  3+S   3  2+S"));
        QCOMPARE(d.review()->painter().lines.size(), 2);
        // Draw 993: 3 hits with S in 7 numbers: C(3,3)*C(4,3) = 4 rows 3+S, C(3,2)*C(4,4) = 3 rows 2+S.
        const QString first = d.review()->painter().lines[0];
        QVERIFY(first.startsWith(QStringLiteral(" 1 ")));
        QVERIFY(first.endsWith(QStringLiteral("4   0    3")));
        QVERIFY(d.side_windows().empty());
        d.findChild<QPushButton*>(QStringLiteral("cmd2"))->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void printReviewWritesGewinnRueckblick() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("review.pdf"));
        ui.print_to_pdf(pdf);
        ui.message_answers = {2};
        EvaluationDialog d(t.inputs(), row_ticket(), ui.services, {});
        d.ask_and_print();
        QCOMPARE(ui.messages.front().text, QStringLiteral("Was soll auf Ihren Drucker ausgegeben werden?"));
        QCOMPARE(ui.messages.front().buttons, QStringLiteral("&Bildschirm|&Rückblick|&Nichts"));
        QCOMPARE(ui.messages.size(), size_t{1});
        const QString text = pdf_text(pdf);
        QVERIFY2(text.contains(QStringLiteral("Gewinn-Rückblick")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("DATUM")));
        QVERIFY(text.simplified().contains(QString::fromStdString(draw_date(kLottoWednesday, 993).text) +
                                           QStringLiteral(" 3S .REIHE: 1 Treffer 3")));
        QCOMPARE(text.count(QStringLiteral(".REIHE:")), 2);
    }

    void printScreenNothingAndPrinterFailure() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("screen.pdf"));
        ui.print_to_pdf(pdf);
        EvaluationDialog d(t.inputs(), row_ticket(), ui.services, {});
        d.show();
        ui.message_answers = {3};
        d.ask_and_print();
        QVERIFY(!QFileInfo::exists(pdf));
        ui.message_answers = {1};
        d.ask_and_print();
        QVERIFY(QFileInfo(pdf).size() > 1000);
        ui.print_to_pdf(QStringLiteral("/nonexistent-folder/x/review.pdf"));
        ui.message_answers = {2};
        d.ask_and_print();
        QCOMPARE(ui.last_message(), QStringLiteral("Druckerfehler!"));
    }

    void helpOpensTheEvaluationTopic() {
        Tables t;
        fill(t);
        ScriptedUi ui;
        QString topic;
        EvaluationDialog d(t.inputs(), row_ticket(), ui.services, [&](const QString& s) { topic = s; });
        d.findChild<QPushButton*>(QStringLiteral("cmd330"))->click();
        QCOMPARE(topic, QStringLiteral("auswertung.htm"));
        QVERIFY(d.isHidden() || d.result() == 0);
    }

    void reviewScrollsWithBarAndWheel() {
        Tables t;
        for (int n = 1; n <= 200; ++n) t.set_draw(n, {1, 2, 3, 40, 41, 42, 9});
        t.range.set(1, 200);
        ScriptedUi ui;
        EvaluationTicket ticket;
        ticket.rows = {line({1, 2, 3, 4, 5, 6}, 1)};
        EvaluationDialog d(t.inputs(), ticket, ui.services, {});
        d.resize(d.sizeHint());
        d.show();
        ReviewWidget* review = d.review();
        QCOMPARE(review->objectName(), QStringLiteral("Win_2"));
        QCOMPARE(review->painter().lines.size(), 200);
        QVERIFY(review->scroll_bar()->maximum() > 0);
        review->scroll_bar()->setValue(10);
        QCOMPARE(review->first_line(), 10);
        QWheelEvent down(QPointF(10, 10), review->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(review, &down);
        QCOMPARE(review->first_line(), 13);
        review->Win_2_MouseWheel(2 * 120);
        QCOMPARE(review->first_line(), 7);
        review->Win_2_VScroll(100000);
        QCOMPARE(review->first_line(), review->scroll_bar()->maximum());
    }

    void consoleEntryRefusesATicketThatDoesNotFit() {
        test::HostedLotto f(3);
        ScriptedUi& ui = f.ui;
        test::FakeHost& host = *f.host;
        EvaluationTicket ticket;
        ticket.rows = {line({1, 2, 3, 4, 5, 5}, 1)};
        open_evaluation_dialog(host, ticket);
        QVERIFY(ui.last_message().contains(QStringLiteral("doppelt")));
    }

    // From a modal console the evaluation and its side-game windows belong to
    // that console, so the window manager stacks them above it.
    void openedFromAModalWindowBelongsToIt() {
        test::HostedLotto f(3);
        test::FakeHost& host = *f.host;
        QDialog console(host.parent_widget());
        console.setWindowModality(Qt::ApplicationModal);
        console.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &console);
        QWidget* parent = nullptr;
        test::when_modal([&parent](QWidget* d) {
            parent = d->parentWidget();
            static_cast<QDialog*>(d)->reject();
        });
        EvaluationTicket ticket;
        ticket.rows = {line({1, 2, 3, 4, 5, 6}, 1)};
        open_evaluation_dialog(host, ticket);
        QCOMPARE(parent, static_cast<QWidget*>(&console));
        console.close();
    }
};

ZW_GUI_TEST_MAIN(EvaluationDialogTest)
#include "evaluation_dialog_test.moc"
