// The draw archive of the selected game: the main draw table, the side-game
// tables (Spiel 77 / Joker, Super 6) and the Austrian extras (LottoPlus,
// bonus draws and the combined view in date order).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "archive/bonus_draws.h"
#include "archive/draw.h"
#include "base/file_io.h"
#include "games/capacity.h"
#include "games/game_catalogue.h"

namespace zw {

// One row of the Austrian combined view (regular and bonus draws by date).
struct CombinedRow {
    std::array<uint8_t, 7> numbers{};  // six numbers and the Zusatzzahl
    std::array<uint8_t, 6> plus{};     // LottoPlus numbers
    std::string date;                  // dd.mm.yyyy
    int32_t joker = -1;
    bool bonus = false;
};

struct DrawRangeDefault {
    int first = 1;
    int last = 0;
};

class DrawArchive {
public:
    DrawArchive();

    // Loads the draw file `file` for the game described by `params` (plus the
    // game's side-game files and, for Austria, the extras from `folder`).
    // A file that does not fit the table is refused and the archive keeps
    // what it held. Messages about side files that were skipped land in
    // `warnings`.
    Status load_draws(const fs::path& folder, const fs::path& file, const GameParams& params,
                      std::vector<std::string>* warnings = nullptr);
    // Loads the game's own draw file from the folder.
    Status load_draws(const fs::path& folder, const GameParams& params,
                      std::vector<std::string>* warnings = nullptr);
    // An empty archive for the game (next draw number 0 as after a missing file).
    void clear_for(const GameParams& params, int next_draw = 1);

    // What a save would do to files whose contents this archive does not
    // hold: `refusal` (not empty) forbids the save; `replaced` lists files
    // that would be replaced although they were not read, or by fewer values
    // than they hold, each a German sentence for the question to the user.
    struct SaveCheck {
        std::string refusal;
        std::vector<std::string> replaced;
    };
    SaveCheck check_save(const fs::path& folder) const;
    // Writes the draw file (the file the load reads; a new one in capitals),
    // the side-game files and the Austrian LottoPlus file as one set. Refuses
    // what check_save refuses, and what it lists unless `replace_confirmed`.
    // Records, side numbers and LottoPlus numbers set aside at the load are
    // written back as read, unless the user has entered that draw since.
    Status save_draws(const fs::path& folder, bool replace_confirmed = false);
    // Writes the header (slip calibration, Bundesland) into the draw file.
    // While draws are unsaved only the header bytes of the file on disk change.
    Status save_header(const fs::path& folder);

    // --- the game this archive belongs to
    GameCode game() const { return game_; }
    int record_length() const { return record_length_; }
    int capacity() const { return record_length_ == 8 ? kMaxSwissDraws : kMaxDraws; }

    // --- main table
    int next_draw() const { return next_draw_; }
    int newest() const { return next_draw_ - 1; }
    int draw_count() const { return next_draw_ > 0 ? next_draw_ - 1 : 0; }
    // Draw n (1-based) as stored; an empty draw for n outside 1..capacity.
    Draw draw(int n) const;
    // Stores draw n (1..capacity; ignored elsewhere). Neither grows the
    // archive (extend_to) nor marks it unsaved (set_saved). A record set
    // aside at the load stays set aside while the draw is stored empty.
    void set_draw(int n, const Draw& draw);
    bool has_draw(int n) const { return n >= 1 && n < next_draw_; }
    // Records set aside at the load (they cannot be used): draw -> bytes as
    // read. Those draws read as empty everywhere.
    const std::map<int, std::vector<uint8_t>>& set_aside() const { return set_aside_; }
    // True after the game's draws were read from a file; false after
    // clear_for (the file is missing, was refused, or was never loaded).
    bool draw_file_read() const { return draw_file_read_; }
    // Grows the archive so that draw n exists (new draws stay empty).
    Status extend_to(int n);
    // Removes the newest draw.
    void remove_newest();

    uint8_t calibration_x = 126;
    uint8_t calibration_y = 126;
    int16_t bundesland = 0;

