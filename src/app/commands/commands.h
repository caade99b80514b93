// The one place that knows every subsystem: connects the menu ids to the
// subsystems' windows.
#pragma once

#include <functional>

#include "app/command.h"

namespace zw {

class Host;

// Where the commands are registered: the main window's menu.
class CommandTable {
  public:
    virtual ~CommandTable() = default;
    // Provides what a command does (enables its menu entry).
    virtual void set_command(Command command, std::function<void()> run) = 0;
};

void install_archive_commands(Host& host, CommandTable& table);
void install_stats_commands(Host& host, CommandTable& table);
void install_tipping_commands(Host& host, CommandTable& table);
void install_evaluation_commands(Host& host, CommandTable& table);
void install_cardindex_commands(Host& host, CommandTable& table);
// All of the above.
void install_commands(Host& host, CommandTable& table);

}  // namespace zw
