#include "archive/bonus_editor_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "gui_test_support.h"
#include "session/session.h"

using namespace zw;
using zw::test::ScriptedUi;

class BonusEditorDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QTemporaryDir dir;
        ScriptedUi ui;
        std::unique_ptr<Session> session;
        std::unique_ptr<BonusEditorDialog> dialog;
        Fixture() {
            test::write_draw_file(dir.filePath(QStringLiteral("O_Lotto.Dat")), 20);
            QFile f(dir.filePath(QStringLiteral("OB_Lotto.Dat")));
            f.open(QIODevice::WriteOnly);
            f.write("15.01.1987,1,2,3,4,5,6,7,0,0,0,0,0,0,123\n");
            f.close();
            session = std::make_unique<Session>(dir.path().toStdString());
            session->select_game(kAustria);
            dialog = std::make_unique<BonusEditorDialog>(*session, ui.services);
            dialog->show();
        }
        QLineEdit* box(const QString& name) const { return dialog->findChild<QLineEdit*>(name); }
        QTreeWidget* list() const { return dialog->findChild<QTreeWidget*>(QStringLiteral("lv2")); }
        void type_row(const QString& date, const QStringList& seven, const QString& joker) {
            box(QStringLiteral("ed_date"))->setText(date);
            for (int k = 0; k < 7; ++k)
                box(k < 6 ? QStringLiteral("ed_z%1").arg(k + 1) : QStringLiteral("ed_zz"))->setText(seven[k]);
            box(QStringLiteral("ed_joker"))->setText(joker);
        }
        void click(const char* name) { dialog->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
        QString file() const {
            QFile f(dir.filePath(QStringLiteral("OB_Lotto.Dat")));
            f.open(QIODevice::ReadOnly);
            return QString::fromUtf8(f.readAll());
        }
    };

private slots:
    void listShowsTheBonusDrawsAndAnEmptyRow() {
        Fixture f;
        QTreeWidget* lv2 = f.list();
        QCOMPARE(lv2->columnCount(), 16);
        QCOMPARE(lv2->headerItem()->text(1), QStringLiteral("   Datum"));
        QCOMPARE(lv2->headerItem()->text(15), QStringLiteral("JOKER"));
        QCOMPARE(lv2->topLevelItemCount(), 2);
        QCOMPARE(lv2->topLevelItem(0)->text(1), QStringLiteral("15.01.1987"));
        QCOMPARE(lv2->topLevelItem(0)->text(15), QStringLiteral("000123"));
        QCOMPARE(lv2->topLevelItem(1)->text(0), QStringLiteral("2"));
        QCOMPARE(lv2->topLevelItem(1)->text(1), QString());
        f.dialog->lv2_ItemClick(0);
        QCOMPARE(f.box(QStringLiteral("ed_z6"))->text(), QStringLiteral("6"));
        f.dialog->lv2_ItemClick(1);
        QCOMPARE(f.box(QStringLiteral("ed_z6"))->text(), QString());
    }

    void refusedRowKeepsTheBoxes() {
        Fixture f;
        f.type_row(QStringLiteral("22.01.1987"), {"9", "8", "7", "6", "5", "4", "9"}, QStringLiteral("000001"));
        f.click("cmd45");
        QVERIFY(f.ui.last_message().contains(QStringLiteral("verschiedene Zahlen")));
        QCOMPARE(f.box(QStringLiteral("ed_date"))->text(), QStringLiteral("22.01.1987"));
        QCOMPARE(f.dialog->editor().count(), 1);
        f.box(QStringLiteral("ed_zz"))->setText(QStringLiteral("10"));
        f.box(QStringLiteral("ed_joker"))->setText(QStringLiteral("12"));
        f.click("cmd45");
        QVERIFY(f.ui.last_message().contains(QStringLiteral("JOKER")));
        QCOMPARE(f.dialog->editor().count(), 1);
        // A day the calendar does not have is refused, not saved and dropped later.
        f.box(QStringLiteral("ed_date"))->setText(QStringLiteral("31.02.2026"));
        f.box(QStringLiteral("ed_joker"))->setText(QStringLiteral("000012"));
        f.click("cmd45");
        QVERIFY(f.ui.last_message().contains(QStringLiteral("31.02.2026")));
        QCOMPARE(f.dialog->editor().count(), 1);
        QCOMPARE(f.box(QStringLiteral("ed_date"))->text(), QStringLiteral("31.02.2026"));
    }

    void takenRowIsSavedMergedAndExtendsTheRange() {
        Fixture f;
        QCOMPARE(f.session->range.last, 21);
        f.dialog->lv2_ItemClick(1);
        f.type_row(QStringLiteral("22.01.1987"), {"9", "8", "7", "6", "5", "4", "10"}, QStringLiteral("000321"));
        f.click("cmd45");
        QCOMPARE(f.dialog->editor().count(), 2);
        QCOMPARE(f.list()->topLevelItemCount(), 3);
        QCOMPARE(f.box(QStringLiteral("ed_date"))->text(), QString());
        QCOMPARE(f.session->archive.bonus_count(), 1);  // only saving changes the archive
        f.click("cmd46");
        QCOMPARE(f.ui.last_message(), QStringLiteral("Bonus-Ziehungen wurden gesichert!"));
        QCOMPARE(f.file(),
                 QStringLiteral("15.01.1987, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0,000123\n"
                                "22.01.1987, 4, 5, 6, 7, 8, 9,10, 0, 0, 0, 0, 0, 0,000321\n"));
        QCOMPARE(f.session->archive.bonus_count(), 2);
        QCOMPARE(f.session->range.last, 22);
        QVERIFY(f.session->archive.combined()[20].bonus);
        QVERIFY(!f.dialog->changed());
    }

    void removeAndCloseAskAboutUnsavedChanges() {
        Fixture f;
        f.click("cmd47");
        QCOMPARE(f.dialog->editor().count(), 0);
        f.click("cmd47");  // nothing left: stays empty
        QCOMPARE(f.dialog->editor().count(), 0);
        QCOMPARE(f.list()->topLevelItemCount(), 1);
        f.ui.message_answers = {3};  // "&Zurück": stay
        f.click("cmd49");
        QVERIFY(f.dialog->isVisible());
        f.ui.message_answers = {2};  // "&NEIN": close without saving
        f.dialog->close();
        QVERIFY(!f.dialog->isVisible());
        QVERIFY(f.file().startsWith(QStringLiteral("15.01.1987")));
        QCOMPARE(f.session->archive.bonus_count(), 1);
    }
};

ZW_GUI_TEST_MAIN(BonusEditorDialogTest)
#include "bonus_editor_dialog_test.moc"
