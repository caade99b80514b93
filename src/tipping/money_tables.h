// The money side of tipping: payout quotas, fees and the settings files that
// hold them (Ziehwerk.Par, SwissLotto.Par, AustriaLotto.Par).
#pragma once

#include <array>
#include <cstdint>

#include "archive/file_io.h"

namespace zw {

struct GameParams;

// Indices into the fee lists.
enum FeeEntry { kRowStake = 0, kSideStake1 = 1, kSideStake2 = 2, kFeeNormal = 3, kFeeSystem = 4 };

struct MoneyTables {
    // Payout quotas in tenths: 6 games x 9 positions (position rule per game family).
    std::array<std::array<int32_t, 9>, 6> quota{};
    // Swiss quotas in tenths of a franc: 0..7 = classes 1..8; 8..10 carried only.
    std::array<int32_t, 11> swiss_quota{};
    // Fees in cents: [entry][game code].
    std::array<std::array<int16_t, 6>, 5> fees{};

    // Payout of win class 1..9 in game `game`, in tenths (0 where the class has none).
    int32_t quota_for(int game, int win_class) const;
    int16_t fee(int game, FeeEntry entry) const { return fees[entry][static_cast<size_t>(game)]; }
};

}  // namespace zw
