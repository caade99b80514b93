#include "stats/range_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "stats/bar_chart_painter.h"
#include "stats/result_window.h"
#include "stats_gui_fixture.h"

using namespace zw;
using test::StatsFixture;

class RangeDialogTest : public QObject {
    Q_OBJECT

    static RangeDialog* open(StatsFixture& f) {
        f.host->run(Command::SetRange);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // dialogs closed before
        return f.find<RangeDialog>("rahm");
    }
    static QScrollBar* bar(RangeDialog* d, const char* name) {
        return d->findChild<QScrollBar*>(QString::fromLatin1(name));
    }

private slots:
    void scrollBarsStopAtTheNewestDraw() {
        StatsFixture f;
        RangeDialog* d = open(f);
        QVERIFY(d);
        QVERIFY(d->isVisible());
        QCOMPARE(bar(d, "scl2")->maximum(), 39);
        QCOMPARE(bar(d, "scl3")->maximum(), 39);
        QCOMPARE(bar(d, "scl2")->value(), 0);
        QCOMPARE(bar(d, "scl3")->value(), 39);
        QCOMPARE(d->findChild<QLabel*>("lbl3")->text(), QStringLiteral("Nr. 40"));
        QCOMPARE(d->findChild<QLabel*>("lbl4")->text(), QStringLiteral("08.07.1956"));
        d->scl3_Change(500);  // beyond the reachable positions
        QCOMPARE(f.session->range.last, 40);
        d->reject();
    }

    void austrianBonusDrawsExtendTheRange() {
        StatsFixture f(kAustria, 40,
                       QStringLiteral("05.06.2026,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"
                                      "12.06.2026,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"));
        QCOMPARE(f.session->range.last, 42);
        RangeDialog* d = open(f);
        QCOMPARE(bar(d, "scl3")->maximum(), 41);
        bar(d, "scl3")->setValue(41);
        QCOMPARE(d->findChild<QLabel*>("lbl4")->text(), QStringLiteral("12.06.2026"));
        // First never passes last, also with bonus draws.
        bar(d, "scl3")->setValue(9);
        bar(d, "scl2")->setValue(41);
        QCOMPARE(f.session->range.first, 10);
        QCOMPARE(bar(d, "scl2")->value(), 9);
        d->findChild<QPushButton*>("cmd4")->click();
        QCOMPARE(f.session->range.count, 1);
    }

    void lastDrawsAndDatesSetBothEndsAndCountTheBonusDraws() {
        StatsFixture f(kAustria, 40,
                       QStringLiteral("05.06.2026,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"
                                      "12.06.2026,1,2,3,4,5,6,7,0,0,0,0,0,0,-1\n"));
        RangeDialog* d = open(f);
        QCOMPARE(d->findChild<QLabel*>("lblCount")->text(), QStringLiteral("42 Ziehungen im Rahmen"));
        d->findChild<QSpinBox*>("txtLast")->setValue(5);
        d->findChild<QPushButton*>("cmdLast")->click();
        QCOMPARE(f.session->range.first, 38);
        QCOMPARE(f.session->range.last, 42);
        QCOMPARE(bar(d, "scl2")->value(), 37);
        QCOMPARE(d->findChild<QLabel*>("lblCount")->text(), QStringLiteral("5 Ziehungen im Rahmen"));

        d->findChild<QLineEdit*>("txtFrom")->setText(QStringLiteral("01.06.2026"));
        d->findChild<QLineEdit*>("txtTo")->setText(QStringLiteral("10.06.2026"));
        d->findChild<QPushButton*>("cmdDates")->click();
        QCOMPARE(f.session->range.first, 41);  // the first bonus draw, numbered in the combined view
        QCOMPARE(f.session->range.last, 41);
        QCOMPARE(bar(d, "scl3")->value(), 40);
        QCOMPARE(d->findChild<QLabel*>("lbl2")->text(), QStringLiteral("05.06.2026"));
        QCOMPARE(d->findChild<QLabel*>("lblCount")->text(), QStringLiteral("1 Ziehung im Rahmen"));
        // No draw inside the dates, or no date: the range stays.
        QVERIFY(!d->choose_dates(QStringLiteral("01.01.2030"), QString()));
        QVERIFY(!d->choose_dates(QStringLiteral("1.1.26"), QString()));
        QCOMPARE(f.session->range.first, 41);
        QVERIFY(d->choose_dates(QString(), QStringLiteral("12.06.2026")));
        QCOMPARE(f.session->range.first, 1);
        QCOMPARE(f.session->range.last, 42);
        d->findChild<QPushButton*>("cmd5")->click();
    }

    void cancelRestoresAndAcceptRedrawsTheOpenChart() {
        StatsFixture f;
        f.host->run(Command::Frequency);
        auto* result = f.find<ResultWindow>("dclick");
        RangeDialog* d = open(f);
        bar(d, "scl2")->setValue(4);
        bar(d, "scl3")->setValue(19);
        QCOMPARE(f.session->range.first, 5);
        QCOMPARE(f.session->range.last, 20);
        QCOMPARE(d->findChild<QLabel*>("lbl1")->text(), QStringLiteral("Nr. 5"));
        d->findChild<QPushButton*>("cmd5")->click();
        QCOMPARE(f.session->range.first, 1);
        QCOMPARE(f.session->range.last, 40);

        d = open(f);
        bar(d, "scl3")->setValue(0);  // last never before first
        QCOMPARE(f.session->range.last, 1);
        d->close();  // the close box cancels too
        QCOMPARE(f.session->range.last, 40);

        d = open(f);
        d->findChild<QPushButton*>("cmd36")->click();
        QCOMPARE(f.host->help_topics.back(), QStringLiteral("ziehungsrahmen.htm"));
        bar(d, "scl2")->setValue(9);
        bar(d, "scl3")->setValue(29);
        d->findChild<QPushButton*>("cmd4")->click();
        QCOMPARE(f.session->range.count, 21);
        const auto& model = dynamic_cast<BarChartPainter*>(result->chart()->painter())->model();
        QCOMPARE(model.heading.range_last, 30);
        int sum = 0;
        for (int v : model.upper) sum += v;
        QCOMPARE(sum, 21 * 6);
    }
};

ZW_GUI_TEST_MAIN(RangeDialogTest)
#include "range_dialog_test.moc"
