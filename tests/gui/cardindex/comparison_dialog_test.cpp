#include "cardindex/comparison_dialog.h"

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "cardindex/card_store.h"
#include "cardindex/prize_distribution_dialog.h"
#include "fake_host.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;

namespace {

// The six numbers of draw d in the test draw file.
CardRow drawn_row(int d) {
    CardRow row{};
    for (int k = 0; k < 6; ++k) row[static_cast<size_t>(k)] = static_cast<uint8_t>(1 + (d - 1 + k * 7) % 42);
    std::sort(row.begin(), row.begin() + 6);
    return row;
}

// A Saturday archive of 40 draws; ticket 1 holds draw 40's numbers, ticket 2
// three numbers of draw 39, ticket 3 nothing of either.
void make_folder(const QTemporaryDir& dir) {
    test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 40);
    CardTicket a, b, c;
    a.rows[0] = drawn_row(40);
    CardRow three = drawn_row(39);
    three[3] = 43, three[4] = 44, three[5] = 45;
    b.rows[0] = three;
    b.first_draw = 38;
    c.rows[0] = {43, 44, 45, 46, 47, 48, 0};
    CardIndex index(CardKind::Normal);
    index.assign({a, b, c}, 1, 0);
    QVERIFY(save_card_index(dir.path().toStdString(), kLottoSaturday, index).ok());
}

QPushButton* button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }
QString text_of(QWidget& w, const char* name) { return w.findChild<QLabel*>(QString::fromLatin1(name))->text(); }

}  // namespace

class ComparisonDialogTest : public QObject {
    Q_OBJECT

private slots:
    void emptyIndexIsRefusedWithHoppla() {
        test::HostedLotto f(10);
        ScriptedUi& ui = f.ui;
        test::FakeHost& host = *f.host;
        install_cardindex_commands(host, host);
        host.run(Command::CompareSystem);
        QCOMPARE(ui.messages.size(), size_t{1});
        QCOMPARE(ui.messages[0].text, QStringLiteral("Es befinden sich noch keine Scheine in der SYS-Kartei!|"
                                                     "Ein Vergleich kann deshalb nicht durchgeführt werden!"));
        QCOMPARE(ui.messages[0].buttons, QStringLiteral("&Hoppla!"));
    }

