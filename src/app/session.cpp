#include "app/session.h"

#include <algorithm>

#include "app/data_folder.h"
#include "cardindex/card_store.h"
#include "tipping/par_files.h"
#include "tipping/system_catalogue.h"

namespace zw {

Session::Session(fs::path data_folder) : folder_(std::move(data_folder)) {
    apply_game(params, kLottoSaturday);
    archive.clear_for(params);
    ticket.set_game(params);
}

std::vector<std::string> Session::start_up(bool change_files) {
    std::vector<std::string> messages;
    if (change_files) {
        // Leftovers of a save that was interrupted, then the backup migration.
        remove_temporary_files(folder_);
        migrate_backups(folder_);
    } else {
        for (const auto& name : planned_backup_migrations(folder_))
            messages.push_back("Die Sicherung " + name + ".kat würde beim Start des Programms als " +
                               name + " wiederhergestellt.");
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

SelectOutcome Session::select_game(int code) {
    SelectOutcome out;
    GameParams next;
    apply_game(next, code);
    load_game_money_files(folder_, next, money, out.warnings);
    if (!find_file(folder_, next.info().draw_file)) {
        enter_game(next, out.warnings);
        archive.clear_for(params, 0);
        reset_range();
        out.draw_file_missing = true;
        out.status = Status::failure(to_upper_ascii(next.info().draw_file) +
                                     " ist|nicht im aktuellen|Ordner oder Laufwerk!");
        return out;
    }
    out.status = archive.load_draws(folder_, next, &out.warnings);
    if (!out.status) return out;
    enter_game(next, out.warnings);
    reset_range();
    return out;
}

void Session::enter_game(const GameParams& next, std::vector<std::string>& warnings) {
    params = next;
    ticket.set_game(params);
    ticket_options = TicketOptions{};
    generator.state.set_game(params);
    load_default_card_indexes(folder_, params.code, normal_cards, system_cards, warnings);
}

int Session::bundesland() const { return std::clamp<int>(archive.bundesland, 0, kBundeslandCount - 1); }

Status Session::save_money_tables() { return save_money_files(folder_, money, params); }

SelectOutcome Session::load_draw_file(const fs::path& file) {
    SelectOutcome out;
    out.status = archive.load_draws(folder_, file, params, &out.warnings);
    if (out.status) reset_range();
    return out;
}

}  // namespace zw
