#include "games/money_tables.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "tipping/quota_form.h"

namespace zw {
namespace {

TEST(QuotaLookup, PositionRuleDiffersByGameFamily) {
    MoneyTables m;
    for (size_t g = 0; g < 6; ++g)
        for (size_t p = 0; p < 9; ++p) m.quota[g][p] = static_cast<int32_t>(100 * g + p);
    for (size_t i = 0; i < 11; ++i) m.swiss_quota[i] = static_cast<int32_t>(1000 + i);

    for (int k = 1; k <= 9; ++k) EXPECT_EQ(m.quota_for(kLottoBoth, k), 400 + k - 1);
    // Toto and Austria: the class number is the position; Toto has no classes 1, 5, 9.
    for (int k : {2, 3, 4, 6, 7, 8}) EXPECT_EQ(m.quota_for(kToto, k), 200 + k);
    for (int k : {1, 5, 9}) EXPECT_EQ(m.quota_for(kToto, k), 0);
    for (int k = 2; k <= 8; ++k) EXPECT_EQ(m.quota_for(kAustria, k), 300 + k);
    EXPECT_EQ(m.quota_for(kAustria, 9), 0);  // ZZ alone is priced by the evaluation
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(m.quota_for(kSwiss, k), 1000 + k - 1);
    EXPECT_EQ(m.quota_for(kSwiss, 9), 0);
    EXPECT_EQ(m.quota_for(kLottoSaturday, 10), 0);
    EXPECT_EQ(m.quota_for(static_cast<GameCode>(9), 2), 0);  // a code no game has
}

TEST(QuotaLookup, DefaultsPayEveryClassAndHigherClassesMore) {
    const MoneyTables d = default_money_tables();
    EXPECT_EQ(d.quota_for(kLottoSaturday, 9), 60);
    for (GameCode game : kGames) {
        int32_t previous = INT32_MAX;
        for (int k = 1; k <= 8; ++k) {
            if (MoneyTables::quota_position(game, k) < 0 && game != kSwiss) continue;
            EXPECT_GT(d.quota_for(game, k), 0) << game << " class " << k;
            EXPECT_LE(d.quota_for(game, k), previous) << game << " class " << k;
            previous = d.quota_for(game, k);
        }
    }
    const std::array<int, 6> row_price = {120, 120, 65, 120, 120, 250};
    for (GameCode game : kGames)
        EXPECT_EQ(d.fee(game, kRowStake), row_price[static_cast<size_t>(game)]);
}

TEST(AmountText, TypedQuotasRoundToTwoDecimalsThenToTenths) {
    // Half to even on the decimal value as typed, in both steps.
    EXPECT_EQ(quota_from_text("2.345"), 23);
    EXPECT_EQ(quota_from_text("2.355"), 24);
    EXPECT_EQ(quota_from_text("2.25"), 22);
    EXPECT_EQ(quota_from_text("12,5"), 125);
    EXPECT_EQ(quota_from_text("     123.40"), 1234);
    EXPECT_EQ(quota_from_text("7.5 EUR"), 75);  // leading numeric part
    EXPECT_EQ(quota_from_text("abc"), 0);
    EXPECT_EQ(quota_from_text("1e3"), 10000);
    EXPECT_EQ(quota_from_text("1e"), 10);
    EXPECT_EQ(quota_from_text("1e-400"), 0);
    EXPECT_EQ(quota_from_text("214748364.70"), INT32_MAX);
    // Amounts the 32-bit table cannot hold, and negative ones, are refused.
    EXPECT_EQ(quota_from_text("214748364.80"), std::nullopt);
    EXPECT_EQ(quota_from_text("1e400"), std::nullopt);
    EXPECT_EQ(quota_from_text("-5"), std::nullopt);

    EXPECT_EQ(quota_text(1234), "     123.40");
    EXPECT_EQ(quota_text(-5), "      -0.50");
    EXPECT_EQ(quota_text(INT32_MAX), "214748364.70");  // wider values are not cut
    // Enter shows two decimals; tenths are taken only when the dialog is confirmed.
    EXPECT_EQ(reformat_quota_text("3,456"), "       3.46");
    EXPECT_EQ(reformat_quota_text("-3"), std::nullopt);
}

TEST(AmountText, FeesTakeCentsAndRefuseWhatDoesNotFitSixteenBits) {
    EXPECT_EQ(fee_from_text("1,20"), 120);  // a decimal comma is not cut off
    EXPECT_EQ(fee_from_text("0.655"), 66);
    EXPECT_EQ(fee_from_text("327.67"), 32767);
    EXPECT_EQ(fee_from_text("327.68"), std::nullopt);
    EXPECT_EQ(fee_from_text("-1"), std::nullopt);
    // Text is refused, not taken as 0.00.
    EXPECT_EQ(fee_from_text("abc"), std::nullopt);
    EXPECT_EQ(fee_from_text("1,20 EUR"), std::nullopt);
    EXPECT_EQ(fee_from_text(""), std::nullopt);
    EXPECT_EQ(fee_text(5), "0.05");
    EXPECT_EQ(fee_text(-250), "-2.50");
}

TEST(QuotaForm, ConfirmedFieldsReachTheirTables) {
    MoneyTables m;
    GameParams p;
    apply_game(p, kAustria);
    for (GameCode game : {kToto, kSwiss, kAustria})
        for (const auto& f : quota_form(game).fields) store_quota_field(f, game, f.id, m, p);
    EXPECT_EQ(m.quota[kToto][5], 0);  // Toto never edits position 5
    EXPECT_EQ(m.quota[kToto][8], 108);
    EXPECT_EQ(m.swiss_quota[7], 108);
    EXPECT_EQ(m.quota[kSwiss], (std::array<int32_t, 9>{}));
    EXPECT_EQ(m.quota[kAustria][2], 102);
    EXPECT_EQ(p.side_prizes_2[1], 109);  // P6
    EXPECT_EQ(p.side_prizes_2[3], 111);  // P4

    m.quota[kLottoBoth][8] = m.quota[kAustria][8] = 12345;
    finish_quota_confirm(kLottoBoth, m);
    finish_quota_confirm(kAustria, m);
    EXPECT_EQ(m.quota[kLottoBoth][8], 60);
    EXPECT_EQ(m.quota[kAustria][8], 12345);
}

}  // namespace
}  // namespace zw
