#include "tipping/power_tip_window.h"

#include <QPushButton>
#include <fstream>

#include "gui_test_support.h"

using namespace zw;
using zw::test::ScriptedUi;

class PowerTipWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::vector<PowerTipResult> applied;
        std::vector<QString> help;
        explicit Fixture(GameCode game) {
            test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 3);
            test::write_draw_file(dir.filePath(QStringLiteral("O_Lotto.Dat")), 3);
            test::write_draw_file(dir.filePath(QStringLiteral("Swiss.Dat")), 3, 8);
            session = test::started_session(dir, game);
        }
        std::unique_ptr<PowerTipWindow> window(bool seven_by_seven = true) {
            return std::make_unique<PowerTipWindow>(
                *session, ui.services, seven_by_seven, [this](const QString& t) { help.push_back(t); },
                [this](const PowerTipResult& r) { applied.push_back(r); });
        }
        void heavy(int count) {
            for (int n = 1; n <= count; ++n) session->weights.set_weight(n, session->params.code, 3);
        }
        WeightMatrix stored() const {
            WeightMatrix m;
            if (!load_weight_matrix(session->data_folder(), m)) qFatal("matrix.par not readable");
            return m;
        }
    };

    static QPushButton* button(PowerTipWindow& w, const char* name) {
        return w.findChild<QPushButton*>(QString::fromLatin1(name));
    }

