// Connects the card-index menu entries: "&NRM-Kartei" (50) and "&SYS-Kartei" (51),
// and the comparison with one draw "&NRM-Scheine" (52) and "&SYS-Scheine" (53).
#include "app/main_window.h"
#include "cardindex/card_list_window.h"
#include "cardindex/comparison_dialog.h"
#include "tipping/tip_console_window.h"

namespace zw {

void install_cardindex_commands(MainWindow& window) {
    // "&Tippschein" on a card opens the ticket in the card-index console.
    const ConsoleEditor editor = [&window](const CardTicket& card, CardKind kind, int number) {
        return edit_card_in_console(window, card, kind, number);
    };
    window.set_command(50, [&window, editor] {
        show_card_list(&window, window.session(), window.ui(), CardKind::Normal, editor);
    });
    window.set_command(51, [&window, editor] {
        show_card_list(&window, window.session(), window.ui(), CardKind::System, editor);
    });
    window.set_command(52, [&window] { show_comparison(&window, window.session(), window.ui(), CardKind::Normal); });
    window.set_command(53, [&window] { show_comparison(&window, window.session(), window.ui(), CardKind::System); });
}

}  // namespace zw
