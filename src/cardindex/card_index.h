// The card indexes of played tickets: one of normal tickets (up to 18 rows)
// and one of system tickets (up to six system fields) per game, each holding
// at most 800 tickets with their options, amounts and write protection, plus
// the pool values (members and start capital).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "games/capacity.h"
#include "games/game_catalogue.h"

namespace zw {

constexpr int kCardCapacity = kMaxTickets;  // 800 tickets per card index
constexpr int kCardRows = 18;               // row slots of a normal ticket
constexpr int kSwissCardRows = 14;          // Swiss: 14 rows of six numbers and a lucky number
constexpr int kCardFields = 6;              // system fields of a system ticket
constexpr int kFieldMaxNumbers = 26;        // numbers one system field keeps
constexpr int kMaxJokers = 10;              // Austrian Joker numbers per ticket

// Options byte: German games and the Auswahlwette.
constexpr uint8_t kOptSpiel77 = 0x01;
constexpr uint8_t kOptSuper6 = 0x02;
constexpr uint8_t kOptGluecksSpirale = 0x04;
constexpr uint8_t kOptSiegerChance = 0x08;
// Austria: bits 0..3 Joker count, bit 5 LottoPlus. Switzerland: bits 1..3 the Joker fields.
constexpr uint8_t kOptJokerCountMask = 0x0f;
constexpr uint8_t kOptLottoPlus = 0x20;
constexpr uint8_t kOptSwissJokers = 0x0e;

enum class CardKind { Normal, System };

// One system field: its crossed numbers in ascending order (at most 26), the
// system size n, the stored system type (index within the box's label family)
// and the three flags.
struct SystemField {
    bool in_use = false;
    std::vector<uint8_t> numbers;
    int size = 0;          // n: the first n numbers form the system (0..31)
    int type = 0;          // 0..31
    bool kind_flag = false;  // system-kind flag of the console and slip printout
    bool full = false;       // full system (win plan); clear: row masks
    int lucky = 0;           // Swiss lucky number 1..6, 0 = none
    friend bool operator==(const SystemField&, const SystemField&) = default;
};

// Packs a field into its two stored words (low, high) and back (`s_fill`).
// Every crossed number 1..49 (Switzerland 1..42) sets its bit; unpacking keeps
// the first 26. Swiss lucky numbers go to bits 24..29 of the high word.
std::array<uint32_t, 2> pack_field(const SystemField& field, bool swiss);
SystemField s_fill(uint32_t low, uint32_t high, bool swiss);

// A row slot: six numbers (a 0 ends the row) and, for Switzerland, the lucky number.
using CardRow = std::array<uint8_t, 7>;

struct CardTicket {
    std::array<CardRow, kCardRows> rows{};              // normal tickets
    std::array<SystemField, kCardFields> fields{};      // system tickets
    int16_t first_draw = 1;   // first draw it plays ("Zieh.-Nr.")
    int32_t stake = 0;        // cents
    int32_t winnings = 0;     // cents
    uint8_t draw_days = 0;    // 0 Saturday, 1 Wednesday, 2 both ("Mi+Sa")
    uint8_t extra_weeks = 0;  // duration in weeks minus 1
    uint8_t options = 0;
    int32_t lottery = 0;      // Los-Nummer, low 24 bits (Austria: first Joker number)
    bool protected_card = false;
    std::array<int32_t, kMaxJokers> jokers{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    int weeks() const { return extra_weeks + 1; }
    friend bool operator==(const CardTicket&, const CardTicket&) = default;
};

// Highest extra-weeks value a ticket of the game may carry (Austria 9, Switzerland 19, else 7).
int max_extra_weeks(GameCode game);
// Row slots a ticket of the game stores: 14 for Switzerland, else 18.
int card_row_slots(GameCode game);
// Row slots that are stakes and evaluated: the first 14 for Austria and Switzerland, else 18.
int evaluated_row_slots(GameCode game);
// True when the row holds six numbers (Switzerland: and its lucky number).
bool row_complete(const CardRow& row, bool swiss);
// The numbers of a row up to its first 0 (at most six).
std::vector<uint8_t> row_numbers(const CardRow& row);

// Packs the rows of a ticket in progress into a card: up to the game's row
// slots are copied, every other slot is zeroed. Numbers are taken as given
// (7 bytes per row; the 7th is the Swiss lucky number).
CardTicket make_normal_card(const std::vector<CardRow>& rows, GameCode game);

enum class StoreOutcome { Added, Overwritten, Protected, Full, BadPosition };

class CardIndex {
public:
    explicit CardIndex(CardKind kind = CardKind::Normal) : kind_(kind) {}

