// The file questions of the card-index windows: "Kartei laden", "Kartei
// sichern" / "Kartei abspeichern" and "Kartei löschen", each repeating until
// the answer passes the name rule (an empty answer cancels).
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "cardindex/card_index.h"

class QWidget;

namespace zw {

class Session;
struct UiServices;

enum class CardFilePurpose { Load, Save, Delete };

// The chosen file name in the data folder, or nullopt when cancelled.
std::optional<std::string> ask_card_file(QWidget* parent, UiServices& ui, const Session& session, CardKind kind,
                                         CardFilePurpose purpose);

// "&Laden": loads the chosen file; a refusal is shown and the index kept. True when loaded.
bool load_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index);
// "&Sichern": writes to the current file, or asks for a name when there is none
// (or `ask` is set); a new name is confirmed with "Neue Kartei anlegen". True when written.
bool save_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index, bool ask);
// "L&öschen": asks, then deletes the chosen file. True when a file was deleted.
bool delete_cards(QWidget* parent, UiServices& ui, Session& session, CardIndex& index);
// Before the program closes or the game changes: for each card index with
// unsaved changes, "V O R S I C H T !" naming it (NRM or SYS) with "&Zurück",
// "&Sichern" (saves it; a failed or cancelled save goes back) and "&Egal".
// True when the caller may go on.
bool warn_unsaved_cards(QWidget* parent, UiServices& ui, Session& session);
// save_card_index; when another program changed the file since it was
// loaded, the user is asked whether to overwrite it (declined: the failure).
Status save_card_index_asking(QWidget* parent, UiServices& ui, Session& session, CardIndex& index,
                              const std::string& name = {}, bool replace_confirmed = false);

}  // namespace zw
