// The downloads, the Net-Update window and the fetch in the draw entry,
// against a small HTTP server on 127.0.0.1 run by the test itself.
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <map>

#include "../../core/archive/source_fixtures.h"
#include "archive/bundle.h"
#include "archive/calendar.h"
#include "archive/draw_entry_dialog.h"
#include "archive/net_update_dialog.h"
#include "cardindex/card_store.h"
#include "gui_test_support.h"
#include "net/net_client.h"
#include "session/data_folder.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;

namespace {

// Answers GET requests by path: a body, an error status, silence, a body
// larger than announced, a connection closed half-way or a body after a delay.
class LocalServer : public QObject {
public:
    enum Kind { kBody, kStatus, kSilent, kCutOff, kSlow };
    struct Route {
        Kind kind = kBody;
        QByteArray body;
        int status = 200;
        int delay_ms = 0;  // kSlow
    };
    std::map<QString, Route> routes;

    LocalServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

private:
    void answer(QTcpSocket* s) {
        QByteArray& request = pending_[s];
        request += s->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        pending_.erase(s);
        auto it = routes.find(path);
        const Route r = it == routes.end() ? Route{kStatus, "nicht da", 404} : it->second;
        if (r.kind == kSilent) return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\nConnection: close\r\n";
        if (r.kind == kCutOff) {
            head += "Content-Length: " + QByteArray::number(r.body.size() * 2) + "\r\n\r\n";
            s->write(head + r.body);
            s->flush();
            s->disconnectFromHost();
            return;
        }
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n\r\n";
        if (r.kind == kSlow) {
            QTimer::singleShot(r.delay_ms, s, [s, all = head + r.body] {
                s->write(all);
                s->disconnectFromHost();
            });
            return;
        }
        s->write(head + r.body);
        s->disconnectFromHost();
    }
    QTcpServer server_;
    std::map<QTcpSocket*, QByteArray> pending_;
};

QByteArray bytes_of(const fs::path& p) {
    QFile f(QString::fromStdString(p.string()));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void write_file(const fs::path& p, const QByteArray& data) {
    QFile f(QString::fromStdString(p.string()));
    f.open(QIODevice::WriteOnly);
    f.write(data);
}

}  // namespace

class NetUpdateTest : public QObject {
    Q_OBJECT

