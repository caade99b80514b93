#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

#include "archive/draw_export.h"
#include "archive/draw_viewer_window.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;

class DrawViewerTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        Fixture(const QString& file, int draws, GameCode game, int record = 7) {
            test::write_draw_file(dir.filePath(file), draws, record);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->select_game(game);
        }
        QString read(const QString& name) const {
            QFile f(dir.filePath(name));
            f.open(QIODevice::ReadOnly);
            return QString::fromUtf8(f.readAll());
        }
    };

private slots:
    void startsWithTheEndOfTheRangeInTheLastGrid() {
        Fixture f(QStringLiteral("Lotto.Dat"), 30, kLottoSaturday);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        QCOMPARE(v.grid_count(), 16);
        QCOMPARE(v.first_shown(), 15);
        QCOMPARE(v.caption(), QStringLiteral("Ziehung im 1. Kästchen:  Nr. 15  vom 15.01.1956  "));
        auto* scl1 = v.findChild<QScrollBar*>(QStringLiteral("scl1"));
        QVERIFY(scl1);
        QCOMPARE(scl1->maximum(), 31 + 12);
        QCOMPARE(scl1->pageStep(), 15);
        QCOMPARE(scl1->value(), 14);
        QCOMPARE(v.grids().grids.back().draw, 30);
        QVERIFY(v.grids().grids.back().present);

        scl1->setValue(20);  // grid 1 shows draw 21; draws after 30 stay empty
        QCOMPARE(v.first_shown(), 21);
        QVERIFY(v.caption().startsWith(QStringLiteral("Ziehung im 1. Kästchen:  Nr. 21  vom ")));
        QVERIFY(v.grids().grids[9].present);
        QVERIFY(!v.grids().grids[10].present);

        DrawViewerWindow wide(*f.session, f.ui.services, false);
        QCOMPARE(wide.grid_count(), 12);
        QCOMPARE(wide.first_shown(), 19);
    }

    void fewDrawsStartAtDrawOne() {
        Fixture f(QStringLiteral("Toto.Dat"), 3, kToto);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        QCOMPARE(v.first_shown(), 1);
        QCOMPARE(v.findChild<QScrollBar*>(QStringLiteral("scl1"))->value(), 0);
    }

    void swissShowsTheJokerOfGridOneAndTheLuckyNumber() {
        Fixture f(QStringLiteral("Swiss.Dat"), 3080, kSwiss, 8);
        std::vector<uint8_t> joker;
        const int entries = 3070 - 955 + 1;  // the last entry belongs to draw 3070
        joker.push_back(static_cast<uint8_t>(entries & 0xff));
        joker.push_back(static_cast<uint8_t>(entries >> 8));
        for (int i = 0; i < entries; ++i)
            for (int b = 0; b < 4; ++b) joker.push_back(i == entries - 1 ? (b == 0 ? 42 : 0) : 0xff);
        test::write_bytes(f.dir.filePath(QStringLiteral("JokerCH.Dat")), joker);
        f.session->select_game(kSwiss);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        QCOMPARE(v.grid_count(), 14);
        // Range from 3074: grid 1 shows 3080 - 13 = 3067.
        QCOMPARE(v.first_shown(), 3067);
        QCOMPARE(QString::fromStdString(v.grids().ticket_number), QString());
        v.findChild<QScrollBar*>(QStringLiteral("scl1"))->setValue(3069);
        QCOMPARE(QString::fromStdString(v.grids().ticket_number), QStringLiteral("000042"));
        QCOMPARE(int(v.grids().grids[4].extra_kind), int(ExtraKind::kGlueckszahl));
        QCOMPARE(int(v.grids().grids[3].extra_kind), int(ExtraKind::kZusatzzahl));
    }

    void austrianViewerWalksTheCombinedView() {
        Fixture f(QStringLiteral("O_Lotto.Dat"), 20, kAustria);
        QFile bonus(f.dir.filePath(QStringLiteral("OB_Lotto.Dat")));
        QVERIFY(bonus.open(QIODevice::WriteOnly));
        bonus.write("15.01.1987,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n");  // between draws 18 and 19
        bonus.close();
        f.session->select_game(kAustria);
        QCOMPARE(f.session->range.last, 21);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        QCOMPARE(v.first_shown(), 8);
        QCOMPARE(v.findChild<QScrollBar*>(QStringLiteral("scl1"))->maximum(), 21 + 1 + 10);
        QVERIFY(v.grids().grids[11].bonus);
        // Numbered as the lottery counts, the bonus draw included.
        QCOMPARE(v.grids().grids[12].draw, 20);
        QCOMPARE(v.grids().grids[13].draw, 21);
        v.findChild<QScrollBar*>(QStringLiteral("scl1"))->setValue(18);
        QCOMPARE(v.caption(), QStringLiteral("Ziehung im 1. Kästchen:  Bonus-Ziehung  vom 15.01.1987  "));
    }

    void textExportsWriteTheFileAndOpenIt() {
        Fixture f(QStringLiteral("M_Lotto.Dat"), 60, kLottoWednesday);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        const QString all = f.dir.filePath(QStringLiteral("M_Lotto.Txt"));
        f.ui.message_answers = {1};
        f.ui.file_answers = {all};
        v.findChild<QPushButton*>(QStringLiteral("cmd2"))->click();
        QCOMPARE(f.ui.messages[0].text, QStringLiteral("Sollen alle Ziehungen in einer|Text-Datei abgespeichert werden"));
        QCOMPARE(f.ui.messages[0].buttons, QStringLiteral(" JA |NEIN"));
        QCOMPARE(f.ui.file_requests[0].title, QStringLiteral("Alle Ziehungen als Text abspeichern:"));
        QCOMPARE(f.ui.file_requests[0].preset, QStringLiteral("M_Lotto.Txt"));
        QCOMPARE(f.ui.file_requests[0].filter, QStringLiteral("TXT-Dateien|*.txt"));
        QCOMPARE(f.read(QStringLiteral("M_Lotto.Txt")),
                 QString::fromStdString(export_all_draws(f.session->params, f.session->archive, f.session->range)));
        QCOMPARE(f.ui.opened_urls.back(), QUrl::fromLocalFile(all));

        // No to the first question, yes to the second: the grid export.
        const QString grid = f.dir.filePath(QStringLiteral("Spalten.Txt"));
        f.ui.message_answers = {2, 1};
        f.ui.file_answers = {grid};
        v.cmd2_Click();
        QCOMPARE(f.ui.file_requests.back().title, QStringLiteral("52 Ziehungen als Text abspeichern:"));
        QCOMPARE(f.ui.file_requests.back().preset, QStringLiteral("Spalten.Txt"));
        QVERIFY(f.read(QStringLiteral("Spalten.Txt")).startsWith(QStringLiteral("DIE LETZTEN 52 ZIEHUNGEN DES LOTTO AM MITTWOCH:\n\n")));
        QCOMPARE(f.ui.opened_urls.size(), size_t(2));

        // A cancelled file selector writes nothing and opens nothing.
        f.ui.message_answers = {1};
        v.cmd2_Click();
        QCOMPARE(f.ui.opened_urls.size(), size_t(2));
        // A file that cannot be written is reported.
        f.ui.message_answers = {1};
        f.ui.file_answers = {f.dir.filePath(QStringLiteral("fehlt/x.txt"))};
        v.cmd2_Click();
        QVERIFY(f.ui.last_message().contains(QStringLiteral("kann nicht geschrieben werden")));
        QCOMPARE(f.ui.opened_urls.size(), size_t(2));
    }

    void columnPrintGoesToThePrinterOrTheFile() {
        Fixture f(QStringLiteral("Toto.Dat"), 70, kToto);
        DrawViewerWindow v(*f.session, f.ui.services, true);
        const QString pdf = f.dir.filePath(QStringLiteral("druck.pdf"));
        QString job;
        f.ui.services.print_dialog = [&](QWidget*, QPrinter& printer) {
            job = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        f.ui.message_answers = {1, 2};
        v.findChild<QPushButton*>(QStringLiteral("cmd1"))->click();
        QCOMPARE(f.ui.messages[0].text, QStringLiteral("Sollen jetzt die letzten|52 Ziehungen spaltenweise|ausgedruckt werden"));
        QCOMPARE(f.ui.messages[1].text, QStringLiteral("Soll der Ausdruck auf eine|Datei umgeleitet werden"));
        QCOMPARE(job, QStringLiteral("Spaltendruck"));
        // pdftotext may widen runs of blanks: compare with single blanks.
        const QString text = pdf_text(pdf).simplified();
        QVERIFY2(text.contains(QStringLiteral("DIE LETZTEN 52 AUSSPIELUNGEN DER AUSWAHLWETTE:")), qPrintable(text));
        const DrawGrid g = last_draws_grid(f.session->params, f.session->archive, f.session->range, "__");
        QVERIFY(text.contains(QString::fromStdString(g.lines.front()).simplified()));
        QVERIFY(text.contains(QString::fromStdString(g.lines.back()).simplified()));
        QVERIFY(text.contains(QStringLiteral("Gewinn-Zahlen: 156 Gerade")));

        // The printer fails: "Druckerfehler!".
        f.ui.print_to_pdf(f.dir.filePath(QStringLiteral("fehlt/druck.pdf")));
        f.ui.message_answers = {1, 2};
        v.cmd1_Click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Druckerfehler!"));

        // Redirected to a file: the grid export.
        f.ui.message_answers = {1, 1};
        f.ui.file_answers = {f.dir.filePath(QStringLiteral("Spalten.Txt"))};
        v.cmd1_Click();
        QCOMPARE(f.read(QStringLiteral("Spalten.Txt")),
                 QString::fromStdString(export_last_draws_grid(f.session->params, f.session->archive, f.session->range)));
    }
};

ZW_GUI_TEST_MAIN(DrawViewerTest)
#include "draw_viewer_test.moc"
