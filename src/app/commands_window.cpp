// Connects the menu ids to the windows of the subsystems.
#include "app/main_window.h"

namespace zw {

void install_commands(MainWindow& window) {
    (void)window;
}

}  // namespace zw