    bool saved() const { return saved_; }
    void set_saved(bool saved) { saved_ = saved; }

    // --- side games
    // Spiel 77 (German games) or Joker number (Austria, Switzerland) of draw n; -1 = none.
    int32_t side_number(int n) const;
    int32_t super6_number(int n) const;
    // Stores a side number for draw n, growing the file's count; false when out of range.
    bool set_side_number(int n, int32_t value);
    bool set_super6_number(int n, int32_t value);
    int side_count() const { return side_count_; }
    int super6_count() const { return super6_count_; }
    void set_side_count(int count);
    void set_super6_count(int count);
    int side_offset() const { return side_offset_; }
    int super6_offset() const { return super6_offset_; }

    // --- Austrian extras
    // LottoPlus numbers of draw n (from draw 2668), nullptr when none.
    const uint8_t* lotto_plus(int n) const;
    uint8_t* lotto_plus_mut(int n);
    int lotto_plus_count() const { return plus_count_; }
    void set_lotto_plus_count(int count);
    const std::vector<BonusDraw>& bonus_draws() const { return bonus_; }
    int bonus_count() const { return static_cast<int>(bonus_.size()); }
    void set_bonus_draws(std::vector<BonusDraw> bonus);
    // Rebuilds the combined view of regular and bonus draws.
    void merge_bonus_draws();
    const std::vector<CombinedRow>& combined() const { return combined_; }

    // Default draw range after a load: all draws (Austria: plus the bonus draws).
    DrawRangeDefault default_range() const;

    // Name of the file the draws came from.
    const fs::path& source_file() const { return source_file_; }

private:
    Status load_main(const fs::path& file, const GameParams& params,
                     std::vector<std::string>* warnings);
    std::vector<uint8_t> encode_draw_file() const;
    fs::path draw_file_path(const fs::path& folder) const;
    // The bytes of draw n's record in the table; n must be in 1..capacity.
    std::span<uint8_t> record_bytes(int n);
    std::span<const uint8_t> record_bytes(int n) const;
    std::vector<uint8_t> header_bytes() const;
    void load_side_games(const fs::path& folder, std::vector<std::string>* warnings);
    void load_austrian_extras(const fs::path& folder, std::vector<std::string>* warnings);

    GameCode game_ = kLottoSaturday;
    int record_length_ = 7;
    int next_draw_ = 1;
    bool saved_ = true;
    bool draw_file_read_ = false;
    std::vector<uint8_t> table_;
    std::map<int, std::vector<uint8_t>> set_aside_;
    // Side values and LottoPlus records refused at the load, by table entry, as read.
    std::map<int, int32_t> side_kept_, super6_kept_;
    std::map<int, std::array<uint8_t, 6>> plus_kept_;
    // Entries the side files and the LottoPlus file held when they were last
    // read or written (-1: present but unreadable); used by check_save once
    // the draw file was read, before that the files on disk count.
    int side_held_ = 0, super6_held_ = 0, plus_held_ = 0;

    std::string side_file_, super6_file_;
    int side_offset_ = 0, super6_offset_ = 0;
    std::vector<int32_t> side_, super6_;
    int side_count_ = 0, super6_count_ = 0;
    bool super6_file_present_ = false;

    std::vector<uint8_t> plus_;
    int plus_count_ = 0;
    std::vector<BonusDraw> bonus_;
    std::vector<CombinedRow> combined_;
    fs::path source_file_;
};

}  // namespace zw

namespace zw {

// True when byte 6 of draw n is the Superzahl (German Lotto from the start draw).
inline bool extra_is_superzahl(const GameParams& p, int n) {
    return p.super_start > 0 && n >= p.super_start;
}
// True when byte 6 of draw n is the Swiss Glückszahl.
inline bool extra_is_lucky_number(const GameParams& p, int n) {
    return p.swiss && n >= kSwissLuckyStart;
}
// Extra number as shown to the user: a stored Superzahl 10 reads 0.
inline int displayed_extra(const GameParams& p, int n, uint8_t stored) {
    return extra_is_superzahl(p, n) && stored == 10 ? 0 : stored;
}

}  // namespace zw
