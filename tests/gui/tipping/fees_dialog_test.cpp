#include "tipping/fees_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui_test_support.h"
#include "tipping/quota_form.h"

using namespace zw;
using zw::test::ScriptedUi;

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

class FeesDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        explicit Fixture(GameCode game) {
            for (const char* f : {"Lotto.Dat", "Toto.Dat", "O_Lotto.Dat"})
                test::write_draw_file(dir.filePath(QLatin1String(f)), 3);
            test::write_draw_file(dir.filePath(QStringLiteral("Swiss.Dat")), 3, 8);
            session = test::started_session(dir, game);
        }
    };

    static QLineEdit* ed(QDialog& d, int n) {
        return d.findChild<QLineEdit*>(QStringLiteral("ed%1").arg(n));
    }
    static QString label(QDialog& d, const char* name) {
        auto* l = d.findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("<none>");
    }

  private slots:
    void labelsAndFieldsPerGame() {
        Fixture lotto(kLottoSaturday);
        FeesDialog l(*lotto.session, lotto.ui.services);
        QCOMPARE(label(l, "lbl11"), QStringLiteral("SPIEL 77:"));
        QCOMPARE(label(l, "lbl12"), QStringLiteral("SUPER 6:"));
        QCOMPARE(ed(l, 1)->text(), QStringLiteral("1.20"));
        QCOMPARE(ed(l, 2)->text(), QStringLiteral("2.50"));
        for (const char* name : {"lbl13", "lbl14", "lbl15", "lbl18", "lbl19"})
            QCOMPARE(label(l, name), QStringLiteral("EUR"));

        Fixture austria(kAustria);
        FeesDialog a(*austria.session, austria.ui.services);
        QCOMPARE(label(a, "lbl11"), QStringLiteral("JOKER:"));
        QCOMPARE(label(a, "lbl12"), QStringLiteral(" LPlus pro Tipp:"));

        Fixture swiss(kSwiss);
        FeesDialog s(*swiss.session, swiss.ui.services);
        s.show();
        QCOMPARE(label(s, "lbl12"), QString());
        QCOMPARE(label(s, "lbl13"), QStringLiteral("CHF"));
        QVERIFY(!ed(s, 3)->isVisible());
        QVERIFY(!s.findChild<QLabel*>(QStringLiteral("lbl15"))->isVisible());
        QVERIFY(ed(s, 2)->isVisible());
    }

    void enterAndTabStoreAtOnceAndRewriteTheField() {
        Fixture f(kToto);
        const int16_t row_stake = f.session->money.fee(kToto, kRowStake);
        FeesDialog dlg(*f.session, f.ui.services);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.activateWindow();
        ed(dlg, 1)->setFocus();
        ed(dlg, 1)->setText(QStringLiteral("0,755"));
        QTest::keyClick(ed(dlg, 1), Qt::Key_Return);
        QCOMPARE(f.session->money.fee(kToto, kRowStake), 76);
        QCOMPARE(ed(dlg, 1)->text(), QStringLiteral("0.76"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ed(dlg, 2)));
        QVERIFY(dlg.isVisible());

        const int16_t side_stake = f.session->money.fee(kToto, kSideStake1);
        ed(dlg, 2)->setText(QStringLiteral("3"));
        QTest::keyClick(ed(dlg, 2), Qt::Key_Tab);
        QCOMPARE(f.session->money.fee(kToto, kSideStake1), 300);
        QCOMPARE(ed(dlg, 2)->text(), QStringLiteral("3.00"));
        // Text is refused with a message; the field shows the stored amount again.
        ed(dlg, 3)->setText(QStringLiteral("abc"));
        QTest::keyClick(ed(dlg, 3), Qt::Key_Return);
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Bitte einen Betrag wie 1.20 eingeben.")));
        QCOMPARE(ed(dlg, 3)->text(), q(fee_text(f.session->money.fee(kToto, kSideStake2))));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ed(dlg, 3)));
        // Cancel closes and undoes what Enter or Tab took.
        dlg.findChild<QPushButton*>(QStringLiteral("cmd7"))->click();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(f.session->money.fee(kToto, kRowStake), row_stake);
        QCOMPARE(f.session->money.fee(kToto, kSideStake1), side_stake);
        QCOMPARE(f.session->money.fee(kLottoSaturday, kRowStake), 120);  // other games untouched
    }

    void okStoresAllFiveOrNoneWhenOneIsRefused() {
        Fixture f(kAustria);
        FeesDialog dlg(*f.session, f.ui.services);
        const QStringList typed = {QStringLiteral("1.3"), QStringLiteral("1.5"),
                                   QStringLiteral("0.6"), QStringLiteral("0.25"),
                                   QStringLiteral("400")};
        for (int n = 1; n <= 5; ++n) ed(dlg, n)->setText(typed[n - 1]);
        QVERIFY(!dlg.cmd6_Click());
        QVERIFY(f.ui.last_message().contains(QStringLiteral("327.67 EUR")));
        QCOMPARE(f.session->money.fee(kAustria, kRowStake), 120);
        // Enter on the refused amount shows the stored one again.
        QVERIFY(!dlg.ed_KeyPress(5, 13));
        QCOMPARE(ed(dlg, 5)->text(), QStringLiteral("0.00"));

        ed(dlg, 5)->setText(QStringLiteral("0"));
        QVERIFY(dlg.cmd6_Click());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(f.session->money.fee(kAustria, kRowStake), 130);
        QCOMPARE(f.session->money.fee(kAustria, kSideStake2), 60);
        QCOMPARE(f.session->money.fee(kAustria, kFeeNormal), 25);
        QCOMPARE(f.session->money.fee(kAustria, kFeeSystem), 0);
    }
};

ZW_GUI_TEST_MAIN(FeesDialogTest)
#include "fees_dialog_test.moc"