private slots:
    void clickingACellRaisesItsWeightAndFourClicksReturnIt() {
        Fixture f(kLottoSaturday);
        auto w = f.window();
        QCOMPARE(w->windowTitle(), QStringLiteral("POWER-TIPP:"));
        for (const char* name : {"cmd_berechne", "cmd_sichern", "cmd_reseten", "cmd_inverte",
                                 "cmd_loeschung", "cmd_abbruch"})
            QVERIFY2(button(*w, name), name);
        QCOMPARE(button(*w, "cmd_loeschung")->text(), QString::fromUtf8(" &Löschung "));
        const QPoint at = w->cell_rect(23).center();
        QCOMPARE(PowerTipPainter::cell_at(at, w->picture()), 23);
        for (int expected : {1, 2, 3, 0}) {
            QTest::mouseClick(w->grid(), Qt::LeftButton, {}, at);
            QCOMPARE(f.session->weights.weight(23, kLottoSaturday), expected);
        }
        QTest::mouseClick(w->grid(), Qt::LeftButton, {}, QPoint(2, 2));  // outside the grid
        QCOMPARE(f.session->weights, WeightMatrix{});
        QVERIFY(w->grid()->width() <= 1280 && w->grid()->height() <= 900);
    }

    void swissGluckszahlCellsSitBelowTheNumbersAndInvertStepsThemOnce() {
        Fixture f(kSwiss);
        auto w = f.window();
        QVERIFY(w->cell_rect(42).isValid());
        QVERIFY(w->cell_rect(kLuckyCellBase + 1).top() > w->cell_rect(42).bottom());
        QTest::mouseClick(w->grid(), Qt::LeftButton, {}, w->cell_rect(kLuckyCellBase + 1).center());
        QCOMPARE(f.session->weights.weight(kLuckyCellBase + 1, kSwiss), 1);
        button(*w, "cmd_inverte")->click();
        QCOMPARE(f.session->weights.weight(kLuckyCellBase + 1, kSwiss), 2);
        QCOMPARE(f.session->weights.weight(kLuckyCellBase + 6, kSwiss), 1);
        QCOMPARE(w->picture().weights[kLuckyCellBase + 6], 1);
        button(*w, "cmd_loeschung")->click();
        QCOMPARE(w->picture().weights[kLuckyCellBase + 1], 0);
        QCOMPARE(f.session->weights, WeightMatrix{});
    }

    void berechneAsksForTheRowCountAndHandsTheRowsOver() {
        Fixture f(kLottoSaturday);
        {
            auto w = f.window();
            button(*w, "cmd_berechne")->click();  // all weights 0: only a beep
            QVERIFY(f.ui.popups.empty());
            QVERIFY(f.applied.empty());
        }
        f.heavy(10);
        {
            auto w = f.window();
            button(*w, "cmd_berechne")->click();  // the list dismissed: nothing happens
            QCOMPARE(f.ui.popups.size(), size_t(1));
            QCOMPARE(f.ui.popups[0], QStringLiteral(" &2 Reihen| &4 Reihen| &6 Reihen| &8 Reihen|1&0 Reihen"
                                                    "|&12 Reihen|14 Reihen|1&5 Reihen|16 Reihen"));
            QVERIFY(f.applied.empty());
            QCOMPARE(w->result(), int(QDialog::Rejected));
            f.ui.popup_answers = {2};
            button(*w, "cmd_berechne")->click();
            QCOMPARE(f.applied.size(), size_t(1));
            QCOMPARE(f.applied[0].rows.size(), size_t(6));
            QVERIFY(f.applied[0].complete);
            QCOMPARE(w->result(), int(QDialog::Accepted));
            QVERIFY(f.ui.messages.empty());
        }
        {
            auto w = f.window(false);  // 49 x 1: "14 Reihen" gives 12
            f.ui.popup_answers = {6};
            button(*w, "cmd_berechne")->click();
            QVERIFY(!f.ui.popups.back().contains(QStringLiteral("16 Reihen")));
            QCOMPARE(f.applied.back().rows.size(), size_t(12));
        }
    }

    void tooNarrowMatrixReportsAndKeepsTheRowsFound() {
        Fixture f(kLottoSaturday);
        f.heavy(7);
        auto w = f.window();
        f.ui.popup_answers = {8};
        button(*w, "cmd_berechne")->click();
        QCOMPARE(f.ui.last_message(),
                 QString::fromUtf8("Es konnten nicht genug|Reihen gefunden werden!|Bitte Matrix durchlässiger machen!"));
        QCOMPARE(f.applied.size(), size_t(1));
        QVERIFY(!f.applied[0].complete);
        QVERIFY(f.applied[0].rows.size() >= 1 && f.applied[0].rows.size() <= 7);
    }

    void sichernAsksWritesAndReportsAFailure() {
        Fixture f(kAustria);
        WeightMatrix other;
        other.set_weight(5, kSwiss, 2);
        std::ofstream(f.dir.filePath(QStringLiteral("matrix.par")).toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(encode_weight_matrix(other).data()), 600);
        f.session->start_up();
        auto w = f.window();
        QTest::mouseClick(w->grid(), Qt::LeftButton, {}, w->cell_rect(45).center());
        f.ui.message_answers = {2};  // "&NEIN"
        button(*w, "cmd_sichern")->click();
        QCOMPARE(f.ui.messages.back().text, QStringLiteral("Matrix sichern?"));
        QCOMPARE(f.ui.messages.back().buttons, QStringLiteral("&JA|&NEIN"));
        QCOMPARE(f.stored().weight(45, kAustria), 0);
        f.ui.message_answers = {1};
        button(*w, "cmd_sichern")->click();
        QCOMPARE(f.stored().weight(45, kAustria), 1);
        QCOMPARE(f.stored().weight(5, kSwiss), 2);

        // " _Reseten " brings back what is stored.
        QTest::mouseClick(w->grid(), Qt::LeftButton, {}, w->cell_rect(45).center());
        button(*w, "cmd_reseten")->click();
        QCOMPARE(w->picture().weights[45], 1);

        // A folder where the file should be: the save fails and says so.
        QFile::remove(f.dir.filePath(QStringLiteral("matrix.par")));
        QDir(f.dir.path()).mkdir(QStringLiteral("matrix.par"));
        const size_t before = f.ui.messages.size();
        f.ui.message_answers = {1};
        button(*w, "cmd_sichern")->click();
        QCOMPARE(f.ui.messages.size(), before + 2);
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Die Gewichtungs-Matrix konnte nicht gesichert werden.")));
        QCOMPARE(f.ui.messages.back().kind, int(kWarning));
    }

    void boardAndHelp() {
        Fixture f(kLottoSaturday);
        auto w = f.window();
        // Three draws: every number 1..42 appears in the draw file's pattern at most three times.
        QCOMPARE(w->picture().board.frequency[49], 0);
        QCOMPARE(w->picture().board.top_frequent.size(), size_t(12));
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(f.help, std::vector<QString>{QStringLiteral("power-tipp.htm")});
    }
};

ZW_GUI_TEST_MAIN(PowerTipWindowTest)
#include "power_tip_window_test.moc"
