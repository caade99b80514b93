#include "archive/draw_output_dialog.h"

#include <QPainter>
#include <QPrinter>
#include <QUrl>

#include "archive/column_print_painter.h"
#include "archive/draw_export.h"
#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

bool ask_yes_no(QWidget* parent, UiServices& ui, const QString& text) {
    return ui.message(parent, kQuestion, text, 1, QStringLiteral(" JA |NEIN")) == 1;
}

// Asks for the file, writes `text` and opens it in the text viewer.
void save_and_open(QWidget* parent, Session& session, UiServices& ui, const QString& title,
                   const QString& preset, const std::string& text) {
    FileRequest req;
    req.title = title;
    req.default_suffix = QStringLiteral("txt");
    req.filter = QStringLiteral("TXT-Dateien|*.txt");
    req.preset = preset;
    req.folder = QString::fromStdString(session.data_folder().string());
    req.save = true;
    const auto chosen = ui.file_dialog(parent, req);
    if (!chosen || chosen->isEmpty()) return;
    if (Status s = write_file_atomic(fs::path(chosen->toStdString()), text); !s) {
        ui.message(parent, kWarning,
                   QStringLiteral("Die Datei|%1|kann nicht geschrieben werden.").arg(*chosen), 1,
                   QStringLiteral("&OK"));
        return;
    }
    open_url_or_report(ui, parent, QUrl::fromLocalFile(*chosen));
}

}  // namespace

void run_grid_export(QWidget* parent, Session& session, UiServices& ui) {
    save_and_open(parent, session, ui, QStringLiteral("52 Ziehungen als Text abspeichern:"),
                  QStringLiteral("Spalten.Txt"),
                  export_last_draws_grid(session.params, session.archive, session.range));
}

void run_text_export(QWidget* parent, Session& session, UiServices& ui) {
    if (ask_yes_no(parent, ui,
                   QStringLiteral("Sollen alle Ziehungen in einer|Text-Datei abgespeichert werden"))) {
        save_and_open(parent, session, ui, QStringLiteral("Alle Ziehungen als Text abspeichern:"),
                      q(all_draws_file_name(session.params.code)),
                      export_all_draws(session.params, session.archive, session.range));
        return;
    }
    if (ask_yes_no(parent, ui,
                   QStringLiteral("Sollen nur die letzten 52 Ziehungen|     spaltenweise als "
                                  "TXT-Datei|        abgespeichert werden")))
        run_grid_export(parent, session, ui);
}

void run_column_print(QWidget* parent, Session& session, UiServices& ui) {
    if (!ask_yes_no(parent, ui,
                    QStringLiteral("Sollen jetzt die letzten|52 Ziehungen spaltenweise|ausgedruckt werden")))
        return;
    if (ask_yes_no(parent, ui, QStringLiteral("Soll der Ausdruck auf eine|Datei umgeleitet werden"))) {
        run_grid_export(parent, session, ui);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Spaltendruck"));
    if (!ui.print_dialog(parent, printer)) return;
    const DrawGrid grid = last_draws_grid(session.params, session.archive, session.range, "__");
    QPainter p;
    bool ok = p.begin(&printer);
    if (ok) {
        const QRect page(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
        ColumnPrintPainter().paint(p, page, grid);
        ok = p.end();
    }
    if (!ok)
        ui.message(parent, kWarning, QStringLiteral("Druckerfehler!"), 1, QStringLiteral("&OK"));
}

}  // namespace zw
