#include "ui/ui_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVector>

namespace zw {

QStringList split_items(const QString& items) { return items.split(QLatin1Char('|')); }

QString message_text(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return t;
}

bool open_url_or_report(const UiServices& ui, QWidget* parent, const QUrl& url) {
    if (ui.open_url && ui.open_url(url)) return true;
    const QString text =
        url.isLocalFile()
            ? QStringLiteral("Die Datei|%1|kann nicht geöffnet werden: Für diese Art Datei ist "
                             "kein Programm eingerichtet.")
                  .arg(url.toLocalFile())
            : QStringLiteral("Die Adresse|%1|kann nicht geöffnet werden: Für Internet-Adressen "
                             "ist kein Programm (Web-Browser) eingerichtet.")
                  .arg(url.toString());
    ui.message(parent, kWarning, text, 1, QStringLiteral("&OK"));
    return false;
}

namespace {

int run_message_box(QWidget* parent, const MessageRequest& r) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("msgbox"));
    box.setWindowTitle(r.title.isEmpty() ? QStringLiteral("Ziehwerk") : r.title);
    box.setText(message_text(r.text));
    switch (r.kind) {
        case kQuestion: box.setIcon(QMessageBox::Question); break;
        case kWarning: box.setIcon(QMessageBox::Warning); break;
        default: box.setIcon(QMessageBox::Information); break;
    }
    const QStringList labels = split_items(r.buttons.isEmpty() ? QStringLiteral("&OK") : r.buttons);
    QVector<QAbstractButton*> buttons;
    for (const QString& label : labels)
        buttons.push_back(box.addButton(label, QMessageBox::AcceptRole));
    const int def = qBound(1, r.default_button, static_cast<int>(buttons.size()));
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons[def - 1]));
    box.setEscapeButton(buttons.back());
    box.exec();
    const int idx = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return idx < 0 ? static_cast<int>(buttons.size()) : idx + 1;
}

std::optional<QString> run_file_dialog(QWidget* parent, const FileRequest& r) {
    // "DAT-Dateien|*.DAT" pairs become Qt filters "DAT-Dateien (*.DAT *.dat)".
    QStringList filters;
    const QStringList parts = split_items(r.filter);
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        if (pattern != pattern.toLower()) pattern += QLatin1Char(' ') + pattern.toLower();
        filters << parts[i] + QStringLiteral(" (") + pattern.replace(QLatin1Char(';'), QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    QFileDialog dlg(parent, r.title, r.folder);
    dlg.setObjectName(QStringLiteral("filedialog"));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!filters.isEmpty()) dlg.setNameFilters(filters);
    if (!r.default_suffix.isEmpty()) dlg.setDefaultSuffix(r.default_suffix);
    if (!r.preset.isEmpty()) dlg.selectFile(r.preset);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().constFirst();
}

int run_popup_list(QWidget* parent, const QString& items, QPoint pos) {
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("popuplist"));
    const QStringList labels = split_items(items);
    for (int i = 0; i < labels.size(); ++i) menu.addAction(labels[i])->setData(i);
    QAction* chosen = menu.exec(pos);
    return chosen ? chosen->data().toInt() : -1;
}

}  // namespace

UiServices UiServices::desktop() {
    UiServices s;
    s.message_box = run_message_box;
    s.file_dialog = run_file_dialog;
    s.popup_list = run_popup_list;
    s.open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    s.start_program = [](const QString& program, const QStringList& args) {
        return QProcess::startDetached(program, args);
    };
    s.print_dialog = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dlg(&printer, parent);
        return dlg.exec() == QDialog::Accepted;
    };
    s.now = [] { return QDateTime::currentDateTime(); };
    s.random_seed = [] { return QRandomGenerator::global()->generate(); };
    return s;
}

QString access_keys(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size())).replace(QLatin1Char('_'), QLatin1Char('&'));
}

}  // namespace zw
