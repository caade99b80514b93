#include "stats/chance_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "base/random_source.h"

namespace zw {
namespace {

// Q(m, y) for whole m: e^-y * sum_{j < m} y^j / j!, an exact reference.
double q_whole(int m, double y) {
    double term = 1, sum = 1;
    for (int j = 1; j < m; ++j) {
        term *= y / j;
        sum += term;
    }
    return std::exp(-y) * sum;
}

TEST(ChiSquareP, MatchesClosedFormsInBothExpansions) {
    // Even degrees of freedom have a closed form; x on both sides of a + 1.
    for (int dof : {2, 10, 48, 88})
        for (double x : {0.5, 5.0, 20.0, 47.0, 48.0, 60.0, 90.0, 150.0}) {
            const double expected = q_whole(dof / 2, x / 2);
            EXPECT_NEAR(chi_square_p(x, dof), expected, 1e-12 + 1e-9 * expected) << dof << " " << x;
        }
    // One degree of freedom: P(X >= x) = erfc(sqrt(x / 2)).
    for (double x : {0.01, 1.0, 3.841459, 10.0, 30.0})
        EXPECT_NEAR(chi_square_p(x, 1), std::erfc(std::sqrt(x / 2)), 1e-12);
}

TEST(ChiSquareP, GivesTheTabulatedFivePercentPoints) {
    // Upper 5 % points of tables for the degrees of freedom the charts use.
    EXPECT_NEAR(chi_square_p(16.919, 9), 0.05, 1e-4);    // super numbers
    EXPECT_NEAR(chi_square_p(55.758, 40), 0.05, 1e-4);
    EXPECT_NEAR(chi_square_p(43.773, 30), 0.05, 1e-4);
    EXPECT_NEAR(chi_square_p(56.942, 41), 0.05, 1e-4);   // Swiss, 42 numbers
    EXPECT_NEAR(chi_square_p(60.481, 44), 0.05, 1e-4);   // 45 numbers
    EXPECT_NEAR(chi_square_p(65.171, 48), 0.05, 1e-4);   // 49 numbers
    EXPECT_NEAR(chi_square_p(73.683, 48), 0.01, 1e-4);
}

TEST(ChiSquareP, EdgesStayInsideZeroToOne) {
    EXPECT_DOUBLE_EQ(chi_square_p(0, 48), 1.0);
    EXPECT_DOUBLE_EQ(chi_square_p(-3, 48), 1.0);
    EXPECT_LT(chi_square_p(5000, 48), 1e-300 + 1e-200);
    EXPECT_GE(chi_square_p(5000, 48), 0.0);
    EXPECT_TRUE(std::isnan(chi_square_p(10, 0)));
    EXPECT_DOUBLE_EQ(gamma_q(3, std::numeric_limits<double>::infinity()), 0.0);
}

TEST(FrequencyTest, OneDrawGivesExactlyTheDegreesOfFreedom) {
    // Six counts of 1 among 49: the plain statistic 43, corrected 48.
    std::vector<int> counts(49, 0);
    for (int i : {3, 7, 11, 20, 33, 48}) counts[static_cast<size_t>(i)] = 1;
    const FrequencyTest t = frequency_test(counts, 6);
    EXPECT_EQ(t.draws, 1);
    EXPECT_EQ(t.dof, 48);
    EXPECT_NEAR(t.statistic, 48.0, 1e-9);
    EXPECT_EQ(t.min_draws, 41);
    EXPECT_FALSE(t.usable());
}

TEST(FrequencyTest, EqualCountsAndEmptyRanges) {
    const FrequencyTest equal = frequency_test(std::vector<int>(49, 60), 6);  // 490 draws
    EXPECT_EQ(equal.draws, 490);
    EXPECT_TRUE(equal.usable());
    EXPECT_DOUBLE_EQ(equal.statistic, 0.0);
    EXPECT_DOUBLE_EQ(equal.p, 1.0);

    const FrequencyTest empty = frequency_test(std::vector<int>(49, 0), 6);
    EXPECT_EQ(empty.draws, 0);
    EXPECT_FALSE(empty.usable());
    EXPECT_EQ(frequency_test({}, 6).draws, 0);
    EXPECT_EQ(frequency_test(std::vector<int>(6, 1), 6).dof, 0);  // nothing to compare
}

TEST(FrequencyTest, OneNumberPerDrawIsThePlainStatistic) {
    // Super numbers: 100 draws, counts 20 and 8 x 10 and 0, expected 10 each.
    std::vector<int> counts = {20, 10, 10, 10, 10, 10, 10, 10, 10, 0};
    const FrequencyTest t = frequency_test(counts, 1);
    EXPECT_EQ(t.draws, 100);
    EXPECT_EQ(t.min_draws, 50);
    EXPECT_NEAR(t.statistic, 20.0, 1e-12);
    EXPECT_NEAR(t.p, chi_square_p(20.0, 9), 1e-15);
    EXPECT_LT(t.p, 0.05);
}

// Six distinct numbers of n, by a partial shuffle.
std::array<int, 6> six_of(RandomSource& rng, int n) {
    std::array<int, 49> pool{};
    for (int i = 0; i < n; ++i) pool[static_cast<size_t>(i)] = i;
    std::array<int, 6> out{};
    for (int j = 0; j < 6; ++j) {
        const auto k = static_cast<size_t>(j) + rng.below(static_cast<uint32_t>(n - j));
        std::swap(pool[static_cast<size_t>(j)], pool[k]);
        out[static_cast<size_t>(j)] = pool[static_cast<size_t>(j)];
    }
    return out;
}

TEST(FrequencyTest, FairArchivesGiveUniformP) {
    // Many simulated archives of 6 aus 49: about 5 % of them below 0.05, about
    // half below 0.5. Without the correction for distinct numbers only about
    // 2 % would fall below 0.05.
    RandomSource rng(20261209);
    constexpr int kArchives = 2000;
    int below_5 = 0, below_50 = 0, plain_below_5 = 0;
    for (int a = 0; a < kArchives; ++a) {
        std::vector<int> counts(49, 0);
        for (int d = 0; d < 150; ++d)
            for (int n : six_of(rng, 49)) ++counts[static_cast<size_t>(n)];
        const FrequencyTest t = frequency_test(counts, 6);
        below_5 += t.p < 0.05;
        below_50 += t.p < 0.5;
        plain_below_5 += chi_square_p(t.statistic * 43.0 / 48.0, 48) < 0.05;
    }
    EXPECT_NEAR(below_5 / double(kArchives), 0.05, 0.015);
    EXPECT_NEAR(below_50 / double(kArchives), 0.50, 0.04);
    EXPECT_LT(plain_below_5 / double(kArchives), 0.035);
}

TEST(GapTest, FormulaAndEdges) {
    // One number, one per draw: P(gap >= g) = q^g exactly.
    EXPECT_NEAR(longest_gap_p(3, 1, 1), 0.0, 1e-15);  // per_draw == numbers: never missed
    EXPECT_NEAR(longest_gap_p(10, 49, 6), 1 - std::pow(1 - std::pow(43.0 / 49.0, 10), 49), 1e-12);
    EXPECT_DOUBLE_EQ(longest_gap_p(0, 49, 6), 1.0);
    // Very long gaps: tiny but positive, no cancellation to 0.
    const double tiny = longest_gap_p(200, 49, 6);
    EXPECT_GT(tiny, 0.0);
    EXPECT_NEAR(tiny / (49 * std::pow(43.0 / 49.0, 200)), 1.0, 1e-6);

    const GapTest none = gap_test(std::vector<int>(49, 0), 6, 0);
    EXPECT_FALSE(none.usable());
    std::vector<int> gaps(49, 2);
    gaps[17] = 31;
    const GapTest t = gap_test(gaps, 6, 500);
    EXPECT_EQ(t.max_gap, 31);
    EXPECT_NEAR(t.p, longest_gap_p(31, 49, 6), 1e-15);
}

TEST(GapTest, FormulaAgreesWithSimulatedArchives) {
    // The longest current gap after 400 fair draws of 6 aus 49, compared with
    // the formula at a few thresholds (it treats the numbers as independent,
    // which holds closely enough for the line's two digits).
    RandomSource rng(77);
    constexpr int kArchives = 3000;
    std::vector<int> longest;
    for (int a = 0; a < kArchives; ++a) {
        std::array<int, 49> last{};
        last.fill(-1);
        for (int d = 0; d < 400; ++d)
            for (int n : six_of(rng, 49)) last[static_cast<size_t>(n)] = d;
        int g = 0;
        for (int v : last) g = std::max(g, v < 0 ? 400 : 399 - v);
        longest.push_back(g);
    }
    for (int g : {20, 25, 30, 35, 40}) {
        const double share =
            std::count_if(longest.begin(), longest.end(), [g](int v) { return v >= g; }) / double(kArchives);
        EXPECT_NEAR(share, longest_gap_p(g, 49, 6), 0.03) << g;
    }
}

TEST(ChanceText, PIsWrittenWithADecimalPoint) {
    EXPECT_EQ(p_text(0.43), "p = 0.43");
    EXPECT_EQ(p_text(0.4349), "p = 0.43");
    EXPECT_EQ(p_text(0.0101), "p = 0.01");
    EXPECT_EQ(p_text(0.0034), "p = 0.003");
    EXPECT_EQ(p_text(0.00999), "p = 0.009");  // stays below the threshold in the text too
    EXPECT_EQ(p_text(0.0004), "p < 0.001");
    EXPECT_EQ(p_text(1.0), "p = 1.00");
}

TEST(ChanceText, LinesForEveryCase) {
    FrequencyTest f;
    f.draws = 500;
    f.min_draws = 41;
    f.p = 0.43;
    GapTest g;
    g.draws = 500;
    g.max_gap = 31;
    g.p = 0.003;
    EXPECT_EQ(chance_line(f, std::nullopt), "Zufallstest: Abweichungen wie bei reinem Zufall zu erwarten (p = 0.43)");
    EXPECT_EQ(chance_line(std::nullopt, g), "Zufallstest: längster Rückstand 31 ungewöhnlich (p = 0.003)");
    EXPECT_EQ(chance_line(f, g),
              "Zufallstest: Abweichungen wie bei reinem Zufall zu erwarten (p = 0.43); "
              "längster Rückstand 31 ungewöhnlich (p = 0.003)");
    f.draws = 12;
    EXPECT_EQ(chance_line(f, std::nullopt),
              "Zufallstest: zu wenige Ziehungen im Rahmen (ab 41 aussagekräftig)");
    f.draws = 0;
    g.draws = 0;
    EXPECT_EQ(chance_line(f, g), "Zufallstest: keine Ziehung im Rahmen");
    EXPECT_EQ(chance_line(std::nullopt, std::nullopt), "");
}

}  // namespace
}  // namespace zw
