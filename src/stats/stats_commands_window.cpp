// Connects the menu entries of this subsystem to its windows.
#include "app/main_window.h"

namespace zw {

void install_stats_commands(MainWindow& window) {
    (void)window;
}

}  // namespace zw
