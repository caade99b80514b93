#include "tipping/expected_return.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <numeric>

#include "base/decimal.h"
#include "evaluation/system_matchers.h"
#include "evaluation/win_plan.h"
#include "stats/chance_tests.h"

namespace zw {
namespace {

double sum(const auto& a) { return std::accumulate(a.begin(), a.end(), 0.0); }

// How many of all C(n, 6) draws have k numbers among 1..6, by walking them.
std::array<int64_t, 7> hits_by_walking(int n) {
    std::array<int64_t, 7> hist{};
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = b + 1; c <= n; ++c)
                for (int d = c + 1; d <= n; ++d)
                    for (int e = d + 1; e <= n; ++e) {
                        const int base = (a <= 6) + (b <= 6) + (c <= 6) + (d <= 6) + (e <= 6);
                        // The sixth number f runs over e + 1..n; min(6, n) - e of them are <= 6.
                        const int small = std::max(0, 6 - e);
                        hist[static_cast<size_t>(base + 1)] += small;
                        hist[static_cast<size_t>(base)] += n - e - small;
                    }
    return hist;
}

// A draw with k numbers of 1..6 (1..k) and the rest from 40 down.
uint64_t draw_with_hits(int k) {
    uint64_t m = 0;
    for (int i = 1; i <= k; ++i) m |= uint64_t{1} << i;
    for (int i = 0; i < 6 - k; ++i) m |= uint64_t{1} << (40 - i);
    return m;
}

// Class chances of the row 1..6 from the walk over all draws and, for each
// hit count, over every Superzahl, Glückszahl or Zusatzzahl the draw can have,
// classified by the evaluation's row matcher.
std::array<double, kClassCount + 1> walked_odds(GameCode game) {
    const GameParams params = game_params(game);
    const RuleSet rules = rule_set_for(game);
    const int n = params.highest_number;
    const auto hist = hits_by_walking(n);
    const double all = static_cast<double>(binomial(n, 6));
    const uint64_t row = number_mask(std::array<int, 6>{1, 2, 3, 4, 5, 6});
    std::array<double, kClassCount + 1> odds{};
    for (int k = 0; k <= 6; ++k) {
        EvalDraw d;
        d.drawn = draw_with_hits(k);
        std::vector<EvalDraw> variants;
        auto add = [&](int extra, int zusatz) {
            variants.push_back(d);
            variants.back().extra = extra;
            variants.back().zusatz = zusatz;
        };
        if (rules == RuleSet::German)
            for (int s = 0; s <= 9; ++s) add(s, 0);
        else if (rules == RuleSet::Swiss)
            for (int g = 1; g <= 6; ++g) add(g, 0);
        else
            for (int z = 1; z <= n; ++z)
                if (!(d.drawn >> z & 1)) add(-1, z);
        for (const EvalDraw& v : variants) {
            const RowMatch m = match_row(rules, row, 2, v, TicketExtras{3, false});
            odds[static_cast<size_t>(m.win_class)] +=
                static_cast<double>(hist[static_cast<size_t>(k)]) / all / static_cast<double>(variants.size());
        }
    }
    return odds;
}

TEST(RowOdds, EveryGameMatchesTheWalkOverAllDraws) {
    for (GameCode game : {kLottoSaturday, kToto, kAustria, kSwiss}) {
        const RowOdds o = row_odds(game_params(game), true, false);
        const auto walked = walked_odds(game);
        EXPECT_NEAR(sum(o.cls), 1.0, 1e-14) << game;
        for (size_t c = 0; c < o.cls.size(); ++c)
            EXPECT_NEAR(o.cls[c], walked[c], 1e-15 + 1e-12 * walked[c]) << game << " class " << c;
        EXPECT_DOUBLE_EQ(o.plus[0], 1.0);
    }
}

TEST(RowOdds, KnownOddsOfTheClasses) {
    const RowOdds de = row_odds(game_params(kLottoSaturday), true, false);
    EXPECT_NEAR(1 / de.cls[1], 139838160, 1e-3);          // 6 + Superzahl
    EXPECT_NEAR(1 / de.cls[2], 139838160.0 / 9, 1e-3);    // 6
    EXPECT_NEAR(de.cls[9], 15.0 * 123410 / 13983816 / 10, 1e-15);  // 2 + S, about 1 in 76
    EXPECT_NEAR(de.cls[8], 20.0 * 12341 / 13983816 * 0.9, 1e-15);
    // Without a lottery number no Superzahl class can be won.
    const RowOdds none = row_odds(game_params(kLottoSaturday), false, false);
    for (int c : {1, 3, 5, 7, 9}) EXPECT_EQ(none.cls[static_cast<size_t>(c)], 0.0);
    EXPECT_NEAR(none.cls[8], 20.0 * 12341 / 13983816, 1e-15);

    const RowOdds ch = row_odds(game_params(kSwiss), true, false);
    EXPECT_NEAR(1 / ch.cls[1], 31474716, 1e-3);  // 6 + Glückszahl

    const RowOdds at = row_odds(game_params(kAustria), true, true);
    EXPECT_NEAR(1 / at.cls[3], 1357510, 1e-3);   // 5 + ZZ
    EXPECT_NEAR(at.cls[9], 3262623.0 / 8145060 * 6 / 39, 1e-15);  // ZZ alone
    EXPECT_NEAR(1 / at.plus[1], 8145060, 1e-3);  // LottoPlus six
    EXPECT_NEAR(sum(at.plus), 1.0, 1e-14);

    // The Auswahlwette counts 4 hits with Z as IV. and has no class 5.
    const RowOdds toto = row_odds(game_params(kToto), true, false);
    EXPECT_EQ(toto.cls[5], 0.0);
    EXPECT_NEAR(toto.cls[6], 15.0 * 741 / 8145060, 1e-15);
}

MoneyTables only_class(GameCode game, int cls, int32_t tenths) {
    MoneyTables m = default_money_tables();
    for (auto& q : m.quota) q.fill(0);
    m.swiss_quota.fill(0);
    if (game == kSwiss)
        m.swiss_quota[static_cast<size_t>(cls - 1)] = tenths;
    else
        m.quota[static_cast<size_t>(game)][static_cast<size_t>(MoneyTables::quota_position(game, cls))] = tenths;
    return m;
}

TicketLine row_of(std::vector<uint8_t> numbers, int lucky = 0) {
    TicketLine l;
    l.numbers = std::move(numbers);
    l.lucky = lucky;
    return l;
}

TEST(ExpectedReturn, LineTextOfAHandComputedRow) {
    // Only "3" pays, 10.00 EUR: 246820 / 13983816 x 0.9 x 100 tenths = 0.1589 EUR.
    const GameParams params = game_params(kLottoSaturday);
    const MoneyTables money = only_class(kLottoSaturday, 8, 100);
    EvaluationTicket t;
    t.rows.push_back(row_of({1, 2, 3, 4, 5, 6}));
    t.super_number = 7;
    const PartialSystems none;
    EXPECT_EQ(expected_return_line(params, money, none, t),
              "Erwartete Auszahlung je Ziehung: 0.16 EUR bei 1.20 EUR Einsatz (13 %)");
    // Two rows: twice the payout and twice the stake.
    t.rows.push_back(row_of({7, 8, 9, 10, 11, 12}));
    const auto r = expected_return(params, money, none, t);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->expected, 2 * 246820.0 / 13983816 * 90, 1e-12);
    EXPECT_EQ(r->stake, 240);
}

