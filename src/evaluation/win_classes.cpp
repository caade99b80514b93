#include "evaluation/win_classes.h"

#include <bit>

namespace zw {

RuleSet rule_set_for(GameCode game) {
    switch (game) {
        case kToto: return RuleSet::Toto;
        case kAustria: return RuleSet::Austria;
        case kSwiss: return RuleSet::Swiss;
        case kLottoSaturday:
        case kLottoWednesday:
        case kLottoBoth: break;
    }
    return RuleSet::German;
}

int win_class(RuleSet rules, int hits, bool extra) {
    switch (hits) {
        case 6:
            return (rules == RuleSet::German || rules == RuleSet::Swiss) && extra ? 1 : 2;
        case 5: return extra ? 3 : 4;
        case 4:
            // The Auswahlwette has no 4+Z class: four hits with Z count as IV.
            if (rules == RuleSet::Toto) return 6;
            return extra ? 5 : 6;
        case 3: return extra ? 7 : 8;
        case 2: return rules == RuleSet::German && extra ? 9 : 0;
        case 0: return rules == RuleSet::Austria && extra ? 9 : 0;
        default: return 0;
    }
}

int64_t WinCounts::wins() const {
    int64_t sum = 0;
    for (int i = 1; i <= kClassCount; ++i) sum += cls[static_cast<size_t>(i)];
    return sum;
}

int64_t WinCounts::plus_wins() const {
    int64_t sum = 0;
    for (int i = 1; i <= kPlusClassCount; ++i) sum += plus[static_cast<size_t>(i)];
    return sum;
}

void WinCounts::add(const WinCounts& other) {
    for (size_t i = 0; i < cls.size(); ++i) cls[i] += other.cls[i];
    for (size_t i = 0; i < plus.size(); ++i) plus[i] += other.plus[i];
}

RowMatch match_row(RuleSet rules, uint64_t row, int lucky, const EvalDraw& d,
                   const TicketExtras& ticket) {
    RowMatch m;
    m.hits = std::popcount(row & d.drawn);
    if (zusatz_rules(rules)) {
        m.extra = d.zusatz > 0 && (row & (uint64_t{1} << d.zusatz)) != 0;
    } else {
        m.extra = ticket_extra_holds(rules, d, ticket.super_number, lucky);
    }
    m.win_class = win_class(rules, m.hits, m.extra);
    if (rules == RuleSet::Austria && ticket.lotto_plus && d.plus_draw) {
        m.plus_hits = std::popcount(row & d.plus);
        m.plus_class = plus_class(m.plus_hits);
    }
    return m;
}

}  // namespace zw
