// The command line's shared state: parsed options and the output streams.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/result_pages.h"
#include "games/game_catalogue.h"
#include "session/session.h"

namespace CLI {
class App;
}

namespace zw::cli {

// A bad argument or an unusable data folder: printed in German, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The options every command understands, before or after the command name.
struct Options {
    std::optional<std::string> data;
    std::optional<GameCode> game;
    std::optional<std::pair<int, int>> range;
    bool json = false;
};

// What the command line gave one command: its declared options and the
// words after its name. Values of number options were checked while parsing.
class Args {
public:
    Args() = default;
    explicit Args(const CLI::App* command) : command_(command) {}
    // The last value given for the option, if any.
    std::optional<std::string> text(const std::string& name) const;
    std::optional<int> number(const std::string& name) const;
    bool flag(const std::string& name) const;
    // The words that are not options, in order.
    std::vector<std::string> words() const;
    // Every option as given, in order: its name and its value ("" for a flag).
    std::vector<std::pair<std::string, std::string>> in_order() const;

private:
    const CLI::App* command_ = nullptr;
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
    const Args& args;
    std::ostream& out;
    std::ostream& err;
    const Network* network = nullptr;
};

enum class ValueKind { kFlag, kText, kNumber };

// One option of a command, declared for the parser and its generated help.
struct OptionSpec {
    const char* name;  // "--rows"
    ValueKind kind;
    const char* value_name;  // shown in the help: "DATEI", "ANZAHL"; empty for a flag
    const char* help;
};

constexpr OptionSpec flag(const char* name, const char* help) { return {name, ValueKind::kFlag, "", help}; }
constexpr OptionSpec text(const char* name, const char* value, const char* help) {
    return {name, ValueKind::kText, value, help};
}
// A whole number; another value is refused with "Ungültige Zahl für NAME".
constexpr OptionSpec number(const char* name, const char* value, const char* help) {
    return {name, ValueKind::kNumber, value, help};
}

struct CommandEntry {
    const char* name;
    const char* summary;  // one line in the command list
    int (*run)(Context&);
    bool needs_draws = true;  // false: works without the game's draw file
    bool writes_data = false;  // changes files of the data folder: needs the folder's lock
    const char* words = "";   // the words after the name ("N", "DATEI"); empty: none
    const char* words_help = "";
    std::vector<OptionSpec> options = {};
    // Words that make a reading command a writing one ("delete|refresh"): with
    // one of them the command takes the folder's lock like writes_data.
    const char* writing_words = "";
    bool writes(const std::vector<std::string>& given) const;
};

const std::vector<CommandEntry>& commands();

// Parses "A..B".
std::pair<int, int> parse_range(const std::string& text);
int parse_int(const std::string& text, const char* what);
// Numbers separated by blanks, commas or semicolons.
std::vector<int> parse_numbers(const std::string& text, const char* what);
// The draw range the command works on: --range, else the game's default.
DrawRange effective_range(Context& ctx);

// A message of the program as terminal lines: "|" starts a new line.
std::string message_lines(std::string_view message);

// A message text with its "|" line breaks as blanks.
std::string plain_text(std::string message);

int run(int argc, char** argv, std::ostream& out, std::ostream& err,
        const Network* network = nullptr);

}  // namespace zw::cli
