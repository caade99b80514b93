#include "stats/statistic_codes.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

GameParams game(GameCode code) { return game_params(code); }

TEST(StatisticCodes, KindSwitchFollowsTheMappingTables) {
    // Option 2 and option 1 undo each other for every counterpart pair.
    const std::pair<int, int> pairs[] = {{1, 2},   {3, 4},   {5, 6},   {7, 34},  {8, 35},
                                         {36, 37}, {9, 38},  {10, 39}, {40, 41}, {11, 42},
                                         {12, 43}, {45, 44}, {13, 46}, {14, 47}, {15, 48},
                                         {21, 49}, {22, 50}, {23, 51}, {18, 52}, {19, 53},
                                         {20, 54}, {16, 55}, {24, 56}, {17, 57}};
    for (auto [winning, other] : pairs) {
        EXPECT_EQ(switch_kind(winning, 2), other) << winning;
        EXPECT_EQ(switch_kind(other, 1), winning) << other;
        EXPECT_FALSE(switch_kind(winning, 1)) << winning;
    }
    EXPECT_EQ(switch_kind(31, 1), 1);
    EXPECT_EQ(switch_kind(32, 1), 3);
    EXPECT_EQ(switch_kind(33, 2), 6);
    EXPECT_EQ(switch_kind(2, 3), 31);
    EXPECT_EQ(switch_kind(4, 3), 32);
    EXPECT_EQ(switch_kind(5, 3), 33);
    EXPECT_FALSE(switch_kind(31, 3));
    EXPECT_FALSE(switch_kind(13, 3));
}

TEST(StatisticCodes, KindSwitchIsOfferedPerGameWithItsCaptions) {
    EXPECT_TRUE(shows_kind_switch(1, game(kLottoSaturday)));
    EXPECT_FALSE(shows_kind_switch(13, game(kLottoSaturday)));
    EXPECT_FALSE(shows_kind_switch(1, game(kSwiss)));
    EXPECT_TRUE(shows_kind_switch(13, game(kAustria)));
    EXPECT_TRUE(shows_kind_switch(57, game(kAustria)));
    EXPECT_TRUE(shows_kind_switch(31, game(kAustria)));
    EXPECT_FALSE(shows_plus_option(13, game(kAustria)));
    EXPECT_TRUE(shows_plus_option(4, game(kAustria)));
    EXPECT_FALSE(shows_plus_option(4, game(kToto)));
    EXPECT_EQ(second_kind_caption(1, game(kLottoBoth)), "&Super-Zahlen");
    EXPECT_EQ(second_kind_caption(1, game(kToto)), "&Zusatz-Spiele");
    EXPECT_EQ(second_kind_caption(16, game(kAustria)), "&PLUS-Zahlen");
    EXPECT_EQ(second_kind_caption(3, game(kAustria)), "&Zusatz-Zahlen");
    EXPECT_EQ(selected_kind(32), 3);
    EXPECT_EQ(selected_kind(47), 2);
    EXPECT_EQ(selected_kind(4), 2);
    EXPECT_EQ(plus_key_option(2), 3);
    EXPECT_EQ(plus_key_option(16), 2);
}

TEST(StatisticCodes, TitlesKeepTheirLeadingBlanksPerGame) {
    EXPECT_EQ(statistic_title(3, game(kSwiss)), "    Rückstände der Gewinn-Zahlen ab der");
    EXPECT_EQ(statistic_title(2, game(kToto)), "  Häufigkeiten der Zusatz-Spiele nach der");
    EXPECT_EQ(statistic_title(4, game(kLottoWednesday)), "       Rückstände der Super-Zahlen ab der");
    EXPECT_EQ(statistic_title(6, game(kAustria)), "Häufigkeit & Rückstand der Zusatz-Z. der");
    EXPECT_EQ(statistic_title(47, game(kAustria)), "  Rückstände der Zwillings-Zahlen ab der");
    EXPECT_EQ(statistic_title(99, game(kAustria)), "");
}

TEST(StatisticCodes, CodesFallBackWhenTheGameLacksTheKind) {
    EXPECT_EQ(code_for_game(32, game(kLottoSaturday)), 3);
    EXPECT_EQ(code_for_game(55, game(kToto)), 16);
    EXPECT_EQ(code_for_game(4, game(kSwiss)), 3);
    EXPECT_EQ(code_for_game(32, game(kAustria)), 32);
    EXPECT_EQ(help_topic(16, false), "gu-verteilung.htm");
    EXPECT_EQ(help_topic(57, false), "betrachtungen.htm");
    EXPECT_EQ(help_topic(1, true), "durchschnitte.htm");
    EXPECT_EQ(help_topic(100, false), "bilanz-diagramme.htm");
    EXPECT_EQ(help_topic(5, false), "diagramme.htm");
}

}  // namespace
}  // namespace zw