    // A copy of the shipped data whose LOTTO.DAT lacks the last three draws,
    // with Ziehwerk.ini pointing at the local server.
    struct Folder {
        QTemporaryDir dir;
        fs::path path{dir.path().toStdString()};
        QByteArray full, cut;
        explicit Folder(LocalServer& server) {
            seed_data_folder(path, shipped_data_folder());
            full = bytes_of(path / "LOTTO.DAT");
            cut = full.left(full.size() - 21);
            cut[0] = char(140);  // the user's own calibration
            write_file(path / "LOTTO.DAT", cut);
            std::vector<uint8_t> bundle;
            TempBundle(bundle);
            server.routes[QStringLiteral("/Mega.Dat")] = {LocalServer::kBody,
                                                          QByteArray(reinterpret_cast<const char*>(bundle.data()),
                                                                     static_cast<int>(bundle.size())),
                                                          200};
            write_file(path / "Ziehwerk.ini",
                       "[NetUpdate]\nAddress=" + server.url(QStringLiteral("/Mega.Dat")).toLatin1() +
                           "\nTimeout=2\n[Ergebnisseiten]\nLotto=" + server.url(QString()).toLatin1() +
                           "\n[Quellen]\nLotto6aus49=\nLotto6aus45=\n");
        }
        static void TempBundle(std::vector<uint8_t>& out) { encode_bundle(shipped_data_folder(), out); }
    };

private slots:
    void downloadsReportEveryFailureAtOnceInGerman() {
        LocalServer server;
        server.routes[QStringLiteral("/gut")] = {LocalServer::kBody, "Hallo", 200};
        server.routes[QStringLiteral("/fehler")] = {LocalServer::kStatus, "kaputt", 500};
        server.routes[QStringLiteral("/still")] = {LocalServer::kSilent, {}, 200};
        server.routes[QStringLiteral("/gross")] = {LocalServer::kBody, QByteArray(5000, 'x'), 200};
        server.routes[QStringLiteral("/halb")] = {LocalServer::kCutOff, QByteArray(1000, 'y'), 200};
        NetClient client(400, 4000);
        Download d = client.get(server.url(QStringLiteral("/gut")).toStdString());
        QVERIFY(d.ok);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(d.body.data()), int(d.body.size())), QByteArray("Hallo"));
        const std::vector<std::pair<QString, QString>> failures = {
            {QStringLiteral("/nichtda"), QStringLiteral("Der Server 127.0.0.1 meldet den Fehler 404.")},
            {QStringLiteral("/fehler"), QStringLiteral("Der Server 127.0.0.1 meldet den Fehler 500.")},
            {QStringLiteral("/still"), QStringLiteral("Zeitüberschreitung: 127.0.0.1 antwortet nicht")},
            {QStringLiteral("/gross"), QStringLiteral("ist größer als")},
            {QStringLiteral("/halb"), QStringLiteral("vorzeitig getrennt")},
        };
        for (const auto& [path, says] : failures) {
            QElapsedTimer t;
            t.start();
            d = client.get(server.url(path).toStdString());
            QVERIFY2(!d.ok, qPrintable(path));
            QVERIFY2(QString::fromStdString(d.error).contains(says), qPrintable(QString::fromStdString(d.error)));
            QVERIFY(t.elapsed() < 3000);
        }
        // Nobody listening on the port.
        quint16 port = 0;
        {
            QTcpServer gone;
            gone.listen(QHostAddress::LocalHost, 0);
            port = gone.serverPort();
        }
        d = client.get("http://127.0.0.1:" + std::to_string(port) + "/x");
        QVERIFY(QString::fromStdString(d.error).startsWith(QStringLiteral("Keine Verbindung zu 127.0.0.1.")));
        // Plain http only to this machine; nothing is even tried elsewhere.
        d = client.get("http://www.example.test/Mega.Dat");
        QVERIFY(QString::fromStdString(d.error).contains(QStringLiteral("nur sichere Adressen")));
        QVERIFY(NetClient::address_allowed(QUrl(QStringLiteral("https://www.example.test/x"))));
        QVERIFY(!NetClient::address_allowed(QUrl(QStringLiteral("ftp://127.0.0.1/x"))));
    }

    void netUpdateSwapsInTheNewerFileAndReloads() {
        LocalServer server;
        Folder f(server);
        ScriptedUi ui;
        Session session(f.path);
        session.select_game(kLottoSaturday);
        const int before = session.archive.newest();
        NetUpdateDialog dialog(session, ui.services,
                               read_net_addresses(QString::fromStdString(f.path.string())));
        QCOMPARE(dialog.objectName(), QStringLiteral("frm4"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cmd41"))->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(dialog.texts().value(0),
                 QStringLiteral("Es wird jetzt versucht die Ziehungen über das Internet zu aktualisieren."));
        dialog.show();
        QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kUpdated);
        QVERIFY(ui.messages.empty());
        QCOMPARE(dialog.texts().value(0), QStringLiteral("Das Net-Update konnte erfolgreich durch\u00adgeführt werden."));
        QCOMPARE(dialog.texts().value(1), QStringLiteral("Schritt 2:"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cmd41"))->text(), QStringLiteral("&OK"));
        QCOMPARE(session.archive.newest(), before + 3);
        QCOMPARE(session.archive.calibration_x, uint8_t(140));
        QByteArray expected = f.full;
        expected[0] = char(140);
        QCOMPARE(bytes_of(f.path / "LOTTO.DAT"), expected);
        QVERIFY(!find_file(f.path, "LOTTO.DAT.kat"));
        // A second run finds nothing newer.
        NetUpdateDialog again(session, ui.services, read_net_addresses(QString::fromStdString(f.path.string())));
        QCOMPARE(again.run(), NetUpdateDialog::Outcome::kNothingNewer);
        QCOMPARE(again.texts().value(0),
                 QStringLiteral("Momentan sind keine aktuelleren Ziehun\u00adgen auf der Autorenseite verfügbar."));
    }

    void downloadedDrawsAreBookedOnTheCardsThatPlayedThem() {
        LocalServer server;
        Folder f(server);
        int last = 0;
        Draw drawn;
        {
            write_file(f.path / "LOTTO.DAT", f.full);
            Session full(f.path);
            full.select_game(kLottoSaturday);
            last = full.archive.newest();
            drawn = full.archive.draw(last);
            write_file(f.path / "LOTTO.DAT", f.cut);
        }
        ScriptedUi ui;
        Session session(f.path);
        session.select_game(kLottoSaturday);
        // Two tickets play the newest downloaded draw with its six numbers; the second is protected.
        CardTicket t;
        t.first_draw = static_cast<int16_t>(last);
        for (size_t k = 0; k < 6; ++k) t.rows[0][k] = drawn.numbers[k];
        std::vector<CardTicket> tickets{t, t};
        tickets[1].protected_card = true;
        session.normal_cards.assign(tickets, 1, 0);
        QVERIFY(bool(save_card_index(f.path, kLottoSaturday, session.normal_cards, {}, true)));
        NetUpdateDialog dialog(session, ui.services, read_net_addresses(QString::fromStdString(f.path.string())));
        dialog.show();
        QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kUpdated);
        QCOMPARE(session.archive.newest(), last);
        QCOMPARE(ui.messages.size(), size_t(1));
        const QString text = ui.messages[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Schein 1 hat gewonnen: 6 Richtige")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("|Schein 2 hat gewonnen: 6 Richtige")), qPrintable(text));
        QCOMPARE(session.normal_cards.count(), 2);
        QVERIFY(session.normal_cards.at(0).winnings > 0);
        QCOMPARE(session.normal_cards.at(1).winnings, 0);
        QVERIFY(!session.normal_cards.saved());
    }

    void failedOrCancelledUpdatesLeaveTheArchiveAlone() {
        LocalServer server;
        Folder f(server);
        ScriptedUi ui;
        Session session(f.path);
        session.select_game(kLottoSaturday);
        NetAddresses a = read_net_addresses(QString::fromStdString(f.path.string()));
        const int newest = session.archive.newest();
        for (const LocalServer::Route& r :
             {LocalServer::Route{LocalServer::kStatus, "weg", 404},
              LocalServer::Route{LocalServer::kBody, QByteArray(64, '\x7f'), 200},
              LocalServer::Route{LocalServer::kCutOff, QByteArray(2000, 'z'), 200}}) {
            server.routes[QStringLiteral("/Mega.Dat")] = r;
            ui.messages.clear();
            NetUpdateDialog dialog(session, ui.services, a);
            QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kFailed);
            QCOMPARE(ui.messages.size(), size_t(1));
            QVERIFY(ui.last_message().startsWith(QStringLiteral("Das Net-Update ist fehlgeschlagen:|")));
            QCOMPARE(bytes_of(f.path / "LOTTO.DAT"), f.cut);
            QCOMPARE(session.archive.newest(), newest);
        }
        // "&Abbrechen" during a slow answer: no message, nothing changed.
        server.routes[QStringLiteral("/Mega.Dat")] = {LocalServer::kSilent, {}, 200};
        ui.messages.clear();
        NetUpdateDialog dialog(session, ui.services, a);
        QTimer::singleShot(200, &dialog, [&dialog] {
            dialog.findChild<QPushButton*>(QStringLiteral("cmd41"))->click();
        });
        QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kCancelled);
        QVERIFY(ui.messages.empty());
        QCOMPARE(bytes_of(f.path / "LOTTO.DAT"), f.cut);
    }

    void sourcesFillEveryArchiveAndKeepDifferingDrawsUnlessTaken() {
        LocalServer server;
        test::OutdatedFolder outdated;
        const fs::path path = outdated.folder.path();
        std::string german = test::source_fixture("lotto_6aus49.csv");
        const size_t at = german.find("2026-07-11,");
        german.replace(at, german.find('\n', at) - at, "2026-07-11,1,2,3,4,5,6,0");
        server.routes[QStringLiteral("/de.csv")] = {LocalServer::kBody, QByteArray::fromStdString(german), 200};
        server.routes[QStringLiteral("/at.csv")] = {
            LocalServer::kBody, QByteArray::fromStdString(test::source_fixture("lotto_6aus45.csv")), 200};
        write_file(path / "Ziehwerk.ini",
                   "[NetUpdate]\nAddress=" + server.url(QStringLiteral("/Mega.Dat")).toLatin1() +
                       "\nTimeout=2\n[Quellen]\nLotto6aus49=" + server.url(QStringLiteral("/de.csv")).toLatin1() +
                       "\nLotto6aus45=" + server.url(QStringLiteral("/at.csv")).toLatin1() + "\n");
        const QByteArray lotto = bytes_of(path / "LOTTO.DAT");
        ScriptedUi ui;
        Session session(path);
        session.select_game(kLottoSaturday);
        const int newest = session.archive.newest();
        const int n = draws_on_date(kLottoSaturday, session.params.capacity(), 20260711).front();
        const Draw stored = session.archive.draw(n);
        const NetAddresses a = read_net_addresses(QString::fromStdString(path.string()));

        // "&Abbrechen" while a source is downloading changes nothing.
        server.routes[QStringLiteral("/at.csv")].kind = LocalServer::kSilent;
        {
            NetUpdateDialog dialog(session, ui.services, a);
            QTimer::singleShot(200, &dialog, [&dialog] {
                dialog.findChild<QPushButton*>(QStringLiteral("cmd41"))->click();
            });
            QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kCancelled);
            QVERIFY(ui.messages.empty());
            QCOMPARE(bytes_of(path / "LOTTO.DAT"), lotto);
        }
        server.routes[QStringLiteral("/at.csv")].kind = LocalServer::kBody;

        // The differing Saturday is listed and kept (default answer); the
        // bundle that cannot be had is reported, the new draws stay saved.
        NetUpdateDialog dialog(session, ui.services, a);
        dialog.show();
        QCOMPARE(dialog.run(), NetUpdateDialog::Outcome::kUpdated);
        QCOMPARE(ui.messages.size(), size_t(2));
        QVERIFY(ui.messages[0].text.contains(QStringLiteral("11.07.2026: gespeichert")));
        QVERIFY(ui.messages[0].text.contains(QStringLiteral("Quelle 1 2 3 4 5 6 / 0")));
        QVERIFY(ui.messages[1].text.startsWith(QStringLiteral("Das Update-Paket konnte nicht geladen werden:")));
        QCOMPARE(session.archive.newest(), newest + 5);
        QVERIFY(session.archive.draw(n) == stored);
        const QString report = dialog.findChild<QLabel*>(QStringLiteral("lblQuellen"))->text();
        QVERIFY2(report.contains(QStringLiteral("Lotto 6 aus 49 (Samstag): 5 neue Ziehungen, neueste vom 22.08.2026")),
                 qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("Österreich Lotto 6 aus 45: 8 neue Ziehungen, neueste vom 21.08.2026")),
                 qPrintable(report));
        QCOMPARE(dialog.sources().games.size(), size_t(4));

        // Again: nothing new; the differing draw is asked about again and kept,
        // the missing bundle is only reported.
        ui.messages.clear();
        NetUpdateDialog again(session, ui.services, a);
        QCOMPARE(again.run(), NetUpdateDialog::Outcome::kNothingNewer);
        QCOMPARE(ui.messages.size(), size_t(2));
        QCOMPARE(ui.messages[1].kind, int(kWarning));
        QCOMPARE(session.archive.newest(), newest + 5);
    }