TEST(ExpectedReturn, SwissAndAustrianLines) {
    const PartialSystems none;
    EvaluationTicket swiss;
    swiss.rows.push_back(row_of({1, 2, 3, 4, 5, 6}, 4));
    const GameParams ch = game_params(kSwiss);
    // Only 3 + G pays 20.00 CHF: C(6,3) C(36,3) / C(42,6) / 6 x 200 tenths.
    const double p = 20.0 * 7140 / 5245786 / 6;
    EXPECT_EQ(expected_return_line(ch, only_class(kSwiss, 7, 200), none, swiss),
              "Erwartete Auszahlung je Ziehung: " + decimal_text(p * 20, 2) + " CHF bei 2.50 CHF Einsatz (" +
                  std::to_string(std::lround(p * 2000 / 2.5)) + " %)");
    // Without a Glückszahl the row cannot win 3 + G.
    swiss.rows[0].lucky = 0;
    EXPECT_EQ(expected_return_line(ch, only_class(kSwiss, 7, 200), none, swiss),
              "Erwartete Auszahlung je Ziehung: 0.00 CHF bei 2.50 CHF Einsatz (0 %)");

    // Austria: ZZ alone pays back the row price; LottoPlus adds its stake.
    const GameParams at = game_params(kAustria);
    MoneyTables money = only_class(kAustria, 2, 0);
    EvaluationTicket ticket;
    ticket.rows.push_back(row_of({1, 2, 3, 4, 5, 6}));
    const auto r = expected_return(at, money, none, ticket);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->expected, 3262623.0 / 8145060 * 6 / 39 * 12, 1e-12);
    ticket.lotto_plus = true;
    EXPECT_EQ(expected_return(at, money, none, ticket)->stake, 120 + 50);
}

