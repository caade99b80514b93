#include "games/system_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "games/game_catalogue.h"
#include "games/partial_systems.h"

namespace zw {
namespace {

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t bar; (bar = s.find('|', start)) != std::string::npos; start = bar + 1)
        out.push_back(s.substr(start, bar - start));
    out.push_back(s.substr(start));
    return out;
}

// "  9/12:       14.40 EUR" -> "9/12"
std::string item_name(const std::string& item) {
    std::string name = item.substr(0, item.find(':'));
    return name.substr(name.find_first_not_of(' '));
}
std::vector<std::string> names(GameCode game, int land) {
    std::vector<std::string> out;
    for (const auto& i : split(partial_system_list(game, land))) out.push_back(item_name(i));
    return out;
}

// "14.40", "30.-", "70.--", "30.- " -> cents
int cents(std::string price) {
    while (!price.empty() && price.back() == ' ') price.pop_back();
    const size_t dot = price.find('.');
    const std::string frac = price.substr(dot + 1);
    return std::stoi(price.substr(0, dot)) * 100 + (frac[0] == '-' ? 0 : std::stoi(frac));
}
// The price of a list item: the text between the colon and the currency.
int item_cents(const std::string& item) {
    const size_t colon = item.find(':');
    const std::string rest = item.substr(colon + 1, item.size() - colon - 5);
    return cents(rest.substr(rest.find_first_not_of(' ')));
}
int64_t binomial(int n, int k) {
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

TEST(SystemCatalogue, FullSystemListTextsAndThirteenOnlyInSomeLands) {
    const auto items = split(full_system_list(kLottoSaturday, 0));
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0], "00&7:        8.40 EUR");
    EXPECT_EQ(items[5], "01&2:     1108.80 EUR");
    for (int land : {7, 9, 11})
        EXPECT_EQ(split(full_system_list(kLottoBoth, land)).back(), "01&3:     2059.20 EUR");
    EXPECT_EQ(full_system_item_count(kToto, 0), 7);
    EXPECT_EQ(full_system_item_count(kAustria, 9), 6);
    EXPECT_EQ(split(full_system_list(kSwiss, 17))[1], "00&8:       70.-- CHF");
    EXPECT_EQ(full_system_choice(kLottoSaturday, 9, 6), 13);
    EXPECT_EQ(full_system_choice(kLottoSaturday, 8, 6), 0);  // not offered there
    EXPECT_EQ(full_system_choice(kToto, 0, -1), 0);          // dismissed
}

TEST(SystemCatalogue, PartialListsInTheirExactOrder) {
    using V = std::vector<std::string>;
    EXPECT_EQ(names(kLottoSaturday, 1),
              (V{"9/12", "10/15", "10/30", "10/50", "11/66", "12/22", "12/52", "12/132", "14/87",
                 "16/112", "22/77", "26/130"}));
    EXPECT_EQ(names(kAustria, 1),
              (V{"9/12", "12/22", "10/30", "11/66", "22/77", "26/130", "12/132"}));
    EXPECT_EQ(names(kToto, 7), (V{"609", "710", "612", "610", "711", "622", "616", "626", "712"}));
    EXPECT_EQ(names(kLottoWednesday, 7), names(kToto, 7));
    // The Swiss game offers its own list in every Bundesland.
    EXPECT_EQ(names(kSwiss, 18), names(kSwiss, 17));
    EXPECT_EQ(names(kSwiss, 0), names(kSwiss, 17));
    EXPECT_EQ(names(kLottoBoth, 9), (V{"9/12", "10/15", "10/30", "10/50", "11/66", "12/22",
                                       "12/132", "16/112", "22/77"}));
    EXPECT_EQ(names(kLottoBoth, 11), (V{"9/12", "10/15", "12/22", "10/30", "11/66", "22/77",
                                        "16/112", "26/130", "12/132"}));
    EXPECT_EQ(names(kLottoBoth, 15), (V{"9/12", "10/15", "12/22", "10/30", "22/77", "16/112"}));
    EXPECT_EQ(names(kLottoSaturday, 3),
              (V{"609", "710", "612", "610", "711", "622", "712", "616", "626"}));
    EXPECT_EQ(names(kAustria, 12), names(kLottoSaturday, 3));
    EXPECT_EQ(names(kSwiss, 17), (V{"K12", "K15", "K22", "K30", "K66", "K77", "K112", "K132"}));
    EXPECT_EQ(names(kToto, 12), (V{"9/12", "10/15", "12/22", "10/30", "10/50", "11/66", "11/101",
                                   "16/112", "12/132"}));
    EXPECT_EQ(names(kToto, 9), names(kToto, 12));

    EXPECT_EQ(split(partial_system_list(kLottoSaturday, 1))[0], "  9/12:       14.40 EUR");
    EXPECT_EQ(split(partial_system_list(kLottoSaturday, 1))[7], "12/132:      158.40 EUR");
    EXPECT_EQ(split(partial_system_list(kToto, 7))[0], "609:       7.80 EUR");
    EXPECT_EQ(split(partial_system_list(kSwiss, 16))[0], "K12:      30.-  CHF");
    EXPECT_EQ(split(partial_system_list(kSwiss, 16))[6], "K112:    280.-  CHF");
}

