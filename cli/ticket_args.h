// The ticket options that evaluate and odds share: --row, --system with
// --full or --partial K, --los, --lucky, --lottoplus and the side games.
#pragma once

#include <string>

#include "cli.h"
#include "evaluation/evaluation.h"

namespace zw::cli {

// Reads the command's options into a ticket. --full and --partial belong to
// the --system before them. `command` names the command in messages.
EvaluationTicket parse_ticket(const Context& ctx, const std::string& command);

}  // namespace zw::cli
