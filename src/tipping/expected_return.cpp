#include "tipping/expected_return.h"

#include <cmath>
#include <cstdio>

#include "base/decimal.h"
#include "evaluation/win_plan.h"
#include "stats/chance_tests.h"

namespace zw {
namespace {

// Chance that a row has exactly k of the six numbers drawn from n.
double hit_chance(int n, int k) {
    return static_cast<double>(binomial(6, k)) * static_cast<double>(binomial(n - 6, 6 - k)) /
           static_cast<double>(binomial(n, 6));
}

// Chance of the extra condition for a row with k hits.
double extra_chance(RuleSet rules, int n, int k, bool extra_in_play) {
    switch (rules) {
        case RuleSet::German: return extra_in_play ? 0.1 : 0.0;
        case RuleSet::Swiss: return extra_in_play ? 1.0 / 6.0 : 0.0;
        // The Zusatzzahl is one of the n - 6 numbers not drawn; 6 - k of them are in the row.
        default: return static_cast<double>(6 - k) / (n - 6);
    }
}

LineReturn line_return(const TicketLine& line, const EvaluationTicket& ticket,
                       const GameParams& params, const MoneyTables& money,
                       const PartialSystems& partial) {
    const RuleSet rules = rule_set_for(params.code);
    const bool lotto_plus = ticket.lotto_plus && params.austria;
    const bool extra = rules == RuleSet::German ? ticket.super_number >= 0 && ticket.super_number <= 9
                                                : line.lucky >= 1 && line.lucky <= 6;
    LineReturn r;
    r.odds = row_odds(params, extra, lotto_plus);
    if (line.kind == LineKind::FullSystem) {
        r.rows = binomial(static_cast<int>(line.numbers.size()), 6);
    } else if (line.kind == LineKind::PartialSystem) {
        const int k = line.partial_index;
        r.rows = static_cast<int64_t>(partial.rows(k).size());
    }
    double per_row = 0;
    for (int c = 1; c <= kClassCount; ++c) {
        r.quota[static_cast<size_t>(c)] = class_quota(c, params, money);
        per_row += r.odds.cls[static_cast<size_t>(c)] * static_cast<double>(r.quota[static_cast<size_t>(c)]);
    }
    for (int p = 1; p <= kPlusClassCount; ++p) {
        r.plus_quota[static_cast<size_t>(p)] = plus_quota(p, params);
        per_row += r.odds.plus[static_cast<size_t>(p)] * static_cast<double>(r.plus_quota[static_cast<size_t>(p)]);
    }
    r.expected = per_row * static_cast<double>(r.rows);
    const int64_t plus_price = lotto_plus ? money.fee(params.code, kSideStake2) : 0;
    r.stake = r.rows * (money.fee(params.code, kRowStake) + plus_price);
    return r;
}

}  // namespace

RowOdds row_odds(const GameParams& params, bool extra_in_play, bool lotto_plus) {
    const RuleSet rules = rule_set_for(params.code);
    const int n = params.highest_number;
    RowOdds o;
    double won = 0;
    for (int k = 0; k <= 6; ++k) {
        const double hits = hit_chance(n, k);
        const double with = extra_chance(rules, n, k, extra_in_play);
        for (const auto& [extra, share] : {std::pair{true, with}, std::pair{false, 1.0 - with}}) {
            const int c = win_class(rules, k, extra);
            if (c == 0 || share == 0) continue;
            o.cls[static_cast<size_t>(c)] += hits * share;
            won += hits * share;
        }
    }
    o.cls[0] = 1.0 - won;
    o.plus[0] = 1.0;
    if (lotto_plus && params.austria) {
        // The LottoPlus draw: six further numbers from the same 45.
        for (int k = 3; k <= 6; ++k) {
            o.plus[static_cast<size_t>(plus_class(k))] = hit_chance(n, k);
            o.plus[0] -= hit_chance(n, k);
        }
    }
    return o;
}

std::optional<TicketReturn> expected_return(const GameParams& params, const MoneyTables& money,
                                            const PartialSystems& partial,
                                            const EvaluationTicket& ticket) {
    if (!validate_ticket(ticket, params, partial)) return std::nullopt;
    TicketReturn t;
    for (const auto* lines : {&ticket.rows, &ticket.systems})
        for (const TicketLine& line : *lines) {
            t.lines.push_back(line_return(line, ticket, params, money, partial));
            t.expected += t.lines.back().expected;
            t.stake += t.lines.back().stake;
        }
    return t;
}

std::string expected_return_text(const TicketReturn& ret, const std::string& currency) {
    std::string text = "Erwartete Auszahlung je Ziehung: " + decimal_text(ret.expected / 10.0, 2) + " " +
                       currency + " bei " + hundredths_text(ret.stake) + " " + currency + " Einsatz";
    if (ret.stake > 0) {
        // tenths x 10 = cents
        const double percent = ret.expected * 10.0 * 100.0 / static_cast<double>(ret.stake);
        text += " (" + std::to_string(std::lround(percent)) + " %)";
    }
    return text;
}

std::string expected_return_line(const GameParams& params, const MoneyTables& money,
                                 const PartialSystems& partial, const EvaluationTicket& ticket) {
    if (ticket.rows.empty() && ticket.systems.empty()) return {};
    const auto ret = expected_return(params, money, partial, ticket);
    return ret ? expected_return_text(*ret, params.currency) : std::string();
}

}  // namespace zw
