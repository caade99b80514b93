// Connects the menu entries of this subsystem to its windows: the settings
// dialogs, the tip console (normal and system tickets) and the evaluation of
// the ticket in progress.
#include "app/commands/commands.h"
#include "session/session.h"
#include "tipping/fees_dialog.h"
#include "tipping/quota_dialog.h"
#include "tipping/ticket_picture_widget.h"
#include "tipping/tip_console_window.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw {

void install_tipping_commands(Host& host, CommandTable& table) {
    host.ticket_picture()->set_extra_line(
        [&host] { return expected_return_of_ticket(host.session()); });
    // The settings dialogs and the save leave the main display as it is.
    table.set_command(Command::Quotas, [&host] {
        host.keep_layout();
        QuotaDialog dialog(host.session(), host.ui(), host.parent_widget());
        dialog.exec();
    });
    table.set_command(Command::Fees, [&host] {
        host.keep_layout();
        FeesDialog dialog(host.session(), host.ui(), host.parent_widget());
        dialog.exec();
    });
    table.set_command(Command::SaveSettings, [&host] {
        host.keep_layout();
        if (Status s = host.session().save_money_tables(); !s)
            host.ui().message(host.parent_widget(), kWarning, QString::fromStdString(s.message()));
    });
    // Each console command sets the ticket's mode before the console opens.
    table.set_command(Command::NormalTicket, [&host] {
        host.session().ticket.system_mode = false;
        open_console(host);
    });
    table.set_command(Command::SystemTicket, [&host] {
        host.session().ticket.system_mode = true;
        open_console(host);
    });
    table.set_command(Command::Evaluate, [&host] { evaluate_ticket(host); });
}

}  // namespace zw
