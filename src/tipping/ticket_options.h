// The options of the ticket in progress: duration, draw days, side games,
// Joker numbers and the lottery number. Option fields of the slip and the
// option keys of the console set them; the three number dialogs read and
// write them through the functions below.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "games/game_catalogue.h"

namespace zw {

struct GameParams;

struct TicketOptions {
    int32_t lottery_number = 0;  // 0 = none; German games: seven digits, the last is the super number
    uint8_t super_number = 0;
    int32_t extra_weeks = 0;     // duration in weeks minus 1
    int16_t draw_days = 0;       // German games: 0 Saturday, 1 Wednesday, 2 both
    bool spiel77 = false;
    bool super6 = false;
    bool gluecksspirale = false;
    bool siegerchance = false;   // only together with GlücksSpirale
    uint8_t joker_count = 0;     // Austria: 0, 1, 2, 3, 4, 5 or 10
    bool lotto_plus = false;     // Austria
    uint8_t swiss_joker_bits = 0;  // Switzerland: bits 1..3 are the three Joker fields
    std::array<std::string, 10> joker_numbers;  // Austria: each empty or six digits

    int weeks() const { return extra_weeks + 1; }
    // Draws the ticket plays: one a week, two with draw days "Mi+Sa".
    int draws(GameCode game) const;
};

// The option fields of the slip.
enum class OptionKind {
    kDuration,      // value: field 1..8 (Austria, Switzerland 1..10)
    kDrawDays,      // value: 1 "Mi", 0 "Sa", 2 "Mi+Sa"
    kSpiel77,       // value: 1 ja, 0 nein
    kSuper6,
    kGluecksSpirale,
    kSiegerChance,
    kJoker,         // Austria: field 0..7 (10, 5, 4, 3, 2, 1, none, none)
    kLottoPlus,     // value: 1 ja, 0 nein
    kSwissJoker,    // value: 1..3 a "ja" field, 0 "nein"
    kLotteryNumber, // opens the lottery-number (Austria: Joker) dialog
    kSuperNumber,   // opens the super-number dialog
};

struct OptionField {
    OptionKind kind;
    int value = 0;
    bool operator==(const OptionField&) const = default;
};

// What a click on an option field asks of the console afterwards.
enum class OptionFollowUp { kNone, kAskSiegerChance, kLotteryDialog, kJokerDialog, kSuperDialog };

// Sets the option of a field (values are set, not toggled; the Swiss Joker
// fields toggle their bit). Fields of another game's slip change nothing.
OptionFollowUp apply_option(TicketOptions& o, const OptionField& field, const GameParams& params,
                            bool system_mode);

// Whether an option field is the one the ticket's options choose (the field
// the slip shows crossed).
bool option_chosen(const OptionField& field, const TicketOptions& o, const GameParams& params);

// Durations a slip offers, in weeks: 1..8; Austria 1..10; Switzerland 1..8, 10, 20.
int duration_field_count(const GameParams& params);
int duration_weeks(const GameParams& params, int field);
// "L": the next duration (back to one week after the longest).
void step_duration(TicketOptions& o, const GameParams& params);

// The case-sensitive option keys g G s S (German games) and m a M j J n N.
// Returns the follow-up like a click; nullopt when the key is no option key here.
std::optional<OptionFollowUp> apply_option_key(TicketOptions& o, char key, const GameParams& params,
                                               bool system_mode);

// --- The number dialogs
// "LosNummer:": the preset text (at least six digits, the last 7; Austria and
// Switzerland the last 6).
std::string lottery_number_preset(const TicketOptions& o, const GameParams& params);
// "&OK": the first seven characters must be digits (an empty field is none);
// false with the field refused.
bool apply_lottery_number(TicketOptions& o, const std::string& text);
// "SuperZahl:": accepts one digit 0..9 and rebuilds the lottery number with it
// as its last digit.
bool apply_super_number(TicketOptions& o, const std::string& text);
// "Joker Nummern:": each field empty or up to six digits; stored as six digits
// with leading zeros; the lottery number becomes the first Joker number.
// Returns the 1-based number of the first refused field, 0 when all were taken.
int apply_joker_numbers(TicketOptions& o, const std::array<std::string, 10>& fields);

// The Austrian Joker count after "j": 0, 1, 2, 3, 4, 5, 10, then 0 again.
uint8_t next_joker_count(uint8_t count);

}  // namespace zw
