// Connects the menu entries of this subsystem to its windows.
#include "app/main_window.h"
#include "archive/bonus_editor_dialog.h"
#include "archive/csv_import_dialog.h"
#include "archive/draw_entry_dialog.h"
#include "archive/draw_viewer_window.h"
#include "archive/net_update_dialog.h"

namespace zw {

void install_archive_commands(MainWindow& window) {
    window.set_command(19, [&window] {
        window.leave_system_mode();
        show_draw_viewer(window);
    });
    window.set_command(21, [&window] { enter_draws(window); });
    window.set_command(25, [&window] { edit_bonus_draws(window); });
    window.set_command(70, [&window] { net_update(window); });
    window.set_command(90, [&window] { import_draws_csv(window); });
}

}  // namespace zw
