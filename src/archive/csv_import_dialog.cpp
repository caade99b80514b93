#include "archive/csv_import_dialog.h"

#include "app/main_window.h"
#include "app/session.h"
#include "archive/save_draws_dialog.h"
#include "archive/csv_import.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// "3561, 3562, 3563 …": at most `shown` numbers.
QString draw_list(const std::vector<int>& draws, size_t shown = 8) {
    QStringList parts;
    for (size_t i = 0; i < draws.size() && i < shown; ++i) parts << QString::number(draws[i]);
    QString text = parts.join(QStringLiteral(", "));
    if (draws.size() > shown) text += QStringLiteral(" …");
    return text;
}

}  // namespace

bool import_draws_csv_file(Session& session, UiServices& ui, QWidget* parent, const QString& file) {
    auto warn = [&](const QString& text) { ui.message(parent, kWarning, text, 1, QStringLiteral("&OK")); };
    const auto bytes = read_file(file.toStdString(), 16u << 20);
    if (!bytes) {
        warn(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(file));
        return false;
    }
    CsvDraws csv;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (Status s = parse_draws_csv(text, session.params, csv); !s) {
        warn(q(s.message()));
        return false;
    }
    const ImportPreview preview = preview_import(session.archive, csv);
    QString summary = q(preview.summary());
    if (!csv.skipped_lines.empty())
        summary += QStringLiteral("|(%1 Zeilen ohne Ziehung dieses Spiels übersprungen)")
                       .arg(csv.skipped_lines.size());
    if (preview.added.empty() && preview.changed.empty()) {
        ui.message(parent, kInformation,
                   summary + QStringLiteral("|Das Archiv enthält schon alle Ziehungen der Datei."), 1,
                   QStringLiteral("&OK"));
        return false;
    }
    QString question = summary;
    if (!preview.added.empty()) question += QStringLiteral("|Neu: ") + draw_list(preview.added);
    if (!preview.changed.empty())
        question += QStringLiteral("|Abweichend (werden überschrieben): ") + draw_list(preview.changed);
    question += QStringLiteral("||Sollen die Ziehungen übernommen und gespeichert werden?");
    // Overwriting draws is never the default.
    const int default_button = preview.changed.empty() ? 1 : 2;
    if (ui.message(parent, kQuestion, question, default_button, QStringLiteral("&JA|&NEIN")) != 1)
        return false;
    // A row far past the newest draw is most likely a typo in its date.
    GapPolicy gaps = GapPolicy::kRefuse;
    if (preview.gap) {
        const QString gap = q(preview.gap->text(session.archive.game())) +
                            QStringLiteral("|Wirklich so viele leere Ziehungen anlegen?");
        if (ui.message(parent, kQuestion, gap, 2, QStringLiteral("&JA|&NEIN")) != 1) return false;
        gaps = GapPolicy::kAllow;
    }
    if (Status s = apply_import(session.archive, csv, session.range, gaps); !s) {
        warn(q(s.message()));
        return false;
    }
    return save_draws_asking(parent, ui, session);
}

void import_draws_csv(MainWindow& window) {
    FileRequest request;
    request.title = QStringLiteral("CSV-Import:");
    request.default_suffix = QStringLiteral("csv");
    request.filter = QStringLiteral("CSV-Dateien|*.csv");
    request.folder = QString::fromStdString(window.session().data_folder().string());
    const auto file = window.ui().file_dialog(&window, request);
    if (!file) return;
    import_draws_csv_file(window.session(), window.ui(), &window, *file);
}

}  // namespace zw
