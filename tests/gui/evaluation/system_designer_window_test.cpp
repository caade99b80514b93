#include "evaluation/system_designer_window.h"

#include <QFile>

#include "cardindex/tip_transfer.h"
#include "fake_host.h"
#include "gui_test_support.h"

using namespace zw;
using zw::test::FakeHost;
using zw::test::ScriptedUi;

namespace {

struct Bench {
    QTemporaryDir dir;
    std::unique_ptr<Session> session = zw::test::started_session(dir, kLottoSaturday);
    ScriptedUi ui;
    FakeHost host{*session, ui.services};
    std::vector<QString> save_offers;
    SystemDesignerWindow window{host, [this](QWidget*, CardIndex&, const QString& stored) {
                                    save_offers.push_back(stored);
                                }};
};

}  // namespace

class SystemDesignerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Ten numbers, "3 bei 3": rows on the player's numbers that the checker
    // accepts, exported and read back by the row import, stored as tickets.
    void designedRowsAreProvenExportedAndStored() {
        Bench b;
        const std::vector<int> mine = {3, 7, 11, 15, 19, 23, 27, 31, 35, 49};
        b.window.set_request(10, 3, 3, 1, QStringLiteral("49, 3 7 11 15 19 23 27 31 35"));
        QVERIFY(b.window.search());
        QTRY_VERIFY_WITH_TIMEOUT(!b.window.running(), 30000);
        QVERIFY(b.window.design());
        const auto& rows = b.window.rows();
        QVERIFY(rows.size() >= 10 && rows.size() <= 30);

        // The rows lie on the player's numbers and hold the guarantee.
        std::string error;
        const auto numbered = number_rows(rows, {}, error);
        QVERIFY2(numbered, error.c_str());
        QCOMPARE(numbered->numbers, mine);
        QVERIFY(check_system(numbered->masks, 10).holds(3, 3));
        QVERIFY(b.window.report().contains(QStringLiteral("Mit 3 Richtigen unter Ihren Zahlen: 3 Treffer garantiert")));

        // Export as CSV: the row import reads the same rows back.
        const QString file = b.dir.filePath(QStringLiteral("mein_system.csv"));
        b.ui.file_answers.push_back(file);
        QVERIFY(b.window.export_rows());
        const auto read = import_rows_file(fs::path(file.toStdString()), kLottoSaturday);
        QVERIFY(read);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.startsWith(QByteArray::number(rows[0][0]) + ';'));
        const ImportResult all = parse_import_rows(std::string_view(text.constData(), static_cast<size_t>(text.size())), 49, 1000);
        QCOMPARE(all.rows.size(), rows.size());
        QCOMPARE(all.skipped, 0);
        for (size_t i = 0; i < rows.size(); ++i)
            QCOMPARE(std::vector<int>(all.rows[i].begin(), all.rows[i].begin() + 6), rows[i]);

        // The printout lists the rows under the system's name.
        const QString pdf = b.dir.filePath(QStringLiteral("system.pdf"));
        b.ui.print_to_pdf(pdf);
        QVERIFY(b.window.print_rows());
        const QString printed = zw::test::pdf_text(pdf);
        QVERIFY2(printed.contains(QStringLiteral("System-Designer")), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("garantiert")));
        QVERIFY(b.window.sizeHint().width() <= 1280 && b.window.sizeHint().height() <= 1000);

        // Storing: tickets of 16 rows, each with a stake, then the save question.
        b.session->normal_cards.store(0, make_normal_card({{1, 2, 3, 4, 5, 6, 0}}, kLottoSaturday));
        b.ui.message_answers = {1};
        const int tickets = b.window.store_rows();
        const int expected = static_cast<int>((rows.size() + 15) / 16);
        QCOMPARE(tickets, expected);
        QCOMPARE(b.session->normal_cards.count(), 1 + expected);
        int stored_rows = 0;
        for (int k = 1; k <= expected; ++k) {
            const CardTicket& c = b.session->normal_cards.at(k);
            QVERIFY(c.stake > 0);
            for (const CardRow& row : c.rows) stored_rows += row_complete(row, false) ? 1 : 0;
        }
        QCOMPARE(stored_rows, static_cast<int>(rows.size()));
        QCOMPARE(b.save_offers.size(), size_t{1});
        QVERIFY(b.save_offers.back().contains(QStringLiteral("Schein-Nr. 2")));
    }

    // A banker stands in every row; the guarantee holds for the draws that hold it.
    void bankerIsInEveryRow() {
        Bench b;
        b.window.set_request(9, 3, 3, 1, {}, QStringLiteral("4"));
        QVERIFY(b.window.search());
        QTRY_VERIFY_WITH_TIMEOUT(!b.window.running(), 30000);
        QVERIFY(b.window.design());
        for (const auto& row : b.window.rows()) QVERIFY(std::find(row.begin(), row.end(), 4) != row.end());
        QVERIFY(b.window.design()->check.holds(3, 3));
        QVERIFY(b.window.report().contains(QStringLiteral("wenn die Bankzahlen gezogen werden")));
    }

    void faultyInputsAreRefusedInGerman() {
        Bench b;
        b.window.set_request(10, 5, 4, 1);
        QVERIFY(!b.window.search());
        QVERIFY(b.ui.last_message().contains(QStringLiteral("„5 bei 4“ gibt es nicht")));
        b.window.set_request(10, 3, 3, 1, QStringLiteral("1 2 3"));
        QVERIFY(!b.window.search());
        QVERIFY(b.ui.last_message().contains(QStringLiteral("10 verschiedene Zahlen von 1 bis 49")));
        b.window.set_request(10, 3, 3, 1, QStringLiteral("1 2 3 4 5 6 7 8 9 50"));
        QVERIFY(!b.window.search());
        b.window.set_request(10, 3, 3, 1, {}, QStringLiteral("12"));
        QVERIFY(!b.window.search());
        QCOMPARE(b.ui.last_message(), QStringLiteral("Die Bankzahl 12 ist keine Ihrer Zahlen."));
        // Three bankers for "3 bei 3" leave nothing to guarantee: the engine's reason.
        b.window.set_request(10, 3, 3, 1, {}, QStringLiteral("1 2 3"));
        QVERIFY(!b.window.search());
        QVERIFY(!b.ui.last_message().isEmpty());
        QVERIFY(!b.window.design());
        QVERIFY(!b.window.export_rows());
        QCOMPARE(b.window.store_rows(), 0);
    }

    // A long search stops on "Abbrechen"; F1 opens the help.
    void cancelEndsALongSearch() {
        Bench b;
        b.window.set_request(16, 4, 4, 600);
        QVERIFY(b.window.search());
        QTest::qWait(300);
        b.window.cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!b.window.running(), 10000);
        QTest::keyClick(&b.window, Qt::Key_F1);
        QCOMPARE(b.host.help_topics.back(), QStringLiteral("system-pruefer.htm"));
    }
};

ZW_GUI_TEST_MAIN(SystemDesignerWindowTest)
#include "system_designer_window_test.moc"
