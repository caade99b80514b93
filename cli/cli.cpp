#include "cli.h"

#include <charconv>
#include <sstream>

#include "base/folder_lock.h"
#include "command_line.h"
#include "session/data_folder.h"

namespace zw::cli {

int parse_int(const std::string& text, const char* what) {
    int v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || p != text.data() + text.size())
        throw UsageError(std::string("Ungültige Zahl für ") + what + ": \"" + text + "\"");
    return v;
}

std::vector<int> parse_numbers(const std::string& text, const char* what) {
    std::string spaced = text;
    for (char& c : spaced)
        if (c == ',' || c == ';') c = ' ';
    std::istringstream in(spaced);
    std::vector<int> out;
    std::string word;
    while (in >> word) out.push_back(parse_int(word, what));
    return out;
}

std::pair<int, int> parse_range(const std::string& text) {
    const auto dots = text.find("..");
    if (dots == std::string::npos)
        throw UsageError("Ungültiger Ziehungsrahmen \"" + text + "\" (erwartet: ERSTE..LETZTE)");
    const int first = parse_int(text.substr(0, dots), "--range");
    const int last = parse_int(text.substr(dots + 2), "--range");
    if (first < 1 || last < first)
        throw UsageError("Ungültiger Ziehungsrahmen \"" + text + "\"");
    return {first, last};
}

DrawRange effective_range(Context& ctx) {
    DrawRange r = ctx.session.range;
    if (ctx.options.range) {
        const auto [first, last] = *ctx.options.range;
        const int newest = ctx.session.archive.default_range().last;
        if (last > newest)
            throw UsageError("Der Ziehungsrahmen endet nach der neuesten Ziehung " +
                             std::to_string(newest) + ".");
        r.set(first, last);
    }
    return r;
}

std::string message_lines(std::string_view message) {
    std::string text(message);
    for (char& c : text)
        if (c == '|') c = '\n';
    return text;
}

namespace {

fs::path resolve_data_folder(const Options& o) {
    if (o.data) {
        std::error_code ec;
        if (!fs::is_directory(*o.data, ec))
            throw UsageError("Der Datenordner \"" + *o.data + "\" existiert nicht.");
        return *o.data;
    }
    // The user's data folder, filled from the shipped data the first time,
    // exactly as the window program does it; the installed data is only read
    // from, never written to.
    const fs::path user = default_user_data_folder();
    Status status;
    seed_data_folder(user, shipped_data_folder(), &status);
    if (!status) throw UsageError(status.message());
    return user;
}

}  // namespace

std::string plain_text(std::string message) {
    for (char& c : message)
        if (c == '|') c = ' ';
    return message;
}

int run(int argc, char** argv, std::ostream& out, std::ostream& err, const Network* network) {
    try {
        Options o;
        CommandLine line(o);
        if (const auto help = line.parse(argc, argv)) {
            (help->refused ? err : out) << help->text;
            return help->refused ? 2 : 0;
        }
        const CommandEntry& entry = *line.command();
        const Args args = line.args();

        const fs::path folder = resolve_data_folder(o);
        // One writer per data folder: a command that changes files waits a
        // moment for a running copy of the program, then refuses. With the
        // lock, an interrupted save is finished before anything is read.
        FolderLock lock(folder);
        const bool writes = entry.writes(args.words());
        if (writes) {
            if (!lock.acquire_with_timeout(std::chrono::seconds(3)) && lock.busy())
                throw UsageError(folder_busy_text(lock.holder()) +
                                 "|Der Befehl ändert Dateien des Datenordners und wurde nicht ausgeführt.");
        } else {
            lock.try_acquire();
        }
        if (lock.held()) {
            recover_interrupted_saves(folder);
            remove_temporary_files(folder);
        }
        if (!writes) lock.release();

        Session session(folder);
        // The command line changes no file at start-up; what the window
        // program would repair and what could not be read goes to stderr.
        for (const auto& w : session.start_up(false)) err << "Warnung: " << message_lines(w) << "\n";
        const GameCode game = o.game ? *o.game
                                : initial_game([&](std::string_view f) {
                                      return file_exists(session.data_folder(), f);
                                  }, "");
        SelectOutcome sel = session.select_game(game);
        if (!sel.status && !sel.draw_file_missing) throw UsageError(sel.status.message());
        if (sel.draw_file_missing && entry.needs_draws) throw UsageError(sel.status.message());
        for (const auto& w : sel.warnings) err << "Warnung: " << message_lines(w) << "\n";
        Context ctx{session, o, args, out, err, network};
        return entry.run(ctx);
    } catch (const UsageError& e) {
        err << "ziehwerk-cli: " << message_lines(e.what()) << "\n";
        return 2;
    }
}

}  // namespace zw::cli
