#include "stats/result_window.h"

#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "app/help_window.h"
#include "stats/bar_chart_painter.h"
#include "stats/gap_average_painter.h"
#include "stats/probability_painter.h"
#include "stats_gui_fixture.h"

using namespace zw;
using zw::test::pdf_text;
using test::StatsFixture;

class ResultWindowTest : public QObject {
    Q_OBJECT

    static ResultWindow* open(StatsFixture& f, Command command) {
        f.host->run(command);
        auto* w = f.find<ResultWindow>("dclick");
        if (w && !QTest::qWaitForWindowExposed(w)) return nullptr;
        return w;
    }
    static void key(ResultWindow* w, const QString& text, Qt::Key k = Qt::Key_unknown) {
        QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(w, &e);
    }
    static void mouse_move(QWidget* w, QPoint pos) {
        QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void click(ResultWindow* w, const char* option) {
        w->findChild<QRadioButton*>(QString::fromLatin1(option))->click();
    }
    // Prints into a PDF file instead of asking for a printer.

private slots:
    void longValuesAboveNarrowBarsStandTurnedNotStacked() {
        // The ink of 1234 in a four-digit room: one turned line of text is as
        // tall as its four digits side by side, far less than four stacked rows.
        auto ink_height = [](int value) {
            QImage image(40, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter p(&image);
                p.setFont(small_font());
                p.setPen(Qt::black);
                paint_vertical_value(p, 10, 10, value, 4);
            }
            int top = -1, bottom = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) {
                        if (top < 0) top = y;
                        bottom = y;
                    }
            return top < 0 ? 0 : bottom - top + 1;
        };
        const int turned = ink_height(1234);
        QVERIFY2(turned > 14 && turned < 13 * 3, qPrintable(QString::number(turned)));
        QVERIFY(ink_height(12) > 13);  // two digits keep one row each
    }

