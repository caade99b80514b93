#include "cardindex/card_file_dialog.h"

#include "cardindex/card_store.h"
#include "session/session.h"
#include "ui/text.h"
#include "ui/ui_services.h"

namespace zw {
namespace {

void warn(QWidget* parent, UiServices& ui, const std::string& text) {
    ui.message(parent, kWarning, q(text), 1, QStringLiteral("&OK"));
}

}  // namespace

std::optional<std::string> ask_card_file(QWidget* parent, UiServices& ui, const Session& session, CardKind kind,
                                         CardFilePurpose purpose) {
    const bool normal = kind == CardKind::Normal;
    FileRequest r;
    r.title = purpose == CardFilePurpose::Load   ? QStringLiteral("Kartei laden")
              : purpose == CardFilePurpose::Save ? (normal ? QStringLiteral("Kartei sichern") : QStringLiteral("Kartei abspeichern"))
                                                 : QStringLiteral("Kartei löschen");
    r.default_suffix = normal ? QStringLiteral("NRM") : QStringLiteral("sys");
    r.filter = normal ? QStringLiteral("NRM-Dateien|*.NRM") : QStringLiteral("SYS-Dateien|*.sys");
    r.folder = q(session.data_folder().string());
    // The existing spelling of the default file, so that the selector sees it.
    const std::string preset = default_card_file(session.params.code, kind);
    const auto existing = find_file(session.data_folder(), preset);
    r.preset = q(existing ? existing->filename().string() : preset);
    r.save = purpose == CardFilePurpose::Save;
    for (;;) {
        const auto answer = ui.file_dialog(parent, r);
        if (!answer || answer->trimmed().isEmpty()) return std::nullopt;
        const fs::path path(answer->trimmed().toStdString());
        // Card files live in the data folder only.
        std::error_code ec;
        const bool elsewhere = path.has_parent_path() && !fs::equivalent(path.parent_path(), session.data_folder(), ec);
        std::string name = path.filename().string();
        if (name.find('.') == std::string::npos) name += normal ? ".NRM" : ".sys";
        if (!elsewhere && check_card_name(name, session.params.code, kind)) return name;
        warn(parent, ui, kBadCardName);
    }
}

bool load_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index) {
    const auto name = ask_card_file(parent, ui, session, index.kind(), CardFilePurpose::Load);
    if (!name) return false;
    if (Status s = load_card_index(session.data_folder(), session.params.code, index, *name); !s) {
        warn(parent, ui, s.message());
        return false;
    }
    return true;
}

Status save_card_index_asking(QWidget* parent, UiServices& ui, Session& session, CardIndex& index,
                              const std::string& name, bool replace_confirmed) {
    Status s = save_card_index(session.data_folder(), session.params.code, index, name, replace_confirmed);
    if (s.kind() != FailureKind::kChangedOnDisk) return s;
    if (ui.message(parent, kQuestion, q(s.message()) + QStringLiteral("|Trotzdem überschreiben?"), 2,
                   QStringLiteral("&JA|&NEIN")) != 1)
        return s;
    index.set_stamp(stamp_file(index.file()));
    return save_card_index(session.data_folder(), session.params.code, index, name, replace_confirmed);
}

bool save_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index, bool ask) {
    std::string name;
    bool confirmed = false;
    if (ask || index.file().empty()) {
        const auto chosen = ask_card_file(parent, ui, session, index.kind(), CardFilePurpose::Save);
        if (!chosen) return false;
        // File names match without regard to case, as the load does: another
        // existing file (also one that could not be read) is replaced only on a yes.
        if (const auto replaced = card_file_replaced(session.data_folder(), session.params.code, index, *chosen)) {
            if (ui.message(parent, kQuestion, q(*replaced + "|Soll sie ersetzt werden?"), 2,
                           QStringLiteral("&JA|&NEIN")) != 1)
                return false;
            confirmed = true;
        } else if (!file_exists(session.data_folder(), *chosen) &&
                   ui.message(parent, kQuestion, QStringLiteral("Neue Kartei anlegen"), 1, QStringLiteral(" JA |NEIN")) != 1) {
            return false;
        }
        name = *chosen;
    }
    if (Status s = save_card_index_asking(parent, ui, session, index, name, confirmed); !s) {
        warn(parent, ui, s.message());
        return false;
    }
    return true;
}

bool delete_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index) {
    if (ui.message(parent, kQuestion, QStringLiteral("Ganze Kartei löschen? "), 2, QStringLiteral(" &Ja |&Nein")) != 1)
        return false;
    const auto name = ask_card_file(parent, ui, session, index.kind(), CardFilePurpose::Delete);
    if (!name) return false;
    bool deleted = false;
    if (Status s = delete_card_file(session.data_folder(), session.params.code, index, *name, &deleted); !s) {
        warn(parent, ui, s.message());
        return false;
    }
    return deleted;
}

bool warn_unsaved_cards(QWidget* parent, UiServices& ui, Session& session) {
    for (CardIndex* index : {&session.normal_cards, &session.system_cards}) {
        if (index->saved()) continue;
        const QString which = index->kind() == CardKind::Normal ? QStringLiteral("NRM") : QStringLiteral("SYS");
        const int answer =
            ui.message(parent, kWarning,
                       QStringLiteral("V O R S I C H T !|Die %1-Kartei ist noch nicht gespeichert !").arg(which), 1,
                       QStringLiteral("&Zurück|&Sichern|&Egal"));
        if (answer == 3) continue;
        if (answer != 2 || !save_cards(parent, ui, session, *index, false)) return false;
    }
    return true;
}

}  // namespace zw
