#include "games/system_catalogue.h"

#include <algorithm>
#include <span>

#include "games/game_catalogue.h"
#include "games/partial_systems.h"

namespace zw {
namespace {

// --- Name families

constexpr std::array<std::string_view, 3> kHeadings = {" Teil-Systeme  ", "VEW-Systeme    ",
                                                       "Kurz-Systeme   "};

bool partial_family_land(int bundesland) {
    switch (bundesland) {
        case 0:
        case 1:
        case 8:
        case 9:
        case 11:
        case 15:
        case 18:
            return true;
        default:
            return false;
    }
}

template <size_t N>
int alias_index(const std::array<PartialAlias, N>& table, int partial_index) {
    for (size_t i = 0; i < N; ++i)
        if (table[i].partial_index == partial_index) return static_cast<int>(i);
    return -1;
}

// --- Popup lists: each item names one partial system and carries its price text.

struct ListEntry {
    int partial_index;
    std::string_view price;
};
enum class ListNames { kPartial, kVew, kShort };
struct OfferedList {
    ListNames names;
    std::string_view currency;
    std::span<const ListEntry> entries;
};

// German Lotto, Bundesland 1.
constexpr ListEntry kLottoBavaria[] = {
    {0, "14.40"}, {1, "18.00"},  {2, "36.00"},   {3, "60.00"},   {4, "79.20"},  {6, "26.40"},
    {7, "62.40"}, {8, "158.40"}, {10, "104.40"}, {18, "134.40"}, {16, "92.40"}, {17, "156.00"}};
// Other games, Bundesland 1.
constexpr ListEntry kOtherBavaria[] = {{0, "7.80"},   {6, "14.30"},  {2, "19.50"}, {4, "42.90"},
                                       {16, "50.05"}, {17, "84.50"}, {8, "85.80"}};
// Toto, Bundesland 7 (VEW names).
constexpr ListEntry kTotoVew[] = {{0, "7.80"},   {1, "9.75"},   {6, "14.30"},
                                  {2, "19.50"},  {4, "42.90"},  {16, "50.05"},
                                  {18, "72.80"}, {17, "84.50"}, {8, "85.80"}};
// Other games, Bundesland 7 (VEW names).
constexpr ListEntry kOtherVew[] = {{0, "14.40"},   {1, "18.00"},   {6, "26.40"},
                                   {2, "36.00"},   {4, "79.20"},   {16, "92.40"},
                                   {18, "134.40"}, {17, "156.00"}, {8, "158.40"}};
// Any game, Bundesland 0, 8 or 18.
constexpr ListEntry kSouthWest[] = {{0, "14.40"}, {1, "18.00"},  {6, "26.40"},   {2, "36.00"},
                                    {4, "79.20"}, {16, "92.40"}, {18, "134.40"}, {8, "158.40"}};
// German Lotto, Bundesland 9.
constexpr ListEntry kLottoSaxony[] = {{0, "14.40"},  {1, "18.00"},   {2, "36.00"},
                                      {3, "60.00"},  {4, "79.20"},   {6, "26.40"},
                                      {8, "158.40"}, {18, "134.40"}, {16, "92.40"}};
// German Lotto, Bundesland 11.
constexpr ListEntry kLottoThuringia[] = {{0, "14.40"},   {1, "18.00"},   {6, "26.40"},
                                         {2, "36.00"},   {4, "79.20"},   {16, "92.40"},
                                         {18, "134.40"}, {17, "156.00"}, {8, "158.40"}};
// German Lotto, Bundesland 15.
constexpr ListEntry kLottoBrandenburg[] = {{0, "14.40"}, {1, "18.00"},  {6, "26.40"},
                                           {2, "36.00"}, {16, "92.40"}, {18, "134.40"}};
// German Lotto and the Austrian game in the other Bundesländer (VEW names, VEW order).
constexpr ListEntry kLottoVew[] = {{0, "14.40"},  {1, "18.00"},   {6, "26.40"},
                                   {2, "36.00"},  {4, "79.20"},   {16, "92.40"},
                                   {8, "158.40"}, {18, "134.40"}, {17, "156.00"}};
// Swiss game (short names, short order); "30.- " keeps the column of "37.50".
constexpr ListEntry kSwissShort[] = {{0, "30.- "},  {1, "37.50"},   {6, "55.- "},   {2, "75.- "},
                                     {4, "165.- "}, {16, "192.50"}, {18, "280.- "}, {8, "330.- "}};
// Toto in Bundesland 9, 11, 15 and the others.
constexpr ListEntry kTotoPartial[] = {{0, "7.80"},  {1, "9.75"},   {6, "14.30"},
                                      {2, "19.50"}, {3, "32.50"},  {4, "42.90"},
                                      {5, "65.65"}, {18, "72.80"}, {8, "85.80"}};

// The cases are tested in this order: the Swiss game (its own list in francs,
// whatever Bundesland the draw file names), Bundesland 1, 7, 0/8/18, German
// Lotto by Bundesland, the Austrian game, Toto.
OfferedList offered_list(GameCode game, int bundesland) {
    if (game == kSwiss) return {ListNames::kShort, "CHF", kSwissShort};
    const bool lotto = is_german_lotto(game);
    if (bundesland == 1)
        return lotto ? OfferedList{ListNames::kPartial, "EUR", kLottoBavaria}
                     : OfferedList{ListNames::kPartial, "EUR", kOtherBavaria};
    if (bundesland == 7)
        return game == kToto ? OfferedList{ListNames::kVew, "EUR", kTotoVew}
                             : OfferedList{ListNames::kVew, "EUR", kOtherVew};
    if (bundesland == 0 || bundesland == 8 || bundesland == 18)
        return {ListNames::kPartial, "EUR", kSouthWest};
    if (lotto) {
        if (bundesland == 9) return {ListNames::kPartial, "EUR", kLottoSaxony};
        if (bundesland == 11) return {ListNames::kPartial, "EUR", kLottoThuringia};
        if (bundesland == 15) return {ListNames::kPartial, "EUR", kLottoBrandenburg};
        return {ListNames::kVew, "EUR", kLottoVew};
    }
    if (game == kAustria) return {ListNames::kVew, "EUR", kLottoVew};
    return {ListNames::kPartial, "EUR", kTotoPartial};
}

// "09/12" is listed as "9/12".
std::string_view listed_partial_name(int partial_index) {
    std::string_view n = kPartialSystems[static_cast<size_t>(partial_index)].name;
    return n.front() == '0' ? n.substr(1) : n;
}

std::string_view listed_name(ListNames names, int partial_index) {
    switch (names) {
        case ListNames::kVew:
            return kVewAliases[static_cast<size_t>(alias_index(kVewAliases, partial_index))].name;
        case ListNames::kShort:
            return kShortAliases[static_cast<size_t>(alias_index(kShortAliases, partial_index))]
                .name;
        case ListNames::kPartial:
            break;
    }
    return listed_partial_name(partial_index);
}

// `head` followed by the price ending in a fixed column, then the currency.
std::string list_item(std::string head, std::string_view price, size_t column,
                      std::string_view currency) {
    const size_t used = head.size() + price.size();
    if (used < column) head.append(column - used, ' ');
    head += price;
    head += ' ';
    head += currency;
    return head;
}

std::string right_aligned(std::string_view s, size_t width) {
    std::string out;
    if (s.size() < width) out.assign(width - s.size(), ' ');
    out += s;
    return out;
}

std::string join(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& i : items) {
        if (!out.empty()) out += '|';
        out += i;
    }
    return out;
}

// --- Full systems

constexpr std::array<std::string_view, 7> kLottoFullList = {"8.40",   "33.60",   "100.80", "252.00",
                                                            "554.40", "1108.80", "2059.20"};
constexpr std::array<std::string_view, 6> kAustriaFullList = {"7.70",   "30.80",  "92.40",
                                                              "231.00", "508.20", "1016.40"};
constexpr std::array<std::string_view, 4> kSwissFullList = {"17.50", "70.--", "210.--", "525.--"};
constexpr std::array<std::string_view, 7> kTotoFullList = {"4.55",   "18.20",  "54.60",  "136.50",
                                                           "300.30", "600.60", "1115.40"};

// Box labels, by number count from 7.
constexpr std::array<std::string_view, 7> kLottoFullLabel = {
    "8.40", "33.60", "100.80", "252.00", "554.40", "1108.80", "2059.20"};
constexpr std::array<std::string_view, 4> kSwissFullLabel = {"17.50", "70.-", "210.-", "525.-"};
constexpr std::array<std::string_view, 10> kTotoFullLabel = {
    "4.55",   "18.20",   "54.60",   "136.50",  "300.30",
    "600.60", "1115.40", "1951.95", "3253.25", "5205.20"};

std::span<const std::string_view> full_list_prices(GameCode game, int bundesland) {
    if (is_german_lotto(game)) {
        const bool thirteen = bundesland == 7 || bundesland == 9 || bundesland == 11;
        return std::span<const std::string_view>(kLottoFullList).first(thirteen ? 7 : 6);
    }
    if (game == kAustria) return kAustriaFullList;
    if (game == kSwiss) return kSwissFullList;
    return kTotoFullList;
}

// --- Partial-system box labels

// By partial index: rows x 1.20 EUR and rows x 0.65 EUR.
constexpr std::array<std::string_view, kPartialSystemCount> kPartialLabelLotto = {
    "14.40",  "18.00",  "36.00",  "60.00",  "79.20",  "121.20", "26.40",
    "62.40",  "158.40", "316.80", "104.40", "552.00", "192.00", "1670.40",
    "302.40", "598.80", "92.40",  "156.00", "134.40"};
constexpr std::array<std::string_view, kPartialSystemCount> kPartialLabelOther = {
    "7.80",  "9.75",  "19.50", "32.50",  "42.90",  "65.65",  "14.30", "33.80", "85.80", "171.60",
    "56.55", "299.-", "104.-", "904.80", "163.80", "324.35", "50.05", "84.50", "72.80"};
// By VEW index.
constexpr std::array<std::string_view, 9> kVewLabelLotto = {
    "14.40", "18.00", "26.40", "36.00", "79.20", "92.40", "158.40", "134.40", "156.00"};
constexpr std::array<std::string_view, 9> kVewLabelToto = {
    "7.80", "9.75", "14.30", "19.50", "42.90", "50.05", "85.80", "72.80", "84.50"};
// By short index.
constexpr std::array<std::string_view, 8> kShortLabel = {"30.-",  "37.50",  "55.-",  "75.-",
                                                         "165.-", "192.50", "280.-", "330.-"};

template <size_t N>
std::string_view at(const std::array<std::string_view, N>& table, int i) {
    return i >= 0 && i < static_cast<int>(N) ? table[static_cast<size_t>(i)] : std::string_view();
}

}  // namespace

