// Connects the menu ids to the windows of the subsystems.
#include "app/main_window.h"

namespace zw {

void install_archive_commands(MainWindow& window);
void install_stats_commands(MainWindow& window);
void install_tipping_commands(MainWindow& window);
void install_evaluation_commands(MainWindow& window);
void install_cardindex_commands(MainWindow& window);

void install_commands(MainWindow& window) {
    install_archive_commands(window);
    install_stats_commands(window);
    install_tipping_commands(window);
    install_evaluation_commands(window);
    install_cardindex_commands(window);
}

}  // namespace zw
