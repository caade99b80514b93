#include "games/game_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace zw {
namespace {

auto files(std::set<std::string_view> present) {
    return [present](std::string_view f) { return present.count(f) > 0; };
}

TEST(InitialGame, PrefersSaturdayLottoWhenItsFileExists) {
    EXPECT_EQ(initial_game(files({"Lotto.Dat", "Swiss.Dat"}), ""), 0);
}

TEST(InitialGame, WithoutLottoTakesTheLastPresentInTheFixedOrder) {
    EXPECT_EQ(initial_game(files({"Swiss.Dat", "Toto.Dat"}), ""), 2);
    EXPECT_EQ(initial_game(files({"Swiss.Dat"}), ""), 5);
    EXPECT_EQ(initial_game(files({"Swiss.Dat", "O_Lotto.Dat", "M_Lotto.Dat"}), ""), 1);
    EXPECT_EQ(initial_game(files({"SM_Lotto.Dat", "Toto.Dat"}), ""), 4);
    EXPECT_EQ(initial_game(files({}), ""), 0);
}

TEST(InitialGame, CommandLineDigitZeroToFiveOverrides) {
    EXPECT_EQ(initial_game(files({"Lotto.Dat"}), "3"), 3);
    EXPECT_EQ(initial_game(files({"Lotto.Dat"}), "5xyz"), 5);
    EXPECT_EQ(initial_game(files({"Lotto.Dat"}), "7"), 0);
    EXPECT_EQ(initial_game(files({"Lotto.Dat"}), "x"), 0);
    EXPECT_EQ(initial_game(files({"Toto.Dat"}), "-1"), 2);
}

TEST(GameParams, SelectingAGameSetsItsParameters) {
    GameParams p;
    apply_game(p, kSwiss);
    EXPECT_EQ(p.highest_number, 42);
    EXPECT_TRUE(p.swiss);
    EXPECT_EQ(p.currency, "CHF");
    EXPECT_EQ(p.record_length(), 8);
    EXPECT_EQ(p.capacity(), 7000);
    EXPECT_EQ(p.side_prizes_1[1], 0);  // Swiss Joker pays nothing for one digit
    EXPECT_EQ(p.side_prizes_1[6], 2500000);
    EXPECT_EQ(p.even_distribution[3], 3372);

    apply_game(p, kAustria);  // switching resets the Swiss settings
    EXPECT_FALSE(p.swiss);
    EXPECT_TRUE(p.austria);
    EXPECT_EQ(p.currency, "EUR");
    EXPECT_EQ(p.side_prizes_1[1], 20);  // Austrian Joker 2.00 EUR for one digit
    EXPECT_FALSE(p.fixed_side_prizes);
    EXPECT_EQ(p.side_prizes_2[1], 0);

    apply_game(p, kLottoWednesday);
    EXPECT_TRUE(p.german_lotto);
    EXPECT_EQ(p.super_start, 993);
    EXPECT_EQ(p.odds_constant, 31);
    EXPECT_EQ(p.side_prizes_1[7], 1777770);
    EXPECT_EQ(p.side_prizes_2[6], 1000000);

    apply_game(p, kToto);
    EXPECT_FALSE(p.german_lotto);
    EXPECT_TRUE(p.fixed_side_prizes);
    EXPECT_EQ(p.super_start, 0);
    EXPECT_EQ(p.generator_constant, 23);
}

TEST(GameCatalogue, EvenNumberDistributionsSumToTenThousand) {
    for (GameCode g : kGames) {
        GameParams p;
        apply_game(p, g);
        int sum = 0;
        for (int v : p.even_distribution) sum += v;
        EXPECT_NEAR(sum, 10000, 2) << g;
    }
}

TEST(GameCatalogue, ClassNamesFollowTheGameFamily) {
    EXPECT_EQ(class_names(kLottoBoth)[9], "2+S");
    EXPECT_EQ(class_names(kToto)[5], "");
    EXPECT_EQ(class_names(kAustria)[9], "ZZ");
    EXPECT_EQ(class_names(kSwiss)[1], "6+G");
}

TEST(GameCatalogue, NumbersFromOutsideBecomeGamesOnlyWhenTheyNameOne) {
    for (GameCode g : kGames) EXPECT_EQ(game_code(static_cast<int>(g)), g);
    for (int bad : {-1, 6, 255, -32768}) EXPECT_FALSE(game_code(bad)) << bad;
}

}  // namespace
}  // namespace zw
