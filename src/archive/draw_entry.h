// Draw entry: typing the numbers of one draw (the entry draw E) field by
// field, storing it in the archive with its side-game numbers, moving between
// draws and deleting the newest draw. The window turns keys into these calls
// and shows the questions and messages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "archive/draw_archive.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"

namespace zw {

// A new draw far past the newest one is most likely a typo in its date: every
// draw in between would be created empty. "Far" is more than kMaxDaysAhead
// days after the date of the draw it follows (four weekly draws, eight of the
// games with two draws a week); such a draw is only stored after a question
// (windows) or an explicit option (command line).
constexpr int kMaxDaysAhead = 28;

struct DrawGap {
    int draw = 0;           // the new draw
    int after = 0;          // the draw it follows (the newest one); 0: none
    int64_t days = 0;       // days between their dates
    int ahead() const { return draw - after; }        // "liegt N Ziehungen nach"
    int empty() const { return draw - after - 1; }    // draws left empty between them
    bool far() const { return after > 0 && days > kMaxDaysAhead; }
};
// The gap that draw n opens after draw `after` of the game (no gap when n
// does not lie past it).
DrawGap gap_after(GameCode game, int after, int n);
// "Die Ziehung vom 01.01.2039 liegt 645 Ziehungen nach der neuesten Ziehung
// (22.08.2026).|Dazwischen blieben 644 Ziehungen leer." (`what` names the
// new draw, e.g. "Die Zeile 3 vom").
std::string gap_text(GameCode game, const DrawGap& gap, const std::string& what);

// What a key did to the fields.
enum class EntryStep {
    kNothing,   // the key had no effect
    kShown,     // the typed text or cursor changed
    kRefused,   // the value was invalid: beep, the field is blank again
    kComplete,  // all seven fields are filled: ask "Alle Zahlen korrekt"
};

class DrawEntry {
public:
    static constexpr int kFields = 7;  // six numbers and the extra number
    static constexpr int kBlank = -1;  // a field without a value

    DrawEntry(const GameParams& params, DrawArchive& archive, DrawRange& range);

    // Starts at the first draw after the newest draw of the archive, whatever
    // the draw range shows (Austria: regular draws only, the bonus draws are
    // not entered here).
    void open();
    int entry_draw() const { return e_; }
    // True when draw E is already stored: storing it replaces it.
    bool correcting() const;
    // The gap that storing draw E would open after the newest draw.
    DrawGap gap() const { return gap_after(params_.code, archive_.newest(), e_); }
    // Loads draw E into the fields and boxes; the cursor returns to field 0.
    void show_entry_draw();
    // Jumps to draw e (1..capacity) and shows it.
    bool go_to(int e);

    // --- keys
    EntryStep digit(int d);
    EntryStep enter();
    EntryStep backspace();
    // "+": keeps the side-game boxes and moves to the next draw; false at the capacity.
    bool next();
    // "-": keeps the side-game boxes and moves to the previous draw; false at draw 1.
    bool previous();
    // "L": deletes the newest draw, or the newest side number; false when neither applies.
    bool delete_entry();
    bool can_delete() const;

    // Whether value v may go into field f of the entry draw.
    bool validate_field(int f, int v) const;
    // Puts seven values fetched for draw `draw` into the fields with the
    // cursor after the last one, so that the next RETURN asks "Alle Zahlen
    // korrekt". Values for another draw than E, or that the entry itself would
    // refuse, change nothing; false then.
    bool fill_fields(int draw, const std::array<int, kFields>& values);
    // Writes the seven fields into draw E (extending the archive and the
    // range when E is new). Refused when a field is blank or E is beyond the capacity.
    Status store_entry_draw();
    // Takes the side-game boxes (and the Austrian LottoPlus boxes) into the tables.
    void store_side_numbers();
    // The Spiel 77 / Joker and Super 6 boxes as stored for draw E (empty
    // when nothing is stored), dropping what was typed.
    void reset_side_boxes();

    // --- state shown by the window
    const std::array<int, kFields>& fields() const { return fields_; }
    int cursor() const { return cursor_; }
    const std::string& typed() const { return typed_; }
    // Text of field f: the typed digits in the current field, else its value.
    std::string field_text(int f) const;
    // True when some but not all seven fields were typed.
    bool incomplete() const { return cursor_ >= 1 && cursor_ < kFields; }
    // Label of the extra-number field: "ZZ", "SZ" (Superzahl) or "GZ" (Glückszahl).
    std::string extra_label() const;

    // Side-game boxes as typed (digits only): Spiel 77 or Joker, Super 6, LottoPlus.
    std::string side_box;
    std::string super6_box;
    std::array<std::string, 6> plus_boxes;
    // Digits of the side box: 7 for Spiel 77, 6 for the Joker.
    int side_digits() const { return is_german_game(params_.code) ? 7 : 6; }
    // Whether draw E has a place in the side tables / takes LottoPlus numbers.
    bool side_box_usable() const;
    bool super6_box_usable() const;
    bool plus_boxes_usable() const;

    const GameParams& params() const { return params_; }
    const DrawArchive& archive() const { return archive_; }

private:
    EntryStep take(int value);
    void extend_range_to_newest();

    const GameParams& params_;
    DrawArchive& archive_;
    DrawRange& range_;
    int e_ = 1;
    std::array<int, kFields> fields_{};
    int cursor_ = 0;
    std::string typed_;
};

// Whether value v may go into field f (0..6) of draw n, given the values
// already in fields 0..f-1 (`before`).
bool entry_value_valid(const GameParams& params, int n, int f, int v, const int* before);
// Whether all seven values together would be accepted for draw n.
bool entry_draw_values_valid(const GameParams& params, int n, const std::array<int, 7>& values);

// Whether the fetch of draw E from a result page is offered: the draw date
// lies between today and 6 days back (3 days for the games with two draws a
// week); the Swiss page only shows the newest draw, so there E must be the
// first missing draw. `today` is a yyyymmdd key.
bool fetch_offered(const GameParams& params, const DrawArchive& archive, int e, int32_t today);

}  // namespace zw
