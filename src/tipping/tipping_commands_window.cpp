// Connects the menu entries of this subsystem to its windows: the settings
// dialogs, the tip console (normal and system tickets) and the evaluation of
// the ticket in progress.
#include "app/main_window.h"
#include "tipping/fees_dialog.h"
#include "tipping/quota_dialog.h"
#include "tipping/ticket_picture_widget.h"
#include "tipping/tip_console_window.h"

namespace zw {

void install_tipping_commands(MainWindow& window) {
    window.ticket_picture()->set_extra_line([&window] { return expected_return_of_ticket(window.session()); });
    // The settings dialogs and the save leave the main display as it is.
    window.set_command(39, [&window] {
        window.set_no_relayout();
        QuotaDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(40, [&window] {
        window.set_no_relayout();
        FeesDialog dialog(window.session(), window.ui(), &window);
        dialog.exec();
    });
    window.set_command(2, [&window] {
        window.set_no_relayout();
        if (Status s = window.session().save_money_tables(); !s)
            window.ui().message(&window, kWarning, QString::fromStdString(s.message()));
    });
    // The main window switches the mode before it runs these.
    window.set_command(44, [&window] { open_console(window); });
    window.set_command(45, [&window] { open_console(window); });
    window.set_command(47, [&window] { evaluate_ticket(window); });
}

}  // namespace zw
