#include "tipping/row_generator_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "gui_test_support.h"
#include "tipping/filter_dialog.h"
#include "tipping/formula_dialog.h"
#include "tipping/number_grid_widget.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::when_modal;

class RowGeneratorWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::vector<QString> help;
        explicit Fixture(GameCode game = kLottoSaturday) {
            test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 40);
            test::write_draw_file(dir.filePath(QStringLiteral("Swiss.Dat")), 40, 8);
            session = test::started_session(dir, game);
        }
        std::unique_ptr<RowGeneratorWindow> window(int box = -1) {
            return std::make_unique<RowGeneratorWindow>(*session, ui.services, box,
                                                        [this](const QString& t) { help.push_back(t); });
        }
        GeneratorState& state() const { return session->generator.state; }
        void tips(std::initializer_list<int> numbers) const {
            for (int n : numbers) state().add_tip(n);
        }
    };

    template <typename T>
    static T* child(QWidget& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
    static QString text(QWidget& w, const char* name) { return child<QLabel>(w, name)->text(); }

private slots:
    void choosingNumbersUpdatesPromptAndPossibleRows() {
        Fixture f;
        auto w = f.window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Zufallsgenerator:"));
        for (const char* name : {"cmd_ok", "cmd_inverter", "cmd_loeschung", "cmd_abbruch", "cmd_formel", "cmd_filter"})
            QVERIFY2(child<QPushButton>(*w, name), name);
        QCOMPARE(child<QPushButton>(*w, "cmd_filter")->text(), QStringLiteral("&G/U & T/H - Filter"));
        QVERIFY(text(*w, "last_draw").startsWith(QStringLiteral("Letzte Ziehung:  40. vom ")));
        QVERIFY(text(*w, "top_hauf").startsWith(QStringLiteral("TOP 18\nHAUF\n")));
        QVERIFY(w->grid()->cell(49)->text().endsWith(QStringLiteral("(0)")));  // never drawn
        QCOMPARE(text(*w, "prompt"), QStringLiteral("BITTE INSGESAMT MEHR ALS 7 ZAHLEN AUSWÄHLEN!"));

        // Seven numbers are not enough; the eighth makes the choice ready.
        for (int n = 1; n <= 7; ++n) w->grid()->cell(n)->click();
        QCOMPARE(text(*w, "status"), QStringLiteral("Zufallsgenerator: 7 mögliche Reihen"));
        QVERIFY(!text(*w, "prompt").isEmpty());
        w->cmd_ok();
        QVERIFY(f.ui.popups.empty());  // nothing generated
        QTest::keyClicks(w.get(), QStringLiteral("8"));
        QCOMPARE(text(*w, "typed"), QStringLiteral("Zahl: 8"));
        QTest::keyClick(w.get(), Qt::Key_Return);
        QVERIFY(f.state().is_tip(8));
        QVERIFY(text(*w, "prompt").isEmpty());
        QCOMPARE(text(*w, "status"), QStringLiteral("Zufallsgenerator: 28 mögliche Reihen"));

        // Banker mode: a tip is no banker; five bankers at most for a normal ticket.
        QTest::keyClick(w.get(), Qt::Key_B);
        QCOMPARE(w->mode(), GeneratorState::Mode::kBankers);
        w->cell_clicked(1);
        QVERIFY(!f.state().is_banker(1));
        for (int n = 20; n <= 25; ++n) w->cell_clicked(n);
        QCOMPARE(f.state().bankers(), (std::vector<int>{20, 21, 22, 23, 24}));
        QCOMPARE(w->grid()->mark(20), NumberGridWidget::Mark::kBanker);
        QCOMPARE(text(*w, "banker_count"), QStringLiteral("5 Zahlen"));
        // "_Inverter" leaves the bankers alone; "_Löschung" empties both sets.
        QTest::keyClick(w.get(), Qt::Key_I);
        QVERIFY(!f.state().is_tip(1) && f.state().is_tip(9) && !f.state().is_tip(20));
        QTest::keyClick(w.get(), Qt::Key_L);
        QCOMPARE(f.state().total(), 0);
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(f.help, (std::vector<QString>{QStringLiteral("zufallsgenerator.htm")}));
        QVERIFY(w->sizeHint().width() <= 1280 && w->sizeHint().height() <= 1000);
    }

    void okFillsTheRowsAndTheChoiceIsKeptForNextTime() {
        Fixture f;
        f.tips({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        f.state().choose(11, GeneratorState::Mode::kBankers, GeneratorTarget{});
        f.ui.popup_answers = {1};  // " _4 Reihen"
        auto w = f.window();
        child<QPushButton>(*w, "cmd_ok")->click();
        QCOMPARE(f.ui.popups.back(), QStringLiteral(" &2 Reihen| &4 Reihen| &6 Reihen| &8 Reihen|1&0 Reihen|&12 Reihen|14 Reihen|1&5 Reihen|16 Reihen"));
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(f.session->ticket.row_count(), 4);
        std::set<TipRow> rows;
        for (int r = 0; r < 4; ++r) {
            const TipRow& row = f.session->ticket.row(r);
            QVERIFY(f.session->ticket.row_holds(r, 11));
            for (int j = 0; j < 6; ++j) QVERIFY(row[j] >= 1 && row[j] <= 11);
            rows.insert(row);
        }
        QCOMPARE(rows.size(), size_t{4});
        // The next window starts with the same choice; a dismissed list changes nothing.
        auto again = f.window();
        QCOMPARE(again->grid()->mark(11), NumberGridWidget::Mark::kBanker);
        const Ticket before = f.session->ticket;
        again->cmd_ok();  // no popup answer left: dismissed
        QCOMPARE(again->result(), int(QDialog::Rejected));
        QCOMPARE(f.session->ticket.row(0), before.row(0));
    }

    void tooStrictAFilterSaysSchadeAndKeepsTheTicket() {
        Fixture f;
        f.tips({1, 3, 5, 7, 9, 11, 13, 15});
        f.session->generator.filter.even.fill(false);
        f.session->generator.filter.even[3] = true;
        f.session->ticket.set_row(0, TipRow{2, 4, 6, 8, 10, 12, 0});
        f.ui.popup_answers = {0};
        auto w = f.window();
        QCOMPARE(text(*w, "status"), QStringLiteral("Zufallsgenerator: 0 mögliche Reihen"));
        w->cmd_ok();
        QCOMPARE(f.ui.messages.size(), size_t{1});
        QCOMPARE(f.ui.messages[0].buttons, QStringLiteral("&Schade"));
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Es konnten nicht genug|")));
        QCOMPARE(f.session->ticket.row(0), (TipRow{2, 4, 6, 8, 10, 12, 0}));
        QVERIFY(w->isVisible() || w->result() != int(QDialog::Accepted));
    }

    void filterFormChangesAtOnceAndCancelRestores() {
        Fixture f;
        f.tips({1, 2, 3, 4, 5, 6, 7, 8});
        int changes = 0;
        {
            FilterDialog d(f.session->generator, f.session->params, [&] { ++changes; });
            QCOMPARE(d.windowTitle(), QStringLiteral("G/U & T/H - Filter"));
            auto* status = child<QLabel>(d, "status");
            QCOMPARE(status->text(), QStringLiteral("Filtereinstellungen: 28 mögliche Reihen"));
            d.check(4)->click();  // 3 even no longer allowed: 16 of the 28 rows hold 3 of 2, 4, 6, 8
            QVERIFY(!f.session->generator.filter.even[3]);
            QCOMPARE(status->text(), QStringLiteral("Filtereinstellungen: 12 mögliche Reihen"));
            d.check(14)->click();  // 6 low is the only count these tips give
            QCOMPARE(status->text(), QStringLiteral("Filtereinstellungen: 0 mögliche Reihen"));
            child<QPushButton>(d, "cmd24")->click();
            QCOMPARE(f.session->generator.filter, GeneratorFilter{});
            QCOMPARE(changes, 3);
        }
        FilterDialog d(f.session->generator, f.session->params, {});
        d.check(1)->click();
        child<QPushButton>(d, "cmd23")->click();
        QVERIFY(!f.session->generator.filter.even[0]);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void formulaDialogCountsAndAppliesOnOk() {
        Fixture f;
        {
            FormulaDialog d(FormulaSettings{}, 49);
            QCOMPARE(d.objectName(), QStringLiteral("Dlg_8"));
            QCOMPARE(d.label(1)->text(), QStringLiteral("Häufigste Zahlen:  0"));
            QCOMPARE(d.label(3)->text(), QStringLiteral("Partner zu:  -"));
            d.decrease(1);  // not below 0
            for (int i = 0; i < 60; ++i) d.increase(4);
            QCOMPARE(d.settings().partner_frequent, 48);
            QCOMPARE(d.label(5)->text(), QStringLiteral("&& Rückständigste:  0"));
            child<QRadioButton>(d, "op492")->click();
            QVERIFY(d.settings().skip_last_draw);
            child<QRadioButton>(d, "op494")->click();
            QVERIFY(!d.settings().skip_last_draw);
        }
        auto w = f.window();
        when_modal([](QWidget* m) {
            auto* d = qobject_cast<FormulaDialog*>(m);
            QVERIFY(d);
            for (int i = 0; i < 6; ++i) d->increase(1);
            child<QPushButton>(*d, "cmd_ok")->click();
        });
        QTest::keyClick(w.get(), Qt::Key_F);
        QCOMPARE(f.state().tip_count(), 6);
        QCOMPARE(f.session->generator.formula.most_frequent, 6);
        QCOMPARE(w->grid()->mark(f.state().tips()[0]), NumberGridWidget::Mark::kTip);
        // Cancel leaves settings and choice alone.
        when_modal([](QWidget* m) {
            auto* d = qobject_cast<FormulaDialog*>(m);
            QVERIFY(d);
            d->increase(2);
            child<QPushButton>(*d, "cmd_abbruch")->click();
        });
        w->cmd_formel();
        QCOMPARE(f.session->generator.formula.longest_gap, 0);
        QCOMPARE(f.state().tip_count(), 6);
    }

    void systemBoxTakesBankersAndTipsUpToItsSize() {
        Fixture f;
        Ticket& t = f.session->ticket;
        t.system_mode = true;
        QVERIFY(!open_row_generator(nullptr, *f.session, f.ui.services, {}));
        QCOMPARE(f.ui.last_message(), QStringLiteral("Bitte zuerst ein System ankreuzen!"));
        t.set_partial_system(1, 0, 10);
        auto w = f.window(1);
        QCOMPARE(text(*w, "prompt"), QStringLiteral("BITTE INSGESAMT MEHR ALS 10 ZAHLEN AUSWÄHLEN!"));
        w->set_mode(GeneratorState::Mode::kBankers);
        for (int n = 40; n <= 49; ++n) w->cell_clicked(n);
        QCOMPARE(f.state().banker_count(), 8);  // two places stay for the tips
        w->set_mode(GeneratorState::Mode::kTips);
        for (int n = 1; n <= 3; ++n) w->cell_clicked(n);
        w->cmd_ok();
        QVERIFY(f.ui.popups.empty());  // a box needs no row count
        QVERIFY(t.box(1).complete());
        for (int n = 40; n <= 47; ++n) QVERIFY(t.box(1).holds(n));
    }

    void anEmptyArchiveShowsZerosAndTheFormulaAddsNothingItCannotKnow() {
        Fixture f(kToto);  // no draw file in the folder
        QCOMPARE(f.session->archive.draw_count(), 0);
        auto w = f.window();
        QCOMPARE(text(*w, "last_draw"), QStringLiteral("Letzte Ziehung:"));
        QVERIFY(w->grid()->cell(45)->text().endsWith(QStringLiteral("(0)")));
        FormulaSettings formula;
        formula.partner = 3;
        formula.partner_frequent = 4;
        formula.skip_last_draw = true;
        apply_formula(f.state(), formula, DrawSource(f.session->archive, f.session->params), f.session->range);
        QCOMPARE(f.state().total(), 0);
    }

    void swissLuckyCellsStandApartFromTheNumbers() {
        Fixture f(kSwiss);
        auto w = f.window();
        QCOMPARE(w->grid()->cells(), 48);
        QVERIFY(w->grid()->cell(kLuckyCellBase + 1)->text().startsWith(QStringLiteral("GZ 1\n(")));
        for (int n = 1; n <= 7; ++n) w->cell_clicked(n);
        w->cell_clicked(kLuckyCellBase + 2);  // a Glückszahl is no main number
        QCOMPARE(f.state().total(), 7);
        QVERIFY(!text(*w, "prompt").isEmpty());
        w->cell_clicked(8);
        QCOMPARE(text(*w, "status"), QStringLiteral("Zufallsgenerator: 28 mögliche Reihen"));
        w->cell_clicked(kLuckyCellBase + 5);
        QCOMPARE(text(*w, "status"), QStringLiteral("Zufallsgenerator: 56 mögliche Reihen"));
        f.ui.popup_answers = {0};
        w->cmd_ok();
        QCOMPARE(f.session->ticket.row_count(), 2);
        for (int r = 0; r < 2; ++r) QVERIFY(f.session->ticket.row(r)[6] == 2 || f.session->ticket.row(r)[6] == 5);
    }
};

ZW_GUI_TEST_MAIN(RowGeneratorWindowTest)
#include "row_generator_window_test.moc"
