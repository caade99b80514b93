#include "archive/draw_entry_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "archive/calendar.h"
#include "archive/slip_grid_widget.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;

class DrawEntryDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<DrawEntryDialog> dialog;
        Fixture(const QString& file, int draws, GameCode game, int record = 7) {
            test::write_draw_file(dir.filePath(file), draws, record);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->select_game(game);
            dialog = std::make_unique<DrawEntryDialog>(*session, ui.services, true);
            dialog->show();
        }
        QString field(int k) const {
            return dialog->findChild<QLabel*>(QStringLiteral("field%1").arg(k))->text();
        }
        void keys(const QString& text) {
            for (QChar c : text) {
                if (c == QLatin1Char('\n'))
                    QTest::keyClick(dialog.get(), Qt::Key_Return);
                else
                    QTest::keyClick(dialog.get(), c.toLatin1());
            }
        }
        // The six numbers and the extra number of draw n as stored.
        std::vector<int> record(int n) const {
            const Draw d = session->archive.draw(n);
            std::vector<int> v(d.numbers.begin(), d.numbers.end());
            v.push_back(d.extra);
            return v;
        }
    };

private slots:
    void lettersInTheSideBoxesAreRefusedAndRunNoCommand() {
        Fixture f(QStringLiteral("Lotto.Dat"), 1900, kLottoSaturday);
        bool help = false;
        f.dialog->show_help = [&](const QString&) { help = true; };
        auto* side = f.dialog->findChild<QLineEdit*>(QStringLiteral("ed_side"));
        side->setFocus();
        QTest::keyClicks(side, QStringLiteral("98a"));  // "a" used to end the entry
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.dialog->result(), 0);
        QCOMPARE(side->text(), QStringLiteral("98"));
        QTest::keyClicks(side, QStringLiteral("h"));  // and "h" opened the help
        QVERIFY(!help);
        QCOMPARE(f.dialog->beeps(), 2);
        f.dialog->cmd34_Click();
        // The half-typed number is not stored as 0000098.
        QCOMPARE(f.session->archive.side_number(1901), -1);
    }

    void singleDigitsNeedReturnAndTwoDigitsAreTakenAtOnce() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        QCOMPARE(f.dialog->findChild<QLabel*>(QStringLiteral("lbl_number"))->text(), QStringLiteral("6"));
        f.keys(QStringLiteral("7"));
        QCOMPARE(f.field(0), QStringLiteral("7"));
        QCOMPARE(f.dialog->entry().cursor(), 0);
        f.keys(QStringLiteral("\n"));
        QCOMPARE(f.dialog->entry().fields()[0], 7);
        QCOMPARE(f.dialog->entry().cursor(), 1);
        f.keys(QStringLiteral("07"));  // 7 again: refused with a beep
        QCOMPARE(f.dialog->beeps(), 1);
        QCOMPARE(f.dialog->entry().cursor(), 1);
        f.keys(QStringLiteral("08"));
        QCOMPARE(f.field(1), QStringLiteral("8"));
        QCOMPARE(f.dialog->entry().cursor(), 2);
        QTest::keyClick(f.dialog.get(), Qt::Key_Backspace);
        QCOMPARE(f.dialog->entry().cursor(), 1);
        QCOMPARE(f.field(1), QString());
    }

    void aCompleteDrawIsConfirmedAndStoredSorted() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        f.ui.message_answers = {1};
        f.keys(QStringLiteral("493\n1708224149"));
        QCOMPARE(f.dialog->beeps(), 1);  // the Zusatzzahl 49 equals a number
        f.keys(QStringLiteral("12"));
        QCOMPARE(f.ui.last_message(), QStringLiteral("Alle Zahlen korrekt"));
        QCOMPARE(f.ui.messages.back().buttons, QStringLiteral(" JA |NEIN"));
        QCOMPARE(f.session->archive.newest(), 6);
        QCOMPARE(f.record(6),
                 (std::vector<int>{3, 8, 17, 22, 41, 49, 12}));
        QVERIFY(!f.session->archive.saved());
        QCOMPARE(f.session->range.last, 6);
        QVERIFY(f.dialog->findChild<QPushButton*>(QStringLiteral("cmd37"))->isEnabled());
        // The entry grid is the last one and shows the stored draw.
        const SlipGridSet& g = f.dialog->grid_widget()->grids();
        QCOMPARE(g.highlighted, 5);  // draw 6 of 16 grids starting at draw 1
        QCOMPARE(int(g.grids[5].numbers[0]), 49);
    }

    void savedDrawsAreBookedOnTheCardsThatPlayedThem() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        // Tickets 1 and 2 play draw 6 only and hit five of its numbers; ticket 2 is protected.
        CardTicket t;
        t.first_draw = 6;
        t.rows[0] = {3, 8, 17, 22, 41, 40, 0};
        std::vector<CardTicket> tickets{t, t};
        tickets[1].protected_card = true;
        f.session->normal_cards.assign(tickets, 1, 0);
        f.ui.message_answers = {1, 1, 1, 1};
        f.keys(QStringLiteral("0308172241491\n"));
        QCOMPARE(f.session->archive.newest(), 6);
        f.dialog->cmd32_Click();
        QVERIFY(f.session->archive.saved());
        const QString date = QString::fromStdString(draw_date(kLottoSaturday, 6).text);
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"
                                                     "|Schein 1 hat gewonnen: 5 Richtige (Ziehung 6 vom %1)"
                                                     "|Schein 2 hat gewonnen: 5 Richtige (Ziehung 6 vom %1)")
                                          .arg(date));
        QVERIFY(f.session->normal_cards.at(0).winnings > 0);
        QCOMPARE(f.session->normal_cards.at(1).winnings, 0);
        // Saving again books nothing twice and tells no win again.
        const int32_t booked = f.session->normal_cards.at(0).winnings;
        f.dialog->cmd32_Click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
        QCOMPARE(f.session->normal_cards.at(0).winnings, booked);
    }

    void answeringNoRestoresTheStoredDraw() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        QTest::keyClick(f.dialog.get(), '-');
        QCOMPARE(f.dialog->entry().entry_draw(), 5);
        const QString stored = f.field(0);
        QVERIFY(!stored.isEmpty());
        f.ui.message_answers = {2};
        f.keys(QStringLiteral("40414243444546"));
        QCOMPARE(f.field(0), stored);
        QCOMPARE(f.dialog->entry().cursor(), 0);
        QVERIFY(f.session->archive.saved());
    }

    void entryStartsAfterTheNewestDrawAndACorrectionSaysSo() {
        Fixture f(QStringLiteral("Lotto.Dat"), 10, kLottoSaturday);
        f.session->range.set(1, 7);  // a chart stepped back with "-"
        f.dialog = std::make_unique<DrawEntryDialog>(*f.session, f.ui.services, true);
        f.dialog->show();
        auto* mode = f.dialog->findChild<QLabel*>(QStringLiteral("lbl_mode"));
        QVERIFY(mode);
        QCOMPARE(f.dialog->findChild<QLabel*>(QStringLiteral("lbl_number"))->text(), QStringLiteral("11"));
        QVERIFY(mode->text().isEmpty());
        QTest::keyClick(f.dialog.get(), '-');
        const QString date = QString::fromStdString(draw_date(kLottoSaturday, 10).text);
        QCOMPARE(mode->text(), QStringLiteral("Korrektur der Ziehung 10 vom %1").arg(date));
        const std::vector<int> stored = f.record(10);
        f.keys(QStringLiteral("40414243444546"));  // RETURN takes the default answer
        QCOMPARE(f.ui.last_message(), QStringLiteral("Alle Zahlen korrekt?|Ziehung 10 vom %1 ersetzen?").arg(date));
        QCOMPARE(f.ui.messages.back().default_button, 2);
        QCOMPARE(f.record(10), stored);
        QVERIFY(f.session->archive.saved());
        f.ui.message_answers = {1};
        f.keys(QStringLiteral("40414243444546"));
        QCOMPARE(f.record(10)[0], 40);
        QCOMPARE(f.session->archive.newest(), 10);
    }

    void storingFarPastTheNewestDrawAsksFirst() {
        Fixture f(QStringLiteral("Lotto.Dat"), 3000, kLottoSaturday);  // weekly draws
        for (int k = 0; k < 5; ++k) QTest::keyClick(f.dialog.get(), '+');
        QCOMPARE(f.dialog->entry().entry_draw(), 3006);
        f.ui.message_answers = {1};  // "Alle Zahlen korrekt": yes; the gap: its default
        f.keys(QStringLiteral("01020304050607"));
        QCOMPARE(f.ui.messages.size(), size_t(2));
        QCOMPARE(f.ui.last_message(),
                 QStringLiteral("Die Ziehung 3006 vom %1 liegt 6 Ziehungen nach der neuesten Ziehung (%2).|"
                                "Dazwischen blieben 5 Ziehungen leer.|Wirklich so viele leere Ziehungen anlegen?")
                     .arg(QString::fromStdString(draw_date(kLottoSaturday, 3006).text),
                          QString::fromStdString(draw_date(kLottoSaturday, 3000).text)));
        QCOMPARE(f.ui.messages.back().default_button, 2);
        QCOMPARE(f.session->archive.newest(), 3000);
        f.ui.message_answers = {1, 1};
        f.keys(QStringLiteral("01020304050607"));
        QCOMPARE(f.session->archive.newest(), 3006);
    }

    void saveAsksAboutAnIncompleteDrawAndConfirms() {
        Fixture f(QStringLiteral("Toto.Dat"), 5, kToto);
        f.keys(QStringLiteral("1213"));
        f.keys(QStringLiteral("s"));  // default answer: "&NEIN"
        QCOMPARE(f.ui.messages.back().text,
                 QStringLiteral("Die letzte Ziehung ist nicht komplett!|==============================|"
                                "Soll ich diese trotzdem abspeichern?"));
        QCOMPARE(f.ui.messages.back().default_button, 2);
        QCOMPARE(f.ui.messages.size(), size_t(1));
        f.ui.message_answers = {1, 1};
        f.keys(QStringLiteral("S"));
        QCOMPARE(f.ui.last_message(), QStringLiteral("Die Ziehungen wurden gespeichert!"));
        // The half-typed draw is not written.
        QCOMPARE(QFileInfo(f.dir.filePath(QStringLiteral("Toto.Dat"))).size(), qint64(4 + 5 * 7));
        QVERIFY(f.session->archive.saved());
    }

    void sideNumbersAreTypedInTheirBoxesAndKeptOnPlus() {
        Fixture f(QStringLiteral("Toto.Dat"), 5, kToto);  // Spiel 77 offset -1
        auto* side = f.dialog->findChild<QLineEdit*>(QStringLiteral("ed_side"));
        QVERIFY(side && side->isEnabled());
        QCOMPARE(side->maxLength(), 7);
        QVERIFY(!f.dialog->findChild<QLineEdit*>(QStringLiteral("ed_super6"))->isEnabled());
        QVERIFY(!f.dialog->findChild<QWidget*>(QStringLiteral("Lplus")));
        QTest::keyClicks(side, QStringLiteral("0123456"));
        QCOMPARE(QString::fromStdString(f.dialog->grid_widget()->grids().ticket_number), QStringLiteral("0123456"));
        QTest::keyClick(side, '+');  // no command in the box: refused
        QCOMPARE(f.dialog->entry().entry_draw(), 6);
        QTest::keyClick(f.dialog.get(), '+');
        QCOMPARE(f.dialog->entry().entry_draw(), 7);
        QCOMPARE(f.session->archive.side_number(6), 123456);
        QCOMPARE(f.session->archive.side_count(), 6);
        QTest::keyClick(f.dialog.get(), '-');
        QCOMPARE(side->text(), QStringLiteral("0123456"));
        // Emptying the box of the newest side entry stores -1 and keeps the count.
        side->selectAll();
        QTest::keyClick(side, Qt::Key_Delete);
        QTest::keyClick(f.dialog.get(), 'x');
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.session->archive.side_number(6), -1);
        QCOMPARE(f.session->archive.side_count(), 6);
    }

    void deleteRemovesTheNewestDraw() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        auto* cmd37 = f.dialog->findChild<QPushButton*>(QStringLiteral("cmd37"));
        QVERIFY(!cmd37->isEnabled());  // draw 6 does not exist
        QTest::keyClick(f.dialog.get(), 'L');
        QCOMPARE(f.dialog->beeps(), 1);
        QTest::keyClick(f.dialog.get(), '-');
        QVERIFY(cmd37->isEnabled());
        cmd37->click();
        QCOMPARE(f.session->archive.newest(), 4);
        QCOMPARE(f.session->range.last, 4);
        QVERIFY(!f.session->archive.saved());
        QCOMPARE(f.field(0), QString());
    }

    void plusRefusesBeyondTheCapacity() {
        Fixture f(QStringLiteral("Swiss.Dat"), 3, kSwiss, 8);
        QVERIFY(f.dialog->entry().go_to(7000));
        QTest::keyClick(f.dialog.get(), '+');
        QCOMPARE(f.dialog->entry().entry_draw(), 7000);
        QVERIFY(f.ui.last_message().contains(QStringLiteral("7000")));
        QCOMPARE(f.dialog->findChild<QLineEdit*>(QStringLiteral("ed_side"))->maxLength(), 6);
    }

    void helpAndGreyedFetch() {
        Fixture f(QStringLiteral("Lotto.Dat"), 5, kLottoSaturday);
        QString topic;
        f.dialog->show_help = [&](const QString& t) { topic = t; };
        QTest::keyClick(f.dialog.get(), 'h');
        QCOMPARE(topic, QStringLiteral("ergaenzen.htm"));
        QVERIFY(!f.dialog->findChild<QPushButton*>(QStringLiteral("cmd50"))->isEnabled());
        QTest::keyClick(f.dialog.get(), 'U');  // nothing happens
        QVERIFY(f.ui.messages.empty());
    }

    void austrianLottoPlusBoxesMoveOnWithReturn() {
        Fixture f(QStringLiteral("O_Lotto.Dat"), 2700, kAustria);
        auto* lplus = f.dialog->findChild<QWidget*>(QStringLiteral("Lplus"));
        QVERIFY(lplus);
        auto* ed8 = f.dialog->findChild<QLineEdit*>(QStringLiteral("ed8"));
        auto* ed9 = f.dialog->findChild<QLineEdit*>(QStringLiteral("ed9"));
        QVERIFY(ed8 && ed9 && ed8->isEnabled());
        QCOMPARE(f.dialog->findChild<QLineEdit*>(QStringLiteral("ed_side"))->maxLength(), 6);
        f.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
        ed8->setFocus();
        QTest::keyClicks(ed8, QStringLiteral("44"));
        QTest::keyClick(ed8, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ed9);
        const char* rest[] = {"1", "2", "3", "4", "5"};
        for (int k = 0; k < 5; ++k)
            QTest::keyClicks(f.dialog->findChild<QLineEdit*>(QStringLiteral("ed%1").arg(9 + k)),
                             QString::fromLatin1(rest[k]));
        QCOMPARE(int(f.dialog->grid_widget()->grids().grids.back().plus[0]), 44);
        QTest::keyClick(f.dialog.get(), '+');
        QCOMPARE(f.session->archive.lotto_plus_count(), 2701 - 2668 + 1);
        QCOMPARE(int(f.session->archive.lotto_plus(2701)[5]), 44);
    }
};

ZW_GUI_TEST_MAIN(DrawEntryDialogTest)
#include "draw_entry_dialog_test.moc"
