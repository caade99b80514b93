#include "app/menu_definition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace zw {
namespace {

std::vector<std::string> labels(const MenuNode& node) {
    std::vector<std::string> out;
    for (const auto& c : node.children) out.push_back(c.kind == MenuNode::kSeparator ? "-" : c.label);
    return out;
}

TEST(MenuDefinition, BarHasTheSixDropDowns) {
    const auto bar = build_menu(menu_definition(), false);
    std::vector<std::string> titles;
    for (const auto& d : bar) titles.push_back(d.label);
    EXPECT_EQ(titles, (std::vector<std::string>{"Zieh&werk", "&Ziehungen", "&Statistik", "&Tippen",
                                                "&Bilanz", "&Hilfe"}));
}

TEST(MenuDefinition, EveryIdAppearsOnce) {
    const auto ids = menu_ids(build_menu(menu_definition(), true));
    std::set<int> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size());
    const std::set<int> expected = {8,  9,  20, 11, 7,  18, 12, 13, 14, 22, 80, 23, 10, 17, 54,
                                    15, 16, 19, 21, 25, 70, 24, 26, 27, 28, 30, 31, 32, 33, 34,
                                    37, 35, 36, 65, 61, 62, 63, 67, 68, 69, 74, 75, 76, 38, 64,
                                    71, 66, 39, 40, 2,  41, 42, 44, 45, 47, 48, 49, 58, 59, 50,
                                    51, 52, 53, 60, 1,  88, 90, 91, 92};
    EXPECT_EQ(unique, expected);
}

TEST(MenuDefinition, BonusEntryOnlyForAustriaAfterASeparator) {
    const auto plain = build_menu(menu_definition(), false);
    EXPECT_EQ(find_menu_id(plain, kBonusMenuId), nullptr);
    EXPECT_EQ(labels(plain[1]), (std::vector<std::string>{"&laden", "&sichern", "&anzeigen", "-",
                                                          "&ergänzen", "CSV-Import…", "-", "&Net-Update"}));
    const auto austria = build_menu(menu_definition(), true);
    EXPECT_EQ(labels(austria[1]),
              (std::vector<std::string>{"&laden", "&sichern", "&anzeigen", "-", "&ergänzen",
                                        "CSV-Import…", "-", "&Bonus-Ziehung", "-",
                                        "&Net-Update"}));
}

TEST(MenuDefinition, SubmenusNestAndKeepLabelsExactly) {
    const auto bar = build_menu(menu_definition(), false);
    const MenuNode& game = bar[0];
    ASSERT_EQ(game.children[3].kind, MenuNode::kSubmenu);
    EXPECT_EQ(game.children[3].label, "Österreich");
    EXPECT_EQ(labels(game.children[3]), (std::vector<std::string>{"&Lotto 6 aus 45", "&Toto 12X"}));
    EXPECT_EQ(find_menu_id(bar, 42)->label, "  &7 x 7 ");
    EXPECT_EQ(find_menu_id(bar, 51)->label, "&SYS-Kartei ");
    EXPECT_EQ(find_menu_id(bar, 54)->label, "&Beenden");
    const MenuNode& stats = bar[2];
    const auto it = std::find_if(stats.children.begin(), stats.children.end(),
                                 [](const MenuNode& n) { return n.label == "&MiniMax"; });
    ASSERT_NE(it, stats.children.end());
    EXPECT_EQ(labels(*it), (std::vector<std::string>{"&Kleinste Zahl", "&Größte Zahl", "Grenz-&Paare"}));
}

// The key after '&' (a whole UTF-8 character, ASCII letters folded); empty when none.
std::string access_key(const std::string& label) {
    const auto amp = label.find('&');
    if (amp == std::string::npos || amp + 1 >= label.size()) return {};
    const auto lead = static_cast<unsigned char>(label[amp + 1]);
    const size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    std::string key = label.substr(amp + 1, len);
    if (len == 1) key[0] = static_cast<char>(std::tolower(lead));
    return key;
}

// Alt+key and the key inside an open menu must reach one entry, not cycle.
void expect_distinct_keys(const std::vector<MenuNode>& level, const std::string& where) {
    std::set<std::string> seen;
    for (const MenuNode& n : level) {
        if (n.kind == MenuNode::kSeparator) continue;
        const std::string key = access_key(n.label);
        if (!key.empty()) {
            EXPECT_TRUE(seen.insert(key).second) << where << ": " << n.label;
        }
        expect_distinct_keys(n.children, n.label);
    }
}

TEST(MenuDefinition, AccessKeysAreDistinctOnEveryLevel) {
    for (bool austria : {false, true}) expect_distinct_keys(build_menu(menu_definition(), austria), "bar");
}

}  // namespace
}  // namespace zw