std::string_view bundesland_name(int index) {
    return index >= 0 && index < kBundeslandCount ? kBundeslandNames[static_cast<size_t>(index)]
                                                  : std::string_view();
}

LabelFamily label_family(GameCode game, int bundesland) {
    // The Swiss systems keep their own names and prices in every Bundesland.
    if (game == kSwiss) return LabelFamily::kShort;
    if (partial_family_land(bundesland)) return LabelFamily::kPartial;
    return LabelFamily::kVew;
}

std::string_view family_heading(LabelFamily family) {
    return kHeadings[static_cast<size_t>(family)];
}

std::string_view family_title(LabelFamily family) {
    std::string_view h = family_heading(family);
    h.remove_prefix(std::min(h.find_first_not_of(' '), h.size()));
    return h.substr(0, h.find_last_not_of(' ') + 1);
}

int family_size(LabelFamily family) {
    switch (family) {
        case LabelFamily::kVew:
            return static_cast<int>(kVewAliases.size());
        case LabelFamily::kShort:
            return static_cast<int>(kShortAliases.size());
        case LabelFamily::kPartial:
            break;
    }
    return kPartialSystemCount;
}

int to_partial_index(LabelFamily family, int stored_index) {
    if (stored_index < 0 || stored_index >= family_size(family)) return -1;
    const auto i = static_cast<size_t>(stored_index);
    switch (family) {
        case LabelFamily::kVew:
            return kVewAliases[i].partial_index;
        case LabelFamily::kShort:
            return kShortAliases[i].partial_index;
        case LabelFamily::kPartial:
            break;
    }
    return stored_index;
}

