#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/main_window.h"
#include "evaluation/evaluation_dialog.h"
#include "gui_test_support.h"
#include "tipping/console_dialog.h"
#include "tipping/row_generator_window.h"
#include "tipping/ticket_layout.h"
#include "tipping/ticket_number_dialog.h"
#include "tipping/ticket_picture_painter.h"
#include "tipping/ticket_picture_widget.h"
#include "tipping/ticket_price.h"
#include "tipping/tip_console_window.h"
#include <QLabel>

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::when_modal;

class TicketConsoleTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<MainWindow> window;
        explicit Fixture(const QString& file = QStringLiteral("Lotto.Dat"), const QString& argument = QString()) {
            test::write_draw_file(dir.filePath(file), 40, file.startsWith(QLatin1String("Swiss")) ? 8 : 7);
            session = std::make_unique<Session>(dir.path().toStdString());
            session->start_up();
            window = std::make_unique<MainWindow>(*session, ui.services);
            window->show();
            window->start_program(argument);
        }
        TicketPictureWidget* picture() const { return window->ticket_picture(); }
        Ticket& ticket() const { return session->ticket; }
        // A real mouse click on a point of the slip.
        void click(const PixelRect& r, Qt::MouseButton button = Qt::LeftButton) const {
            QTest::mouseClick(picture(), button, Qt::NoModifier, picture()->to_widget(r.cx(), r.cy()));
        }
        void click_number(int slot, int n, Qt::MouseButton button = Qt::LeftButton) const {
            click(picture()->layout().cell(slot, n), button);
        }
        PixelRect option(OptionKind kind, int value) const {
            const TicketLayout layout = picture()->layout();
            for (const OptionSpot& s : layout.options())
                if (s.field == OptionField{kind, value}) return s.rect;
            return {};
        }
        ConsoleDialog* console() const { return window->findChild<ConsoleDialog*>(QStringLiteral("Dlg_11")); }
    };

