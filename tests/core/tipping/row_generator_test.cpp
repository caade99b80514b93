#include "tipping/row_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "../stats/stats_fixture.h"
#include "stats/distributions.h"

namespace zw {
namespace {

using Mode = GeneratorState::Mode;

GeneratorState with(const GameParams& p, std::initializer_list<int> tips, std::initializer_list<int> bankers = {}) {
    GeneratorState s(p);
    for (int b : bankers) EXPECT_TRUE(s.choose(b, Mode::kBankers, GeneratorTarget{})) << b;
    for (int t : tips) EXPECT_TRUE(s.choose(t, Mode::kTips, GeneratorTarget{})) << t;
    return s;
}

// Rows counted one by one: every (6 - k)-subset of the tips with the bankers.
uint64_t enumerate_rows(const GeneratorState& s, const GeneratorFilter& f, const GameParams& p) {
    const std::vector<int> tips = s.tips(), bankers = s.bankers();
    const int m = 6 - static_cast<int>(bankers.size());
    if (m < 0) return 0;
    const int border = low_limit(p);
    uint64_t count = 0;
    const int t = static_cast<int>(tips.size());
    for (uint64_t pick = 0; pick < (uint64_t{1} << t); ++pick) {
        if (std::popcount(pick) != m) continue;
        std::vector<int> row = bankers;
        for (int i = 0; i < t; ++i)
            if (pick >> i & 1u) row.push_back(tips[static_cast<size_t>(i)]);
        int even = 0, low = 0;
        for (int n : row) {
            even += n % 2 == 0;
            low += n < border;
        }
        count += f.allows(even, low);
    }
    const auto lucky = s.lucky_tips();
    return s.lucky_banker() ? count : count * std::max<uint64_t>(1, lucky.size());
}

TEST(RowGenerator, PossibleRowsByClassesEqualAFullEnumeration) {
    RandomSource random(99);
    for (GameCode game : {kLottoSaturday, kToto, kSwiss}) {
        const GameParams p = game_params(game);
        for (int trial = 0; trial < 60; ++trial) {
            GeneratorState s(p);
            const int banker_count = static_cast<int>(random.below(6));
            while (s.banker_count() < banker_count)
                s.choose(1 + static_cast<int>(random.below(static_cast<uint32_t>(p.highest_number))), Mode::kBankers, {});
            const int tip_count = 6 + static_cast<int>(random.below(12));
            while (s.tip_count() < tip_count)
                s.choose(1 + static_cast<int>(random.below(static_cast<uint32_t>(p.highest_number))), Mode::kTips, {});
            if (p.swiss)
                for (int g = 1; g <= 6; ++g)
                    if (random.below(2)) s.choose(kLuckyCellBase + g, random.below(4) ? Mode::kTips : Mode::kBankers, {});
            GeneratorFilter f;
            for (int k = 0; k < 7; ++k) {
                f.even[static_cast<size_t>(k)] = random.below(3) != 0;
                f.low[static_cast<size_t>(k)] = random.below(3) != 0;
            }
            ASSERT_EQ(possible_rows(s, f, p), enumerate_rows(s, f, p)) << game << " " << trial;
        }
    }
    // 49 tips, nothing filtered: 49 choose 6.
    GeneratorState all(game_params(kLottoSaturday));
    all.invert();
    EXPECT_EQ(possible_rows(all, GeneratorFilter{}, game_params(kLottoSaturday)), 13983816u);
}

TEST(RowGenerator, ReadinessNeedsMoreThanSevenNumbersAndAtMostFiveBankers) {
    const GameParams p = game_params(kLottoSaturday);
    GeneratorState s = with(p, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_FALSE(is_ready(s, GeneratorTarget{}));
    EXPECT_EQ(generator_prompt(GeneratorTarget{}), "BITTE INSGESAMT MEHR ALS 7 ZAHLEN AUSWÄHLEN!");
    s.choose(8, Mode::kTips, {});
    EXPECT_TRUE(is_ready(s, GeneratorTarget{}));

    // Five bankers and three tips: ready, at most three rows.
    GeneratorState b = with(p, {30, 31, 32}, {1, 2, 3, 4, 5});
    EXPECT_FALSE(b.choose(6, Mode::kBankers, GeneratorTarget{}));  // a sixth banker is refused
    EXPECT_FALSE(b.choose(30, Mode::kBankers, GeneratorTarget{}));  // a tip is no banker
    EXPECT_FALSE(b.choose(1, Mode::kTips, GeneratorTarget{}));      // a banker is no tip
    EXPECT_TRUE(is_ready(b, GeneratorTarget{}));
    EXPECT_EQ(possible_rows(b, GeneratorFilter{}, p), 3u);

    // Bankers chosen for a ten-number box overflow a row: not ready for a ticket.
    const GeneratorTarget box{true, 10};
    GeneratorState big(p);
    for (int n = 1; n <= 9; ++n) big.choose(n, Mode::kBankers, box);
    EXPECT_EQ(big.banker_count(), 8);
    for (int n = 20; n <= 25; ++n) big.choose(n, Mode::kTips, box);
    EXPECT_TRUE(is_ready(big, box));
    EXPECT_FALSE(is_ready(big, GeneratorTarget{}));
    EXPECT_EQ(possible_rows(big, GeneratorFilter{}, p), 0u);
    RandomSource random(1);
    EXPECT_TRUE(generate_rows(big, GeneratorFilter{}, p, 4, random).rows.empty());
}

TEST(RowGenerator, TooStrictFilterStopsAfterExactlyTheAttemptLimitWithNoRow) {
    const GameParams p = game_params(kLottoSaturday);
    GeneratorState s = with(p, {1, 3, 5, 7, 9, 11, 13, 15, 17, 19});
    GeneratorFilter f;
    f.even = {false, false, false, true, false, false, false};
    EXPECT_EQ(possible_rows(s, f, p), 0u);
    RandomSource random(5);
    const GenerationResult r = generate_rows(s, f, p, 2, random);
    EXPECT_FALSE(r.complete);
    EXPECT_TRUE(r.rows.empty());  // the caller keeps the previous ticket
    EXPECT_EQ(r.attempts, kGeneratorAttemptLimit);
    EXPECT_EQ(r.message, kNotEnoughRowsMessage);
}

TEST(RowGenerator, RowsHoldTheBankersKeepTheFilterAndNeverRepeat) {
    const GameParams p = game_params(kLottoSaturday);
    GeneratorState s = with(p, {2, 9, 14, 23, 26, 31, 38, 41, 44, 47}, {5, 30});
    GeneratorFilter f;
    f.even = {false, false, true, true, false, false, false};
    f.low = {false, false, false, true, false, false, false};
    const uint64_t possible = possible_rows(s, f, p);
    ASSERT_GT(possible, 16u);
    RandomSource random(8);
    const GenerationResult r = generate_rows(s, f, p, 16, random);
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.rows.size(), 16u);
    std::set<GeneratedRow> seen;
    for (const GeneratedRow& row : r.rows) {
        EXPECT_TRUE(seen.insert(row).second);
        EXPECT_TRUE(std::is_sorted(row.begin(), row.begin() + 6));
        int even = 0, low = 0;
        for (int j = 0; j < 6; ++j) {
            even += row[j] % 2 == 0;
            low += row[j] < 25;
            EXPECT_TRUE(s.is_tip(row[j]) || s.is_banker(row[j]));
        }
        EXPECT_TRUE(f.allows(even, low));
        EXPECT_NE(std::find(row.begin(), row.begin() + 6, 5), row.begin() + 6);
        EXPECT_NE(std::find(row.begin(), row.begin() + 6, 30), row.begin() + 6);
        EXPECT_EQ(row[6], 0);
    }
    // Fewer possible rows than asked for: the ones found, and the message.
    GeneratorState few = with(p, {30, 31, 32}, {1, 2, 3, 4, 5});
    const GenerationResult part = generate_rows(few, GeneratorFilter{}, p, 4, random);
    EXPECT_FALSE(part.complete);
    EXPECT_EQ(part.rows.size(), 3u);
    EXPECT_EQ(part.attempts, kGeneratorAttemptLimit);
}

TEST(RowGenerator, RowsAreUniformOverTheAllowedRows) {
    const GameParams p = game_params(kToto);
    GeneratorState s = with(p, {1, 4, 9, 16, 25, 30, 36, 41}, {12});
    GeneratorFilter f;
    f.low[5] = false;  // rows holding 1, 4, 9, 16 and the banker 12 are out
    const uint64_t possible = possible_rows(s, f, p);
    ASSERT_EQ(possible, enumerate_rows(s, f, p));
    RandomSource random(2026);
    std::map<GeneratedRow, int> tally;
    const int samples = 200 * static_cast<int>(possible);
    for (int i = 0; i < samples; ++i) ++tally[generate_rows(s, f, p, 1, random).rows.at(0)];
    ASSERT_EQ(tally.size(), possible);
    double chi = 0;
    for (const auto& [row, n] : tally) chi += (n - 200.0) * (n - 200.0) / 200.0;
    ASSERT_EQ(possible, 52u);
    // 0.1 % quantile of chi-square with 51 degrees of freedom: about 88.
    EXPECT_LT(chi, 88.0);
}

TEST(RowGenerator, SwissGlueckszahlenStayApartFromTheMainNumbers) {
    const GameParams p = game_params(kSwiss);
    GeneratorState s = with(p, {1, 2, 3, 4, 5, 6, 7, 8});
    const uint64_t plain = possible_rows(s, GeneratorFilter{}, p);
    EXPECT_EQ(plain, 28u);  // no Glückszahl chosen: rows without one
    s.choose(kLuckyCellBase + 2, Mode::kTips, {});
    s.choose(kLuckyCellBase + 5, Mode::kTips, {});
    EXPECT_EQ(possible_rows(s, GeneratorFilter{}, p), 2 * plain);
    EXPECT_EQ(s.tips().size(), 8u);
    EXPECT_EQ(s.lucky_tips(), (std::vector<int>{2, 5}));
    RandomSource random(3);
    GenerationResult r = generate_rows(s, GeneratorFilter{}, p, 16, random);
    ASSERT_TRUE(r.complete);
    for (const auto& row : r.rows) {
        EXPECT_TRUE(row[6] == 2 || row[6] == 5);
        EXPECT_LE(row[5], 8);
    }
    // A lucky banker is the Glückszahl of every row, never a main number.
    GeneratorState b = with(p, {10, 11, 12, 13, 14, 15, 16}, {kLuckyCellBase + 6});
    EXPECT_FALSE(b.choose(kLuckyCellBase + 1, Mode::kBankers, {}));  // one lucky banker only
    EXPECT_EQ(b.banker_count(), 0);
    EXPECT_FALSE(is_ready(b, GeneratorTarget{}));  // seven main numbers are too few
    b.choose(17, Mode::kTips, {});
    ASSERT_TRUE(is_ready(b, GeneratorTarget{}));
    EXPECT_EQ(possible_rows(b, GeneratorFilter{}, p), 28u);
    r = generate_rows(b, GeneratorFilter{}, p, 4, random);
    ASSERT_TRUE(r.complete);
    for (const auto& row : r.rows) {
        EXPECT_EQ(row[6], 6);
        EXPECT_GE(row[0], 10);
    }
    // Inverting touches the main numbers only.
    b.invert();
    EXPECT_EQ(b.tip_count(), 42 - 8);
    EXPECT_EQ(b.lucky_banker(), 6);
}

TEST(RowGenerator, SystemBoxHoldsBankersAndDrawnTips) {
    const GameParams p = game_params(kLottoSaturday);
    const GeneratorTarget box{true, 10};
    GeneratorState s(p);
    for (int n : {3, 17}) s.choose(n, Mode::kBankers, box);
    for (int n : {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}) s.choose(n, Mode::kTips, box);
    ASSERT_TRUE(is_ready(s, box));
    RandomSource random(4);
    const BoxNumbers b = generate_box(s, 10, random);
    ASSERT_EQ(b.numbers.size(), 10u);
    EXPECT_TRUE(std::is_sorted(b.numbers.begin(), b.numbers.end()));
    EXPECT_EQ(std::set<uint8_t>(b.numbers.begin(), b.numbers.end()).size(), 10u);
    EXPECT_EQ(b.numbers[0], 3);
    EXPECT_EQ(b.numbers[1], 17);
    EXPECT_GE(b.numbers[2], 20);
}

TEST(RowGenerator, FormulaAddsFromItsOwnTablesSkipsBankersAndOnlyTheZusatzzahl) {
    test::StatsArchive a(kLottoSaturday);  // Superzahl from draw 1887 on
    for (int d = 1; d <= 1900; ++d) a.draw(d, {1 + d % 2, 10, 20, 30, 40, 44}, 5);
    GeneratorState s(a.params);
    s.choose(10, Mode::kBankers, {});
    FormulaSettings f;
    f.most_frequent = 3;  // 10 (banker), 20, 30
    f.longest_gap = 1;    // 3: never drawn, the smallest of those
    f.partner = 20;
    f.partner_frequent = 1;  // 10 is a banker: nothing added ... 30 would be the next, not taken
    f.skip_last_draw = true;
    apply_formula(s, f, a.source(), test::range(1, 1900));
    // The last draw (1900: 1, 10, 20, 30, 40, 44, Superzahl 5) leaves the tips.
    EXPECT_EQ(s.tips(), (std::vector<int>{3}));
    EXPECT_EQ(s.bankers(), (std::vector<int>{10}));

    s.clear();
    s.choose(10, Mode::kBankers, {});
    f.skip_last_draw = false;
    apply_formula(s, f, a.source(), test::range(1, 1900));
    EXPECT_EQ(s.tips(), (std::vector<int>{3, 20, 30}));
    // Superzahl 5 is no number of the draw: a tip 5 stays.
    s.add_tip(5);
    f = FormulaSettings{};
    f.skip_last_draw = true;
    apply_formula(s, f, a.source(), test::range(1, 1900));
    EXPECT_EQ(s.tips(), (std::vector<int>{3, 5}));

    test::StatsArchive toto(kToto);  // there byte 6 is the Zusatzzahl
    toto.draw(1, {1, 2, 3, 4, 5, 6}, 7);
    GeneratorState t(toto.params);
    for (int n : {6, 7, 8}) t.add_tip(n);
    apply_formula(t, f, toto.source(), test::range(1, 1));
    EXPECT_EQ(t.tips(), (std::vector<int>{8}));
}

TEST(RowGenerator, FormulaTakesOnlyNumbersThatWereDrawnAndNothingFromAnEmptyRange) {
    test::StatsArchive a(kToto);
    a.draw(1, {1, 2, 3, 4, 5, 6}, 7);
    a.draw(2, {1, 9, 10, 11, 12, 13}, 14);
    GeneratorState s(a.params);
    FormulaSettings f;
    f.most_frequent = 20;   // only 13 numbers were drawn, 7 and 14 as Zusatzzahl not among them
    f.partner = 9;
    f.partner_frequent = 40;  // 1, 10, 11, 12, 13 were drawn with 9
    apply_formula(s, f, a.source(), test::range(1, 2));
    EXPECT_EQ(s.tips(), (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13}));
    f.longest_gap = 5;
    s.clear();
    apply_formula(s, f, a.source(), test::range(1, 0));
    EXPECT_EQ(s.total(), 0);
}

}  // namespace
}  // namespace zw
