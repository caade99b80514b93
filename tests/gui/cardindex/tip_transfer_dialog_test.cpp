#include "cardindex/tip_transfer_dialog.h"

#include <QPushButton>

#include "cardindex/card_file_dialog.h"
#include "cardindex/card_store.h"
#include "cardindex/nrm_file.h"
#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;

namespace {

// Runs `action` on the first dialog of type T that opens next.
template <class T>
void when_open(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<T*>(w); d && d->isVisible()) {
                action(d);
                return;
            }
        QFAIL("no dialog opened");
    });
}

CardTicket tip(uint8_t first) {
    CardTicket t;
    t.rows[0] = {first, 10, 20, 30, 40, 49, 0};
    t.stake = 999;
    t.first_draw = 7;
    return t;
}

struct Folder {
    QTemporaryDir dir;
    Session session{dir.path().toStdString()};
    Folder() {
        test::write_draw_file(dir.filePath(QStringLiteral("Lotto.Dat")), 20);
        session.start_up();
        session.select_game(kLottoSaturday);
    }
};

}  // namespace

class TipTransferDialogTest : public QObject {
    Q_OBJECT

private slots:
    void keepTipAddsUpToTheCapacity() {
        Folder f;
        ScriptedUi ui;
        int last = 0;
        ui.message_answers = {1, 2};  // store: yes; save now: no
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(1), last), 1);
        QCOMPARE(ui.messages[0].text, QStringLiteral("Soll dieser Tipp in eine Kartei abgelegt werden?"));
        QVERIFY(ui.messages[1].text.startsWith(QStringLiteral("Der Tipp wurde unter der Schein-Nr. 1 abgelegt!")));
        QCOMPARE(f.session.normal_cards.at(0).stake, 999);  // the console's price
        QCOMPARE(f.session.normal_cards.at(0).winnings, 0);
        QVERIFY(!f.session.normal_cards.saved());

        std::vector<CardTicket> many(799, tip(2));
        f.session.normal_cards.assign(many, 1, 0);
        ui.message_answers = {1, 1};  // add; save now: yes
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(3), last), 800);
        QVERIFY(f.session.normal_cards.saved());
        QVERIFY(QFileInfo::exists(f.dir.filePath(QStringLiteral("Kartei.Nrm"))));
        ui.message_answers = {1};
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(4), last), 0);
        QCOMPARE(ui.last_message(), QStringLiteral("Kartei ist voll!"));
    }

    void anUnreadableDefaultFileIsNeverOverwrittenUnasked() {
        Folder f;
        test::write_bytes(f.dir.filePath(QStringLiteral("KARTEI.NRM")), {1, 2, 3});
        f.session.select_game(kLottoSaturday);  // refused: empty index without a file
        ScriptedUi ui;
        int last = 0;
        ui.message_answers = {1, 1};  // store; save now
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(1), last), 1);
        QCOMPARE(ui.file_requests.size(), size_t{1});  // asked for a name (cancelled)
        QFile kept(f.dir.filePath(QStringLiteral("KARTEI.NRM")));
        QCOMPARE(kept.size(), qint64{3});
    }

    // The selector is offered the file's own spelling, and a refused file of
    // another spelling is replaced only after a question that says so.
    void aRefusedFileOfAnotherSpellingIsReplacedOnlyOnAYes() {
        Folder f;
        CardIndex three(CardKind::Normal);
        three.assign({tip(1), tip(2), tip(3)}, 1, 0);
        std::vector<uint8_t> bytes = encode_nrm(three, kLottoSaturday);
        bytes[2] = 50;  // one number beyond 49
        test::write_bytes(f.dir.filePath(QStringLiteral("KARTEI.NRM")), bytes);
        f.session.select_game(kLottoSaturday);
        ScriptedUi ui;
        int last = 0;
        ui.message_answers = {1, 1};  // store; save now; then the default of the question
        ui.file_answers = {QStringLiteral("Kartei.Nrm")};
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(4), last), 1);
        QCOMPARE(ui.file_requests.back().preset, QStringLiteral("KARTEI.NRM"));
        QVERIFY(ui.last_message().startsWith(QStringLiteral("Die Kartei KARTEI.NRM (3 Tipps) konnte nicht gelesen werden")));
        QCOMPARE(ui.messages.back().default_button, 2);
        QFile kept(f.dir.filePath(QStringLiteral("KARTEI.NRM")));
        QCOMPARE(kept.size(), qint64(bytes.size()));

        ui.message_answers = {1};
        ui.file_answers = {QStringLiteral("kartei.nrm")};
        QVERIFY(save_cards(nullptr, ui.services, f.session, f.session.normal_cards, true));
        QCOMPARE(kept.size(), qint64(nrm_length(kLottoSaturday, 1)));
    }

    void overwriteShowsOnlyNumberAndDateAndRespectsProtection() {
        Folder f;
        f.session.normal_cards.assign({tip(1), tip(2), tip(3)}, 1, 0);
        f.session.normal_cards.set_protected(2, true);
        ScriptedUi ui;
        int last = 0;
        ui.message_answers = {2};  // overwrite; starts at ticket 3 (protected)
        when_open<TipPickDialog>([](TipPickDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Überschreibe TIPP aus Kartei"));
            QCOMPARE(d->number(), 3);
            d->accept();
        });
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(9), last), 0);
        QCOMPARE(ui.last_message(), QStringLiteral("Diese Karteikarte ist schreibgeschützt (©)|und kann nicht überschrieben werden!"));
        QCOMPARE(f.session.normal_cards.at(2).rows[0][0], 3);

        ui.message_answers = {2, 2};
        when_open<TipPickDialog>([](TipPickDialog* d) {
            d->previous_ticket();
            d->accept();
        });
        QCOMPARE(keep_tip(nullptr, ui.services, f.session, CardKind::Normal, tip(9), last), 2);
        QCOMPARE(f.session.normal_cards.at(1).rows[0][0], 9);
        QCOMPARE(last, 2);
    }

    void fetchShowsEachStepAndAbbruchRestores() {
        Folder f;
        ScriptedUi ui;
        int last = 0;
        QVERIFY(!fetch_tip(nullptr, ui.services, f.session, CardKind::Normal, last, {}, {}));
        QCOMPARE(ui.last_message(), QStringLiteral("Kartei ist leer!"));
        f.session.normal_cards.assign({tip(1), tip(2)}, 1, 0);
        std::vector<int> shown;
        bool restored = false;
        auto show = [&](const CardTicket& t) { shown.push_back(t.rows[0][0]); };
        when_open<TipPickDialog>([](TipPickDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Hole TIPP aus Kartei"));
            d->next_ticket();
            d->next_ticket();  // stays at the last ticket
            d->reject();
        });
        QVERIFY(!fetch_tip(nullptr, ui.services, f.session, CardKind::Normal, last, show, [&] { restored = true; }));
        QVERIFY(restored);
        QCOMPARE(shown, (std::vector<int>{1, 2, 2}));
        when_open<TipPickDialog>([](TipPickDialog* d) { d->accept(); });
        QCOMPARE(fetch_tip(nullptr, ui.services, f.session, CardKind::Normal, last, show, {}), std::optional<int>(0));
    }

    void importTellsHowManyRowsCameIn() {
        Folder f;
        ScriptedUi ui;
        const QString file = f.dir.filePath(QStringLiteral("reihen.txt"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("3;12;25;31;40;49\nunlesbar\n1 2 3 4 5 6\n");
        out.close();
        ui.file_answers = {f.dir.filePath(QStringLiteral("reihen"))};  // ".TXT" is appended... in capitals
        QFile::copy(file, f.dir.filePath(QStringLiteral("reihen.TXT")));
        const auto r = import_tip(nullptr, ui.services, f.session);
        QVERIFY(r);
        QCOMPARE(r->rows.size(), size_t{2});
        QCOMPARE(ui.last_message(), QStringLiteral("2 Reihen wurden importiert."));
        QCOMPARE(ui.file_requests[0].title, QStringLiteral("Reihen importieren:"));
        ui.file_answers = {f.dir.filePath(QStringLiteral("fehlt.csv"))};
        const size_t before = ui.messages.size();
        QVERIFY(!import_tip(nullptr, ui.services, f.session));
        QCOMPARE(ui.messages.size(), before);  // silently
    }

    void onlineTipWarnsThenOpensTheShop() {
        Folder f;
        ScriptedUi ui;
        CardTicket t = tip(1);
        t.rows[1] = {2, 11, 21, 31, 41, 48, 0};
        t.draw_days = 2;
        // Without a shop address the button says so.
        when_open<WarnDialog>([](WarnDialog* d) { d->cmd42_Click(); });
        QVERIFY(!online_tip(nullptr, ui.services, f.session, t));
        QVERIFY(ui.last_message().contains(QStringLiteral("Keine Adresse")));
        QVERIFY(ui.last_message().contains(QStringLiteral("Abschnitt [OnlineTipp], Eintrag Shop")));
        QVERIFY(ui.opened_urls.empty());

        QFile ini(f.dir.filePath(QStringLiteral("Ziehwerk.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[OnlineTipp]\nShop=https://shop.example/qt\nPartnerId=p\nAffiliateId=a\n");
        ini.close();
        when_open<WarnDialog>([](WarnDialog* d) {
            d->findChild<QPushButton*>(QStringLiteral("lbl53"))->click();
            d->findChild<QPushButton*>(QStringLiteral("cmd43"))->click();
        });
        QVERIFY(!online_tip(nullptr, ui.services, f.session, t));
        QCOMPARE(ui.opened_urls.size(), size_t{1});
        QCOMPARE(ui.opened_urls[0].host(), QStringLiteral("www.check-dein-spiel.de"));
        when_open<WarnDialog>([](WarnDialog* d) { d->findChild<QPushButton*>(QStringLiteral("cmd42"))->click(); });
        QVERIFY(online_tip(nullptr, ui.services, f.session, t));
        const QString url = QUrl::fromPercentEncoding(ui.opened_urls.back().toEncoded());
        QVERIFY(url.startsWith(QStringLiteral("https://shop.example/qt?target=ticket&lotto_numberOfBlocks=2")));
        QVERIFY(url.contains(QStringLiteral("lotto_drawCycle=both")));
        QVERIFY(url.contains(QStringLiteral("lotto_block2=2|11|21|31|41|48")));
        QVERIFY(url.endsWith(QStringLiteral("&partnerId=p&affiliateId=a")));
        // Without a browser the user learns so, with the address.
        ui.services.open_url = [](const QUrl&) { return false; };
        when_open<WarnDialog>([](WarnDialog* d) { d->findChild<QPushButton*>(QStringLiteral("cmd42"))->click(); });
        QVERIFY(!online_tip(nullptr, ui.services, f.session, t));
        QVERIFY(ui.last_message().contains(QStringLiteral("kein Programm (Web-Browser)")));
        QVERIFY(ui.last_message().contains(QStringLiteral("https://shop.example/qt?target=ticket")));
    }

    void deleteAndClearAsk() {
        Folder f;
        f.session.normal_cards.assign({tip(1), tip(2)}, 1, 0);
        f.session.normal_cards.set_protected(0, true);
        ScriptedUi ui;
        QVERIFY(!delete_tip(nullptr, ui.services, f.session, CardKind::Normal, 1));
        QCOMPARE(ui.last_message(), QStringLiteral("Tippschein Nr. 1 ist schreibgeschützt!"));
        ui.message_answers = {1};
        QVERIFY(delete_tip(nullptr, ui.services, f.session, CardKind::Normal, 2));
        QCOMPARE(ui.last_message(), QStringLiteral("Tippschein Nr. 2 löschen"));
        QCOMPARE(f.session.normal_cards.count(), 1);
        ui.message_answers = {1};
        QVERIFY(confirm_clear_ticket(nullptr, ui.services));
        QCOMPARE(ui.messages.back().title, QStringLiteral("Schein löschen"));
    }
};

ZW_GUI_TEST_MAIN(TipTransferDialogTest)
#include "tip_transfer_dialog_test.moc"