int from_partial_index(LabelFamily family, int partial_index) {
    if (partial_index < 0 || partial_index >= kPartialSystemCount) return -1;
    switch (family) {
        case LabelFamily::kVew:
            return alias_index(kVewAliases, partial_index);
        case LabelFamily::kShort:
            return alias_index(kShortAliases, partial_index);
        case LabelFamily::kPartial:
            break;
    }
    return partial_index;
}

std::string_view system_name(LabelFamily family, int stored_index) {
    if (stored_index < 0 || stored_index >= family_size(family)) return {};
    const auto i = static_cast<size_t>(stored_index);
    switch (family) {
        case LabelFamily::kVew:
            return kVewAliases[i].name;
        case LabelFamily::kShort:
            return kShortAliases[i].name;
        case LabelFamily::kPartial:
            break;
    }
    return kPartialSystems[i].name;
}

int system_numbers(LabelFamily family, int stored_index) {
    const int p = to_partial_index(family, stored_index);
    return p < 0 ? 0 : kPartialSystems[static_cast<size_t>(p)].numbers;
}

std::string full_system_list(GameCode game, int bundesland) {
    const auto prices = full_list_prices(game, bundesland);
    const std::string_view currency = game == kSwiss ? "CHF" : "EUR";
    std::vector<std::string> items;
    for (size_t k = 0; k < prices.size(); ++k) {
        const int n = kFullListMinNumbers + static_cast<int>(k);
        // "00&7:", "01&0:" .. "01&3:": the accelerator is the last digit.
        std::string head = "0";
        ((head += std::to_string(n / 10)) += '&') += std::to_string(n % 10);
        head += ':';
        items.push_back(list_item(std::move(head), prices[k], 17, currency));
    }
    return join(items);
}