    void windowShowsTheNewestDrawAndSteps() {
        QTemporaryDir dir;
        make_folder(dir);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        ComparisonDialog w(s, ui.services, CardKind::Normal);
        QCOMPARE(w.windowTitle(), QStringLiteral("VERGLEICH: NRM-Scheine"));
        QCOMPARE(text_of(w, "lb1"), QStringLiteral("Vergleich mit der Ziehung vom:"));
        QCOMPARE(text_of(w, "lb2"), QStringLiteral("Scheine"));
        QCOMPARE(text_of(w, "lb2_value"), QStringLiteral("3"));
        QCOMPARE(text_of(w, "lb3"), QStringLiteral("6+S  6  5+S  5  4+S  4  3+S   3   2+S R."));
        QCOMPARE(text_of(w, "lb4"), QStringLiteral("Einsatz:"));
        QCOMPARE(text_of(w, "lb5"), QStringLiteral("  Gewinn: ~"));
        QCOMPARE(text_of(w, "lb8"), QStringLiteral("Gewinn aus Spiel 77 & Super 6:"));
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("lb9")));
        QCOMPARE(w.draw(), 40);
        QCOMPARE(text_of(w, "lb505"), QString::fromStdString(w.comparison().date));
        const auto counts = w.count_labels();
        QCOMPARE(counts.size(), size_t{9});
        QCOMPARE(counts[1]->text(), QStringLiteral("1"));  // the six of ticket 1
        QVERIFY(text_of(w, "lb532").endsWith(QStringLiteral(" EUR")));
        QCOMPARE(text_of(w, "lb532").size(), 15);  // 11 characters and the currency
        // Counts stand under their header column, never on top of each other.
        for (size_t i = 1; i < counts.size(); ++i) QVERIFY(counts[i]->x() > counts[i - 1]->geometry().right());

        button(w, "plus")->click();
        QCOMPARE(w.draw(), 40);
        button(w, "minus")->click();
        QCOMPARE(w.draw(), 39);
        QCOMPARE(counts[1]->text(), QStringLiteral("0"));
        QCOMPARE(counts[7]->text(), QStringLiteral("1"));  // ticket 2's three
        QCOMPARE(w.comparison().winners.size(), size_t{1});
        w.set_draw(1);
        button(w, "minus")->click();
        QCOMPARE(w.draw(), 1);
        QVERIFY(w.width() <= 1280 && w.height() <= 1024);

        // "&Gewinn-Verteilung" opens the distribution of the draw shown.
        w.set_draw(40);
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
                modal->close();
            }
        });
        w.show();
        button(w, "distribution")->click();
        QCOMPARE(opened, QStringLiteral("gwinvrt Gewinn-Verteilung für den ") + QString::fromStdString(w.comparison().date));
        button(w, "cancel")->click();
        QVERIFY(!w.isVisible());
    }

    void austrianWindowsLabelLottoPlus() {
        QTemporaryDir dir;
        const auto session = test::started_session(dir, kAustria);
        Session& s = *session;
        s.normal_cards.store(0, CardTicket{});
        ScriptedUi ui;
        ComparisonDialog normal(s, ui.services, CardKind::Normal);
        QCOMPARE(text_of(normal, "lb9"), QStringLiteral("LPlus"));
        QCOMPARE(text_of(normal, "lb8"), QStringLiteral("Gewinn aus der JOKER-Lotterie:"));
        QCOMPARE(normal.count_labels().size(), size_t{12});
        ComparisonDialog system(s, ui.services, CardKind::System);
        QCOMPARE(text_of(system, "lb9"), QStringLiteral("LottoPlus"));
        QCOMPARE(system.windowTitle(), QStringLiteral("VERGLEICH: SYS-Scheine"));
    }

    void distributionListsTheWinnersAndPrints() {
        QTemporaryDir dir;
        make_folder(dir);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        ComparisonDialog w(s, ui.services, CardKind::Normal);
        w.set_draw(40);
        PrizeDistributionDialog d(w.comparison(), kLottoSaturday, ui.services);
        QCOMPARE(d.objectName(), QStringLiteral("gwinvrt"));
        QTreeWidget* lv1 = d.findChild<QTreeWidget*>(QStringLiteral("lv1"));
        QVERIFY(lv1);
        QCOMPARE(lv1->columnCount(), 14);
        QCOMPARE(lv1->headerItem()->text(11), QStringLiteral("~ Gewinn EUR"));
        QCOMPARE(lv1->topLevelItemCount(), 1);
        QCOMPARE(lv1->topLevelItem(0)->text(0), QStringLiteral("   1"));
        QCOMPARE(lv1->topLevelItem(0)->text(2), QStringLiteral("  1"));
        for (int id : {29, 30, 31}) QVERIFY(d.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(id)));

        // "&NEIN" prints nothing.
        bool asked = false;
        ui.services.print_dialog = [&](QWidget*, QPrinter&) { return asked = true; };
        ui.message_answers = {2};
        d.cmd30_Click();
        QCOMPARE(ui.last_message(), QStringLiteral("Soll die Gewinn-Verteilung ausgedruckt werden?"));
        QVERIFY(!asked);

        const QString pdf = dir.filePath(QStringLiteral("gv.pdf"));
        ui.print_to_pdf(pdf);
        ui.message_answers = {1};
        const size_t before = ui.messages.size();
        d.cmd30_Click();
        QCOMPARE(ui.messages.size(), before + 1);  // the question, no printer failure
        const QString text = pdf_text(pdf);
        QVERIFY(text.contains(QStringLiteral("Gewinn-Verteilung für den")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Nr\\.\\s+6\\+S\\s+6\\s+5\\+S.*2\\+S\\s+R\\.\\s+Einsatz\\s+~ Gewinn\\s+Spiel 77\\s+Super 6"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\n\\s+1\\s+0\\s+1\\s+0"))));

        ui.print_to_pdf(QStringLiteral("/nonexistent-folder/x.pdf"));
        ui.message_answers = {1};
        d.cmd30_Click();
        QCOMPARE(ui.last_message(), QStringLiteral("Druckerfehler!"));
    }

    void nothingHitGivesAnEmptyDistribution() {
        QTemporaryDir dir;
        make_folder(dir);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        s.normal_cards.remove(1);
        s.normal_cards.remove(0);
        ScriptedUi ui;
        ComparisonDialog w(s, ui.services, CardKind::Normal);
        QVERIFY(text_of(w, "lb540").startsWith(QStringLiteral("       0.00")));
        PrizeDistributionDialog d(w.comparison(), kLottoSaturday, ui.services);
        QCOMPARE(d.findChild<QTreeWidget*>(QStringLiteral("lv1"))->topLevelItemCount(), 0);
    }
};

ZW_GUI_TEST_MAIN(ComparisonDialogTest)
#include "comparison_dialog_test.moc"
