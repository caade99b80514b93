#include "cardindex/balance.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "cardindex/play_period.h"
#include "evaluation/win_plan.h"
#include "games/partial_systems.h"
#include "games/system_catalogue.h"

namespace zw {

ResolvedField resolve_field(const SystemField& f, int number, GameCode game, int bundesland) {
    ResolvedField r;
    if (!f.in_use) return r;
    const std::string where = "Feld " + std::to_string(number) + ": ";
    if (f.size < 6 || f.size > static_cast<int>(f.numbers.size())) {
        r.problem = where + "nur " + std::to_string(f.numbers.size()) + " Zahlen für ein System mit " +
                    std::to_string(f.size) + ".";
        return r;
    }
    std::vector<uint8_t> numbers(f.numbers.begin(), f.numbers.begin() + f.size);
    const RuleSet rules = rule_set_for(game);
    if (f.full) {
        if (!win_plan(rules, f.size)) {
            r.problem = where + "Voll-System mit " + std::to_string(f.size) + " Zahlen gibt es hier nicht.";
            return r;
        }
        TicketLine line;
        line.number = number;
        line.kind = LineKind::FullSystem;
        line.numbers = std::move(numbers);
        line.lucky = f.lucky;
        r.rows = binomial(f.size, 6);
        char buf[8];
        std::snprintf(buf, sizeof buf, "%3d", f.size);
        r.label = buf;
        r.line = std::move(line);
        return r;
    }
    TicketLine line = partial_system_field(number, game, bundesland, f.type, std::move(numbers), f.lucky);
    const int k = line.partial_index;
    if (k < 0 || kPartialSystems[static_cast<size_t>(k)].numbers != f.size) {
        r.problem = where + "System-Typ " + std::to_string(f.type) + " passt nicht zu " +
                    std::to_string(f.size) + " Zahlen.";
        return r;
    }
    r.rows = kPartialSystems[static_cast<size_t>(k)].rows;
    r.label = line.label;
    r.line = std::move(line);
    return r;
}

TicketExtras card_extras(const CardTicket& t, const GameParams& p) {
    TicketExtras e;
    if (p.german_lotto) e.super_number = super_number_of(t.lottery & 0xffffff);
    e.lotto_plus = p.austria && (t.options & kOptLottoPlus);
    return e;
}

namespace {

SideGameTicket side_ticket(const CardTicket& t, const GameParams& p) {
    SideGameTicket s;
    s.lottery_number = t.lottery & 0xffffff;
    if (is_german_game(p.code)) {
        s.spiel77 = t.options & kOptSpiel77;
        s.super6 = t.options & kOptSuper6;
    } else if (p.swiss) {
        s.joker = t.options & kOptSwissJokers;
    } else if (p.austria) {
        const int count = std::min<int>(t.options & kOptJokerCountMask, kMaxJokers);
        for (int i = 0; i < count; ++i)
            if (t.jokers[static_cast<size_t>(i)] >= 0) s.jokers.push_back(t.jokers[static_cast<size_t>(i)]);
    }
    return s;
}

int complete_rows(const CardTicket& t, const GameParams& p) {
    int rows = 0;
    for (int r = 0; r < evaluated_row_slots(p.code); ++r) rows += row_complete(t.rows[static_cast<size_t>(r)], p.swiss);
    return rows;
}

}  // namespace

SideGameResult card_side_games(const CardTicket& t, const DrawArchive& archive, const GameParams& p,
                               std::span<const int> draws) {
    SideGameResult side = evaluate_side_games(archive, p, draws, side_ticket(t, p));
    // The Swiss Joker pays from two final digits on.
    if (p.swiss && side.joker) (*side.joker)[1] = 0;
    return side;
}

int card_rows(const CardTicket& t, CardKind kind, const GameParams& p, int bundesland) {
    if (kind == CardKind::Normal) return complete_rows(t, p);
    int64_t rows = 0;
    for (int f = 0; f < kCardFields; ++f)
        rows += resolve_field(t.fields[static_cast<size_t>(f)], f + 1, p.code, bundesland).rows;
    return static_cast<int>(rows);
}

namespace {

// The prepared draw of number n; draws never entered are not in the list.
const EvalDraw* find_eval_draw(const std::vector<EvalDraw>& draws, int n) {
    auto it = std::lower_bound(draws.begin(), draws.end(), n,
                               [](const EvalDraw& d, int number) { return d.number < number; });
    return it != draws.end() && it->number == n ? &*it : nullptr;
}

}  // namespace

TicketEvaluation evaluate_card(const CardTicket& t, CardKind kind, const EvaluationInputs& in) {
    return evaluate_card(t, kind, in, eval_draws(in.archive, in.params, 1, last_evaluable_draw(in.archive)));
}

TicketEvaluation evaluate_card(const CardTicket& t, CardKind kind, const EvaluationInputs& in,
                               const std::vector<EvalDraw>& all_draws) {
    TicketEvaluation ev;
    const GameParams& p = in.params;
    const RuleSet rules = rule_set_for(p.code);
    ev.played = played_draws(t, in.archive, p);
    if (t.first_draw >= 1) ev.first_date = eval_draw_date(in.archive, p, t.first_draw);
    std::vector<EvalDraw> draws;
    draws.reserve(ev.played.size());
    for (int n : ev.played)
        if (const EvalDraw* d = find_eval_draw(all_draws, n)) draws.push_back(*d);
    const TicketExtras extras = card_extras(t, p);

    uint64_t crossed = 0;
    if (kind == CardKind::Normal) {
        for (int r = 0; r < evaluated_row_slots(p.code); ++r) {
            const CardRow& row = t.rows[static_cast<size_t>(r)];
            crossed |= number_mask(row_numbers(row));
            if (!row_complete(row, p.swiss)) continue;
            TicketLine line;
            line.number = r + 1;
            line.numbers = row_numbers(row);
            line.lucky = p.swiss ? row[6] : 0;
            ev.counts.add(evaluate_line(line, rules, draws, extras, in).counts);
            ++ev.rows;
        }
    } else {
        ev.field_counts.resize(kCardFields);
        ev.field_labels.resize(kCardFields);
        for (int f = 0; f < kCardFields; ++f) {
            const SystemField& field = t.fields[static_cast<size_t>(f)];
            if (field.in_use)
                crossed |= number_mask(std::vector<uint8_t>(field.numbers.begin(),
                                                            field.numbers.begin() + std::min<size_t>(field.numbers.size(), static_cast<size_t>(std::max(field.size, 0)))));
            ResolvedField rf = resolve_field(field, f + 1, p.code, in.archive.bundesland);
            if (!rf.problem.empty()) ev.problems.push_back(rf.problem);
            if (!rf.line) continue;
            if (rf.line->kind == LineKind::PartialSystem && in.partial.rows(rf.line->partial_index).empty()) {
                ev.problems.push_back("Die Teil-Systeme fehlen (Datei ZIEHWERK.ASW nicht gelesen).");
                continue;
            }
            ev.field_labels[static_cast<size_t>(f)] = rf.label;
            const WinCounts c = evaluate_line(*rf.line, rules, draws, extras, in).counts;
            ev.field_counts[static_cast<size_t>(f)] = c;
            ev.counts.add(c);
            ev.rows += rf.rows;
        }
    }

    ev.side = card_side_games(t, in.archive, p, ev.played);

    ev.crossed = std::popcount(crossed);
    if (const EvalDraw* first = find_eval_draw(all_draws, t.first_draw)) {
        const EvalDraw& d = *first;
        ev.predicted = std::popcount(crossed & d.drawn);
        const bool extra = p.german_lotto ? ticket_extra_holds(rules, d, extras.super_number, 0)
                                          : (d.zusatz > 0 && (crossed >> d.zusatz) & 1u) ||
                                                (p.swiss && d.extra > 0 && (crossed >> d.extra) & 1u);
        if (extra) ev.predicted |= 0x80;
    }
    return ev;
}

std::vector<TicketEvaluation> evaluate_card_index(const CardIndex& index, const EvaluationInputs& in) {
    const std::vector<EvalDraw> all = eval_draws(in.archive, in.params, 1, last_evaluable_draw(in.archive));
    std::vector<TicketEvaluation> out;
    out.reserve(static_cast<size_t>(index.count()));
    int64_t total = 0, wins = 0, divisor = 0;
    int16_t lax = 0;
    for (const CardTicket& t : index.tickets()) {
        TicketEvaluation ev = evaluate_card(t, index.kind(), in, all);
        total += int64_t{t.winnings} - t.stake;
        wins += ev.counts.wins();
        divisor += ev.rows * static_cast<int64_t>(ev.played.size());
        if (divisor > 0) {
            const double index100 = std::round(static_cast<double>(wins) * in.params.odds_constant * 100.0 /
                                               static_cast<double>(divisor));
            lax = static_cast<int16_t>(std::clamp(index100, -32768.0, 32767.0));
        }
        ev.running_total = total;
        ev.running_lax = lax;
        out.push_back(std::move(ev));
    }
    return out;
}

int64_t ticket_stake_per_draw(const CardTicket& t, CardKind kind, const GameParams& p, const MoneyTables& money,
                              int bundesland) {
    const GameCode game = p.code;
    const int64_t row_price = money.fee(game, kRowStake);
    const int64_t side1 = money.fee(game, kSideStake1);
    const int64_t side2 = money.fee(game, kSideStake2);
    const bool lotto_plus = p.austria && (t.options & kOptLottoPlus);
    const int64_t rows = card_rows(t, kind, p, bundesland);
    int64_t per_draw = rows * row_price;
    if (is_german_game(game)) {
        if (t.options & kOptSpiel77) per_draw += side1;
        if (t.options & kOptSuper6) per_draw += side2;
        if (t.options & kOptGluecksSpirale) per_draw += kGluecksSpiraleStake;
        if (t.options & kOptSiegerChance) per_draw += kSiegerChanceStake;
    } else if (p.austria) {
        const int jokers = t.options & kOptJokerCountMask;
        if (jokers > 1) per_draw += (jokers - 1) * side1;
        if (lotto_plus) per_draw += rows * side2;
    } else if (p.swiss) {
        if (t.options & 0x01) per_draw += side2;
        per_draw += std::popcount(static_cast<unsigned>(t.options & kOptSwissJokers)) * side1;
    }
    return per_draw;
}

int64_t ticket_stake(const CardTicket& t, CardKind kind, const GameParams& p, const MoneyTables& money,
                     int bundesland) {
    const int64_t draws = charged_draws(t, p);
    const int64_t fee = money.fee(p.code, kind == CardKind::Normal ? kFeeNormal : kFeeSystem);
    return ticket_stake_per_draw(t, kind, p, money, bundesland) * draws + fee;
}

int64_t ticket_winnings(const TicketEvaluation& ev, CardKind kind, const EvaluationInputs& in) {
    const GameParams& p = in.params;
    int64_t tenths = 0;
    if (kind == CardKind::Normal) {
        tenths = estimated_winnings(ev.counts, in);
    } else {
        for (const WinCounts& c : ev.field_counts) tenths += estimated_winnings(c, in);
    }
    if (ev.side.spiel77) tenths += side_winnings(*ev.side.spiel77, p.side_prizes_1);
    if (ev.side.super6) tenths += side_winnings(*ev.side.super6, p.side_prizes_2);
    if (ev.side.joker) tenths += side_winnings(*ev.side.joker, p.side_prizes_1);
    return tenths * 10;
}

int32_t card_amount(int64_t cents) {
    return static_cast<int32_t>(std::clamp<int64_t>(cents, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

PoolFigures pool_figures(const CardIndex& index, int first, int last) {
    PoolFigures f;
    f.members = std::max<int>(index.members(), 1);
    f.first = std::clamp(first, 1, std::max(index.count(), 1));
    f.last = std::clamp(last, f.first, std::max(index.count(), f.first));
    for (int i = f.first; i <= f.last && i <= index.count(); ++i) {
        f.stake_total += index.at(i - 1).stake;
        f.win_total += index.at(i - 1).winnings;
    }
    f.stake_share = f.stake_total / f.members;
    f.win_share = f.win_total / f.members;
    f.rest_capital = int64_t{index.capital()} + f.win_total - f.stake_total;
    return f;
}

}  // namespace zw
