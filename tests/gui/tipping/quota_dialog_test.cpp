#include "tipping/quota_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "fake_host.h"
#include "gui_test_support.h"
#include "tipping/par_files.h"

using namespace zw;
using zw::test::ScriptedUi;

class QuotaDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        explicit Fixture(GameCode game) {
            for (const char* f : {"Lotto.Dat", "Toto.Dat", "O_Lotto.Dat", "SM_Lotto.Dat"})
                test::write_draw_file(dir.filePath(QLatin1String(f)), 3);
            test::write_draw_file(dir.filePath(QStringLiteral("Swiss.Dat")), 3, 8);
            session = test::started_session(dir, game);
        }
    };

    static void type(QLineEdit* edit, const QString& text) {
        QVERIFY(edit);
        edit->setText(text);
    }

  private slots:
    void germanLottoConfirmRoundsAcceptsCommaAndKeepsTwoPlusSuper() {
        Fixture f(kLottoSaturday);
        f.session->money.quota[0][8] = 999;
        QuotaDialog dlg(*f.session, f.ui.services);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Quoten:"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("lbl101"))->text(),
                 QStringLiteral("1. Rang (  6+S  ):"));
        type(dlg.field(101), QStringLiteral("2.345"));
        type(dlg.field(102), QStringLiteral("12,5"));
        type(dlg.field(108), QStringLiteral("kein Betrag"));
        dlg.findChild<QPushButton*>(QStringLiteral("cmd100"))->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(f.session->money.quota[0][0], 23);
        QCOMPARE(f.session->money.quota[0][1], 125);
        QCOMPARE(f.session->money.quota[0][7], 0);
        QCOMPARE(f.session->money.quota[0][8], 60);

        QuotaDialog again(*f.session, f.ui.services);
        QCOMPARE(again.field(101)->text(), QStringLiteral("       2.30"));
        QCOMPARE(again.field(102)->text(), QStringLiteral("      12.50"));
    }

    void fieldsFollowTheGame() {
        Fixture toto(kToto);
        QuotaDialog t(*toto.session, toto.ui.services);
        QVERIFY(!t.field(101));
        QVERIFY(!t.field(105));  // Toto has no class at position 5
        QVERIFY(t.field(106));
        QCOMPARE(t.findChild<QLabel*>(QStringLiteral("lbl103"))->text(),
                 QStringLiteral("II. RANG (5+):"));

        Fixture austria(kAustria);
        austria.session->params.side_prizes_2[2] = 12345;
        QuotaDialog a(*austria.session, austria.ui.services);
        QCOMPARE(a.windowTitle(), QStringLiteral("Quoten: Österreich-Lotto und LottoPlus"));
        QCOMPARE(a.findChild<QLabel*>(QStringLiteral("lbl100"))->text(),
                 QStringLiteral("entsprechende LottoPlus Quoten:"));
        QCOMPARE(a.field(110)->text(), QStringLiteral("    1234.50"));
        type(a.field(105), QStringLiteral("170"));
        type(a.field(111), QStringLiteral("44,44"));
        QVERIFY(a.cmd100_Click());
        QCOMPARE(austria.session->money.quota[3][5], 1700);
        QCOMPARE(austria.session->params.side_prizes_2[3], 444);
        QCOMPARE(austria.session->params.side_prizes_2[4], 20);
    }

    void enterReformatsEveryFieldAndMovesOnWithoutClosing() {
        Fixture f(kLottoBoth);
        QuotaDialog dlg(*f.session, f.ui.services);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.activateWindow();
        dlg.field(101)->setFocus();
        type(dlg.field(101), QStringLiteral("3,456"));
        type(dlg.field(103), QStringLiteral("7"));
        QTest::keyClick(dlg.field(101), Qt::Key_Return);
        QCOMPARE(dlg.field(101)->text(), QStringLiteral("       3.46"));
        QCOMPARE(dlg.field(103)->text(), QStringLiteral("       7.00"));
        QVERIFY(dlg.isVisible());
        QCOMPARE(f.session->money.quota[kLottoBoth][0],
                 default_money_tables().quota[kLottoBoth][0]);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.field(102)));
    }

    void cancelAndRefusedAmountsStoreNothing() {
        Fixture f(kLottoWednesday);
        const auto before = f.session->money.quota;
        QuotaDialog dlg(*f.session, f.ui.services);
        type(dlg.field(101), QStringLiteral("5"));
        type(dlg.field(104), QStringLiteral("999999999999"));
        QVERIFY(!dlg.cmd100_Click());
        QCOMPARE(f.ui.messages.size(), size_t(1));
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("4. Rang (   5   ):|")));
        QCOMPARE(f.session->money.quota, before);
        dlg.findChild<QPushButton*>(QStringLiteral("cmd110"))->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(f.session->money.quota, before);
    }

    void menuCommandsOpenTheDialogsAndSave() {
        Fixture f(kSwiss);
        test::FakeHost host(*f.session, f.ui.services);
        install_tipping_commands(host, host);
        for (Command c : {Command::Quotas, Command::Fees, Command::SaveSettings})
            QVERIFY(host.has(c));

        f.session->money.swiss_quota[7] = 321;
        host.run(Command::SaveSettings);
        const QString folder = f.dir.path();
        QCOMPARE(QFileInfo(folder + QStringLiteral("/Ziehwerk.Par")).size(), qint64(276));
        QCOMPARE(QFileInfo(folder + QStringLiteral("/SwissLotto.Par")).size(), qint64(44));
        QVERIFY(f.ui.messages.empty());

        QString title;
        QTimer::singleShot(0, [&title] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            title = dlg->windowTitle();
            dlg->findChild<QPushButton*>(QStringLiteral("cmd110"))->click();
        });
        host.run(Command::Quotas);
        QCOMPARE(title, QStringLiteral("Quoten:"));
        QTimer::singleShot(0, [&title] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            title = dlg->objectName();
            dlg->findChild<QPushButton*>(QStringLiteral("cmd7"))->click();
        });
        host.run(Command::Fees);
        QCOMPARE(title, QStringLiteral("gbhr"));

        // A folder in the way of the file: the failed save is reported.
        QFile::remove(folder + QStringLiteral("/Ziehwerk.Par"));
        QVERIFY(QDir(folder).mkdir(QStringLiteral("Ziehwerk.Par")));
        host.run(Command::SaveSettings);
        QCOMPARE(f.ui.messages.size(), size_t(1));
        QVERIFY(f.ui.last_message().contains(QStringLiteral("Ziehwerk.Par")));
    }
};

ZW_GUI_TEST_MAIN(QuotaDialogTest)
#include "quota_dialog_test.moc"