TEST(SystemCatalogue, EveryListItemIsPricedAtOneRowPriceAndStoresItsSystem) {
    for (GameCode game : kGames) {
        for (int land = -1; land <= kBundeslandCount; ++land) {
            const auto items = partial_system_items(game, land);
            ASSERT_FALSE(items.empty());
            std::set<int> row_prices;
            for (int i = 0; i < static_cast<int>(items.size()); ++i) {
                const auto& item = items[static_cast<size_t>(i)];
                const int rows = kPartialSystems[static_cast<size_t>(item.partial_index)].rows;
                const int c = item_cents(item.text);
                EXPECT_EQ(c % rows, 0) << item.text;
                row_prices.insert(c / rows);
                // What the box stores reads back as the listed system.
                const PartialChoice choice = partial_system_choice(game, land, i);
                if (!choice.chosen) continue;
                const LabelFamily f = label_family(game, land);
                EXPECT_EQ(to_partial_index(f, choice.stored_index), item.partial_index);
                EXPECT_EQ(system_numbers(f, choice.stored_index), choice.numbers);
            }
            EXPECT_EQ(row_prices.size(), 1u) << game << "/" << land;
            EXPECT_TRUE(row_prices.count(120) || row_prices.count(65) || row_prices.count(250));
            const auto full = split(full_system_list(game, land));
            for (size_t k = 0; k < full.size(); ++k) {
                const int64_t rows = binomial(static_cast<int>(k) + 7, 6);
                const int row_price = static_cast<int>(item_cents(full[k]) / rows);
                EXPECT_EQ(item_cents(full[k]) % rows, 0) << full[k];
                EXPECT_EQ(row_price, game == kAustria ? 110
                                     : game == kSwiss ? 250
                                     : game == kToto  ? 65
                                                      : 120);
            }
        }
    }
}

TEST(SystemCatalogue, PriceLabelsAreRowsTimesTheGamesRowPrice) {
    const std::array<int, 6> row_price = {120, 120, 65, 120, 120, 250};
    for (GameCode game : kGames) {
        for (int n = 7; n <= 16; ++n) {
            const std::string_view label = full_system_price(game, n);
            if (label.empty()) continue;
            EXPECT_EQ(cents(std::string(label)),
                      binomial(n, 6) * row_price[static_cast<size_t>(game)])
                << game << " " << n;
        }
        for (auto family : {LabelFamily::kPartial, LabelFamily::kVew, LabelFamily::kShort}) {
            if ((family == LabelFamily::kShort) != (game == kSwiss) &&
                family != LabelFamily::kPartial)
                continue;
            const int price = family == LabelFamily::kPartial && game == kSwiss
                                  ? 65
                                  : row_price[static_cast<size_t>(game)];
            for (int i = 0; i < family_size(family); ++i) {
                const int rows =
                    kPartialSystems[static_cast<size_t>(to_partial_index(family, i))].rows;
                EXPECT_EQ(cents(std::string(partial_system_price(game, family, i))), rows * price)
                    << game << " " << static_cast<int>(family) << " " << i;
            }
        }
    }
    EXPECT_EQ(full_system_price(kAustria, 13), "");
    EXPECT_EQ(full_system_price(kToto, 16), "5205.20");
    EXPECT_EQ(partial_system_price(kToto, LabelFamily::kPartial, 11), "299.-");
}

