// The six games of the program and the parameters that selecting one sets.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

enum GameCode : int16_t {
    kLottoSaturday = 0,
    kLottoWednesday = 1,
    kToto = 2,
    kAustria = 3,
    kLottoBoth = 4,
    kSwiss = 5,
};
constexpr int kGameCount = 6;

// Every game, in code order.
inline constexpr std::array<GameCode, kGameCount> kGames = {kLottoSaturday, kLottoWednesday, kToto,
                                                            kAustria,       kLottoBoth,      kSwiss};

constexpr bool is_valid_game(int code) { return code >= 0 && code < kGameCount; }
// The game of a number read from a file or typed on the command line;
// nullopt for a number that names no game.
constexpr std::optional<GameCode> game_code(int value) {
    if (!is_valid_game(value)) return std::nullopt;
    return static_cast<GameCode>(value);
}
// German Lotto: the 6 aus 49 games (Saturday, Wednesday, both).
constexpr bool is_german_lotto(GameCode code) {
    return code == kLottoSaturday || code == kLottoWednesday || code == kLottoBoth;
}
// German games: the games with Spiel 77 and Super 6 (German Lotto and Toto).
constexpr bool is_german_game(GameCode code) { return is_german_lotto(code) || code == kToto; }
// "Mi+Sa" (draw days 2) is offered only where one archive holds both draw
// days: the Saturday+Wednesday game. The Saturday, Wednesday and Toto archives
// could not evaluate the other day's draws, so a ticket there plays one day.
constexpr bool offers_both_draw_days(GameCode code) { return code == kLottoBoth; }

// One row of the game catalogue: constant facts about a game.
struct GameInfo {
    GameCode code;
    std::string_view name;
    std::string_view draw_file;
    std::string_view nrm_file;
    std::string_view sys_file;
    std::string_view side_file;  // Spiel 77 or Joker numbers
    int side_offset;             // entry i of the side table belongs to draw i - offset
    std::string_view super6_file;  // empty: no Super 6
    int super6_offset;
    int highest_number;
    int super_start;        // first draw whose extra number is the Superzahl (0: none)
    int odds_constant;      // luck indices: wins * odds / (rows * draws)
    int generator_constant;
    std::array<int, 2> menu_ids;  // the two menu entries checked while selected
    std::array<std::string_view, 3> banner;  // captions of the main display
    std::string_view class_header;           // column heads of the evaluation reports
};

const GameInfo& game_info(GameCode code);

// Win class names 1..9 of a game ("" where the class does not exist).
std::array<std::string_view, 10> class_names(GameCode code);

// Draw files whose presence enables a game or sibling module.
inline constexpr std::array<std::string_view, 13> kModuleFiles = {
    "Lotto.Dat", "M_Lotto.Dat", "Toto.Dat",   "Elfer.Dat",   "O_Lotto.Dat",
    "SM_Lotto.Dat", "O_Toto.Dat", "Swiss.Dat", "13Wette.Dat", "Keno.Dat",
    "Jack.Dat",  "Euro.Dat",    "A_Toto.Dat"};

// Which module files exist in the data folder, taken once at start-up.
struct ModulePresence {
    std::array<bool, kModuleFiles.size()> present{};
    bool has(std::string_view file) const;
    static ModulePresence probe(const std::function<bool(std::string_view)>& exists);
};

// First draw of the Swiss game that carries the Glückszahl.
constexpr int kSwissLuckyStart = 3074;
// Swiss slips, weights and number grids put the Glückszahl k (1..6) into
// cell kLuckyCellBase + k, after the 42 numbers.
constexpr int kLuckyCellBase = 42;

// The process-wide parameters of the selected game. Other code reads these,
// never the catalogue rows.
struct GameParams {
    GameCode code = kLottoSaturday;
    int highest_number = 49;
    bool austria = false;
    bool swiss = false;
    int super_start = 0;
    int odds_constant = 31;
    int generator_constant = 25;
    bool german_lotto = true;
    bool fixed_side_prizes = true;
    std::string currency = "EUR";
    // Expected count per 10000 draws of k even numbers among the six (k = 0..6).
    std::array<int, 7> even_distribution{};
    // Fixed side-game prizes in tenths, index = matching final digits (1..7).
    // Table 1: Spiel 77 or Joker; table 2: Super 6, or the Austrian LottoPlus prizes.
    std::array<int32_t, 8> side_prizes_1{};
    std::array<int32_t, 8> side_prizes_2{};

    const GameInfo& info() const { return game_info(code); }
    int record_length() const { return swiss ? 8 : 7; }
    int capacity() const;
};

// Sets every parameter for the game (the catalogue part of select_game).
void apply_game(GameParams& params, GameCode code);
// The parameters of a game, as selecting it sets them.
inline GameParams game_params(GameCode code) {
    GameParams p;
    apply_game(p, code);
    return p;
}

// Start game: 0, or the last of Swiss, Austria, Wednesday, Toto, Both whose
// draw file exists when Lotto.Dat is absent; a first argument character
// "0".."5" overrides.
GameCode initial_game(const std::function<bool(std::string_view)>& exists, std::string_view argument);

}  // namespace zw