int full_system_item_count(GameCode game, int bundesland) {
    return static_cast<int>(full_list_prices(game, bundesland).size());
}

int full_system_choice(GameCode game, int bundesland, int item) {
    if (item < 0 || item >= full_system_item_count(game, bundesland)) return 0;
    return kFullListMinNumbers + item;
}

std::vector<PartialListItem> partial_system_items(GameCode game, int bundesland) {
    const OfferedList list = offered_list(game, bundesland);
    std::vector<PartialListItem> items;
    for (const ListEntry& e : list.entries) {
        const std::string_view name = listed_name(list.names, e.partial_index);
        std::string text = list.names == ListNames::kPartial
                               ? list_item(right_aligned(name, 6) + ":", e.price, 19, list.currency)
                               : list_item(std::string(name) + ":", e.price, 15, list.currency);
        items.push_back({e.partial_index, std::move(text)});
    }
    return items;
}

std::string partial_system_list(GameCode game, int bundesland) {
    std::vector<std::string> texts;
    for (auto& item : partial_system_items(game, bundesland)) texts.push_back(std::move(item.text));
    return join(texts);
}

PartialChoice partial_system_choice(GameCode game, int bundesland, int item) {
    PartialChoice c;
    const OfferedList list = offered_list(game, bundesland);
    if (item < 0 || item >= static_cast<int>(list.entries.size())) return c;  // dismissed
    const int partial = list.entries[static_cast<size_t>(item)].partial_index;
    const LabelFamily family = label_family(game, bundesland);
    // The item names a system; the box keeps that system's index in its own
    // family, whichever names the list showed.
    const int stored = from_partial_index(family, partial);
    if (stored < 0) {
        const std::string_view family_name =
            family == LabelFamily::kShort ? "Kurz-Systemen" : "VEW-Systemen";
        c.message = "Das System " + std::string(listed_name(list.names, partial)) +
                    " gibt es unter den " + std::string(family_name) +
                    " nicht.|Bitte wählen Sie ein anderes System.";
        return c;
    }
    c.chosen = true;
    c.stored_index = stored;
    c.numbers = kPartialSystems[static_cast<size_t>(partial)].numbers;
    return c;
}

std::string_view full_system_price(GameCode game, int numbers) {
    const int i = numbers - kFullListMinNumbers;
    if (is_german_lotto(game)) return at(kLottoFullLabel, i);
    if (game == kAustria) return i < 6 ? at(kLottoFullLabel, i) : std::string_view();
    if (game == kSwiss) return at(kSwissFullLabel, i);
    return at(kTotoFullLabel, i);
}

std::string_view partial_system_price(GameCode game, LabelFamily family, int stored_index) {
    // The Austrian row costs what the German one does (its VEW labels say so),
    // so its Teil-System labels are the 1.20 ones too.
    const bool lotto_price = is_german_lotto(game) || game == kAustria;
    switch (family) {
        case LabelFamily::kPartial:
            return at(lotto_price ? kPartialLabelLotto : kPartialLabelOther, stored_index);
        case LabelFamily::kVew:
            return at(game == kToto ? kVewLabelToto : kVewLabelLotto, stored_index);
        case LabelFamily::kShort:
            return at(kShortLabel, stored_index);
    }
    return {};
}

}  // namespace zw
