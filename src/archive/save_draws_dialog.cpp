#include "archive/save_draws_dialog.h"

#include <QString>

#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

bool yes(QWidget* parent, UiServices& ui, const QString& text) {
    return ui.message(parent, kQuestion, text, 2, QStringLiteral("&JA|&NEIN")) == 1;
}

}  // namespace

bool save_draws_asking(QWidget* parent, UiServices& ui, Session& session, bool report_success) {
    // Files the archive did not read (a refused or missing draw file, side
    // files with more values) are replaced only when the user says so.
    const auto check = session.archive.check_save(session.data_folder());
    if (!check.refusal.empty()) {
        ui.message(parent, kWarning, q(check.refusal), 1, QStringLiteral("&OK"));
        return false;
    }
    SaveConsent consent;
    if (!check.replaced.empty()) {
        QString text;
        for (const auto& r : check.replaced) text += q(r) + QLatin1Char('|');
        if (!yes(parent, ui, text + QStringLiteral("Trotzdem speichern?"))) return false;
        consent.replace_unread = true;
    }
    Status s = session.save_draws(consent);
    // Another program changed the files since they were loaded: overwritten
    // only when the user says so.
    if (s.kind() == FailureKind::kChangedOnDisk) {
        if (!yes(parent, ui, q(s.message()) + QStringLiteral("|Trotzdem überschreiben?"))) return false;
        consent.overwrite_changed = true;
        s = session.save_draws(consent);
    }
    if (!s) {
        ui.message(parent, kWarning, q(s.message()), 1, QStringLiteral("&OK"));
        return false;
    }
    if (report_success)
        ui.message(parent, kInformation, QStringLiteral("Die Ziehungen wurden gespeichert!"), 1,
                   QStringLiteral("&OK"));
    return true;
}

}  // namespace zw