    void tableShowsTheChartValuesAndExportsWhatTheCommandLineWrites() {
        StatsFixture f;
        ResultWindow* w = open(f, Command::Frequency);  // frequency
        QVERIFY(w);
        auto* chart = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        QVERIFY(chart);
        const ChartModel& m = chart->model();
        QTableWidget* t = w->value_table();
        QVERIFY(!t->isVisible());
        w->findChild<QPushButton*>("cmdTable")->click();
        QVERIFY(t->isVisible());
        QCOMPARE(t->rowCount(), static_cast<int>(m.columns.size()));
        QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("Häufigkeit"));
        // The picture reads as its title and its values.
        QVERIFY(!w->chart()->accessibleName().isEmpty());
        const QString said = w->chart()->accessibleDescription();
        QVERIFY2(said.contains(QStringLiteral("Häufigkeit")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("; %1, %2,").arg(m.columns[0]).arg(m.upper[0])), qPrintable(said));
        for (int r = 0; r < t->rowCount(); ++r) {
            QCOMPARE(t->item(r, 0)->text().toInt(), m.columns[static_cast<size_t>(r)]);
            QCOMPARE(t->item(r, 1)->text().toInt(), m.upper[static_cast<size_t>(r)]);
        }
        // Sorting by the number column orders 1..N by value, not as text.
        t->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(t->item(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(t->item(9, 0)->text(), QStringLiteral("10"));

        // The CSV is the engine's table of the same chart, as `stats frequency --csv` writes it.
        const QString csv = f.dir.filePath(QStringLiteral("freq"));
        f.ui.file_answers = {csv};
        QVERIFY(w->export_csv());
        QFile file(csv + QStringLiteral(".csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), csv_text(chart_table(m)));

        const QString png = f.dir.filePath(QStringLiteral("chart.png"));
        f.ui.file_answers = {png};
        QVERIFY(w->export_picture());
        QImage image(png);
        QCOMPARE(image.size(), w->chart()->size());
        QCOMPARE(image, w->chart()->render_image());
        const QString svg = f.dir.filePath(QStringLiteral("chart.svg"));
        f.ui.file_answers = {svg};
        QVERIFY(w->export_picture());
        QFile svg_file(svg);
        QVERIFY(svg_file.open(QIODevice::ReadOnly));
        const QByteArray vector = svg_file.readAll();
        QVERIFY(vector.contains("<svg"));
        QVERIFY(vector.contains("viewBox=\"0 0 982 474\""));

        // A chart without values (probability view) has no table to show or export.
        w = open(f, Command::Observations);
        QVERIFY(!w->findChild<QPushButton*>("cmdTable")->isEnabled());
        QVERIFY(!t->isVisible());
        QVERIFY(!w->export_csv());
        // A refused file is reported, not passed over.
        w = open(f, Command::EvenOdd);  // even/odd
        f.ui.file_answers = {f.dir.filePath(QStringLiteral("missing/folder/x.csv"))};
        QVERIFY(!w->export_csv());
        QVERIFY(f.ui.last_message().contains(QStringLiteral("kann nicht geschrieben werden")));
    }

    void menuCommandsOpenTheirStatistics() {
        StatsFixture f;
        const std::pair<Command, int> cases[] = {
            {Command::Frequency, 1},         {Command::Gaps, 3},
            {Command::Overview, 5},          {Command::TwinFrequency, 13},
            {Command::TwinGaps, 14},         {Command::TwinOverview, 15},
            {Command::TripletFrequency, 21}, {Command::TripletGaps, 22},
            {Command::TripletOverview, 23},  {Command::EvenOdd, 16},
            {Command::LowHigh, 24},          {Command::Observations, 17},
        };
        for (auto [id, code] : cases) {
            QVERIFY(f.host->has(id));
            ResultWindow* w = open(f, id);
            QVERIFY(w);
            QCOMPARE(w->code(), code);
            QVERIFY(w->chart()->painter());
        }
        // One window serves them all.
        QCOMPARE(f.host->frame().findChildren<ResultWindow*>().size(), 1);
        auto* chart = dynamic_cast<ProbabilityPainter*>(f.find<ResultWindow>("dclick")->chart()->painter());
        QVERIFY(chart);
        QCOMPARE(f.find<ResultWindow>("dclick")->chart()->width(), 1082);
    }

    void kindSwitchMapsCodesInGermanLotto() {
        StatsFixture f;
        ResultWindow* w = open(f, Command::Gaps);
        QVERIFY(w->kind_switch_shown());
        QCOMPARE(w->findChild<QRadioButton*>("opt2")->text(), QStringLiteral("&Super-Zahlen"));
        QVERIFY(!w->findChild<QRadioButton*>("opt3")->isVisible());
        click(w, "opt2");
        QCOMPARE(w->code(), 4);
        QVERIFY(w->findChild<QRadioButton*>("opt2")->isChecked());
        click(w, "opt1");
        QCOMPARE(w->code(), 3);
        key(w, QStringLiteral("s"));
        QCOMPARE(w->code(), 4);
        key(w, QStringLiteral("g"));
        QCOMPARE(w->code(), 3);
        key(w, QStringLiteral("p"));  // no LottoPlus outside Austria
        QCOMPARE(w->code(), 3);
        auto* model = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        QVERIFY(model);
        QCOMPARE(model->model().code, 3);
        // Twins of the German games have no kind switch.
        w = open(f, Command::TwinFrequency);
        QVERIFY(!w->kind_switch_shown());
        key(w, QStringLiteral("z"));
        QCOMPARE(w->code(), 13);
    }

    void kindSwitchReachesLottoPlusInAustria() {
        StatsFixture f(kAustria);
        ResultWindow* w = open(f, Command::Overview);
        QVERIFY(w->findChild<QRadioButton*>("opt3")->isVisible());
        QCOMPARE(w->findChild<QRadioButton*>("opt2")->text(), QStringLiteral("&Zusatz-Zahlen"));
        key(w, QStringLiteral("p"));
        QCOMPARE(w->code(), 33);
        QVERIFY(w->findChild<QRadioButton*>("opt3")->isChecked());
        click(w, "opt2");
        QCOMPARE(w->code(), 6);
        click(w, "opt3");
        QCOMPARE(w->code(), 33);
        click(w, "opt1");
        QCOMPARE(w->code(), 5);
        w = open(f, Command::TripletOverview);
        QCOMPARE(w->findChild<QRadioButton*>("opt2")->text(), QStringLiteral("&PLUS-Zahlen"));
        QVERIFY(!w->findChild<QRadioButton*>("opt3")->isVisible());
        key(w, QStringLiteral("p"));
        QCOMPARE(w->code(), 51);
        w = open(f, Command::Observations);
        click(w, "opt2");
        QCOMPARE(w->code(), 57);
        w = open(f, Command::EvenOdd);
        key(w, QStringLiteral("z"));
        QCOMPARE(w->code(), 55);
    }

    void kindSwitchCaptionsOfTotoAndNoneForSwiss() {
        StatsFixture toto(kToto);
        ResultWindow* w = open(toto, Command::Frequency);
        QCOMPARE(w->findChild<QRadioButton*>("opt2")->text(), QStringLiteral("&Zusatz-Spiele"));
        StatsFixture swiss(kSwiss, 3100);
        w = open(swiss, Command::Frequency);
        QVERIFY(!w->kind_switch_shown());
        QVERIFY(!w->findChild<QGroupBox*>("frm5")->isVisible());
        key(w, QStringLiteral("z"));
        QCOMPARE(w->code(), 1);
        QVERIFY(dynamic_cast<BarChartPainter*>(w->chart()->painter())->model().lucky);
    }

    void plusAtTheNewestDrawAndMinusAtRangeFirstChangeNothing() {
        StatsFixture f;
        ResultWindow* w = open(f, Command::Frequency);
        QCOMPARE(f.session->range.last, 40);
        key(w, QStringLiteral("+"));
        QCOMPARE(f.session->range.last, 40);
        key(w, QStringLiteral("-"));
        QCOMPARE(f.session->range.last, 39);
        QCOMPARE(f.session->range.count, 39);
        auto heading = [&] {
            return dynamic_cast<BarChartPainter*>(w->chart()->painter())->model().heading.range_last;
        };
        QCOMPARE(heading(), 39);
        // The drawn buttons answer to the mouse.
        QTest::mouseClick(w->chart(), Qt::LeftButton, {}, QPoint(512, 12));
        QCOMPARE(f.session->range.last, 40);
        QTest::mouseClick(w->chart(), Qt::LeftButton, {}, QPoint(430, 12));
        QCOMPARE(f.session->range.last, 39);
        f.session->range.set(39, 39);
        key(w, QStringLiteral("-"));
        QCOMPARE(f.session->range.last, 39);
        QCOMPARE(f.session->range.first, 39);
        key(w, QString(), Qt::Key_Escape);
        QTRY_VERIFY(!f.find<ResultWindow>("dclick"));
    }

    void hardCopyPrintsTheChartAndReportsPrinterFailure() {
        StatsFixture f;
        ResultWindow* w = open(f, Command::Overview);
        const QString pdf = f.dir.filePath(QStringLiteral("hardcopy.pdf"));
        f.ui.print_to_pdf(pdf);
        w->findChild<QPushButton*>("cmd27")->click();
        const QString text = pdf_text(pdf, false);
        QVERIFY2(text.contains(QStringLiteral("Häufigkeiten und Rückstände nach der")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("im Überblick")));
        QVERIFY(f.ui.messages.empty());

        f.ui.print_to_pdf(f.dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
        w->hard_copy();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Druckerfehler!"));
        QVERIFY(w->isVisible());

        f.ui.print_accepts = true;
        f.ui.services.print_dialog = [](QWidget*, QPrinter&) { return false; };  // cancelled
        const size_t before = f.ui.messages.size();
        w->hard_copy();
        QCOMPARE(f.ui.messages.size(), before);
    }

    void frequencyAndGapChartsShowTheirChanceTest() {
        // The fixture's draws use only 1..42 of 49 numbers: far from chance.
        StatsFixture f(kLottoSaturday, 500);
        ResultWindow* w = open(f, Command::Frequency);
        QVERIFY(w);
        auto* chart = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        QVERIFY(chart);
        QCOMPARE(QString::fromStdString(chart->model().heading.chance),
                 QStringLiteral("Zufallstest: Abweichungen ungewöhnlich (p < 0.001)"));
        const QString pdf = f.dir.filePath(QStringLiteral("chance.pdf"));
        f.ui.print_to_pdf(pdf);
        w->hard_copy();
        const QString text = pdf_text(pdf, false).simplified();
        QVERIFY2(text.contains(QStringLiteral("Zufallstest: Abweichungen ungewöhnlich (p < 0.001)")), qPrintable(text));

        w->close();
    }

    void gapChartTestsTheLongestGapAndLeadsToItsHelp() {
        // The fixture's draws never hold 43..49: their gap is range last.
        StatsFixture f(kLottoSaturday, 500);
        ResultWindow* w = open(f, Command::Gaps);
        QVERIFY(w);
        auto* chart = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        chart = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        QVERIFY(QString::fromStdString(chart->model().heading.chance).startsWith(QStringLiteral("Zufallstest: längster Rückstand 500 ungewöhnlich")));
        key(w, QStringLiteral("-"));
        chart = dynamic_cast<BarChartPainter*>(w->chart()->painter());
        QVERIFY(QString::fromStdString(chart->model().heading.chance).startsWith(QStringLiteral("Zufallstest: längster Rückstand 499 ")));

        // The help behind the chart leads to the topic that explains p.
        w->findChild<QPushButton*>("cmd35")->click();
        QCOMPARE(f.host->help_topics.back(), QStringLiteral("diagramme.htm"));
        QVERIFY(HelpWindow::has_topic(QStringLiteral("zufallstest.htm")));
        QVERIFY(HelpWindow::has_topic(QStringLiteral("erwartung.htm")));
        w->close();
    }

    void gapAverageDiagramMovesAndRestoresRangeLast() {
        StatsFixture f(kLottoSaturday, 500);
        f.session->range.set(10, 200);
        ResultWindow* w = open(f, Command::Averages);
        QVERIFY(w->gap_average_shown());
        QCOMPARE(w->gap_average_end(), 500);
        auto* chart = dynamic_cast<GapAveragePainter*>(w->chart()->painter());
        QVERIFY(chart);
        QCOMPARE(chart->series().first, 201);
        QVERIFY(!w->kind_switch_shown());  // LottoPlus only in Austria
        key(w, QString(), Qt::Key_Left);
        QCOMPARE(w->gap_average_end(), 498);
        QTest::mouseClick(w->chart(), Qt::LeftButton, {}, QPoint(10, 300));
        QCOMPARE(w->gap_average_end(), 493);
        QTest::mouseClick(w->chart(), Qt::LeftButton, {}, QPoint(960, 300));
        QTest::mouseClick(w->chart(), Qt::LeftButton, {}, QPoint(960, 300));
        QCOMPARE(w->gap_average_end(), 500);  // never beyond the newest draw
        key(w, QStringLiteral("-"));
        QCOMPARE(f.session->range.last, 200);

        // The hard copy asks first; ABBRUCH prints nothing.
        bool asked_printer = false;
        f.ui.services.print_dialog = [&](QWidget*, QPrinter&) { return asked_printer = true, false; };
        f.ui.message_answers = {2};
        w->hard_copy();
        QCOMPARE(f.ui.messages.back().buttons, QStringLiteral("OK|ABBRUCH"));
        QVERIFY(!asked_printer);

        w->findChild<QPushButton*>("cmd35")->click();
        QCOMPARE(f.host->help_topics.back(), QStringLiteral("durchschnitte.htm"));
        w->close();
        QCOMPARE(f.session->range.last, 500);
        QCOMPARE(f.session->range.count, 491);
    }

    void gapAverageSwitchesToLottoPlusInAustria() {
        StatsFixture f(kAustria);
        ResultWindow* w = open(f, Command::Averages);
        QVERIFY(w->kind_switch_shown());
        click(w, "opt2");
        QVERIFY(w->gap_average_plus());
        QVERIFY(dynamic_cast<GapAveragePainter*>(w->chart()->painter())->series().plus);
        key(w, QStringLiteral("g"));
        QVERIFY(!w->gap_average_plus());
    }

    void probabilityViewShowsTheNumbersUnderTheMouse() {
        StatsFixture f;
        ResultWindow* w = open(f, Command::Observations);
        auto* chart = dynamic_cast<ProbabilityPainter*>(w->chart()->painter());
        const ProbabilityBall ball = chart->model().view.frequency_balls.front();
        mouse_move(w->chart(), QPoint(ball.x, 200));
        QVERIFY(chart->info().contains(QStringLiteral(" mal gezogen: ")));
        QVERIFY(chart->info().contains(QStringLiteral("1  ")));
        mouse_move(w->chart(), QPoint(ball.x, 300));
        QVERIFY(chart->info().isEmpty());
        w->findChild<QPushButton*>("cmd35")->click();
        QCOMPARE(f.host->help_topics.back(), QStringLiteral("betrachtungen.htm"));
    }

    void gameSwitchRedrawsTheOpenWindow() {
        StatsFixture f(kLottoSaturday, 40);
        ResultWindow* w = open(f, Command::Frequency);
        QCOMPARE(dynamic_cast<BarChartPainter*>(w->chart()->painter())->model().heading.range_last, 40);
        // Saturday and Wednesday: the window stays open and draws the new game.
        f.session->select_game(kLottoBoth);
        f.host->display_changed();
        QVERIFY(f.find<ResultWindow>("dclick"));
        QVERIFY(w->chart()->painter());
        // The frame closes it on a switch to another game's layout.
        QCOMPARE(f.host->secondary.size(), size_t(1));
        QCOMPARE(f.host->secondary.front().data(), static_cast<QWidget*>(w));
    }
};

ZW_GUI_TEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
