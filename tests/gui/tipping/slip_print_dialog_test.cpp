#include "tipping/slip_print_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

#include "fake_host.h"
#include "gui_test_support.h"
#include "session/session.h"
#include "tipping/console_dialog.h"
#include "tipping/slip_print_painter.h"

using namespace zw;
using zw::test::ScriptedUi;
using zw::test::pdf_text;
using zw::test::when_modal;

class SlipPrintDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::vector<QString> help_topics;
        int seven_by_seven_calls = 0;

        explicit Fixture(GameCode game = kLottoSaturday) {
            const bool swiss = game == kSwiss;
            test::write_draw_file(dir.filePath(swiss ? QStringLiteral("Swiss.Dat") : QStringLiteral("Lotto.Dat")), 3,
                                  swiss ? 8 : 7);
            session = test::started_session(dir, game);
        }
        std::unique_ptr<SlipPrintDialog> dialog() {
            SlipPrintHost host;
            host.help = [this](const QString& t) { help_topics.push_back(t); };
            host.use_seven_by_seven = [this] {
                ++seven_by_seven_calls;
                session->ticket.seven_by_seven = true;
            };
            return std::make_unique<SlipPrintDialog>(*session, ui.services, std::move(host));
        }
        QByteArray draw_file() const {
            QFile f(dir.filePath(QStringLiteral("Lotto.Dat")));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }
        SlipCalibration calibration() const { return {session->archive.calibration_x, session->archive.calibration_y}; }
    };

    static QString orientation(const SlipPrintDialog& d) {
        return d.findChild<QLabel*>(QStringLiteral("lbl_ausrichtung"))->text();
    }

