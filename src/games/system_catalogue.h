// The system tickets the tip console offers: full systems (7..16 numbers, all
// rows), the 19 partial systems under their three name families (Teil-, VEW-
// and Kurz-Systeme), the popup lists per game and Bundesland, and the fixed
// price texts shown in a system box.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "games/game_catalogue.h"

namespace zw {

constexpr int kBundeslandCount = 19;
inline constexpr std::array<std::string_view, kBundeslandCount> kBundeslandNames = {
    "Baden-Württemberg",
    "Bayern",
    "Berlin",
    "Bremen",
    "Hamburg",
    "Hessen",
    "Niedersachsen",
    "Nordrhein-Westfalen",
    "Rheinland-Pfalz",
    "Sachsen",
    "Schleswig-Holstein",
    "Thüringen",
    "Österreich",
    "Mecklenburg-Vorpommern",
    "Sachsen-Anhalt",
    "Brandenburg",
    "Schweiz Loterie Romande",
    "Schweiz Swisslos",
    "Saarland"};
// "" outside 0..18 (the index comes from a draw-file header).
std::string_view bundesland_name(int index);

// A VEW or short-system name and the partial system it stands for.
struct PartialAlias {
    std::string_view name;
    int partial_index;
};
inline constexpr std::array<PartialAlias, 9> kVewAliases = {{{"609", 0},
                                                             {"710", 1},
                                                             {"612", 6},
                                                             {"610", 2},
                                                             {"711", 4},
                                                             {"622", 16},
                                                             {"712", 8},
                                                             {"616", 18},
                                                             {"626", 17}}};
inline constexpr std::array<PartialAlias, 8> kShortAliases = {{{"K12", 0},
                                                               {"K15", 1},
                                                               {"K22", 6},
                                                               {"K30", 2},
                                                               {"K66", 4},
                                                               {"K77", 16},
                                                               {"K112", 18},
                                                               {"K132", 8}}};

// The names under which a box shows its partial system; a ticket stores the
// index within this family.
enum class LabelFamily { kPartial, kVew, kShort };
LabelFamily label_family(GameCode game, int bundesland);
// " Teil-Systeme  ", "VEW-Systeme    ", "Kurz-Systeme   ".
std::string_view family_heading(LabelFamily family);
inline constexpr std::string_view kFullSystemHeading = " Voll-Systeme  ";
// The heading without its padding, for messages: "Teil-Systeme".
std::string_view family_title(LabelFamily family);
int family_size(LabelFamily family);

// Stored index -> partial index (-1 when out of range), and back (-1 when the
// family has no name for that partial system).
int to_partial_index(LabelFamily family, int stored_index);
int from_partial_index(LabelFamily family, int partial_index);
// "09/12", "609", "K12"; "" when out of range.
std::string_view system_name(LabelFamily family, int stored_index);
// How many numbers the player ticks for the system; 0 when out of range.
int system_numbers(LabelFamily family, int stored_index);

// --- Full systems
constexpr int kFullListMinNumbers = 7;
// The popup list ("00&7:        8.40 EUR|..."); item k is a system of k + 7 numbers.
std::string full_system_list(GameCode game, int bundesland);
int full_system_item_count(GameCode game, int bundesland);
// Number count for the chosen item; 0 when the list was dismissed (item -1) or
// the item does not exist.
int full_system_choice(GameCode game, int bundesland, int item);

// --- Partial systems
struct PartialListItem {
    int partial_index;
    std::string text;  // "  9/12:       14.40 EUR"
};
std::vector<PartialListItem> partial_system_items(GameCode game, int bundesland);
std::string partial_system_list(GameCode game, int bundesland);  // items joined by "|"

struct PartialChoice {
    bool chosen = false;   // false: dismissed, or refused (message not empty)
    int stored_index = 0;  // index within label_family(game, bundesland)
    int numbers = 0;
    std::string message;  // why the item cannot be stored in this box
};
// Turns the chosen item of the offered list into what the box stores: the
// named system's index within the box's label family.
PartialChoice partial_system_choice(GameCode game, int bundesland, int item);

// --- Price labels of a box (fixed texts; "" where the table has none)
std::string_view full_system_price(GameCode game, int numbers);
std::string_view partial_system_price(GameCode game, LabelFamily family, int stored_index);

}  // namespace zw
