#include "games/money_tables.h"

#include "games/game_catalogue.h"

namespace zw {

int MoneyTables::quota_position(GameCode game, int win_class) {
    if (!is_valid_game(game) || win_class < 1 || win_class > 9) return -1;
    if (is_german_lotto(game)) return win_class - 1;
    if (game == kToto) {
        // Toto has no classes 1 (6+S), 5 (4+) and 9.
        const bool used = win_class != 1 && win_class != 5 && win_class != 9;
        return used ? win_class : -1;
    }
    if (game == kAustria) return win_class >= 2 && win_class <= 8 ? win_class : -1;
    return -1;
}

int32_t MoneyTables::quota_for(GameCode game, int win_class) const {
    if (game == kSwiss)
        return win_class >= 1 && win_class <= 8 ? swiss_quota[static_cast<size_t>(win_class - 1)]
                                                : 0;
    const int p = quota_position(game, win_class);
    return p < 0 ? 0 : quota[static_cast<size_t>(game)][static_cast<size_t>(p)];
}

// Rounded long-run average payouts per winning row and class, in tenths:
// what a class pays on average over many draws, jackpots included. Sources:
// the long-run averages of the winning quotas the lotteries publish after
// every draw (German Lotto 6 aus 49 since the class change of 23.09.2020, the
// Auswahlwette, Austrian Lotto 6 aus 45, Swiss Lotto 6 aus 42), checked
// against the payout ratio each lottery publishes: half of the row stakes
// goes back as winnings. With these quotas and the exact odds a row returns
// 0.60 of 1.20 EUR (German Lotto), 0.32 of 0.65 EUR (Auswahlwette), 0.60 of
// 1.20 EUR (Austria, ZZ paying the row price back) and 1.23 of 2.50 CHF
// (Switzerland; ranks 2 to 8 0.72 CHF). A data folder's own Ziehwerk.Par
// and SwissLotto.Par take priority over them (help topic quoten.htm).
MoneyTables default_money_tables() {
    MoneyTables m;
    // 6+S, 6, 5+S, 5, 4+S, 4, 3+S, 3, 2+S (fixed 6.00)
    constexpr std::array<int32_t, 9> german = {
        120000000, 9000000, 130000, 45000, 2000, 500, 220, 110, kGermanTwoPlusSuperQuota};
    // positions 2..8: 6, 5+, 5, (none), 4, 3+, 3
    constexpr std::array<int32_t, 9> toto = {0, 0, 3000000, 250000, 15000, 0, 450, 300, 55};
    // positions 2..8: 6, 5+, 5, 4+, 4, 3+, 3
    constexpr std::array<int32_t, 9> austria = {0, 0, 15000000, 600000, 20000, 1800, 500, 250, 60};
    m.quota[kLottoSaturday] = german;
    m.quota[kLottoWednesday] = german;
    m.quota[kLottoBoth] = german;
    m.quota[kToto] = toto;
    m.quota[kAustria] = austria;
    // 6+G, 6, 5+G, 5, 4+G, 4, 3+G, 3; the last three values are carried only.
    m.swiss_quota = {160000000, 10000000, 100000, 10000, 1500, 500, 250, 100, 0, 0, 0};
    // Per game code 0..5 (Saturday, Wednesday, Toto, Austria, both days, Swiss), in cents.
    m.fees[kRowStake] = {120, 120, 65, 120, 120, 250};
    m.fees[kSideStake1] = {250, 250, 250, 150, 250, 200};  // Spiel 77 / Joker
    m.fees[kSideStake2] = {125, 125, 125, 50, 125, 0};     // Super 6 / LottoPlus per row
    m.fees[kFeeNormal] = {50, 50, 50, 0, 50, 0};
    m.fees[kFeeSystem] = {50, 50, 50, 0, 50, 0};
    return m;
}

std::array<int32_t, 4> default_lottoplus_quotas() {
    return {0, 3000000, 20000, 400};
}

void set_lottoplus_quotas(GameParams& params, const std::array<int32_t, 4>& values) {
    for (size_t i = 0; i < values.size(); ++i) params.side_prizes_2[i] = values[i];
    params.side_prizes_2[4] = kLottoPlusThreeQuota;
}

std::array<int32_t, 4> lottoplus_quotas(const GameParams& params) {
    return {params.side_prizes_2[0], params.side_prizes_2[1], params.side_prizes_2[2],
            params.side_prizes_2[3]};
}

}  // namespace zw
