// Connects the menu entries of this subsystem to its windows.
#include "app/commands/commands.h"
#include "archive/bonus_editor_dialog.h"
#include "archive/csv_import_dialog.h"
#include "archive/draw_entry_dialog.h"
#include "archive/draw_viewer_window.h"
#include "archive/net_update_dialog.h"
#include "session/session.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw {

void install_archive_commands(Host& host, CommandTable& table) {
    table.set_command(Command::ShowDraws, [&host] {
        host.leave_system_mode();
        show_draw_viewer(host);
    });
    table.set_command(Command::EnterDraws, [&host] { enter_draws(host); });
    table.set_command(Command::BonusDraws, [&host] { edit_bonus_draws(host); });
    table.set_command(Command::NetUpdate, [&host] { net_update(host); });
    table.set_command(Command::CsvImport, [&host] { import_draws_csv(host); });
}

}  // namespace zw
