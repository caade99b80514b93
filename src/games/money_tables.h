// The money side of tipping: payout quotas, fees and the settings files that
// hold them (Ziehwerk.Par, SwissLotto.Par, AustriaLotto.Par).
#pragma once

#include <array>
#include <cstdint>

#include "base/file_io.h"
#include "games/game_catalogue.h"

namespace zw {

struct GameParams;

// Indices into the fee lists.
enum FeeEntry { kRowStake = 0, kSideStake1 = 1, kSideStake2 = 2, kFeeNormal = 3, kFeeSystem = 4 };

// German Lotto class 2+S (quota position 8) always pays this fixed amount (6.00).
constexpr int32_t kGermanTwoPlusSuperQuota = 60;
// LottoPlus P3 (three LottoPlus hits) pays this fixed amount (2.00 EUR).
constexpr int32_t kLottoPlusThreeQuota = 20;

struct MoneyTables {
    // Payout quotas in tenths: 6 games x 9 positions (position rule per game family).
    std::array<std::array<int32_t, 9>, 6> quota{};
    // Swiss quotas in tenths of a franc: 0..7 = classes 1..8; 8..10 carried only.
    std::array<int32_t, 11> swiss_quota{};
    // Fees in cents: [entry][game code].
    std::array<std::array<int16_t, 6>, 5> fees{};

    // Payout of win class 1..9 in game `game`, in tenths (0 where the class has none).
    int32_t quota_for(GameCode game, int win_class) const;
    int16_t fee(GameCode game, FeeEntry entry) const { return fees[entry][static_cast<size_t>(game)]; }

    // Where the quota of win class 1..9 lives in quota[game]: German Lotto class - 1,
    // Toto and Austria the class number itself; -1 for a class without a position
    // (and for the Swiss game, whose quotas are in swiss_quota).
    static int quota_position(GameCode game, int win_class);
};

// The tables a data folder without Ziehwerk.Par starts with: the row prices the
// system price lists imply, current side-game stakes, typical processing fees
// and rounded long-run average payouts per class (help topic quoten.htm).
MoneyTables default_money_tables();

// LottoPlus quotas 0..3 as AustriaLotto.Par holds them (value 0 carries no
// amount; 1 = P6, 2 = P5, 3 = P4), used when that file is missing.
std::array<int32_t, 4> default_lottoplus_quotas();

// Puts LottoPlus values 0..3 into the Austrian game's second prize table and
// sets the fixed P3 prize (entry 4).
void set_lottoplus_quotas(GameParams& params, const std::array<int32_t, 4>& values);
// Values 0..3 of the second prize table, as AustriaLotto.Par stores them.
std::array<int32_t, 4> lottoplus_quotas(const GameParams& params);

}  // namespace zw
