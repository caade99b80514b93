#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTableWidget>
#include <QToolButton>

#include "stats/bar_chart_painter.h"
#include "stats/best_combination_painter.h"
#include "stats/result_window.h"
#include "stats_gui_fixture.h"
#include "tipping/number_choice_dialog.h"
#include "tipping/number_grid_widget.h"

using namespace zw;
using test::StatsFixture;

class CombinationChartsTest : public QObject {
    Q_OBJECT

    // Answers the number-choice console that the next command opens.
    static void answer_console(std::vector<int> numbers, bool ok, QString* title = nullptr,
                               QString* prompt = nullptr) {
        QTimer::singleShot(0, [=] {
            auto* d = qobject_cast<NumberChoiceDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            if (title) *title = d->windowTitle();
            if (prompt) *prompt = d->findChild<QLabel*>("prompt")->text();
            for (int n : numbers) d->grid()->cell(n)->click();
            d->findChild<QPushButton*>(ok ? "cmd_ok" : "cmd_abbruch")->click();
        });
    }
    static ResultWindow* result(StatsFixture& f) { return f.find<ResultWindow>("dclick"); }
    static const ChartModel& bars(ResultWindow* w) {
        return dynamic_cast<BarChartPainter*>(w->chart()->painter())->model();
    }

private slots:
    void bestListsAndExtremesOpenFromTheMenu() {
        StatsFixture f;
        const std::pair<Command, int> best[] = {{Command::PairBest, 36},
                                                {Command::TripleBest, 40},
                                                {Command::QuadBest, 45},
                                                {Command::BoundaryPairs, 20}};
        for (auto [id, code] : best) {
            f.host->run(id);
            ResultWindow* w = result(f);
            QVERIFY(w);
            QCOMPARE(w->code(), code);
            auto* chart = dynamic_cast<BestCombinationPainter*>(w->chart()->painter());
            QVERIFY(chart);
            QCOMPARE(chart->model().entries.size(), size_t(49));
            QVERIFY(!w->kind_switch_shown());  // LottoPlus only in Austria
        }
        for (auto [id, code] :
             {std::pair{Command::Smallest, 18}, std::pair{Command::Largest, 19}}) {
            f.host->run(id);
            QCOMPARE(result(f)->code(), code);
            QCOMPARE(bars(result(f)).columns.front(), 1);  // number order
            QVERIFY(bars(result(f)).overview);
        }
    }

    void bestListShowsAndExportsTheTableTheCommandLineWrites() {
        StatsFixture f;
        f.host->run(Command::TripleBest);
        ResultWindow* w = result(f);
        QVERIFY(w);
        auto* chart = dynamic_cast<BestCombinationPainter*>(w->chart()->painter());
        QVERIFY(chart);
        QVERIFY(w->findChild<QPushButton*>("cmdTable")->isEnabled());
        QCOMPARE(w->value_table()->rowCount(), 49);
        QCOMPARE(w->value_table()->horizontalHeaderItem(1)->text(), QStringLiteral("Kombination"));
        // `stats triples --csv` writes csv_text of the same engine table.
        const QString csv = f.dir.filePath(QStringLiteral("drillinge.csv"));
        f.ui.file_answers = {csv};
        QVERIFY(w->export_csv());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string written = file.readAll().toStdString();
        QCOMPARE(written, csv_text(best_list_table(chart->model())));
        const BestEntry& first = chart->model().entries.front();
        const std::string second_line = written.substr(written.find('\n') + 1, written.find('\n', written.find('\n') + 1) - written.find('\n') - 1);
        QCOMPARE(second_line, "1;" + std::to_string(first.combination.numbers[0]) + "-" +
                                  std::to_string(first.combination.numbers[1]) + "-" +
                                  std::to_string(first.combination.numbers[2]) + ";" + std::to_string(first.count) +
                                  ";" + std::to_string(first.gap));
    }

    void partnerChartAsksForItsNumbersAndKeepsThemWhileStepping() {
        StatsFixture f;
        QString title, prompt;
        answer_console({8, 15}, true, &title, &prompt);
        f.host->run(Command::TripleOverview);  // triples, overview
        QCOMPARE(title, QStringLiteral("Überblick-Diagramm der Dreier"));
        QCOMPARE(prompt, QStringLiteral("  BITTE 2 von 3 ZAHLEN AUSWÄHLEN!"));
        ResultWindow* w = result(f);
        QVERIFY(w);
        QCOMPARE(w->code(), 10);
        QCOMPARE(QString::fromStdString(bars(w).heading.title),
                 QStringLiteral(" Häufigkeit & Rückstand zu  8 15 nach der"));
        QTest::keyClick(w, Qt::Key_Minus);
        QCOMPARE(bars(w).heading.range_last, 39);
        QVERIFY(QString::fromStdString(bars(w).heading.title).contains(QStringLiteral("  8 15")));
        w->close();

        // Another count than asked for, or cancel: no chart.
        answer_console({8, 9}, true);
        f.host->run(Command::PairGaps);
        QCOMPARE(w->code(), 10);
        answer_console({8}, false);
        f.host->run(Command::PairGaps);
        QCOMPARE(w->code(), 10);
        answer_console({8}, true);
        f.host->run(Command::PairGaps);
        QCOMPARE(w->code(), 7);
        QCOMPARE(QString::fromStdString(bars(w).heading.title),
                 QStringLiteral("      Rückstände der Partner zur  8 ab der"));
    }

    void austrianKindSwitchReachesTheLottoPlusCounterparts() {
        StatsFixture f(kAustria);
        answer_console({2}, true);
        f.host->run(Command::PairOverview);
        ResultWindow* w = result(f);
        QVERIFY(w->kind_switch_shown());
        QCOMPARE(w->findChild<QRadioButton*>("opt2")->text(), QStringLiteral("&PLUS-Zahlen"));
        QTest::keyClick(w, Qt::Key_P);
        QCOMPARE(w->code(), 35);
        QVERIFY(bars(w).plus_mark);
        f.host->run(Command::QuadBest);
        QTest::keyClick(w, Qt::Key_P);
        QCOMPARE(w->code(), 44);
        // No LottoPlus draws in this archive: all zero, drawn without a division by zero.
        auto* chart = dynamic_cast<BestCombinationPainter*>(w->chart()->painter());
        QVERIFY(chart);
        QCOMPARE(chart->model().entries.front().count, 0);
        QVERIFY(!w->chart()->render_image().isNull());
        QTest::keyClick(w, Qt::Key_G);
        QCOMPARE(w->code(), 45);
    }

    void consoleTogglesTypedNumbersAndListsTheTopEighteen() {
        StatsFixture f(kLottoSaturday, 40);
        NumberChoiceDialog d(*f.session, QStringLiteral("t"), QStringLiteral("p"));
        QTest::keyClicks(&d, QStringLiteral("12"));
        QTest::keyClick(&d, Qt::Key_Return);
        d.grid()->cell(3)->click();
        d.grid()->cell(3)->click();
        d.toggle(49);
        QCOMPARE(d.chosen(), (std::vector<int>{12, 49}));
        QVERIFY(d.grid()->cell(12)->text().contains(QStringLiteral("(")));
        const QString top = d.findChild<QLabel*>("top_hauf")->text();
        QVERIFY(top.startsWith(QStringLiteral("TOP 18\nHAUF\n")));
        QCOMPARE(top.count(QLatin1Char('\n')), 2 + 18);
        QVERIFY(d.findChild<QLabel*>("top_ruck")->text().contains(QStringLiteral("RUCK")));
    }
};

ZW_GUI_TEST_MAIN(CombinationChartsTest)
#include "combination_charts_test.moc"
