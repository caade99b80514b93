#include "archive/csv_import_dialog.h"

#include <algorithm>

#include "archive/bonus_editor.h"
#include "archive/calendar.h"
#include "archive/csv_import.h"
#include "archive/draw_files.h"
#include "archive/draw_update.h"
#include "archive/save_draws_dialog.h"
#include "session/session.h"
#include "ui/host.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

// "3561, 3562, 3563 …": at most `shown` numbers.
QString draw_list(const std::vector<int>& draws, size_t shown = 8) {
    QStringList parts;
    for (size_t i = 0; i < draws.size() && i < shown; ++i) parts << QString::number(draws[i]);
    QString text = parts.join(QStringLiteral(", "));
    if (draws.size() > shown) text += QStringLiteral(" …");
    return text;
}

// "9 10 20 30 32 36 / 25": the six numbers and the extra number as shown.
QString numbers_text(const GameParams& params, int n, const Draw& draw) {
    QString t;
    for (int k = 0; k < 6; ++k) t += (k ? QStringLiteral(" ") : QString()) + QString::number(draw.numbers[k]);
    if (draw.extra != 0) t += QStringLiteral(" / ") + QString::number(displayed_extra(params, n, draw.extra));
    return t;
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
    const bool any_new = !preview.added.empty() || !preview.bonus_added.empty();
    const bool any_changed = !preview.changed.empty() || !preview.bonus_changed.empty();
    if (!any_new && !any_changed) {
        ui.message(parent, kInformation,
                   summary + QStringLiteral("|Das Archiv enthält schon alle Ziehungen der Datei."), 1,
                   QStringLiteral("&OK"));
        return false;
    }
    QString question = summary;
    if (!preview.added.empty()) question += QStringLiteral("|Neu: ") + draw_list(preview.added);
    bool take_different = false;
    if (any_changed) {
        // Each differing draw with the stored and the file's numbers.
        question += QStringLiteral("|Abweichend:");
        int listed = 0;
        for (const CsvDraw& d : csv.draws) {
            if (std::find(preview.changed.begin(), preview.changed.end(), d.draw) == preview.changed.end()) continue;
            if (++listed > 8) continue;
            const Draw stored = session.archive.draw(d.draw);
            Draw file = stored;
            file.numbers = d.numbers;
            if (d.extra != 0) file.extra = d.extra;
            question += QStringLiteral("|Ziehung %1 vom %2: gespeichert %3, Datei %4")
                            .arg(d.draw)
                            .arg(q(draw_date(session.params.code, d.draw).text),
                                 numbers_text(session.params, d.draw, stored), numbers_text(session.params, d.draw, file));
        }
        for (const std::string& date : preview.bonus_changed)
            if (++listed <= 8) question += QStringLiteral("|Bonus-Ziehung vom %1").arg(q(date));
        if (listed > 8) question += QStringLiteral("|… und %1 weitere").arg(listed - 8);
        question += QStringLiteral("||Welche Ziehungen sollen übernommen und gespeichert werden?");
        // Overwriting draws is never the default.
        const int answer = ui.message(parent, kQuestion, question, 1,
                                      QStringLiteral("&nur neue Ziehungen übernehmen|"
                                                     "&auch abweichende überschreiben|Abbre&chen"));
        if (answer != 1 && answer != 2) return false;
        take_different = answer == 2;
        if (!take_different && !any_new) {
            ui.message(parent, kInformation, QStringLiteral("Es wurde nichts geändert."), 1, QStringLiteral("&OK"));
            return false;
        }
    } else {
        question += QStringLiteral("||Sollen die Ziehungen übernommen und gespeichert werden?");
        if (ui.message(parent, kQuestion, question, 1, QStringLiteral("&JA|&NEIN")) != 1) return false;
    }
    const CsvDraws take = rows_to_take(session.archive, csv, take_different);
    // A row far past the newest draw is most likely a typo in its date.
    GapPolicy gaps = GapPolicy::kRefuse;
    if (const auto gap = far_gap(session.archive, take)) {
        const QString text = q(gap->text(session.archive.game())) +
                             QStringLiteral("|Wirklich so viele leere Ziehungen anlegen?");
        if (ui.message(parent, kQuestion, text, 2, QStringLiteral("&JA|&NEIN")) != 1) return false;
        gaps = GapPolicy::kAllow;
    }
    const int newest_before = newest_booked_draw(session);
    if (Status s = apply_import(session.archive, take, session.range, gaps); !s) {
        warn(q(s.message()));
        return false;
    }
    if (!save_draws_asking(parent, ui, session, false)) return false;
    if (!take.bonus.empty())
        if (Status s = save_bonus_file(session.data_folder(), session.archive.bonus_draws()); !s) {
            warn(q(s.message()));
            return false;
        }
    // The other German archives that hold these draw days are kept in step.
    QString done = QStringLiteral("Die Ziehungen wurden gespeichert!");
    for (const SiblingImport& sibling :
         import_into_siblings(session.data_folder(), session.params.code, csv, take_different, gaps, false))
        done += QStringLiteral("|") + q(sibling.text());
    // The card indexes book what their tickets won in the new draws.
    for (const std::string& win : book_new_draws(session, newest_before))
        done += QStringLiteral("|") + q(win);
    ui.message(parent, kInformation, done, 1, QStringLiteral("&OK"));
    return true;
}

void import_draws_csv(Host& host) {
    FileRequest request;
    request.title = QStringLiteral("CSV-Import:");
    request.default_suffix = QStringLiteral("csv");
    request.filter = QStringLiteral("CSV-Dateien|*.csv");
    request.folder = QString::fromStdString(host.session().data_folder().string());
    const auto file = host.ui().file_dialog(host.parent_widget(), request);
    if (!file) return;
    import_draws_csv_file(host.session(), host.ui(), host.parent_widget(), *file);
}

}  // namespace zw