// Chance that a draw meets `k` of a system's n numbers.
double system_hits(int big_n, int n, int k) {
    return static_cast<double>(binomial(n, k)) * static_cast<double>(binomial(big_n - n, 6 - k)) /
           static_cast<double>(binomial(big_n, 6));
}

TEST(ExpectedReturn, FullSystemsAgreeWithTheWinPlans) {
    // The payout through the evaluation's full-system matcher, weighted over
    // every hit case of the system, equals rows x one row's payout.
    for (GameCode game : {kLottoSaturday, kToto, kAustria, kSwiss}) {
        const GameParams params = game_params(game);
        const RuleSet rules = rule_set_for(game);
        const MoneyTables money = default_money_tables();
        const int big_n = params.highest_number;
        for (int n = kFullSystemMin; n <= full_system_max(rules); ++n) {
            const WinPlan* plan = win_plan(rules, n);
            ASSERT_NE(plan, nullptr);
            std::vector<uint8_t> numbers;
            for (int i = 1; i <= n; ++i) numbers.push_back(static_cast<uint8_t>(i));
            const uint64_t mask = number_mask(numbers);
            double via_plan = 0;
            for (int k = 0; k <= 6; ++k) {
                EvalDraw d;
                for (int i = 1; i <= k; ++i) d.drawn |= uint64_t{1} << i;
                for (int i = 0; i < 6 - k; ++i) d.drawn |= uint64_t{1} << (big_n - i);
                // Extra condition: 1 in 10, 1 in 6, or Z among the n - k undrawn system numbers.
                const double with = rules == RuleSet::German ? 0.1
                                    : rules == RuleSet::Swiss ? 1.0 / 6
                                                              : static_cast<double>(n - k) / (big_n - 6);
                for (bool extra : {true, false}) {
                    EvalDraw v = d;
                    if (rules == RuleSet::German) v.extra = extra ? 3 : 4;
                    if (rules == RuleSet::Swiss) v.extra = extra ? 2 : 5;
                    if (zusatz_rules(rules)) v.zusatz = extra ? n : big_n - 6;
                    WinCounts counts;
                    match_full_system(rules, *plan, mask, 2, v, TicketExtras{3, false}, counts);
                    double pay = 0;
                    for (int c = 1; c <= kClassCount; ++c)
                        pay += counts.cls[static_cast<size_t>(c)] * static_cast<double>(class_quota(c, params, money));
                    via_plan += system_hits(big_n, n, k) * (extra ? with : 1 - with) * pay;
                }
            }
            EvaluationTicket t;
            t.super_number = 3;
            TicketLine field = row_of(numbers, rules == RuleSet::Swiss ? 2 : 0);
            field.kind = LineKind::FullSystem;
            t.systems.push_back(field);
            const auto r = expected_return(params, money, PartialSystems{}, t);
            ASSERT_TRUE(r) << game << " " << n;
            EXPECT_NEAR(r->expected, via_plan, 1e-9 * via_plan) << game << " " << n;
            EXPECT_EQ(r->stake, binomial(n, 6) * money.fee(game, kRowStake));
        }
    }
}

