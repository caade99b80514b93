#include "games/partial_guarantees.h"

namespace zw {
namespace {

// By catalogue index (09/12 ... 16/112).
constexpr std::array<SystemGuarantees, kPartialSystemCount> kGuarantees = {{
    {{{4, 4}, {}}},        // 09/12
    {{{3, 3}, {}}},        // 10/15
    {{{4, 4}, {}}},        // 10/30
    {{{5, 5}, {}}},        // 10/50
    {{{4, 4}, {}}},        // 11/66
    {{{5, 5}, {}}},        // 11/101
    {{{3, 3}, {4, 5}}},    // 12/22
    {{{4, 4}, {}}},        // 12/52
    {{{5, 5}, {}}},        // 12/132
    {{{5, 5}, {}}},        // 13/264
    {{{4, 4}, {}}},        // 14/87
    {{{5, 5}, {}}},        // 14/460
    {{{4, 4}, {}}},        // 16/160
    {{{5, 5}, {}}},        // 17/1392
    {{{4, 4}, {}}},        // 18/252
    {{{4, 4}, {}}},        // 20/499
    {{{3, 3}, {}}},        // 22/77
    {{{3, 3}, {}}},        // 26/130
    {{{3, 3}, {4, 5}}},    // 16/112
}};

}  // namespace

SystemGuarantees partial_guarantees(int k) {
    if (k < 0 || k >= kPartialSystemCount) return {};
    return kGuarantees[static_cast<size_t>(k)];
}

SystemGuarantees stated_guarantees(const Guarantee& g) {
    SystemGuarantees out{};
    size_t n = 0;
    for (int p = 3; p <= 5 && n < out.size(); ++p) {
        const int t = g.min_hits[static_cast<size_t>(p)];
        if (t < 1) continue;
        const bool implied = (p > 3 && g.min_hits[static_cast<size_t>(p - 1)] >= t) ||
                             g.min_hits[static_cast<size_t>(p + 1)] > t;
        if (!implied) out[n++] = {t, p};
    }
    return out;
}

std::string guarantee_label(int k) {
    const SystemGuarantees g = partial_guarantees(k);
    if (g[0].p == 0) return {};
    std::string s = std::to_string(g[0].t) + " Richtige sicher bei " + std::to_string(g[0].p);
    if (g[1].p != 0)
        s += ", " + std::to_string(g[1].t) + " Richtige bei " + std::to_string(g[1].p);
    return s + " Treffern unter Ihren Zahlen";
}

}  // namespace zw
