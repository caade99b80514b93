#include <map>

#include <CLI/CLI.hpp>

#include "cli.h"

namespace zw::cli {
namespace {

const CLI::Option* given(const CLI::App* command, const std::string& name) {
    if (!command) return nullptr;
    const CLI::Option* o = command->get_option_no_throw(name);
    return o && o->count() > 0 ? o : nullptr;
}

}  // namespace

std::optional<std::string> Args::text(const std::string& name) const {
    const CLI::Option* o = given(command_, name);
    if (!o || o->results().empty()) return std::nullopt;
    return o->results().back();
}

std::optional<int> Args::number(const std::string& name) const {
    const auto value = text(name);
    if (!value) return std::nullopt;
    return parse_int(*value, name.c_str());
}

bool Args::flag(const std::string& name) const { return given(command_, name) != nullptr; }

std::vector<std::string> Args::words() const {
    if (!command_) return {};
    for (const CLI::Option* o : command_->get_options())
        if (o->get_positional()) return o->results();
    return {};
}

std::vector<std::pair<std::string, std::string>> Args::in_order() const {
    std::vector<std::pair<std::string, std::string>> given_options;
    if (!command_) return given_options;
    std::map<const CLI::Option*, size_t> used;
    for (const CLI::Option* o : command_->parse_order()) {
        if (o->get_positional()) continue;
        const size_t i = used[o]++;
        const bool has_value = o->get_type_size_max() > 0 && i < o->results().size();
        given_options.emplace_back(o->get_name(), has_value ? o->results()[i] : std::string());
    }
    return given_options;
}

}  // namespace zw::cli
