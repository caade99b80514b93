#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

#include "cardindex/card_diagram_window.h"
#include "cardindex/card_list_window.h"
#include "cardindex/card_store.h"
#include "cardindex/card_window.h"
#include "cardindex/pool_view.h"
#include "evaluation/review_widget.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;

namespace {

// A Saturday archive of 40 draws and a normal card index of `tickets` tickets
// (ticket i plays from draw i + 1, one row, stake 1.00, winnings 0.50 on every
// third ticket).
void make_folder(const QTemporaryDir& dir, int tickets) {
    test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 40);
    CardIndex index(CardKind::Normal);
    std::vector<CardTicket> ts;
    for (int i = 0; i < tickets; ++i) {
        CardTicket t;
        t.first_draw = static_cast<int16_t>(1 + i % 40);
        t.rows[0] = {1, 8, 15, 22, 29, 36, 0};
        t.stake = 100;
        t.winnings = i % 3 == 0 ? 50 : 0;
        ts.push_back(t);
    }
    index.assign(ts, 1, 0);
    QVERIFY(save_card_index(dir.path().toStdString(), kLottoSaturday, index).ok());
}

QPushButton* button(QWidget& w, int id) { return w.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(id)); }

}  // namespace

class CardWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void listShowsEveryTicketAndScrolls() {
        QTemporaryDir dir;
        make_folder(dir, 60);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardListWindow w(s, ui.services, CardKind::Normal);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kartei für alle getippten NORMAL-Scheine"));
        QCOMPARE(w.lines().size(), 60);
        QVERIFY(w.list()->painter().header.startsWith(QStringLiteral(" Nr.   Datum     Zieh. 6+S")));
        QVERIFY(w.lines()[0].startsWith(QStringLiteral("   1 ")));
        for (int id : {401, 402, 403, 404, 405, 406, 407}) QVERIFY(button(w, id));
        w.resize(1000, 500);
        w.show();
        QVERIFY(w.list()->scroll_bar()->maximum() > 0);
        w.list()->Win_2_MouseWheel(-120);
        QCOMPARE(w.list()->first_line(), 3);
        // Running total after ticket 60: 20 x 0.50 - 60 x 1.00.
        QCOMPARE(w.evaluations().back().running_total, int64_t{-5000});
    }

    void listSortsAndFiltersInTheEngineOrder() {
        QTemporaryDir dir;
        make_folder(dir, 12);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardListWindow w(s, ui.services, CardKind::Normal);
        auto* sort = w.findChild<QComboBox*>(QStringLiteral("cb_sortieren"));
        auto* draw = w.findChild<QLineEdit*>(QStringLiteral("ed_ziehung"));
        QVERIFY(sort && draw);
        QCOMPARE(sort->count(), 5);
        // Winnings: the tickets without a win first, ties in ticket order.
        emit sort->activated(3);
        QCOMPARE(w.shown(), (std::vector<int>{1, 2, 4, 5, 7, 8, 10, 11, 0, 3, 6, 9}));
        QVERIFY(w.lines()[0].startsWith(QStringLiteral("   2 ")));
        QCOMPARE(w.list()->painter().lines.size(), qsizetype(12));
        QVERIFY(w.list()->painter().lines.back().startsWith(QStringLiteral("  10 ")));
        for (int k = 0; k < sort->count(); ++k) {
            emit sort->activated(k);
            QCOMPARE(w.shown(), card_order(s.normal_cards, w.evaluations(), static_cast<CardSort>(k)));
        }
        // Only the tickets that played draw 5, still in the chosen order.
        QTest::keyClicks(draw, QStringLiteral("5"));
        QTest::keyClick(draw, Qt::Key_Return);
        const std::vector<int> playing = card_order(s.normal_cards, w.evaluations(), CardSort::Total, 5);
        QVERIFY(!playing.empty() && playing.size() < 12);
        QCOMPARE(w.shown(), playing);
        QCOMPARE(w.lines().size(), qsizetype(playing.size()));
        // Draws the archive does not hold, and words, are refused; the filter stays.
        for (const QString& bad : {QStringLiteral("41"), QStringLiteral("0"), QStringLiteral("fünf")}) {
            draw->setText(bad);
            QVERIFY(!w.take_draw_filter());
            QCOMPARE(ui.last_message(), QStringLiteral("Ziehung %1 gibt es nicht (1 bis 40).").arg(bad));
            QCOMPARE(draw->text(), QStringLiteral("5"));
            QCOMPARE(w.shown(), playing);
        }
        draw->clear();
        QVERIFY(w.take_draw_filter());
        QCOMPARE(w.lines().size(), qsizetype(12));
    }

    void cardStepsProtectsAndComputesAmounts() {
        QTemporaryDir dir;
        make_folder(dir, 2);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardWindow card(s, ui.services, CardKind::Normal, 0);
        QCOMPARE(card.windowTitle(), QStringLiteral("KARTEIKARTE: Normal-Scheine"));
        auto* number = card.findChild<QLabel*>(QStringLiteral("lbl_number"));
        QCOMPARE(number->text(), QStringLiteral("1"));
        card.previous_ticket();  // not below the first
        QCOMPARE(card.position(), 0);
        card.later_date();
        QCOMPARE(s.normal_cards.at(0).first_draw, 2);
        QVERIFY(!s.normal_cards.saved());
        // Stake rule: one row at 1.20, one week, fee 0.50.
        card.compute_stake();
        QCOMPARE(s.normal_cards.at(0).stake, 170);
        QCOMPARE(card.findChild<QLineEdit*>(QStringLiteral("ed_stake"))->text(), QStringLiteral("1.70"));
        // Typed amounts with a decimal comma are taken on stepping.
        card.findChild<QLineEdit*>(QStringLiteral("ed_winnings"))->setText(QStringLiteral("12,345"));
        card.next_ticket();
        QCOMPARE(s.normal_cards.at(0).winnings, 1235);
        // One past the last ticket: a new card starting at the archive's next draw.
        card.next_ticket();
        QCOMPARE(card.position(), 2);
        QCOMPARE(card.ticket().first_draw, 41);
        QCOMPARE(s.normal_cards.count(), 2);
        card.next_ticket();
        QCOMPARE(card.position(), 2);
        card.previous_ticket();
        // Protection: every change refused.
        card.findChild<QCheckBox*>(QStringLiteral("ch599"))->click();
        QVERIFY(s.normal_cards.at(1).protected_card);
        card.earlier_date();
        QCOMPARE(s.normal_cards.at(1).first_draw, 2);
        card.compute_stake();
        QVERIFY(ui.last_message().contains(QStringLiteral("schreibgeschützt (©)")));
        card.findChild<QLineEdit*>(QStringLiteral("ed_stake"))->setText(QStringLiteral("99"));
        card.finish();
        QCOMPARE(s.normal_cards.at(1).stake, 100);
        QVERIFY(!button(card, 550)->isEnabled());
    }

    void typedAmountsTakeEitherMarkAndTextIsRefused() {
        QTemporaryDir dir;
        make_folder(dir, 2);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardWindow card(s, ui.services, CardKind::Normal, 0);
        auto* stake = card.findChild<QLineEdit*>(QStringLiteral("ed_stake"));
        auto* winnings = card.findChild<QLineEdit*>(QStringLiteral("ed_winnings"));
        stake->setText(QStringLiteral(" 12,50 "));
        winnings->setText(QStringLiteral("3.5"));
        card.next_ticket();
        QCOMPARE(s.normal_cards.at(0).stake, 1250);
        QCOMPARE(s.normal_cards.at(0).winnings, 350);
        QCOMPARE(card.position(), 1);
        QVERIFY(ui.messages.empty());

        // Not an amount: a message, the old amount back in the field, no step.
        stake->setText(QStringLiteral("abc12,5x"));
        winnings->setText(QStringLiteral("7,25"));
        card.previous_ticket();
        QCOMPARE(card.position(), 1);
        QVERIFY(ui.last_message().startsWith(QStringLiteral("Bitte einen Betrag wie 12.50 eingeben")));
        QCOMPARE(stake->text(), QStringLiteral("1.00"));
        QCOMPARE(s.normal_cards.at(1).stake, 100);
        QCOMPARE(s.normal_cards.at(1).winnings, 725);  // the valid field is taken
        for (const char* bad : {"1,2,3", "1e3", "12.50 EUR", "", "99999999999"}) {
            stake->setText(QLatin1String(bad));
            card.finish();
            QCOMPARE(card.result(), 0);  // OK stays open
            QCOMPARE(s.normal_cards.at(1).stake, 100);
        }

        card.toggle_pool();
        PoolView* pool = card.pool();
        auto* members = pool->findChild<QLineEdit*>(QStringLiteral("ed_members"));
        auto* capital = pool->findChild<QLineEdit*>(QStringLiteral("ed_capital"));
        members->setText(QStringLiteral("3x"));
        QVERIFY(!pool->take_values());
        QVERIFY(ui.last_message().contains(QStringLiteral("ganze Zahl")));
        QCOMPARE(members->text(), QStringLiteral("1"));
        QCOMPARE(s.normal_cards.members(), 1);
        members->setText(QStringLiteral("0"));
        QVERIFY(!pool->take_values());
        members->setText(QStringLiteral("3"));
        capital->setText(QStringLiteral("abc"));
        pool->first_on();
        QCOMPARE(pool->first(), 1);  // nothing moves on a refused field
        QCOMPARE(s.normal_cards.members(), 3);
        QCOMPARE(capital->text(), QStringLiteral("0.00"));
        capital->setText(QStringLiteral("-12,5"));
        QVERIFY(pool->take_values());
        QCOMPARE(s.normal_cards.capital(), -1250);
        QCOMPARE(capital->text(), QStringLiteral("-12.50"));
    }

    void deletingATicketAsksAndKeepsTheOthersInOrder() {
        QTemporaryDir dir;
        make_folder(dir, 4);  // tickets play from draws 1, 2, 3, 4
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        QVERIFY(s.normal_cards.set_protected(3, true));
        CardWindow card(s, ui.services, CardKind::Normal, 1);
        ui.message_answers = {2};  // "NEIN": nothing goes
        card.delete_ticket();
        QVERIFY(ui.last_message().contains(QStringLiteral("Schein 2 aus der Kartei löschen?")));
        QCOMPARE(s.normal_cards.count(), 4);
        ui.message_answers = {1};
        card.delete_ticket();
        QCOMPARE(s.normal_cards.count(), 3);
        QCOMPARE(s.normal_cards.at(0).first_draw, 1);
        QCOMPARE(s.normal_cards.at(1).first_draw, 3);
        QCOMPARE(s.normal_cards.at(2).first_draw, 4);
        QVERIFY(s.normal_cards.at(2).protected_card);
        QVERIFY(!s.normal_cards.saved());
        QCOMPARE(card.position(), 1);
        QCOMPARE(card.ticket().first_draw, 3);
        // A protected ticket is refused before any question.
        card.next_ticket();
        ui.message_answers = {1};
        card.delete_ticket();
        QVERIFY(ui.last_message().contains(QStringLiteral("schreibgeschützt (©)")));
        QCOMPARE(s.normal_cards.count(), 3);
    }

    void tippscheinTakesTheConsoleRowsOnlyWhenConfirmed() {
        QTemporaryDir dir;
        make_folder(dir, 1);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        int opened = 0;
        ConsoleEditor editor = [&](const CardTicket& t, CardKind, int) -> std::optional<CardTicket> {
            ++opened;
            CardTicket edited = t;
            edited.rows[1] = {2, 3, 4, 5, 6, 7, 0};
            edited.stake = 12345;  // the console's price for the edited ticket
            edited.winnings = 777;
            return edited;
        };
        CardWindow card(s, ui.services, CardKind::Normal, 0, nullptr, editor);
        QVERIFY(button(card, 550)->isEnabled());
        ui.message_answers = {2};  // "NEIN": the ticket stays as it was
        card.edit_ticket();
        QCOMPARE(ui.last_message(), QStringLiteral("Schein übernehmen"));
        QCOMPARE(s.normal_cards.at(0).rows[1][0], 0);
        ui.message_answers = {1};
        card.edit_ticket();
        QCOMPARE(s.normal_cards.at(0).rows[1][0], 2);
        QCOMPARE(s.normal_cards.at(0).stake, 12345);  // the stake follows the ticket
        QCOMPARE(s.normal_cards.at(0).winnings, 50);   // the winnings stay the card's
        QCOMPARE(card.findChild<QLineEdit*>(QStringLiteral("ed_stake"))->text(), QStringLiteral("123.45"));
        QCOMPARE(card.evaluation().rows, int64_t{2});
        card.findChild<QCheckBox*>(QStringLiteral("ch599"))->click();
        card.edit_ticket();
        QCOMPARE(opened, 2);  // a protected ticket is not opened
    }

    void poolViewOverATicketRange() {
        QTemporaryDir dir;
        make_folder(dir, 4);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardWindow card(s, ui.services, CardKind::Normal, 0);
        card.toggle_pool();
        QVERIFY(card.pool_shown());
        QCOMPARE(button(card, 590)->text(), QStringLiteral("TG <<"));
        PoolView* pool = card.pool();
        pool->findChild<QLineEdit*>(QStringLiteral("ed_members"))->setText(QStringLiteral("2"));
        pool->findChild<QLineEdit*>(QStringLiteral("ed_capital"))->setText(QStringLiteral("100,5"));
        pool->first_on();  // first ticket 2
        pool->last_on();  // last stays at 4
        QCOMPARE(pool->first(), 2);
        QCOMPARE(pool->last(), 4);
        QCOMPARE(pool->figures().stake_total, int64_t{300});
        QCOMPARE(pool->figures().stake_share, int64_t{150});
        QCOMPARE(pool->figures().win_total, int64_t{50});  // ticket 4
        QCOMPARE(pool->figures().rest_capital, int64_t{10050 + 50 - 300});
        QCOMPARE(pool->findChild<QLabel*>(QStringLiteral("lbl_rest"))->text(), QStringLiteral("98.00 EUR"));
        QCOMPARE(s.normal_cards.members(), 2);
        pool->last_back();
        pool->last_back();
        pool->last_back();
        QCOMPARE(pool->last(), 2);  // never before the first ticket
    }

    void balancePrintGoesToPdfAndFailuresAreShown() {
        QTemporaryDir dir;
        make_folder(dir, 3);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardListWindow w(s, ui.services, CardKind::Normal);
        const QString pdf = dir.filePath(QStringLiteral("bilanz.pdf"));
        ui.print_to_pdf(pdf);
        w.print();
        QCOMPARE(ui.messages.front().text, QStringLiteral("Bilanz ausdrucken"));
        const QString text = pdf_text(pdf);
        QVERIFY(text.contains(QStringLiteral("Bilanz-Druck")));
        QVERIFY(text.contains(QStringLiteral("Zieh.6+S 6 5+S")));
        QVERIFY(text.contains(QStringLiteral("-2.50")));  // the running total after ticket 3
        ui.print_to_pdf(QStringLiteral("/nonexistent-folder/x/bilanz.pdf"));
        w.print();
        QCOMPARE(ui.last_message(), QStringLiteral("Druckerfehler!"));
    }

    void diagramsArePaintedByThePainter() {
        QTemporaryDir dir;
        make_folder(dir, 12);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardListWindow w(s, ui.services, CardKind::Normal);
        ui.popup_answers = {1};
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* d = w.findChild<CardDiagramWindow*>();
            QVERIFY(d);
            shown = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("B i l a n z - D i a g r a m m"));
            QCOMPARE(d->painter().values.size(), size_t{12});
            QCOMPARE(d->accessibleName(), d->windowTitle());
            QCOMPARE(d->accessibleDescription().count(QLatin1Char(';')), 12);  // the unit and 12 values
            QImage img(800, 500, QImage::Format_RGB32);
            QPainter p(&img);
            d->painter().paint(p, img.rect());
            const QRect plot = d->painter().plot_area(img.rect());
            // Balance falls: the last point lies below the first.
            QVERIFY(d->painter().y_of(d->painter().values.back(), plot) > d->painter().y_of(d->painter().values.front(), plot));
            QVERIFY(d->painter().x_of(11, plot) > d->painter().x_of(0, plot));
            d->reject();
        });
        w.diagrams();
        QVERIFY(shown);
        QVERIFY(ui.popups.front().contains(QStringLiteral("L A X - D i a g r a m m")));
    }

    void fileCommandsFollowTheNameRule() {
        QTemporaryDir dir;
        make_folder(dir, 2);
        const auto session = test::started_session(dir, kLottoSaturday);
        Session& s = *session;
        ScriptedUi ui;
        CardListWindow w(s, ui.services, CardKind::Normal);
        ui.file_answers = {QStringLiteral("M_KARTEI.NRM"), dir.filePath(QStringLiteral("MEINE.NRM"))};
        ui.message_answers = {1, 1};
        w.save();
        QCOMPARE(ui.messages[0].text, QStringLiteral("Unzulässiger Karteiname!!!"));
        QCOMPARE(ui.messages[1].text, QStringLiteral("Neue Kartei anlegen"));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("MEINE.NRM"))));
        QCOMPARE(ui.file_requests[0].title, QStringLiteral("Kartei sichern"));
        QCOMPARE(ui.file_requests[0].filter, QStringLiteral("NRM-Dateien|*.NRM"));
        // A file of no known layout keeps the index; a missing one says so.
        test::write_bytes(dir.filePath(QStringLiteral("KAPUTT.NRM")), {9, 9, 9});
        ui.file_answers = {QStringLiteral("KAPUTT.NRM")};
        w.load();
        QCOMPARE(ui.last_message(), QStringLiteral("Unzulässiges Karteiformat!!!"));
        QCOMPARE(s.normal_cards.count(), 2);
        ui.file_answers = {QStringLiteral("FEHLT.NRM")};
        w.load();
        QCOMPARE(ui.last_message(), QStringLiteral("Kartei existiert nicht!!!"));
        // Deleting another file keeps memory; deleting its own empties it.
        ui.message_answers = {1};
        ui.file_answers = {QStringLiteral("KAPUTT.NRM")};
        w.delete_files();
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("KAPUTT.NRM"))));
        QCOMPARE(s.normal_cards.count(), 2);
        ui.message_answers = {1};
        ui.file_answers = {QStringLiteral("MEINE.NRM")};
        w.delete_files();
        QCOMPARE(s.normal_cards.count(), 0);
        QCOMPARE(w.lines().size(), 0);
    }
};

ZW_GUI_TEST_MAIN(CardWindowsTest)
#include "card_windows_test.moc"
