#include "evaluation/system_matchers.h"

#include <algorithm>
#include <array>
#include <bit>

namespace zw {
namespace {

// Bit counts of 13-bit values: a partial system's masks (up to 26 positions)
// are counted with two look-ups, which beats the library's bit count on
// processors without a population-count instruction in the baseline build.
constexpr std::array<uint8_t, 1u << 13> kBitCounts = [] {
    std::array<uint8_t, 1u << 13> t{};
    for (uint32_t i = 1; i < t.size(); ++i) t[i] = static_cast<uint8_t>(t[i >> 1] + (i & 1));
    return t;
}();

inline int mask_hits(uint32_t m) { return kBitCounts[m & 0x1fffu] + kBitCounts[(m >> 13) & 0x1fffu]; }

}  // namespace

bool system_draw_won(RuleSet rules, int hits, bool extra) {
    if (hits >= 3) return true;
    if (rules == RuleSet::German) return hits == 2 && extra;
    if (rules == RuleSet::Austria) return extra;
    return false;
}

SystemMatch match_full_system(RuleSet rules, const WinPlan& plan, uint64_t system, int lucky,
                              const EvalDraw& d, const TicketExtras& ticket, WinCounts& counts) {
    SystemMatch m;
    m.hits = std::popcount(system & d.drawn);
    if (zusatz_rules(rules))
        m.extra = d.zusatz > 0 && (system & (uint64_t{1} << d.zusatz)) != 0;
    else
        m.extra = ticket_extra_holds(rules, d, ticket.super_number, lucky);
    if (const int c = plan_case(m.hits, m.extra); c >= 0) {
        const auto& entry = plan.entry[static_cast<size_t>(c)];
        for (int cls = 1; cls <= kClassCount; ++cls) counts.cls[static_cast<size_t>(cls)] += entry[static_cast<size_t>(cls)];
    }
    m.won = system_draw_won(rules, m.hits, m.extra);
    if (rules == RuleSet::Austria && ticket.lotto_plus && d.plus_draw) {
        const int n = plan.numbers;
        const int k = std::popcount(system & d.plus);
        for (int j = 3; j <= 6 && j <= k; ++j) {
            const auto rows = static_cast<int32_t>(binomial(k, j) * binomial(n - k, 6 - j));
            counts.plus[static_cast<size_t>(plus_class(j))] += rows;
            if (rows > 0) m.plus_won = true;
        }
    }
    return m;
}

SystemMatch match_partial_system(RuleSet rules, std::span<const uint32_t> rows,
                                 std::span<const uint8_t> numbers, int lucky, const EvalDraw& d,
                                 const TicketExtras& ticket, WinCounts& counts) {
    SystemMatch m;
    uint32_t hit_mask = 0, zusatz_bit = 0, plus_mask = 0;
    for (size_t i = 0; i < numbers.size() && i < 32; ++i) {
        const uint8_t n = numbers[i];
        if (n == 0 || n >= 64) continue;
        const uint32_t bit = uint32_t{1} << i;
        if (d.drawn >> n & 1) hit_mask |= bit;
        if (n == d.zusatz) zusatz_bit = bit;
        if (d.plus >> n & 1) plus_mask |= bit;
    }
    m.hits = std::popcount(hit_mask);
    const bool ticket_extra =
        zusatz_rules(rules) ? false : ticket_extra_holds(rules, d, ticket.super_number, lucky);
    m.extra = zusatz_rules(rules) ? zusatz_bit != 0 : ticket_extra;
    m.won = system_draw_won(rules, m.hits, m.extra);
    // Only a draw that the system can win needs the rows: a row never has
    // more hits than the system.
    if (m.won) {
        // Class by (hits, extra); slot 0 collects the rows that win nothing.
        std::array<std::array<uint8_t, 2>, 7> class_of{};
        for (int h = 0; h <= 6; ++h)
            for (int e = 0; e <= 1; ++e) class_of[static_cast<size_t>(h)][static_cast<size_t>(e)] = static_cast<uint8_t>(win_class(rules, h, e != 0));
        std::array<int32_t, kClassCount + 1> local{};
        const bool zusatz = zusatz_rules(rules);
        for (uint32_t row : rows) {
            const int hits = std::min(mask_hits(row & hit_mask), 6);
            const bool extra = zusatz ? (row & zusatz_bit) != 0 : ticket_extra;
            ++local[class_of[static_cast<size_t>(hits)][extra ? 1 : 0]];
        }
        for (int cls = 1; cls <= kClassCount; ++cls) counts.cls[static_cast<size_t>(cls)] += local[static_cast<size_t>(cls)];
    }
    if (rules == RuleSet::Austria && ticket.lotto_plus && d.plus_draw && std::popcount(plus_mask) >= 3) {
        for (uint32_t row : rows) {
            if (const int p = plus_class(mask_hits(row & plus_mask))) {
                ++counts.plus[static_cast<size_t>(p)];
                m.plus_won = true;
            }
        }
    }
    return m;
}

}  // namespace zw
