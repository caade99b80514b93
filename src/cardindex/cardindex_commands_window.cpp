// Connects the card-index menu entries: "&NRM-Kartei" (50) and "&SYS-Kartei" (51).
#include "app/main_window.h"
#include "cardindex/card_list_window.h"

namespace zw {

void install_cardindex_commands(MainWindow& window) {
    window.set_command(50, [&window] { show_card_list(&window, window.session(), window.ui(), CardKind::Normal); });
    window.set_command(51, [&window] { show_card_list(&window, window.session(), window.ui(), CardKind::System); });
}

}  // namespace zw