private:
    // The draw entry on the draw of 29.08.2026 with its result page served by
    // `server` as `route`.
    struct Entry {
        Folder folder;
        ScriptedUi ui;
        Session session{folder.path};
        int e = 0;
        std::unique_ptr<DrawEntryDialog> dialog;
        Entry(LocalServer& server, LocalServer::Route route) : folder(server) {
            write_file(folder.path / "LOTTO.DAT", folder.full);
            ui.services.now = [] { return QDateTime(QDate(2026, 8, 30), QTime(12, 0)); };
            session.select_game(kLottoSaturday);
            e = session.archive.next_draw();
            QFile page(QString::fromUtf8(qgetenv("ZIEHWERK_SOURCE_DIR")) + "/tests/core/archive/pages/lotto.html");
            page.open(QIODevice::ReadOnly);
            route.body = page.readAll().replace("22.08.2026", "29.08.2026");
            server.routes[QStringLiteral("/portal/zahlen-quoten/gewinnzahlen/lotto-gewinnzahlen/"
                                         "lotto-gewinnzahlen.jsp?ziehungsDatum=29.08.2026")] = route;
            dialog = std::make_unique<DrawEntryDialog>(session, ui.services, true);
            dialog->set_fetch_draw(draw_fetcher(session, ui.services, dialog.get()));
            dialog->show();
        }
        std::vector<int> record(int n) const {
            const Draw d = session.archive.draw(n);
            std::vector<int> v(d.numbers.begin(), d.numbers.end());
            v.push_back(d.extra);
            return v;
        }
    };

