#include "stats/chance_tests.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/decimal.h"

namespace zw {
namespace {

constexpr double kEpsilon = 1e-15;
constexpr double kTiny = 1e-300;
constexpr int kMaxIterations = 10000;

// x^a e^-x / Γ(a), the factor both expansions share, in logarithms so that
// large a and x neither overflow nor underflow early.
double gamma_prefix(double a, double x) { return std::exp(a * std::log(x) - x - std::lgamma(a)); }

// P(a, x) by its power series; converges quickly for x < a + 1.
double lower_series(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxIterations; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
    }
    return sum * gamma_prefix(a, x);
}

// Q(a, x) by its continued fraction (modified Lentz); converges for x >= a + 1.
double upper_fraction(double a, double x) {
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < kMaxIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kEpsilon) break;
    }
    return h * gamma_prefix(a, x);
}

std::string draws_too_few(const FrequencyTest& t) {
    if (t.draws <= 0) return "keine Ziehung im Rahmen";
    return "zu wenige Ziehungen im Rahmen (ab " + std::to_string(t.min_draws) + " aussagekräftig)";
}

std::string judged(double p) {
    return std::string(p < kUnusualP ? "ungewöhnlich" : "wie bei reinem Zufall zu erwarten") + " (" +
           p_text(p) + ")";
}

}  // namespace

double gamma_q(double a, double x) {
    if (!(a > 0) || std::isnan(x)) return std::numeric_limits<double>::quiet_NaN();
    if (x <= 0) return 1.0;
    if (std::isinf(x)) return 0.0;
    if (x < a + 1.0) return std::clamp(1.0 - lower_series(a, x), 0.0, 1.0);
    return std::clamp(upper_fraction(a, x), 0.0, 1.0);
}

double chi_square_p(double statistic, int dof) {
    if (dof <= 0) return std::numeric_limits<double>::quiet_NaN();
    return gamma_q(dof / 2.0, statistic / 2.0);
}

FrequencyTest frequency_test(std::span<const int> counts, int per_draw) {
    FrequencyTest t;
    const int n = static_cast<int>(counts.size());
    if (n < 2 || per_draw < 1 || per_draw >= n) return t;
    int64_t total = 0;
    for (int c : counts) total += std::max(c, 0);
    t.draws = static_cast<int>(total / per_draw);
    t.dof = n - 1;
    t.min_draws = static_cast<int>(std::ceil(kMinExpectedHits * n / per_draw - 1e-9));
    if (total == 0) return t;
    const double expected = static_cast<double>(total) / n;
    double plain = 0;
    for (int c : counts) {
        const double d = std::max(c, 0) - expected;
        plain += d * d / expected;
    }
    t.statistic = plain * (n - 1) / (n - per_draw);
    t.p = chi_square_p(t.statistic, t.dof);
    return t;
}

double longest_gap_p(int max_gap, int numbers, int per_draw) {
    if (numbers < 1 || per_draw < 1 || per_draw > numbers || max_gap <= 0) return 1.0;
    if (per_draw == numbers) return 0.0;
    // q^g: the chance that one number is missed in g draws in a row.
    const double missed = std::exp(max_gap * std::log1p(-static_cast<double>(per_draw) / numbers));
    // 1 - (1 - q^g)^N, without losing the small values to cancellation.
    return std::clamp(-std::expm1(numbers * std::log1p(-missed)), 0.0, 1.0);
}

GapTest gap_test(std::span<const int> gaps, int per_draw, int draws) {
    GapTest t;
    t.draws = std::max(draws, 0);
    if (t.draws == 0 || gaps.empty()) return t;
    for (int g : gaps) t.max_gap = std::max(t.max_gap, g);
    t.p = longest_gap_p(t.max_gap, static_cast<int>(gaps.size()), per_draw);
    return t;
}

std::string p_text(double p) {
    if (std::isnan(p)) return "p unbestimmt";
    p = std::clamp(p, 0.0, 1.0);
    if (p < 0.001) return "p < 0.001";
    if (p < 0.01) return "p = " + decimal_text(std::floor(p * 1000.0) / 1000.0, 3);
    return "p = " + decimal_text(p, 2);
}

std::string frequency_verdict(const FrequencyTest& t) {
    if (!t.usable()) return draws_too_few(t);
    return "Abweichungen " + judged(t.p);
}

std::string gap_verdict(const GapTest& t) {
    if (!t.usable()) return "keine Ziehung im Rahmen";
    return "längster Rückstand " + std::to_string(t.max_gap) + " " + judged(t.p);
}

std::string chance_line(const std::optional<FrequencyTest>& frequency,
                        const std::optional<GapTest>& gaps) {
    const bool no_frequency = frequency && frequency->draws <= 0;
    const bool no_gaps = gaps && !gaps->usable();
    if ((!frequency || no_frequency) && (!gaps || no_gaps)) {
        if (!frequency && !gaps) return {};
        return "Zufallstest: keine Ziehung im Rahmen";
    }
    std::string line = "Zufallstest: ";
    if (frequency) line += frequency_verdict(*frequency);
    if (gaps) line += std::string(frequency ? "; " : "") + gap_verdict(*gaps);
    return line;
}

}  // namespace zw
