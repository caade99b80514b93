// How far a frequency or gap chart is from pure chance: the chi-square test
// of the counts, the chance of the longest current gap, and the German line
// that a chart shows under its heading.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace zw {

// Regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a) for
// a > 0, x >= 0 (1 for x <= 0, NaN for a <= 0).
double gamma_q(double a, double x);
// Chance that a chi-square variable with `dof` degrees of freedom reaches
// `statistic` or more.
double chi_square_p(double statistic, int dof);

// A p below this counts as unusual. One chart in a hundred shows it by pure
// chance, which the help says plainly.
constexpr double kUnusualP = 0.01;
// The chi-square approximation needs at least this many expected hits per number.
constexpr double kMinExpectedHits = 5.0;

struct FrequencyTest {
    int draws = 0;       // draws behind the counts (sum of counts / per draw)
    int min_draws = 0;   // draws the test needs to say something
    double statistic = 0;  // corrected chi-square
    int dof = 0;
    double p = 1;
    bool usable() const { return draws > 0 && draws >= min_draws; }
};

// Counts of the numbers 1..N (counts[i] = number i + 1) from draws of
// `per_draw` distinct numbers each, against the expectation per_draw·n/N.
// The plain statistic is multiplied by (N - 1)/(N - per_draw), which makes up
// for the numbers of one draw being distinct; N - 1 degrees of freedom. For
// single numbers this is the exact large-sample distribution. Counts of pairs
// or triples (per_draw = 15 or 20 of C(N, 2) or C(N, 3)) keep the right mean
// this way, but pairs sharing a number are correlated, so there p is an
// approximation only.
FrequencyTest frequency_test(std::span<const int> counts, int per_draw);

struct GapTest {
    int draws = 0;     // draws up to range last (0: nothing to test)
    int max_gap = 0;   // the longest current gap
    double p = 1;      // chance that among N numbers some gap is at least max_gap
    bool usable() const { return draws > 0; }
};

// Gaps of the numbers 1..N (gaps[i] = number i + 1); each number is missed in
// a draw with probability 1 - per_draw/N: p = 1 - (1 - (1 - per_draw/N)^g)^N.
GapTest gap_test(std::span<const int> gaps, int per_draw, int draws);
double longest_gap_p(int max_gap, int numbers, int per_draw);

// "p = 0.43": two decimals from 0.01 on, three (cut, never rounded up to
// 0.010) below, "p < 0.001" below 0.001.
std::string p_text(double p);

// The parts of the line, so that several tests can share one line.
std::string frequency_verdict(const FrequencyTest& t);  // "Abweichungen wie ... (p = 0.43)"
std::string gap_verdict(const GapTest& t);              // "längster Rückstand 31 ungewöhnlich (p = 0.003)"
// "Zufallstest: " and the verdicts joined by "; ". Either may be missing.
std::string chance_line(const std::optional<FrequencyTest>& frequency,
                        const std::optional<GapTest>& gaps);

}  // namespace zw
