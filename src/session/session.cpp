#include "session/session.h"

#include <unistd.h>

#include <algorithm>

#include "cardindex/card_refresh.h"
#include "cardindex/card_store.h"
#include "evaluation/eval_draws.h"
#include "games/system_catalogue.h"
#include "session/data_folder.h"
#include "tipping/par_files.h"

namespace zw {

Session::Session(fs::path data_folder) : folder_(std::move(data_folder)), lock_(folder_) {
    apply_game(params, kLottoSaturday);
    archive.clear_for(params);
    ticket.set_game(params);
}

std::vector<std::string> Session::start_up(bool change_files) {
    std::vector<std::string> messages;
    if (change_files && !lock_.try_acquire() && lock_.busy() &&
        lock_.holder().pid != static_cast<long>(::getpid())) {
        read_only_ = true;
        messages.push_back(
            folder_busy_text(lock_.holder()) +
            "|Dieses Fenster öffnet die Daten nur zum Lesen; Speichern ist gesperrt.");
    }
    if (change_files && lock_.held()) {
        // A save that was interrupted is finished, its leftovers removed,
        // then the backup migration of older versions.
        recover_interrupted_saves(folder_);
        remove_temporary_files(folder_);
        migrate_backups(folder_);
    } else if (!change_files) {
        for (const auto& name : planned_backup_migrations(folder_))
            messages.push_back("Die Sicherung " + name +
                               ".kat würde beim Start des Programms als " + name +
                               " wiederhergestellt.");
    }
    if (Status s = load_money_tables(folder_, money); !s) messages.push_back(s.message());
    if (Status s = load_partial_systems(folder_, partial_systems); !s)
        messages.push_back(s.message());
    if (Status s = load_weight_matrix(folder_, weights); !s) messages.push_back(s.message());
    modules = ModulePresence::probe([&](std::string_view f) { return file_exists(folder_, f); });
    return messages;
}

void Session::reset_range() {
    const DrawRangeDefault d = archive.default_range();
    range.set(d.first, d.last);
    if (params.swiss) range.set(kSwissLuckyStart, range.last);
}

SelectOutcome Session::select_game(GameCode code) {
    SelectOutcome out;
    GameParams next;
    apply_game(next, code);
    load_game_money_files(folder_, next, money, out.warnings);
    if (!find_file(folder_, next.info().draw_file)) {
        enter_game(next, out.warnings);
        archive.clear_for(params, 0);
        reset_range();
        stamp_draw_files();  // a file that appears meanwhile is another program's
        out.draw_file_missing = true;
        out.status = Status::failure(to_upper_ascii(next.info().draw_file) +
                                     " ist|nicht im aktuellen|Ordner oder Laufwerk!");
        return out;
    }
    out.status = archive.load_draws(folder_, next, &out.warnings);
    if (!out.status) return out;
    enter_game(next, out.warnings);
    reset_range();
    stamp_draw_files();
    return out;
}

void Session::enter_game(const GameParams& next, std::vector<std::string>& warnings) {
    params = next;
    ticket.set_game(params);
    ticket_options = TicketOptions{};
    generator.state.set_game(params);
    load_default_card_indexes(folder_, params.code, normal_cards, system_cards, warnings);
}

int Session::bundesland() const {
    return std::clamp<int>(archive.bundesland, 0, kBundeslandCount - 1);
}

Status Session::save_money_tables() {
    return save_money_files(folder_, money, params);
}

SelectOutcome Session::load_draw_file(const fs::path& file) {
    SelectOutcome out;
    out.status = archive.load_draws(folder_, file, params, &out.warnings);
    if (out.status) {
        reset_range();
        stamp_draw_files();
    }
    return out;
}

void Session::stamp_draw_files() {
    // The files save_draws writes: the game's draw file and its side files.
    const GameInfo& info = params.info();
    draw_stamps_.clear();
    for (std::string_view name : {info.draw_file, info.side_file, info.super6_file,
                                  std::string_view(params.austria ? "OP_Lotto.Dat" : "")})
        if (!name.empty()) {
            const fs::path path = path_for_write(folder_, name);
            draw_stamps_.emplace_back(path, stamp_file(path));
        }
}

Status Session::save_draws(SaveConsent consent) {
    if (!consent.overwrite_changed)
        for (const auto& [path, loaded] : draw_stamps_)
            if (Status s = check_unchanged(path, loaded); !s) return s;
    Status s = archive.save_draws(folder_, consent.replace_unread);
    if (s) stamp_draw_files();
    return s;
}

Status Session::save_header() {
    bool unchanged = true;
    for (const auto& [path, loaded] : draw_stamps_)
        unchanged = unchanged && stamp_file(path) == loaded;
    Status s = archive.save_header(folder_);
    // The stamps follow our own change only: another program's change is
    // still noticed by the next save of the draws.
    if (s && unchanged) stamp_draw_files();
    return s;
}

int newest_booked_draw(const Session& session) { return last_evaluable_draw(session.archive); }

std::vector<std::string> book_new_draws(Session& session, int after_draw) {
    const EvaluationInputs in{session.params, session.archive, session.range, session.money,
                              session.partial_systems};
    return book_new_draws(session.normal_cards, session.system_cards, in, after_draw);
}

}  // namespace zw