private slots:
    void consolePrintButtonOpensTheSlipDialog() {
        Fixture f;
        test::FakeHost host(*f.session, f.ui.services);
        install_tipping_commands(host, host);
        host.frame().show();
        host.run(Command::NormalTicket);
        auto* console = host.frame().findChild<ConsoleDialog*>(QStringLiteral("Dlg_11"));
        QVERIFY(console);
        QVERIFY(console->button(10)->isEnabled());
        QString seen;
        int items = 0;
        when_modal([&](QWidget* w) {
            seen = w ? w->objectName() : QString();
            if (auto* cb1 = w ? w->findChild<QComboBox*>(QStringLiteral("cb1")) : nullptr) items = cb1->count();
            if (w) w->close();
        });
        console->button(10)->click();
        QCOMPARE(seen, QStringLiteral("scheindruck"));
        QCOMPARE(items, 19);
    }

    void orientationTextFollowsBundeslandAndGame() {
        Fixture f;
        auto d = f.dialog();
        const QString upside = QStringLiteral("Der Scheindruck erfolgt in kopfstehender Ausrichtung von unten nach oben!");
        const QString normal = QStringLiteral("Der Scheindruck erfolgt in normaler Ausrichtung von oben nach unten!");
        QCOMPARE(orientation(*d), normal);
        d->cb1_Click(7);
        QCOMPARE(orientation(*d), upside);
        QCOMPARE(int(f.session->archive.bundesland), 7);
        d->cb1_Click(0);
        QCOMPARE(orientation(*d), normal);

        Fixture swiss(kSwiss);
        auto s = swiss.dialog();
        for (int b = 0; b < 19; ++b) {
            s->cb1_Click(b);
            QCOMPARE(orientation(*s), upside);
        }
    }

    void printGivesOnePdfCrossPerMarkAndKeepsTheBundesland() {
        Fixture f;
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6});
        f.session->ticket.set_row(5, {44, 45, 46, 47, 48, 49});
        f.session->ticket_options.spiel77 = true;
        // A draw entered but not saved must stay out of the file.
        QVERIFY(bool(f.session->archive.extend_to(4)));
        f.session->archive.set_saved(false);
        const QByteArray before = f.draw_file();
        const QString pdf = f.dir.filePath(QStringLiteral("schein.pdf"));
        f.ui.print_to_pdf(pdf);
        auto d = f.dialog();
        d->cb1_Click(5);
        d->cmd18_Click();
        QVERIFY(f.ui.messages.empty());
        const auto marks = slip_marks(f.session->ticket, f.session->ticket_options, f.session->params, 5,
                                      f.calibration());
        QCOMPARE(marks.size(), size_t(12 + 6));
        QCOMPARE(pdf_text(pdf, false).count(QLatin1Char('x')), qsizetype(marks.size()));
        const QByteArray after = f.draw_file();
        QCOMPARE(after.size(), before.size());
        QCOMPARE(int(after[2]), 5);
        QCOMPARE(after.mid(4), before.mid(4));
    }

    // The page box of a written PDF, in points.
    static QSizeF pdf_media_box(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = f.readAll();
        const qsizetype at = bytes.indexOf("/MediaBox");
        if (at < 0) return {};
        const qsizetype open = bytes.indexOf('[', at), close = bytes.indexOf(']', at);
        const QList<QByteArray> v = bytes.mid(open + 1, close - open - 1).simplified().split(' ');
        if (v.size() != 4) return {};
        return {v[2].toDouble() - v[0].toDouble(), v[3].toDouble() - v[1].toDouble()};
    }

    void printedPageIsTheSlipWhateverPaperThePrintDialogChose() {
        Fixture f;
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6});
        const QString pdf = f.dir.filePath(QStringLiteral("schein.pdf"));
        // The print dialog offers the printer's own paper sizes and may hand back Letter.
        f.ui.services.print_dialog = [pdf](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
            return true;
        };
        auto d = f.dialog();
        for (int bundesland : {0, 7}) {
            d->cb1_Click(bundesland);
            d->cmd18_Click();
            QVERIFY(f.ui.messages.empty());
            const SlipSheet sheet =
                slip_sheet(f.session->ticket, f.session->ticket_options, f.session->params, bundesland, f.calibration());
            const QSizeF box = pdf_media_box(pdf);
            QVERIFY2(std::abs(box.width() - sheet.width * 72 / 25.4) < 1.5, qPrintable(QString::number(box.width())));
            QVERIFY2(std::abs(box.height() - sheet.height * 72 / 25.4) < 1.5, qPrintable(QString::number(box.height())));
        }
    }

    void refusedSlipsAndEmptyTicketsNeverReachThePrinter() {
        Fixture f;
        bool asked = false;
        f.ui.services.print_dialog = [&](QWidget*, QPrinter&) { return asked = true, false; };
        auto d = f.dialog();
        d->cb1_Click(16);
        d->cmd18_Click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Das Bedrucken von Tipp-Scheinen ist leider|für dieses "
                                                     "Bundesland noch nicht möglich!"));
        d->cb1_Click(0);
        d->cmd18_Click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Auf dem Schein ist noch keine Zahl angekreuzt!"));
        f.session->ticket.system_mode = true;
        f.session->ticket.set_full_system(0, 7);
        d->cb1_Click(11);
        d->preview();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Das Bedrucken von System-Scheinen ist|für dieses Bundesland "
                                                     "noch nicht möglich!"));
        QVERIFY(!asked);
        QVERIFY(!d->findChild<QPrintPreviewDialog*>());
    }

    void printerFailureSaysDruckerfehler() {
        Fixture f;
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6});
        f.ui.print_to_pdf(QStringLiteral("/nonexistent-folder/x/schein.pdf"));
        auto d = f.dialog();
        d->cmd18_Click();
        QCOMPARE(f.ui.last_message(), QStringLiteral("Druckerfehler!"));
    }

    void printSwitchesToSevenBySevenExceptForBrandenburg() {
        Fixture f;
        f.ui.services.print_dialog = [](QWidget*, QPrinter&) { return false; };
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6});
        f.session->ticket.seven_by_seven = false;
        auto d = f.dialog();
        d->cb1_Click(15);
        d->cmd18_Click();
        QVERIFY(!f.session->ticket.seven_by_seven);
        d->cb1_Click(0);
        d->cmd18_Click();
        QVERIFY(f.session->ticket.seven_by_seven);
        QCOMPARE(f.seven_by_seven_calls, 1);
    }

    void bundeslandChangeRenamesSystemsOrRefuses() {
        Fixture f;
        Ticket& t = f.session->ticket;
        t.system_mode = true;
        t.set_partial_system(0, 16, 22);  // 22/77 -> VEW 622
        auto d = f.dialog();
        auto* cb1 = d->findChild<QComboBox*>(QStringLiteral("cb1"));
        d->cb1_Click(2);
        QVERIFY(f.ui.messages.empty());
        QCOMPARE(t.box(0).index, 5);
        QCOMPARE(int(f.session->archive.bundesland), 2);
        d->cb1_Click(0);
        t.set_partial_system(1, 3, 10);  // 10/50: no VEW name
        d->cb1_Click(2);
        QVERIFY(f.ui.last_message().contains(QStringLiteral("10/50 in Feld 2")));
        QCOMPARE(cb1->currentIndex(), 0);
        QCOMPARE(int(f.session->archive.bundesland), 0);
        QCOMPARE(t.box(0).index, 16);
    }

    void calibrationFormStoresClampedBytesInTheHeader() {
        Fixture f;
        auto d = f.dialog();
        bool checked = false;
        when_modal([&](QWidget* w) {
            QVERIFY(w && w->objectName() == QStringLiteral("anpass"));
            auto* scl4 = w->findChild<QScrollBar*>(QStringLiteral("scl4"));
            auto* scl5 = w->findChild<QScrollBar*>(QStringLiteral("scl5"));
            QCOMPARE(scl4->minimum(), kCalibrationScrollMin);
            QCOMPARE(scl4->maximum(), kCalibrationScrollMax);
            QCOMPARE(scl4->value(), 252);
            scl4->setValue(262);    // +1.0 mm
            scl5->setValue(100000);  // clamped: +25.8 mm, byte 255
            w->findChild<QPushButton*>(QStringLiteral("cmd16"))->click();
            QVERIFY(w->findChild<QLabel*>(QStringLiteral("lbl_aktuell"))->text().contains(QStringLiteral("1.0 mm")));
            w->findChild<QPushButton*>(QStringLiteral("cmd17"))->click();
            checked = true;
        });
        d->cmd20_Click();
        QVERIFY(checked);
        QCOMPARE(int(f.session->archive.calibration_x), 131);
        QCOMPARE(int(f.session->archive.calibration_y), 255);
        const QByteArray file = f.draw_file();
        QCOMPARE(int(uint8_t(file[0])), 131);
        QCOMPARE(int(uint8_t(file[1])), 255);
        QVERIFY(f.ui.messages.empty());
    }

    void calibrationSaveFailureIsReported() {
        Fixture f;
        Session gone(f.dir.filePath(QStringLiteral("gone/deeper")).toStdString());
        CalibrationDialog form(gone, f.ui.services);
        form.findChild<QPushButton*>(QStringLiteral("cmd16"))->click();
        QVERIFY(f.ui.last_message().startsWith(QStringLiteral("Die Kalibrierung konnte nicht gespeichert werden")));
    }

    void previewOpensAndHelpShowsTheTopic() {
        Fixture f;
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6});
        auto d = f.dialog();
        d->show();
        d->preview();
        auto* preview = d->findChild<QPrintPreviewDialog*>(QStringLiteral("vorschau"));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        preview->close();
        d->findChild<QPushButton*>(QStringLiteral("cmd39"))->click();
        QCOMPARE(f.help_topics, std::vector<QString>{QStringLiteral("Scheindruck.htm")});
    }

    void painterPutsCrossesOnTheMarksAndTurnsUpsideDownSlips() {
        Fixture f(kSwiss);
        f.session->ticket.set_row(0, {1, 2, 3, 4, 5, 6, 1});
        const SlipSheet sheet = slip_sheet(f.session->ticket, {}, f.session->params, 17, f.calibration());
        QVERIFY(sheet.upside_down);
        const double dots = 10.0;
        QImage image(int(sheet.width * dots) + 1, int(sheet.height * dots) + 1, QImage::Format_RGB32);
        auto ink_near = [&](double x, double y) {
            int dark = 0;
            for (int dy = -8; dy <= 8; ++dy)
                for (int dx = -8; dx <= 8; ++dx) {
                    const QPoint p(int(x * dots) + dx, int(y * dots) + dy);
                    if (image.rect().contains(p) && qGray(image.pixel(p)) < 100) ++dark;
                }
            return dark;
        };
        image.fill(Qt::white);
        {
            QPainter p(&image);
            SlipPrintPainter().paint(p, sheet, dots, false);
        }
        const SlipMark& first = sheet.marks.front();
        const SlipPoint turned = page_position(sheet, first.x, first.y);
        QVERIFY(ink_near(turned.x, turned.y) > 3);
        QCOMPARE(ink_near(first.x, first.y), 0);  // not where an upright print would put it
        // Without the outline nothing but the crosses is drawn.
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255) && qGray(image.pixel(x, y)) > 150) ++light;
        image.fill(Qt::white);
        {
            QPainter p(&image);
            SlipPrintPainter().paint(p, sheet, dots, true);
        }
        int outlined = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255) && qGray(image.pixel(x, y)) > 150) ++outlined;
        QVERIFY(outlined > light + 1000);
        // The preview prints each cell's number inside its outline; unmarked cells show only that.
        auto ink_inside = [&](const SlipPoint& c) {
            const SlipPoint at = page_position(sheet, c.x, c.y);
            int ink = 0;
            for (int dy = -int(sheet.cell_h * 2.5); dy <= int(sheet.cell_h * 2.5); ++dy)
                for (int dx = -int(sheet.cell_w * 2.5); dx <= int(sheet.cell_w * 2.5); ++dx)
                    if (image.pixel(int(at.x * dots) + dx, int(at.y * dots) + dy) != qRgb(255, 255, 255)) ++ink;
            return ink;
        };
        const SlipPoint unmarked = sheet.cells[48 + 20];  // number 21 of the second row
        QVERIFY(ink_inside(unmarked) > 5);
        SlipSheet without = sheet;
        without.cell_labels.clear();
        image.fill(Qt::white);
        {
            QPainter p(&image);
            SlipPrintPainter().paint(p, without, dots, true);
        }
        QCOMPARE(ink_inside(unmarked), 0);
    }
};

ZW_GUI_TEST_MAIN(SlipPrintDialogTest)
#include "slip_print_dialog_test.moc"