private slots:
    void clickedCellsTickAndUntickTheirNumber() {
        Fixture f;
        f.click_number(3, 17);
        f.click_number(3, 49);
        f.click_number(3, 1);
        QCOMPARE(f.picture()->current_slot(), 3);
        QCOMPARE(f.ticket().row_size(3), 3);
        // A row the 49 x 1 layout no longer shows hands the cursor back to the first row.
        f.click_number(14, 2);
        f.window->Win_1_MenuEvent(Command::Layout49x1);
        QCOMPARE(f.picture()->current_slot(), 0);
        f.window->Win_1_MenuEvent(Command::Layout7x7);
        QVERIFY(f.ticket().row_holds(3, 17) && f.ticket().row_holds(3, 49));
        f.click_number(3, 49, Qt::RightButton);
        QVERIFY(!f.ticket().row_holds(3, 49));
        QCOMPARE(f.ticket().row(3)[1], 1);
    }

    // Assistive technology reads the current row and its numbers as they change.
    void pictureSpeaksTheCurrentRowAndItsNumbers() {
        Fixture f;
        auto* a = QAccessible::queryAccessibleInterface(f.picture());
        QVERIFY(a);
        f.click_number(3, 17);
        f.click_number(3, 5);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Tippschein, Reihe 4"));
        QCOMPARE(a->text(QAccessible::Description),
                 QStringLiteral("angekreuzt: 17, 5; 0 vollständige Reihen"));
        f.click_number(3, 17, Qt::RightButton);
        QCOMPARE(a->text(QAccessible::Description), QStringLiteral("angekreuzt: 5; 0 vollständige Reihen"));
        // A change from outside the picture (a generator) is read as well once it shows.
        f.ticket().set_row(0, {1, 2, 3, 4, 5, 6, 0});
        f.picture()->select_slot(0);
        f.window->ticket_changed();
        QTRY_COMPARE(a->text(QAccessible::Name), QStringLiteral("Tippschein, Reihe 1"));
        QCOMPARE(a->text(QAccessible::Description),
                 QStringLiteral("angekreuzt: 1, 2, 3, 4, 5, 6; 1 vollständige Reihe"));
    }

    void typedNumbersFillTheCurrentRowAndMoveOn() {
        Fixture f;
        QTest::keyClicks(f.picture(), QStringLiteral("0512"));  // 05 and 12
        QTest::keyClicks(f.picture(), QStringLiteral("7"));      // 7 at once: no 70s in 6 aus 49
        QTest::keyClicks(f.picture(), QStringLiteral("99"));     // 9, then 9 again is refused
        QTest::keyClicks(f.picture(), QStringLiteral("4"));
        QTest::keyClick(f.picture(), Qt::Key_Return);
        QTest::keyClicks(f.picture(), QStringLiteral("45"));
        QCOMPARE(f.ticket().row(0), (TipRow{5, 12, 7, 9, 4, 45, 0}));
        QCOMPARE(f.picture()->current_slot(), 1);
        QTest::keyClicks(f.picture(), QStringLiteral("33"));
        QTest::keyClick(f.picture(), Qt::Key_Backspace);
        QCOMPARE(f.ticket().row_size(1), 0);
        // L steps the duration, m and j are options, C asks before clearing.
        QTest::keyClicks(f.picture(), QStringLiteral("LLmj"));
        QCOMPARE(f.session->ticket_options.weeks(), 3);
        QCOMPARE(f.session->ticket_options.draw_days, 1);
        QVERIFY(f.session->ticket_options.spiel77);
        f.ui.message_answers = {2};
        QTest::keyClick(f.picture(), Qt::Key_C);
        QCOMPARE(f.ticket().row_size(0), 6);
        QCOMPARE(f.ui.messages.back().title, QStringLiteral("Schein löschen"));
        f.ui.message_answers = {1};
        QTest::keyClick(f.picture(), Qt::Key_C);
        QVERIFY(f.ticket().empty());
    }

    void systemBoxesChooseTheirSystemFromTheLists() {
        Fixture f;
        f.window->Win_1_MenuEvent(Command::SystemTicket);
        QVERIFY(f.ticket().system_mode);
        QCOMPARE(f.picture()->slip_size().width(), 982);
        f.click_number(0, 5);
        QVERIFY(f.ticket().box(0).ticked.empty());  // no system yet
        f.ui.popup_answers = {1};  // "00&8:"
        f.click(f.picture()->layout().full_area(0));
        QVERIFY(f.ui.popups.back().startsWith(QStringLiteral("00&7:")));
        QCOMPARE(f.ticket().box(0).numbers, 8);
        for (int n = 1; n <= 9; ++n) f.click_number(0, n);
        QCOMPARE(f.ticket().box(0).ticked.size(), size_t(8));
        // A dismissed list changes nothing; button 2 clears the system.
        f.click(f.picture()->layout().partial_area(0));
        QVERIFY(f.ui.popups.back().contains(QStringLiteral("Richtige sicher")));
        QCOMPARE(f.ticket().box(0).numbers, 8);
        QVERIFY(f.ticket().box(0).full);
        f.click(f.picture()->layout().partial_area(0), Qt::RightButton);
        QVERIFY(!f.ticket().box(0).has_system());
        f.window->Win_1_MenuEvent(Command::NormalTicket);
        QVERIFY(!f.ticket().system_mode);
        QCOMPARE(f.picture()->slip_size().width(), 1304);
    }

    void randomTipFillsTheRowsOrAsksForASystemFirst() {
        Fixture f;
        f.window->Win_1_MenuEvent(Command::NormalTicket);
        f.ui.popup_answers = {2};  // " _6 Reihen"
        when_modal([](QWidget* m) {
            auto* g = qobject_cast<RowGeneratorWindow*>(m);
            QVERIFY(g);
            for (int n = 1; n <= 12; ++n) g->cell_clicked(n);
            g->cmd_ok();
        });
        f.console()->button(12)->click();
        QCOMPARE(f.ticket().row_count(), 6);
        f.window->Win_1_MenuEvent(Command::SystemTicket);
        f.console()->button(12)->click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Bitte zuerst ein System ankreuzen!"));
    }

    void consoleOffersEveryCommandAndEvaluatesTheTicket() {
        Fixture f;
        f.window->Win_1_MenuEvent(Command::NormalTicket);
        ConsoleDialog* c = f.console();
        QVERIFY(c);
        QCOMPARE(c->windowTitle(), QStringLiteral("Auswahl-Konsole"));
        for (int id : {8, 9, 10, 44, 11, 12, 13, 14}) QVERIFY2(c->button(id)->isEnabled(), qPrintable(QString::number(id)));
        QCOMPARE(c->button(11)->text(), QStringLiteral("&Online-Tipp"));
        QVERIFY(f.picture()->extra_line().isEmpty());
        for (int n : {3, 11, 19, 27, 35, 43}) f.click_number(2, n);
        for (int n : {1, 2, 3, 4, 5, 6}) f.click_number(7, n);
        // Both rows complete: the expected return stands under the price.
        QVERIFY(f.picture()->extra_line().startsWith(QStringLiteral("Erwartete Auszahlung je Ziehung: ")));
        QVERIFY(f.picture()->extra_line().contains(QStringLiteral("bei 2.40 EUR Einsatz")));
        std::vector<std::vector<uint8_t>> handed;
        when_modal([&](QWidget* w) {
            auto* d = qobject_cast<EvaluationDialog*>(w);
            if (!d) return;
            for (const LineResult& r : d->report().rows) handed.push_back(r.line.numbers);
            d->reject();
        });
        c->button(13)->click();
        QCOMPARE(handed.size(), size_t(2));
        QCOMPARE(handed[0], (std::vector<uint8_t>{3, 11, 19, 27, 35, 43}));
        QCOMPARE(handed[1], (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
        // An incomplete row is named instead.
        f.click_number(9, 9);
        f.window->Win_1_MenuEvent(Command::Evaluate);
        QVERIFY(f.ui.last_message().contains(QStringLiteral("Reihe 10")));
        f.window->Win_1_MenuEvent(Command::SystemTicket);
        QVERIFY(!c->button(25)->isEnabled());  // the power tip plays normal tickets only
        QVERIFY(c->button(11)->isEnabled());   // "Schein löschen" in system mode
        QCOMPARE(c->button(11)->text(), QStringLiteral("Schein &löschen"));
        QTest::mouseClick(f.picture(), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(c->isHidden());
    }

    void keptTicketComesBackWithFetch() {
        Fixture f;
        f.window->Win_1_MenuEvent(Command::NormalTicket);
        ConsoleDialog* c = f.console();
        for (int n : {4, 8, 15, 16, 23, 42}) f.click_number(0, n);
        f.session->ticket_options.spiel77 = true;
        const TicketPrice price = ticket_price(f.ticket(), f.session->ticket_options, f.session->params,
                                               f.session->money, f.session->bundesland());
        QVERIFY(price.total > 0);
        // Keep: a new file name is asked for, then the save is offered.
        f.ui.file_answers = {f.dir.filePath(QStringLiteral("TIPPS.NRM"))};
        f.ui.message_answers = {1, 1, 1, 1};
        c->button(9)->click();
        QCOMPARE(f.session->normal_cards.count(), 1);
        QCOMPARE(int64_t{f.session->normal_cards.at(0).stake}, price.total);  // the price the console showed
        f.ui.message_answers = {1};
        QTest::keyClick(f.picture(), Qt::Key_C);
        QVERIFY(f.ticket().empty());
        // Fetch shows the stored ticket; OK keeps it in the console.
        when_modal([](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
        });
        c->button(8)->click();
        QCOMPARE(f.ticket().row(0), (TipRow{4, 8, 15, 16, 23, 42, 0}));
        QVERIFY(f.session->ticket_options.spiel77);
    }

    void cardConsoleEditsAStoredTicketAndRestoresTheConsole() {
        Fixture f;
        f.click_number(2, 7);
        CardTicket card;
        card.rows[0] = {1, 2, 3, 4, 5, 6, 0};
        when_modal([](QWidget* w) {
            auto* d = qobject_cast<CardConsoleDialog*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Auswahl-Konsole:"));
            QCOMPARE(d->findChild<QLabel*>(QStringLiteral("lb_tippschein"))->text(), QStringLiteral("Tippschein Nr.: 5"));
            TicketPictureWidget* p = d->picture();
            const auto at = [p](int n) {
                const PixelRect r = p->layout().cell(0, n);
                return p->to_widget(r.cx(), r.cy());
            };
            QTest::mouseClick(p, Qt::RightButton, Qt::NoModifier, at(6));
            QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, at(9));
            d->button(14)->click();
        });
        const std::optional<CardTicket> edited = edit_card_in_console(*f.window, card, CardKind::Normal, 5);
        QVERIFY(edited);
        QCOMPARE(edited->rows[0], (CardRow{1, 2, 3, 4, 5, 9, 0}));
        // The console's own ticket is back.
        QVERIFY(f.ticket().row_holds(2, 7));
        QCOMPARE(f.ticket().row_size(0), 0);
    }

    void drawViewerLeavesSystemMode() {
        Fixture f;
        f.window->Win_1_MenuEvent(Command::SystemTicket);
        when_modal([](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
        f.window->Win_1_MenuEvent(Command::ShowDraws);
        QVERIFY(!f.ticket().system_mode);
        QCOMPARE(f.picture()->slip_size().width(), 1304);
    }

    void miSaOnlyWhereTheArchiveHoldsBothDays() {
        Fixture saturday;
        QCOMPARE(saturday.option(OptionKind::kDrawDays, 2).w, 0);
        QVERIFY(saturday.option(OptionKind::kDrawDays, 1).w > 0);
        Fixture both(QStringLiteral("SM_Lotto.Dat"), QStringLiteral("4"));
        QCOMPARE(both.session->params.code, kLottoBoth);
        both.click(both.option(OptionKind::kDrawDays, 2));
        QCOMPARE(both.session->ticket_options.draw_days, 2);
    }

    void optionFieldsAndNumberDialogs() {
        Fixture f;
        f.click(f.option(OptionKind::kSpiel77, 1));
        f.click(f.option(OptionKind::kDuration, 4));
        f.click(f.option(OptionKind::kDrawDays, 1));
        const TicketOptions& o = f.session->ticket_options;
        QVERIFY(o.spiel77);
        QCOMPARE(o.weeks(), 4);
        QCOMPARE(o.draw_days, 1);
        when_modal([](QWidget* w) {
            auto* d = qobject_cast<TicketNumberDialog*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("LosNummer:"));
            d->field()->setText(QStringLiteral("7654320"));
            d->confirm();
        });
        f.click(f.option(OptionKind::kLotteryNumber, 0));
        QCOMPARE(o.lottery_number, 7654320);
        when_modal([](QWidget* w) {
            auto* d = qobject_cast<TicketNumberDialog*>(w);
            QVERIFY(d);
            d->field()->setText(QStringLiteral("3"));
            d->confirm();
        });
        f.click(f.option(OptionKind::kSuperNumber, 0));
        QCOMPARE(o.lottery_number, 7654323);
        // Cancelled, nothing changes.
        when_modal([](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
        f.click(f.option(OptionKind::kLotteryNumber, 0));
        QCOMPARE(o.lottery_number, 7654323);
        // GlücksSpirale in system mode asks for the SiegerChance.
        f.window->Win_1_MenuEvent(Command::SystemTicket);
        when_modal([](QWidget* w) {
            auto* d = qobject_cast<SiegerChanceDialog*>(w);
            QVERIFY(d);
            d->yes()->setChecked(true);
            d->accept();
        });
        f.click(f.option(OptionKind::kGluecksSpirale, 1));
        QVERIFY(o.gluecksspirale && o.siegerchance);
        f.click(f.option(OptionKind::kGluecksSpirale, 0));
        QVERIFY(!o.gluecksspirale && !o.siegerchance);
    }

    void numberDialogsRefuseBadInput() {
        ScriptedUi ui;
        TicketOptions o;
        const GameParams p = game_params(kAustria);
        TicketNumberDialog d(TicketNumberDialog::Kind::kJokers, o, p, ui.services);
        d.field(0)->setText(QStringLiteral("123"));
        QTest::keyClicks(d.field(4), QStringLiteral("1-2a"));  // the field takes digits only
        QCOMPARE(d.field(4)->text(), QStringLiteral("12"));
        d.confirm();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(d.options().joker_numbers[0]), QStringLiteral("000123"));
        QCOMPARE(QString::fromStdString(d.options().joker_numbers[4]), QStringLiteral("000012"));
        TicketNumberDialog s(TicketNumberDialog::Kind::kSuperNumber, o, game_params(kLottoSaturday), ui.services);
        s.field()->setText(QString());
        s.confirm();
        QVERIFY(ui.last_message().contains(QStringLiteral("0 bis 9")));
        QVERIFY(s.result() != int(QDialog::Accepted));
    }

    void gameSwitchClearsTicketAndOptions() {
        Fixture f;
        f.dir.isValid();
        test::write_draw_file(f.dir.filePath(QStringLiteral("Swiss.Dat")), 5, 8);
        f.session->modules.present.fill(true);
        f.click_number(0, 7);
        f.session->ticket_options.spiel77 = true;
        f.window->Win_1_MenuEvent(Command::SwissLotto);
        QCOMPARE(int(f.session->params.code), int(kSwiss));
        QVERIFY(f.ticket().empty());
        QVERIFY(!f.session->ticket_options.spiel77);
        QCOMPARE(f.picture()->layout().fields().size(), size_t(14));
        // The Swiss lucky cells set the row's lucky number.
        f.click_number(0, 45);
        QCOMPARE(int(f.ticket().row(0)[6]), 3);
    }

    // Renders every slip for a look (set ZIEHWERK_SHOT_DIR to keep the images).
    void everySlipRendersWithinItsSize() {
        const QString out = qEnvironmentVariable("ZIEHWERK_SHOT_DIR");
        for (GameCode game : kGames) {
            for (const auto& [system, grid] : {std::pair{false, true}, {false, false}, {true, true}, {true, false}}) {
                const GameParams p = game_params(game);
                Ticket t;
                t.set_game(p);
                t.system_mode = system;
                t.seven_by_seven = grid;
                TicketOptions o;
                o.lottery_number = 1234567;
                o.super_number = 7;
                if (!system) {
                    for (int r = 0; r < 5; ++r)
                        for (int k = 0; k < 6; ++k) t.tick(r, 1 + (r * 5 + k * 7) % p.highest_number);
                    t.set_lucky(0, 3);
                } else {
                    t.set_full_system(0, 9);
                    for (int n = 1; n <= 9; ++n) t.tick_box(0, n * 4);
                    t.set_partial_system(1, 0, 9);
                    t.tick_box(1, 5);
                }
                const TicketLayout l(p, system, grid);
                QImage image(l.width() * 2, l.height() * 2, QImage::Format_RGB32);
                image.setDevicePixelRatio(2);  // a HiDPI screen
                QPainter painter(&image);
                const MoneyTables money = default_money_tables();
                TicketPicturePainter().paint(painter, l, {p, t, o, money, 1, 0, QString(), QString()});
                painter.end();
                QVERIFY(!image.isNull());
                if (!out.isEmpty())
                    image.save(QStringLiteral("%1/slip_%2_%3%4.png").arg(out).arg(game).arg(system ? "sys" : "nrm").arg(grid ? "" : "_49"));
            }
        }
    }
};

ZW_GUI_TEST_MAIN(TicketConsoleTest)
#include "ticket_console_test.moc"
