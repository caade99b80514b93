#include "evaluation/evaluation.h"

#include <algorithm>

#include "evaluation/system_matchers.h"
#include "evaluation/win_plan.h"
#include "games/system_catalogue.h"

namespace zw {
namespace {

std::string line_name(const TicketLine& line) {
    return (line.is_system() ? "System-Feld " : "Reihe ") + std::to_string(line.number);
}

Status check_numbers(const TicketLine& line, const GameParams& params) {
    uint64_t seen = 0;
    for (uint8_t n : line.numbers) {
        if (n < 1 || n > params.highest_number)
            return Status::failure(line_name(line) + ": Die Zahl " + std::to_string(n) +
                                   " liegt nicht zwischen 1 und " +
                                   std::to_string(params.highest_number) + ".");
        const uint64_t bit = uint64_t{1} << n;
        if (seen & bit)
            return Status::failure(line_name(line) + ": Die Zahl " + std::to_string(n) +
                                   " ist doppelt.");
        seen |= bit;
    }
    if (line.lucky != 0 && (!params.swiss || line.lucky < 1 || line.lucky > 6))
        return Status::failure(line_name(line) + ": Die Glückszahl muss zwischen 1 und 6 liegen.");
    return {};
}

// Best (lowest) class won in one draw; LottoPlus classes follow as 10..13.
int best_class(const WinCounts& c) {
    for (int i = 1; i <= kClassCount; ++i)
        if (c.cls[static_cast<size_t>(i)]) return i;
    for (int p = 1; p <= kPlusClassCount; ++p)
        if (c.plus[static_cast<size_t>(p)]) return kClassCount + p;
    return 0;
}

TicketExtras extras_of(const EvaluationTicket& ticket, const GameParams& params) {
    return {ticket.super_number, ticket.lotto_plus && params.austria};
}

}  // namespace

TicketLine partial_system_field(int field_number, GameCode game, int bundesland, int stored_index,
                                std::vector<uint8_t> numbers, int lucky) {
    const LabelFamily family = label_family(game, bundesland);
    TicketLine line;
    line.number = field_number;
    line.kind = LineKind::PartialSystem;
    line.numbers = std::move(numbers);
    line.lucky = lucky;
    line.partial_index = to_partial_index(family, stored_index);
    line.label = std::string(system_name(family, stored_index));
    return line;
}

Status validate_ticket(const EvaluationTicket& ticket, const GameParams& params,
                       const PartialSystems& partial) {
    const RuleSet rules = rule_set_for(params.code);
    if (ticket.rows.size() > static_cast<size_t>(kMaxTicketRows))
        return Status::failure("Ein Tippschein hat höchstens 18 Reihen.");
    if (ticket.systems.size() > static_cast<size_t>(kMaxSystemFields))
        return Status::failure("Ein System-Schein hat höchstens 6 Felder.");
    for (const TicketLine& row : ticket.rows) {
        if (row.kind != LineKind::Row || row.numbers.size() != 6)
            return Status::failure(line_name(row) + ": Eine Reihe hat genau 6 Zahlen.");
        if (Status s = check_numbers(row, params); !s) return s;
    }
    for (const TicketLine& field : ticket.systems) {
        const int n = static_cast<int>(field.numbers.size());
        if (field.kind == LineKind::FullSystem) {
            if (!win_plan(rules, n))
                return Status::failure(line_name(field) + ": Voll-Systeme gibt es in diesem Spiel mit 7 bis " +
                                       std::to_string(full_system_max(rules)) + " Zahlen, nicht mit " +
                                       std::to_string(n) + ".");
        } else if (field.kind == LineKind::PartialSystem) {
            const int k = field.partial_index;
            if (k < 0 || k >= kPartialSystemCount)
                return Status::failure(line_name(field) + ": Unbekanntes Teil-System.");
            if (partial.rows(k).empty())
                return Status::failure("Die Teil-Systeme fehlen (Datei ZIEHWERK.ASW nicht gelesen).");
            const auto& info = kPartialSystems[static_cast<size_t>(k)];
            if (n != info.numbers)
                return Status::failure(line_name(field) + ": Das Teil-System " + std::string(info.name) +
                                       " braucht " + std::to_string(info.numbers) + " Zahlen, nicht " +
                                       std::to_string(n) + ".");
        } else {
            return Status::failure(line_name(field) + ": Kein System gewählt.");
        }
        if (Status s = check_numbers(field, params); !s) return s;
    }
    return {};
}

int64_t class_quota(int win_class, const GameParams& params, const MoneyTables& money) {
    if (win_class < 1 || win_class > kClassCount) return 0;
    const GameCode game = params.code;
    const RuleSet rules = rule_set_for(game);
    // ZZ pays back the row price (cents / 10 = tenths).
    if (win_class == 9 && rules == RuleSet::Austria) return money.fee(game, kRowStake) / 10;
    return money.quota_for(game, win_class);
}

int64_t plus_quota(int plus_class, const GameParams& params) {
    if (!params.austria || plus_class < 1 || plus_class > kPlusClassCount) return 0;
    return params.side_prizes_2[static_cast<size_t>(plus_class)];
}

int64_t estimated_winnings(const WinCounts& counts, const EvaluationInputs& in) {
    int64_t sum = 0;
    for (int cls = 1; cls <= kClassCount; ++cls) {
        const int64_t count = counts.cls[static_cast<size_t>(cls)];
        if (count != 0) sum += count * class_quota(cls, in.params, in.money);
    }
    for (int p = 1; p <= kPlusClassCount; ++p)
        sum += int64_t{counts.plus[static_cast<size_t>(p)]} * plus_quota(p, in.params);
    return sum;
}

namespace {

// One row over the draws: its class per draw, LottoPlus classes as wins 10..13.
LineResult walk_row(const TicketLine& line, RuleSet rules, std::span<const EvalDraw> draws,
                    const TicketExtras& extras, LineTally& tally) {
    LineResult r;
    r.line = line;
    const uint64_t mask = number_mask(line.numbers);
    for (const EvalDraw& d : draws) {
        tally.count(d);
        const RowMatch m = match_row(rules, mask, line.lucky, d, extras);
        if (m.win_class) {
            ++r.counts.cls[static_cast<size_t>(m.win_class)];
            r.wins.push_back({d.number, m.win_class});
            if (d.super_pass) ++tally.second_pass_wins;
        }
        if (m.plus_class) {
            ++r.counts.plus[static_cast<size_t>(m.plus_class)];
            r.wins.push_back({d.number, kClassCount + m.plus_class});
            ++tally.plus_wins;
        }
    }
    return r;
}

}  // namespace

void LineTally::count(const EvalDraw& d) {
    ++draws;
    if (d.super_pass) ++second_pass_draws;
    if (d.plus_draw) ++plus_draws;
}

LineResult s_vergleich(const TicketLine& field, RuleSet rules, std::span<const EvalDraw> draws,
                       const TicketExtras& extras, const EvaluationInputs& in, LineTally& tally) {
    LineResult r;
    r.line = field;
    const uint64_t mask = number_mask(field.numbers);
    const WinPlan* plan = nullptr;
    std::span<const uint32_t> masks;
    if (field.kind == LineKind::FullSystem) {
        plan = win_plan(rules, static_cast<int>(field.numbers.size()));
        if (!plan) return r;
        r.system_rows = binomial(plan->numbers, 6);
    } else {
        masks = in.partial.rows(field.partial_index);
        r.system_rows = static_cast<int64_t>(masks.size());
        if (masks.empty()) return r;
    }
    for (const EvalDraw& d : draws) {
        tally.count(d);
        WinCounts here;
        const SystemMatch m =
            plan ? match_full_system(rules, *plan, mask, field.lucky, d, extras, here)
                 : match_partial_system(rules, masks, field.numbers, field.lucky, d, extras, here);
        if (m.won || m.plus_won) r.wins.push_back({d.number, best_class(here)});
        if (d.super_pass) tally.second_pass_wins += here.wins();
        tally.plus_wins += here.plus_wins();
        r.counts.add(here);
    }
    return r;
}

void s_gewinn(LineResult& r, const LineTally& tally, RuleSet rules, const TicketExtras& extras,
              const EvaluationInputs& in) {
    const GameCode game = in.params.code;
    const int64_t price = in.money.fee(game, kRowStake);
    const int64_t plus_price = extras.lotto_plus ? in.money.fee(game, kSideStake2) : 0;
    r.stake_per_draw = r.system_rows * (price + plus_price);
    r.stake = r.system_rows * (price * tally.draws + plus_price * tally.plus_draws);
    r.winnings = estimated_winnings(r.counts, in);

    // Luck index: wins x odds / (rows x draws). German Lotto counts only the
    // draws from the first Superzahl draw on (a range entirely before it gives 0).
    const auto rows = static_cast<double>(std::max<int64_t>(r.system_rows, 1));
    const double odds = in.params.odds_constant;
    r.lax = 0.0;
    if (rules == RuleSet::German) {
        if (tally.second_pass_draws > 0)
            r.lax = static_cast<double>(tally.second_pass_wins) * odds / tally.second_pass_draws / rows;
    } else if (tally.draws > 0) {
        r.lax = static_cast<double>(r.counts.wins()) * odds / static_cast<double>(tally.draws) / rows;
    }
    r.pax = 0.0;
    if (extras.lotto_plus && tally.plus_draws > 0)
        r.pax = static_cast<double>(tally.plus_wins) * kLottoPlusOdds / tally.plus_draws / rows;
}

LineResult evaluate_line(const TicketLine& line, RuleSet rules, std::span<const EvalDraw> draws,
                         const TicketExtras& extras, const EvaluationInputs& in) {
    LineTally tally;
    LineResult r = line.is_system() ? s_vergleich(line, rules, draws, extras, in, tally)
                                    : walk_row(line, rules, draws, extras, tally);
    s_gewinn(r, tally, rules, extras, in);
    return r;
}

EvaluationReport evaluate_ticket(const EvaluationTicket& ticket, const EvaluationInputs& in) {
    EvaluationReport report;
    report.rules = rule_set_for(in.params.code);
    const std::vector<EvalDraw> draws = eval_draws(in.archive, in.params, in.range.first, in.range.last);
    report.draws = static_cast<int>(draws.size());
    report.plus_draws = static_cast<int>(std::count_if(draws.begin(), draws.end(), [](const EvalDraw& d) { return d.plus_draw; }));
    const TicketExtras extras = extras_of(ticket, in.params);

    auto run = [&](const std::vector<TicketLine>& lines, std::vector<LineResult>& out, bool system) {
        for (const TicketLine& line : lines) {
            LineResult r = evaluate_line(line, report.rules, draws, extras, in);
            for (const LineWin& w : r.wins) {
                const bool plus_row_win = !system && w.win_class > kClassCount;
                report.win_list.push_back({w.draw, line.number + (plus_row_win ? kLottoPlusRowOffset : 0), system});
            }
            report.total_stake += r.stake;
            report.total_winnings += r.winnings;
            report.lax_sum += r.lax;
            report.pax_sum += r.pax;
            ++report.evaluated;
            out.push_back(std::move(r));
        }
    };
    run(ticket.rows, report.rows, false);
    run(ticket.systems, report.systems, true);
    report.side = evaluate_side_games(in.archive, in.params, in.range.first, in.range.last, ticket.side);
    return report;
}

RowMatch review_row(const TicketLine& row, int draw, const EvaluationTicket& ticket,
                    const EvaluationInputs& in) {
    const auto draws = eval_draws(in.archive, in.params, draw, draw);
    if (draws.empty()) return {};
    return match_row(rule_set_for(in.params.code), number_mask(row.numbers), row.lucky, draws.front(),
                     extras_of(ticket, in.params));
}

WinCounts review_system(const TicketLine& field, int draw, const EvaluationTicket& ticket,
                        const EvaluationInputs& in) {
    const auto draws = eval_draws(in.archive, in.params, draw, draw);
    return evaluate_line(field, rule_set_for(in.params.code), draws, extras_of(ticket, in.params), in).counts;
}

}  // namespace zw
