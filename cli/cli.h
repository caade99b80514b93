// The command line's shared state: parsed options and the output streams.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/session.h"

namespace zw::cli {

// A bad argument or an unusable data folder: printed in German, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    std::optional<std::string> data;
    std::optional<int> game;
    std::optional<std::pair<int, int>> range;
    bool json = false;
    std::string command;
    std::vector<std::string> args;  // everything after the command
};

struct Context {
    Session& session;
    const Options& options;
    std::ostream& out;
    std::ostream& err;
};

struct CommandEntry {
    const char* name;
    const char* usage;
    int (*run)(Context&);
    bool needs_draws = true;  // false: works without the game's draw file
};

const std::vector<CommandEntry>& commands();

// Parses "A..B".
std::pair<int, int> parse_range(const std::string& text);
int parse_int(const std::string& text, const char* what);
// Numbers separated by blanks or commas ("7 23", "0,1,2").
std::vector<int> parse_int_list(const std::string& text, const char* what);
// The draw range the command works on: --range, else the game's default.
DrawRange effective_range(Context& ctx);

// Value of "--name VALUE" among the command's arguments (all occurrences).
std::vector<std::string> option_values(const std::vector<std::string>& args, const std::string& name);
std::optional<std::string> option_value(const std::vector<std::string>& args, const std::string& name);
bool has_flag(const std::vector<std::string>& args, const std::string& name);

int run(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace zw::cli