private slots:
    void keysWhileAFetchWaitsNeverMoveItsAnswerToAnotherDraw() {
        LocalServer server;
        Entry t(server, {LocalServer::kSlow, {}, 200, 600});
        DrawEntryDialog& dialog = *t.dialog;
        auto* state = dialog.findChild<QLabel*>(QStringLiteral("lbl_fetch"));
        auto* abort = dialog.findChild<QPushButton*>(QStringLiteral("cmd_abort"));
        QVERIFY(state && abort);
        QVERIFY(!abort->isVisible());
        const std::vector<int> older = t.record(t.e - 2);
        QString shown;
        bool abort_shown = false;
        int during = 0;
        QTimer::singleShot(150, &dialog, [&] {
            shown = state->text();
            abort_shown = abort->isVisible();
            QTest::keyClick(&dialog, '-');
            QTest::keyClick(&dialog, '-');
            during = dialog.entry().entry_draw();
        });
        QTest::keyClick(&dialog, 'u');
        QCOMPARE(shown, QStringLiteral("Ziehung %1 vom 29.08.2026 wird abgerufen …").arg(t.e));
        QVERIFY(abort_shown);
        QCOMPARE(during, t.e);
        QVERIFY(t.ui.messages.empty());
        QCOMPARE(dialog.entry().entry_draw(), t.e);
        QCOMPARE(dialog.entry().cursor(), 7);
        QVERIFY(!abort->isVisible());
        t.ui.message_answers = {1};
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(t.record(t.e), (std::vector<int>{7, 16, 22, 28, 30, 31, 4}));
        QCOMPARE(t.record(t.e - 2), older);
    }

    void abbrechenStopsAWaitingFetchAndChangesNothing() {
        LocalServer server;
        Entry t(server, {LocalServer::kSilent, {}, 200, 0});  // the timeout is 2 s
        DrawEntryDialog& dialog = *t.dialog;
        auto* abort = dialog.findChild<QPushButton*>(QStringLiteral("cmd_abort"));
        QVERIFY(abort);
        bool open_after_close = false;
        QTimer::singleShot(150, &dialog, [&] {
            dialog.reject();  // the close box only stops the fetch
            open_after_close = dialog.isVisible();
        });
        QTimer::singleShot(300, &dialog, [&] { abort->click(); });
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&dialog, 'u');
        QVERIFY(clock.elapsed() < 1500);
        QVERIFY(open_after_close);
        QVERIFY(t.ui.messages.empty());
        QCOMPARE(dialog.entry().entry_draw(), t.e);
        QCOMPARE(dialog.entry().cursor(), 0);
        QVERIFY(!dialog.fetching());
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("cmd50"))->isEnabled());
        QCOMPARE(t.session.archive.newest(), t.e - 1);
    }

    void keyUFetchesTheEntryDrawAndMovesOnAfterStoring() {
        LocalServer server;
        Folder f(server);
        write_file(f.path / "LOTTO.DAT", f.full);
        ScriptedUi ui;
        ui.services.now = [] { return QDateTime(QDate(2026, 8, 30), QTime(12, 0)); };
        Session session(f.path);
        session.select_game(kLottoSaturday);
        const int e = session.archive.next_draw();
        QCOMPARE(QString::fromStdString(draw_date(kLottoSaturday, e).text), QStringLiteral("29.08.2026"));
        QFile page(QString::fromUtf8(qgetenv("ZIEHWERK_SOURCE_DIR")) + "/tests/core/archive/pages/lotto.html");
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll().replace("22.08.2026", "29.08.2026");
        const QString path = QStringLiteral(
            "/portal/zahlen-quoten/gewinnzahlen/lotto-gewinnzahlen/lotto-gewinnzahlen.jsp?ziehungsDatum=29.08.2026");
        server.routes[path] = {LocalServer::kBody, html, 200};

        DrawEntryDialog dialog(session, ui.services, true);
        dialog.set_fetch_draw(draw_fetcher(session, ui.services, &dialog));
        dialog.show();
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("cmd50"))->isEnabled());
        QTest::keyClick(&dialog, 'u');
        QVERIFY(ui.messages.empty());
        QCOMPARE(dialog.entry().cursor(), 7);
        QCOMPARE(dialog.entry().side_box, std::string("0123456"));
        ui.message_answers = {1};
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(ui.last_message(), QStringLiteral("Alle Zahlen korrekt"));
        QCOMPARE(session.archive.newest(), e);
        QVERIFY(session.archive.draw(e) == (Draw{{7, 16, 22, 28, 30, 31}, 4}));
        QCOMPARE(session.archive.side_number(e), 123456);
        QCOMPARE(session.archive.super6_number(e), 654321);
        QCOMPARE(dialog.entry().entry_draw(), e + 1);

        // A failed fetch on the stored draw keeps its side numbers.
        server.routes.erase(path);
        QTest::keyClick(&dialog, '-');
        QTest::keyClick(&dialog, 'U');
        QVERIFY(ui.last_message().startsWith(QStringLiteral("Keine Zahlen verfügbar!")));
        QCOMPARE(dialog.entry().side_box, std::string("0123456"));
        QTest::keyClick(&dialog, '+');
        QCOMPARE(session.archive.side_number(e), 123456);
        QCOMPARE(session.archive.super6_number(e), 654321);

        // The next draw's page is missing: the Part's message, nothing filled.
        ui.messages.clear();
        ui.services.now = [] { return QDateTime(QDate(2026, 9, 6), QTime(12, 0)); };
        dialog.set_fetch_draw(draw_fetcher(session, ui.services, &dialog));
        QTest::keyClick(&dialog, 'U');
        QCOMPARE(ui.messages.size(), size_t(1));
        QCOMPARE(ui.last_message(),
                 QStringLiteral("Keine Zahlen verfügbar!|Der Server 127.0.0.1 meldet den Fehler 404."));
        QCOMPARE(dialog.entry().cursor(), 0);
        QCOMPARE(session.archive.newest(), e);
    }
};

ZW_GUI_TEST_MAIN(NetUpdateTest)
#include "net_update_test.moc"