// A Swiss system costs the same in the list, in the box and on the ticket,
// in francs, whichever Bundesland the draw file's header names.
TEST(SystemCatalogue, SwissListAndBoxAgreeInFrancsInEveryBundesland) {
    for (int land = 0; land < kBundeslandCount; ++land) {
        const auto items = partial_system_items(kSwiss, land);
        ASSERT_FALSE(items.empty());
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            const auto& item = items[static_cast<size_t>(i)];
            EXPECT_NE(item.text.find("CHF"), std::string::npos) << land << " " << item.text;
            const PartialChoice choice = partial_system_choice(kSwiss, land, i);
            ASSERT_TRUE(choice.chosen) << land << " " << item.text;
            const int rows = kPartialSystems[static_cast<size_t>(item.partial_index)].rows;
            EXPECT_EQ(item_cents(item.text), rows * 250) << land << " " << item.text;
            EXPECT_EQ(cents(std::string(partial_system_price(kSwiss, label_family(kSwiss, land),
                                                             choice.stored_index))),
                      rows * 250)
                << land << " " << item.text;
        }
    }
}

TEST(SystemCatalogue, ChoiceStoresTheIndexWithinTheBoxFamily) {
    EXPECT_EQ(label_family(kSwiss, 18), LabelFamily::kShort);
    EXPECT_EQ(label_family(kSwiss, 0), LabelFamily::kShort);
    EXPECT_EQ(label_family(kSwiss, 7), LabelFamily::kShort);
    EXPECT_EQ(label_family(kToto, 500), LabelFamily::kVew);
    PartialChoice c = partial_system_choice(kLottoSaturday, 1, 10);  // "22/77"
    EXPECT_TRUE(c.chosen);
    EXPECT_EQ(c.stored_index, 16);
    EXPECT_EQ(c.numbers, 22);
    c = partial_system_choice(kLottoSaturday, 7, 6);  // "616"
    EXPECT_EQ(c.stored_index, 7);
    EXPECT_EQ(c.numbers, 16);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(partial_system_choice(kLottoBoth, 5, i).stored_index, i);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(partial_system_choice(kSwiss, 17, i).stored_index, i);

    // Lists whose names differ from the box family: the named system is stored.
    c = partial_system_choice(kAustria, 9, 4);  // "711" in a Teil-Systeme box
    EXPECT_EQ(c.stored_index, 4);
    EXPECT_EQ(c.numbers, 11);
    c = partial_system_choice(kSwiss, 7, 6);  // "616" in a Kurz-Systeme box: K112
    EXPECT_EQ(c.stored_index, 6);
    c = partial_system_choice(kToto, 2, 8);  // "12/132" in a VEW box: 712
    EXPECT_EQ(c.stored_index, 6);
    c = partial_system_choice(kToto, 2, 4);  // "10/50" has no VEW name
    EXPECT_FALSE(c.chosen);
    EXPECT_NE(c.message.find("10/50"), std::string::npos);
    // The Swiss list is the short list in every Bundesland: every item has its name.
    EXPECT_TRUE(partial_system_choice(kSwiss, 7, 7).chosen);

    // A dismissed list chooses nothing.
    c = partial_system_choice(kLottoSaturday, 1, -1);
    EXPECT_FALSE(c.chosen);
    EXPECT_TRUE(c.message.empty());
    EXPECT_FALSE(partial_system_choice(kLottoSaturday, 1, 12).chosen);
}

}  // namespace
}  // namespace zw