    CardKind kind() const { return kind_; }
    int count() const { return static_cast<int>(tickets_.size()); }
    bool empty() const { return tickets_.empty(); }
    bool full() const { return count() >= kCardCapacity; }
    const std::vector<CardTicket>& tickets() const { return tickets_; }
    // Ticket at position 0..count-1 (ticket number = position + 1).
    const CardTicket& at(int position) const { return tickets_.at(static_cast<size_t>(position)); }

    // Stores a ticket at `position`: the next free position adds it (refused
    // when full), an existing unprotected one is overwritten. Amounts stay as
    // the ticket carries them.
    StoreOutcome store(int position, const CardTicket& ticket);
    // Changes an existing ticket; refused (false) when protected or out of range.
    bool replace(int position, const CardTicket& ticket);
    // Direct access past the protection, for re-encodings that keep what every
    // ticket means (marks the index unsaved).
    CardTicket& edit(int position) {
        saved_ = false;
        return tickets_.at(static_cast<size_t>(position));
    }
    // Sets or clears the write protection of one ticket.
    bool set_protected(int position, bool on);
    // Removes one ticket; refused when protected or out of range.
    StoreOutcome remove(int position);
    // No tickets, pool values back to their defaults.
    void clear();
    // Replaces everything (a loaded file); the caller has validated the tickets.
    void assign(std::vector<CardTicket> tickets, int16_t members, int32_t capital);

    int16_t members() const { return members_; }
    int32_t capital() const { return capital_; }
    void set_pool(int members, int64_t capital);

    // The file the index was loaded from or last saved to (empty: none), and
    // its stamp then: a save to that file refuses when another program has
    // changed it meanwhile (set the file's current stamp to overwrite anyway).
    const fs::path& file() const { return file_; }
    void set_file(fs::path file, FileStamp stamp = {}) {
        file_ = std::move(file);
        stamp_ = stamp;
    }
    const FileStamp& stamp() const { return stamp_; }
    void set_stamp(const FileStamp& stamp) { stamp_ = stamp; }
    // False after a change that no file holds yet.
    bool saved() const { return saved_; }
    void set_saved(bool saved) { saved_ = saved; }

private:
    CardKind kind_;
    std::vector<CardTicket> tickets_;
    int16_t members_ = 1;
    int32_t capital_ = 0;
    fs::path file_;
    FileStamp stamp_;
    bool saved_ = true;
};

// A system field stores its partial system as an index within the label
// family of the Bundesland (Teil-, VEW- or Kurz-Systeme). When the Bundesland
// changes, this moves every partial field into the new family so that it keeps
// its system; a system the new family has no name for keeps its type and is
// reported (the evaluation then refuses it, as its size no longer fits).
std::vector<std::string> convert_system_types(CardIndex& index, GameCode game, int old_bundesland, int new_bundesland);

// The game's default card file ("KARTEI.NRM", "M_KARTEI.SYS", ...), as the catalogue spells it.
std::string default_card_file(GameCode game, CardKind kind);

// Name rule of the load, save and delete dialogs: the name without path, in
// capitals, must be the game's own default name or none of the other games'
// and the sibling modules' default names, and end in .NRM / .SYS.
Status check_card_name(const std::string& file_name, GameCode game, CardKind kind);

// "Unzulässiges Karteiformat!!!" and the other messages of the card index.
inline constexpr const char* kBadCardFormat = "Unzulässiges Karteiformat!!!";
inline constexpr const char* kCardMissing = "Kartei existiert nicht!!!";
inline constexpr const char* kBadCardName = "Unzulässiger Karteiname!!!";
inline constexpr const char* kCardFull = "Kartei ist voll!";
inline constexpr const char* kCardEmpty = "Kartei ist leer!";
inline constexpr const char* kCardProtected =
    "Der Tippschein ist schreibgeschützt (©)|und kann nicht verändert werden!";
inline constexpr const char* kCardNoOverwrite =
    "Diese Karteikarte ist schreibgeschützt (©)|und kann nicht überschrieben werden!";

}  // namespace zw
