// The command line's shared state: parsed options and the output streams.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/session.h"
#include "archive/result_pages.h"

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

// Downloads for the commands that use the Internet (update, fetch); the
// program supplies them, tests supply a stand-in.
struct Network {
    std::function<Download(const std::string& url, int timeout_seconds)> get;
    // The configured addresses of a data folder (Ziehwerk.ini).
    std::function<NetAddresses(const fs::path& folder)> addresses;
};

struct Context {
    Session& session;
    const Options& options;
    std::ostream& out;
    std::ostream& err;
    const Network* network = nullptr;
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
// Numbers separated by blanks, commas or semicolons.
std::vector<int> parse_numbers(const std::string& text, const char* what);
// The draw range the command works on: --range, else the game's default.
DrawRange effective_range(Context& ctx);

// Value of "--name VALUE" among the command's arguments (all occurrences).
std::vector<std::string> option_values(const std::vector<std::string>& args, const std::string& name);
std::optional<std::string> option_value(const std::vector<std::string>& args, const std::string& name);
bool has_flag(const std::vector<std::string>& args, const std::string& name);

// A message of the program as terminal lines: "|" starts a new line.
std::string message_lines(std::string_view message);

// A message text with its "|" line breaks as blanks.
std::string plain_text(std::string message);

int run(int argc, char** argv, std::ostream& out, std::ostream& err,
        const Network* network = nullptr);

}  // namespace zw::cli