TEST(ExpectedReturn, PartialSystemsAreTheirRows) {
    PartialSystems shipped;
    ASSERT_TRUE(load_partial_systems(std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data", shipped));
    ASSERT_FALSE(shipped.empty());
    const GameParams params = game_params(kLottoSaturday);
    const MoneyTables money = default_money_tables();
    // 09/12 walked over every set of its positions a draw can hit, through the
    // evaluation's partial-system matcher.
    const auto rows = shipped.rows(0);
    std::vector<uint8_t> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    double walked = 0;
    for (uint32_t hit = 0; hit < (1u << 9); ++hit) {
        const int k = std::popcount(hit);
        if (k > 6) continue;
        EvalDraw d;
        for (int i = 0; i < 9; ++i)
            if (hit >> i & 1) d.drawn |= uint64_t{1} << (i + 1);
        for (int i = 0; i < 6 - k; ++i) d.drawn |= uint64_t{1} << (49 - i);
        const double chance = static_cast<double>(binomial(40, 6 - k)) / static_cast<double>(binomial(49, 6));
        for (int s = 0; s <= 9; ++s) {
            d.extra = s;
            WinCounts counts;
            match_partial_system(RuleSet::German, rows, numbers, 0, d, TicketExtras{3, false}, counts);
            double pay = 0;
            for (int c = 1; c <= kClassCount; ++c)
                pay += counts.cls[static_cast<size_t>(c)] * static_cast<double>(class_quota(c, params, money));
            walked += chance / 10 * pay;
        }
    }
    EvaluationTicket t;
    t.super_number = 3;
    t.systems.push_back(partial_system_field(1, kLottoSaturday, 1, 0, numbers));
    const auto r = expected_return(params, money, shipped, t);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->expected, walked, 1e-9 * walked);
    EXPECT_EQ(r->stake, 12 * 120);
    EXPECT_EQ(r->lines[0].rows, 12);
}

TEST(ExpectedReturn, RefusedTicketsGiveNoLine) {
    const GameParams params = game_params(kLottoSaturday);
    const MoneyTables money = default_money_tables();
    EvaluationTicket t;
    EXPECT_EQ(expected_return_line(params, money, PartialSystems{}, t), "");
    t.rows.push_back(row_of({1, 2, 3, 4, 5, 5}));  // a number twice
    EXPECT_FALSE(expected_return(params, money, PartialSystems{}, t));
    EXPECT_EQ(expected_return_line(params, money, PartialSystems{}, t), "");
    // A partial system without the answer file cannot be priced.
    EvaluationTicket p;
    p.systems.push_back(partial_system_field(1, kLottoSaturday, 1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(expected_return_line(params, money, PartialSystems{}, p), "");
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Payout ratios the lotteries publish: each pays half of the row stakes back
// as winnings (German Lotto 6 aus 49 and the Auswahlwette: 50 % of the stakes
// into the prize classes, the fixed 6.00 of 2+S included; Österreichische
// Lotterien, Lotto 6 aus 45: 50 %; Swisslos, Swiss Lotto: about 50 %, of which
// ranks 2 to 8 about 0.72 CHF per 2.50 CHF tip by a published analysis of the
// long-run quotas). The built-in quotas must give that ratio with the exact odds.
TEST(ExpectedReturn, BuiltInQuotasGiveThePublishedPayoutRatio) {
    const MoneyTables money = default_money_tables();
    for (GameCode game : kGames) {
        const GameParams params = game_params(game);
        EvaluationTicket t;
        t.rows.push_back(row_of({1, 2, 3, 4, 5, 6}));
        if (params.swiss) t.rows[0].lucky = 1;
        if (params.german_lotto) t.super_number = 3;
        const auto r = expected_return(params, money, PartialSystems{}, t);
        ASSERT_TRUE(r) << game;
        const double ratio = r->expected * 10.0 / static_cast<double>(r->stake);  // tenths x 10 = cents
        EXPECT_GE(ratio, 0.47) << game;
        EXPECT_LE(ratio, 0.53) << game;

        // A full system is its rows: the same ratio, 2+S included.
        EvaluationTicket s = t;
        s.rows.clear();
        s.systems.push_back(row_of({1, 2, 3, 4, 5, 6, 7}));
        s.systems[0].kind = LineKind::FullSystem;
        if (params.swiss) s.systems[0].lucky = 1;
        const auto sr = expected_return(params, money, PartialSystems{}, s);
        ASSERT_TRUE(sr) << game;
        EXPECT_NEAR(sr->expected * 10.0 / static_cast<double>(sr->stake), ratio, 1e-12) << game;
    }
    const RowOdds ch = row_odds(game_params(kSwiss), true, false);
    double ranks_2_to_8 = 0;
    for (int c = 2; c <= 8; ++c)
        ranks_2_to_8 += ch.cls[static_cast<size_t>(c)] * money.quota_for(kSwiss, c) / 10.0;
    EXPECT_NEAR(ranks_2_to_8, 0.72, 0.02);
}

}  // namespace
}  // namespace zw
