#include "archive/csv_import_dialog.h"

#include <QFile>

#include "archive/calendar.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;

class CsvImportDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        Fixture() {
            // Austrian draws 1 and 2 (07.09. and 14.09.1986).
            test::write_bytes(dir.filePath(QStringLiteral("O_Lotto.Dat")),
                              {126, 126, 0, 0, 1, 20, 22, 24, 27, 40, 12, 9, 10, 20, 30, 32, 36, 25});
            session = std::make_unique<Session>(dir.path().toStdString());
            session->select_game(kAustria);
        }
        QString csv(const QByteArray& text) {
            const QString path = dir.filePath(QStringLiteral("ziehungen.csv"));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(text);
            return path;
        }
        QByteArray draw_file() {
            QFile f(dir.filePath(QStringLiteral("O_LOTTO.DAT")));
            if (!f.exists()) f.setFileName(dir.filePath(QStringLiteral("O_Lotto.Dat")));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }
    };

private slots:
    void previewShowsDifferingDrawsAndTakesOnlyNewOnesUnlessAsked() {
        Fixture f;
        const QString file = f.csv(
            "date;n1;n2;n3;n4;n5;n6;zusatzzahl\n"
            "14.09.1986;9;10;20;30;32;35;25\n"
            "21.09.1986;2;3;4;5;6;7;8\n");
        const QByteArray before = f.draw_file();
        f.ui.message_answers = {3};
        QVERIFY(!import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.ui.messages.size(), size_t(1));
        const MessageRequest& m = f.ui.messages[0];
        QVERIFY2(m.text.startsWith(QStringLiteral("1 neue Ziehungen, 1 abweichende|Neu: 3|Abweichend:|"
                                                  "Ziehung 2 vom 14.09.1986: gespeichert 9 10 20 30 32 36 / 25, "
                                                  "Datei 9 10 20 30 32 35 / 25")),
                 qPrintable(m.text));
        QCOMPARE(m.default_button, 1);  // overwriting is never the default
        QCOMPARE(m.buttons, QStringLiteral("&nur neue Ziehungen übernehmen|&auch abweichende überschreiben|"
                                           "Abbre&chen"));
        QCOMPARE(f.session->archive.newest(), 2);
        QCOMPARE(f.draw_file(), before);

        f.ui.message_answers = {1};
        QVERIFY(import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
        QCOMPARE(f.session->archive.newest(), 3);
        QCOMPARE(f.session->range.last, 3);
        QCOMPARE(f.session->archive.draw(2).numbers[5], uint8_t(36));
        QVERIFY(f.session->archive.saved());
        QCOMPARE(f.draw_file().size(), before.size() + 7);

        f.ui.message_answers = {2};
        QVERIFY(import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.session->archive.draw(2).numbers[5], uint8_t(35));
    }

    void importedDrawsAreBookedOnTheCardsThatPlayedThem() {
        Fixture f;
        // Tickets 1 and 2 play draw 3 only and hit five of its numbers; ticket 2 is protected.
        CardTicket t;
        t.first_draw = 3;
        t.rows[0] = {2, 3, 4, 5, 6, 40, 0};
        std::vector<CardTicket> tickets{t, t};
        tickets[1].protected_card = true;
        f.session->normal_cards.assign(tickets, 1, 0);
        const QString file = f.csv("date;n1;n2;n3;n4;n5;n6;zusatzzahl\n21.09.1986;2;3;4;5;6;7;8\n");
        f.ui.message_answers = {1, 1};
        QVERIFY(import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"
                                                     "|Schein 1 hat gewonnen: 5 Richtige (Ziehung 3 vom 21.09.1986)"
                                                     "|Schein 2 hat gewonnen: 5 Richtige (Ziehung 3 vom 21.09.1986)"));
        QVERIFY(f.session->normal_cards.at(0).winnings > 0);
        QCOMPARE(f.session->normal_cards.at(1).winnings, 0);
        QVERIFY(!f.session->normal_cards.saved());
    }

    void rowsOnADayWithoutARegularDrawBecomeBonusDraws() {
        Fixture f;
        // Friday 19.09.1986 lies between the Sundays of draws 2 and 3.
        const QString file = f.csv("\xEF\xBB\xBF\"date\",n1,n2,n3,n4,n5,n6,zusatzzahl\r\n"
                                   "19-09-1986,\"6\",5,4,3,2,1,7\r\n");
        f.ui.message_answers = {1};
        QVERIFY(import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QVERIFY(f.ui.messages[0].text.startsWith(
            QStringLiteral("0 neue Ziehungen, 0 abweichende, 1 neue Bonus-Ziehungen, 0 abweichende")));
        QCOMPARE(f.session->archive.bonus_count(), 1);
        QCOMPARE(f.session->archive.bonus_draws()[0].date, std::string("19.09.1986"));
        Session reloaded(f.dir.path().toStdString());
        reloaded.select_game(kAustria);
        QCOMPARE(reloaded.archive.bonus_count(), 1);
        QCOMPARE(reloaded.archive.bonus_draws()[0].numbers, (std::array<uint8_t, 7>{1, 2, 3, 4, 5, 6, 7}));
        // A bonus row fails the bonus editor's checks like any other row.
        const QString bad = f.csv("date,n1,n2,n3,n4,n5,n6,zusatzzahl\n1986-09-26,1,2,3,4,5,6,6\n");
        QVERIFY(!import_draws_csv_file(*f.session, f.ui.services, nullptr, bad));
        QVERIFY(f.ui.last_message().contains(QStringLiteral("Zeile 2: Bonus-Ziehung: ")));
        QCOMPARE(f.session->archive.bonus_count(), 1);
    }

    void aRowFarPastTheNewestDrawIsAQuestionWhoseDefaultIsNo() {
        Fixture f;
        // Six weeks after draw 2: most likely a typo in the date.
        const QByteArray date = QByteArray::fromStdString(draw_date(kAustria, 8).text);
        const QString file = f.csv("date;n1;n2;n3;n4;n5;n6;zusatzzahl\n" + date + ";2;3;4;5;6;7;8\n");
        const QByteArray before = f.draw_file();
        f.ui.message_answers = {1};  // the preview: yes; the gap: its default
        QVERIFY(!import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.ui.messages.size(), size_t(2));
        QCOMPARE(f.ui.last_message(),
                 QStringLiteral("Die Zeile 2 vom %1 liegt 6 Ziehungen nach der neuesten Ziehung (14.09.1986).|"
                                "Dazwischen blieben 5 Ziehungen leer.|Wirklich so viele leere Ziehungen anlegen?")
                     .arg(QString::fromLatin1(date)));
        QCOMPARE(f.ui.messages.back().default_button, 2);
        QCOMPARE(f.session->archive.newest(), 2);
        QCOMPARE(f.draw_file(), before);

        f.ui.message_answers = {1, 1};
        QVERIFY(import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.session->archive.newest(), 8);
    }

    void aMalformedFileIsRefusedWithItsLine() {
        Fixture f;
        const QString file = f.csv(
            "date,n1,n2,n3,n4,n5,n6\n1986-09-21,1,2,3,4,5,6\n1986-09-28,1,2,3,4,5\n1986-10-05,1,2,3,4,5,99\n");
        QVERIFY(!import_draws_csv_file(*f.session, f.ui.services, nullptr, file));
        QCOMPARE(f.ui.messages.size(), size_t(1));
        QCOMPARE(f.ui.messages[0].kind, int(kWarning));
        // Every line that cannot be taken is listed.
        QVERIFY(f.ui.last_message().contains(QStringLiteral("Zeile 3: ")));
        QVERIFY(f.ui.last_message().contains(QStringLiteral("Zeile 4: ungültige oder doppelte Zahl \"99\" in n6.")));
        QVERIFY(f.ui.last_message().endsWith(QStringLiteral("Es wurde nichts importiert.")));
        QCOMPARE(f.session->archive.newest(), 2);
    }
};

ZW_GUI_TEST_MAIN(CsvImportDialogTest)
#include "csv_import_dialog_test.moc"
