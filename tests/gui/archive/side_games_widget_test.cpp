#include "archive/side_games_widget.h"

#include <QLineEdit>
#include <QSignalSpy>

#include "gui_test_support.h"

using namespace zw;

class SideGamesWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void shortNumbersAreRefusedAndTheLastNumberStays() {
        SideGamesWidget w(true);
        w.load(QStringLiteral("7654321"), QString(), true, true);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QSignalSpy edited(&w, &SideGamesWidget::edited);
        QSignalSpy finished(&w, &SideGamesWidget::finished);
        QLineEdit* side = w.side_box();
        side->setFocus();
        side->selectAll();
        QTest::keyClicks(side, QStringLiteral("12345"));
        QTest::keyClick(side, Qt::Key_Return);
        QVERIFY(w.refusal().contains(QStringLiteral("Spiel 77: bitte alle 7 Ziffern")));
        QVERIFY(w.refusal().contains(QStringLiteral("12345")));
        QCOMPARE(side->text(), QStringLiteral("7654321"));
        QCOMPARE(edited.last().at(0).toString(), QStringLiteral("7654321"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(side));

        // Super 6 the same when the box is left; an empty box is no refusal.
        QLineEdit* super6 = w.super6_box();
        super6->setFocus();
        QTest::keyClicks(super6, QStringLiteral("6543"));
        QVERIFY(w.refusal().isEmpty());  // typing clears the refusal
        side->setFocus();
        QVERIFY(w.refusal().contains(QStringLiteral("Super 6: bitte alle 6 Ziffern")));
        QCOMPARE(super6->text(), QString());
        QCOMPARE(edited.last().at(1).toString(), QString());

        // A complete number goes on and becomes the number kept.
        super6->setFocus();
        QTest::keyClicks(super6, QStringLiteral("654321"));
        QTest::keyClick(super6, Qt::Key_Return);
        QCOMPARE(finished.size(), 1);
        QTest::keyClick(super6, Qt::Key_Backspace);
        QTest::keyClick(super6, Qt::Key_Return);
        QCOMPARE(super6->text(), QStringLiteral("654321"));
        QCOMPARE(finished.size(), 1);
    }

    void jokerBoxWantsSixDigits() {
        SideGamesWidget w(false);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.side_box()->setFocus();
        QTest::keyClicks(w.side_box(), QStringLiteral("123"));
        QTest::keyClick(w.side_box(), Qt::Key_Return);
        QVERIFY(w.refusal().startsWith(QStringLiteral("JOKER: bitte alle 6 Ziffern")));
        QCOMPARE(w.side_box()->text(), QString());
    }
};

ZW_GUI_TEST_MAIN(SideGamesWidgetTest)
#include "side_games_widget_test.moc"
