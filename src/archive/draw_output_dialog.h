// The outputs of the draw viewer and the draw entry: the text export
// (all draws, or the grid of the last 52 draws), opened afterwards in the
// desktop's text viewer, and the column print of the last 52 draws.
#pragma once

#include <QString>

class QWidget;

namespace zw {

class Session;
struct UiServices;

// "cmd2": asks which export, lets the user choose the file, writes it and opens it.
void run_text_export(QWidget* parent, Session& session, UiServices& ui);
// "cmd1" and the entry's "D": asks, then prints through the printer dialog or
// writes the grid export instead.
void run_column_print(QWidget* parent, Session& session, UiServices& ui);
// The grid export from its file selector on (also the redirected column print).
void run_grid_export(QWidget* parent, Session& session, UiServices& ui);

}  // namespace zw
