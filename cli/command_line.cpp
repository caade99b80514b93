#include "command_line.h"

#include <CLI/CLI.hpp>

namespace zw::cli {
namespace {

constexpr const char* kGames =
    "Spiele: 0 Lotto Samstag, 1 Lotto Mittwoch, 2 Toto Auswahlwette, 3 Österreich, "
    "4 Lotto Samstag + Mittwoch, 5 Swiss Lotto";

// German words for the generated help.
void german_help(CLI::App& app) {
    auto f = app.get_formatter();
    f->label("Usage", "Aufruf");
    f->label("OPTIONS", "OPTIONEN");
    f->label("SUBCOMMAND", "BEFEHL");
    f->label("SUBCOMMANDS", "BEFEHLE");
    f->label("Positionals", "Angaben");
    f->label("REQUIRED", "nötig");
    f->column_width(34);
    app.option_defaults()->group("Optionen");
    app.set_help_flag("--help", "Diese Hilfe zeigen");
    app.set_version_flag("--version", std::string("ziehwerk-cli ") + ZIEHWERK_VERSION, "Die Version zeigen");
    app.footer(kGames);
}

// A number option refuses other text while parsing, in German.
CLI::Validator whole_number(const std::string& name) {
    return CLI::Validator(
        [name](std::string& value) {
            parse_int(value, name.c_str());
            return std::string();
        },
        "");
}

void add_command(CLI::App& app, const CommandEntry& c) {
    CLI::App* sub = app.add_subcommand(c.name, c.summary);
    sub->group("Befehle");
    sub->get_help_ptr()->group("Optionen");
    if (*c.words)
        sub->add_option(c.words)
            ->description(c.words_help)
            ->type_name("")
            ->expected(0, CLI::detail::expected_max_vector_size)
            ->allow_extra_args()
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    for (const OptionSpec& o : c.options) {
        if (o.kind == ValueKind::kFlag) {
            sub->add_flag(o.name)->description(o.help);
            continue;
        }
        CLI::Option* opt = sub->add_option(o.name)->description(o.help)->type_name(o.value_name);
        if (o.kind == ValueKind::kNumber) opt->check(whole_number(o.name));
    }
}

// The parser's own (English) refusals in German, by the option they name:
// "--rows: 1 required TEXT missing", "Could not convert: --json = maybe".
std::string german(const CLI::ParseError& e) {
    const std::string message = e.what();
    const size_t start = message.find("--");
    if (start == std::string::npos) return "Ungültige Angabe auf der Kommandozeile.";
    const size_t end = message.find_first_of(" :=", start);
    const std::string name = message.substr(start, end == std::string::npos ? end : end - start);
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && message.find(" missing") != std::string::npos)
        return "Zu " + name + " fehlt der Wert.";
    return "Ungültiger Wert für " + name + ".";
}

// The help of the program itself (App::help shows the chosen command's).
std::string overview(const CLI::App& app) {
    return app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
}

bool is_option(const std::string& word) { return word.size() >= 2 && word.rfind("--", 0) == 0; }

}  // namespace

CommandLine::CommandLine(Options& o) : app_(std::make_unique<CLI::App>("", "ziehwerk-cli")) {
    CLI::App& app = *app_;
    german_help(app);
    // Common options may stand before or after the command; repeated options
    // count with their last value; what no command declares is refused below.
    app.fallthrough();
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option_function<std::string>("--data", [&o](const std::string& v) { o.data = v; }, "Datenordner")
        ->type_name("ORDNER");
    app.add_option_function<std::string>("--game", [&o](const std::string& v) {
           const std::optional<GameCode> g = game_code(parse_int(v, "--game"));
           if (!g) throw UsageError("Spiel muss 0 bis 5 sein.");
           o.game = *g;
       }, "Spiel 0 bis 5")->type_name("0..5");
    app.add_option_function<std::string>("--range", [&o](const std::string& v) { o.range = parse_range(v); },
                                         "Ziehungsrahmen")->type_name("ERSTE..LETZTE");
    app.add_flag_callback("--json", [&o] { o.json = true; }, "Ausgabe als JSON");
    for (const CommandEntry& c : commands()) add_command(app, c);
    help_ = app.add_subcommand("help", "Diese Übersicht; help BEFEHL: die Angaben des Befehls");
    help_->group("Befehle");
    help_->get_help_ptr()->group("Optionen");
    help_->add_option("BEFEHL")->description("der Befehl, dessen Angaben gezeigt werden")->type_name("")->expected(0, 1)
        ->allow_extra_args();
}

CommandLine::~CommandLine() = default;

std::optional<HelpText> CommandLine::parse(int argc, char** argv) {
    CLI::App& app = *app_;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForVersion& e) {
        return HelpText{std::string(e.what()) + "\n"};
    } catch (const CLI::CallForHelp&) {
        const auto chosen = app.get_subcommands();
        return HelpText{chosen.empty() ? overview(app) : chosen.front()->help(app.get_name())};
    } catch (const CLI::ParseError& e) {
        throw UsageError(german(e));
    }
    const std::vector<std::string> rest = app.remaining(true);
    const auto chosen = app.get_subcommands();
    if (chosen.empty()) {
        for (const std::string& word : rest)
            if (!is_option(word)) throw UsageError("Unbekannter Befehl \"" + word + "\".");
        return HelpText{overview(app), true};
    }
    sub_ = chosen.front();
    if (!rest.empty())
        throw UsageError("Unbekannte Angabe \"" + rest.front() + "\" für " + sub_->get_name() + ".");
    if (sub_ == help_) {
        const std::string& name = help_->get_option("BEFEHL")->count() ? help_->get_option("BEFEHL")->results().front()
                                                                         : std::string();
        for (const CLI::App* c : app.get_subcommands({}))
            if (c->get_name() == name && c != help_) return HelpText{c->help(app.get_name())};
        if (!name.empty()) throw UsageError("Unbekannter Befehl \"" + name + "\".");
        return HelpText{overview(app)};
    }
    for (const CommandEntry& c : commands())
        if (sub_->get_name() == c.name) entry_ = &c;
    return std::nullopt;
}

}  // namespace zw::cli
