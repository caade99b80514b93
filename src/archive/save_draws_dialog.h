// Saving the draws from a window: asks before files the archive did not read
// are replaced and before files another program changed are overwritten,
// then reports the outcome ("Die Ziehungen wurden gespeichert!").
#pragma once

class QWidget;

namespace zw {

class Session;
struct UiServices;

// True when the draws were saved; every refusal, failure and "no" is shown
// or asked here, and the success too unless the caller reports it itself.
bool save_draws_asking(QWidget* parent, UiServices& ui, Session& session, bool report_success = true);

}  // namespace zw
