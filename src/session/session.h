// Everything the program holds while it runs: the data folder, the selected
// game's parameters, its draw archive and draw range, and the tables read at
// start-up. Owned by the application (or a test) and passed by reference.
#pragma once

#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "base/file_io.h"
#include "base/folder_lock.h"
#include "cardindex/card_index.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"
#include "tipping/row_generator.h"
#include "tipping/ticket.h"
#include "tipping/ticket_options.h"
#include "tipping/weight_matrix.h"

namespace zw {

struct SelectOutcome {
    Status status;                      // a refused draw file
    bool draw_file_missing = false;     // the caller offers the file selector
    std::vector<std::string> warnings;  // side files skipped and the like
};

// What the user agreed to before a save of the draws.
struct SaveConsent {
    bool replace_unread = false;     // files the archive could not read
    bool overwrite_changed = false;  // files another program changed since the load
};

class Session {
  public:
    explicit Session(fs::path data_folder);

    const fs::path& data_folder() const { return folder_; }

    // Start-up: takes the data folder's lock, finishes an interrupted save,
    // removes temporary files and restores backups; then reads quotas and
    // fees, partial systems and module presence. Returns messages for the
    // user (files that could not be read). When another copy of the program
    // holds the folder, the session is read-only (the first message says so)
    // and changes no file. With change_files false (the command line, which
    // locks and repairs the folder itself) no file is renamed or removed:
    // the messages say what the window program would restore.
    std::vector<std::string> start_up(bool change_files = true);
    // Another copy of the program holds the data folder: saves are refused.
    bool read_only() const { return read_only_; }

    // Switches to `code`: parameters, draw archive, side games, draw range.
    // A draw file that cannot be loaded leaves the previous game and archive
    // in place (status holds the message); a missing draw file gives an empty
    // archive and draw_file_missing.
    SelectOutcome select_game(GameCode code);
    // Loads another draw file for the selected game (the "Ziehungen laden:" choice).
    SelectOutcome load_draw_file(const fs::path& file);
    // Saves the draw file and its side files. Files the archive did not read
    // are replaced only with consent.replace_unread (see
    // DrawArchive::check_save); when another program changed one of them
    // since it was loaded, nothing is saved (FailureKind::kChangedOnDisk)
    // unless consent.overwrite_changed.
    Status save_draws(SaveConsent consent = {});
    // The draw file's header (slip calibration, Bundesland).
    Status save_header();
    // Resets the draw range to the whole archive (Swiss: from the first Glückszahl draw).
    void reset_range();
    // "&Abspeichern": Ziehwerk.Par, and the Swiss or Austrian parameter file
    // while that game is selected.
    Status save_money_tables();

    GameParams params;
    DrawArchive archive;
    DrawRange range;
    PartialSystems partial_systems;
    ModulePresence modules;
    // Quotas and fees: built-in defaults until start_up reads Ziehwerk.Par.
    MoneyTables money = default_money_tables();
    // The ticket in progress of the tip console and its options; both are
    // cleared whenever another game is selected.
    Ticket ticket;
    TicketOptions ticket_options;

    // The Bundesland of the draw file's header, kept within the table (0..18).
    int bundesland() const;
    // The card indexes of played tickets; select_game loads the game's default files.
    CardIndex normal_cards{CardKind::Normal};
    CardIndex system_cards{CardKind::System};
    bool cards_saved() const { return normal_cards.saved() && system_cards.saved(); }
    // Power-tip weights of every game: all 0 until start_up reads matrix.par.
    WeightMatrix weights;
    // The row generator's tips, bankers, filter and formula, kept while the
    // program runs; a game with other numbers empties the sets.
    GeneratorSettings generator;

  private:
    // The game's parameters, an empty ticket and the game's card indexes.
    void enter_game(const GameParams& next, std::vector<std::string>& warnings);

    // Stamps of the draw file and its side files as loaded or last saved.
    void stamp_draw_files();

    fs::path folder_;
    FolderLock lock_;
    bool read_only_ = false;
    std::vector<std::pair<fs::path, FileStamp>> draw_stamps_;
};

// The newest draw a ticket can be evaluated for; new draws after it are the
// ones book_new_draws books.
int newest_booked_draw(const Session& session);

// After new draws came into the archive (entered, imported or downloaded):
// both card indexes of the game evaluate again every ticket whose play period
// holds a draw after `after_draw` (write-protected tickets keep their amounts,
// the indexes are left unsaved), and every win in those draws is told, one
// "Schein 5 hat gewonnen: ..." line each.
std::vector<std::string> book_new_draws(Session& session, int after_draw);

}  // namespace zw
