#include "app/commands/commands.h"

namespace zw {

void install_commands(Host& host, CommandTable& table) {
    install_archive_commands(host, table);
    install_stats_commands(host, table);
    install_tipping_commands(host, table);
    install_evaluation_commands(host, table);
    install_cardindex_commands(host, table);
}

}  // namespace zw
