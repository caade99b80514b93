// The parser of the command line: the options every command understands,
// one subcommand per entry of the command table with its declared options,
// German messages for what it refuses and the generated help.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli.h"

namespace zw::cli {

// What the parser answers instead of running a command.
struct HelpText {
    std::string text;
    bool refused = false;  // no command named: stderr and exit code 2
};

class CommandLine {
public:
    // `options` receives the common options while parsing.
    explicit CommandLine(Options& options);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Reads argv. A help text, or nothing when a command is to run; a bad
    // argument throws UsageError.
    std::optional<HelpText> parse(int argc, char** argv);
    // The command to run and its arguments (after parse returned nothing).
    const CommandEntry* command() const { return entry_; }
    Args args() const { return Args(sub_); }

private:
    std::unique_ptr<CLI::App> app_;
    CLI::App* help_ = nullptr;
    const CommandEntry* entry_ = nullptr;
    const CLI::App* sub_ = nullptr;
};

}  // namespace zw::cli
