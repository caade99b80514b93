// Runs ziehwerk-cli in-process and captures its output.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace zw::test {

struct CliRun {
    int code = 0;
    std::string out, err;
};

inline CliRun run_cli(std::vector<std::string> args) {
    args.insert(args.begin(), "ziehwerk-cli");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    std::ostringstream out, err;
    CliRun r;
    r.code = cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace zw::test
