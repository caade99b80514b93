// Connects the card-index menu entries: "&NRM-Kartei" (50) and "&SYS-Kartei" (51),
// and the comparison with one draw "&NRM-Scheine" (52) and "&SYS-Scheine" (53).
#include "app/commands/commands.h"
#include "cardindex/card_list_window.h"
#include "cardindex/comparison_dialog.h"
#include "session/session.h"
#include "tipping/tip_console_window.h"
#include "ui/host.h"
#include "ui/ui_services.h"

namespace zw {

void install_cardindex_commands(Host& host, CommandTable& table) {
    // "&Tippschein" on a card opens the ticket in the card-index console.
    const ConsoleEditor editor = [&host](const CardTicket& card, CardKind kind, int number) {
        return edit_card_in_console(host, card, kind, number);
    };
    table.set_command(Command::NormalCards, [&host, editor] {
        show_card_list(host.parent_widget(), host.session(), host.ui(), CardKind::Normal, editor);
    });
    // The system card index works on the system ticket (its console, its prices).
    table.set_command(Command::SystemCards, [&host, editor] {
        host.session().ticket.system_mode = true;
        show_card_list(host.parent_widget(), host.session(), host.ui(), CardKind::System, editor);
    });
    table.set_command(Command::CompareNormal, [&host] {
        show_comparison(host.parent_widget(), host.session(), host.ui(), CardKind::Normal);
    });
    table.set_command(Command::CompareSystem, [&host] {
        show_comparison(host.parent_widget(), host.session(), host.ui(), CardKind::System);
    });
}

}  // namespace zw
