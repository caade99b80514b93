#include "cardindex/comparison.h"

#include <algorithm>
#include <cstdio>

#include "archive/calendar.h"
#include "cardindex/card_list_format.h"
#include "evaluation/evaluation_format.h"

namespace zw {
namespace {

// Wednesday draws up to this number come two a day (A odd, B even).
constexpr int kLastTwoADayDraw = 1514;

int64_t digit_hits(const std::optional<DigitCounts>& c) {
    int64_t n = 0;
    if (c)
        for (size_t k = 1; k < c->size(); ++k) n += (*c)[k];
    return n;
}

void add_digits(TotalDigitCounts& total, const std::optional<DigitCounts>& c) {
    if (!c) return;
    for (size_t k = 1; k < c->size(); ++k) total[k] += (*c)[k];
}

}  // namespace

bool ComparedTicket::any_hit() const {
    return counts.any() || digit_hits(side.spiel77) > 0 || digit_hits(side.super6) > 0 || digit_hits(side.joker) > 0;
}

std::vector<int> compared_draws(const DrawArchive& archive, const GameParams& params, int draw) {
    const int last = last_evaluable_draw(archive);
    std::vector<int> out{draw};
    if (params.code == kLottoWednesday && draw % 2 == 1 && draw + 1 <= kLastTwoADayDraw && draw + 1 <= last)
        out.push_back(draw + 1);
    return out;
}

ComparedTicket compare_ticket(const CardTicket& t, int number, CardKind kind, const EvaluationInputs& in,
                              const std::vector<EvalDraw>& draws, std::span<const int> numbers) {
    const GameParams& p = in.params;
    const RuleSet rules = rule_set_for(p.code);
    const TicketExtras extras = card_extras(t, p);
    ComparedTicket c;
    c.ticket = number;
    if (kind == CardKind::Normal) {
        for (int r = 0; r < evaluated_row_slots(p.code); ++r) {
            const CardRow& row = t.rows[static_cast<size_t>(r)];
            if (!row_complete(row, p.swiss)) continue;
            ++c.rows;
            const uint64_t mask = number_mask(row_numbers(row));
            const int lucky = p.swiss ? row[6] : 0;
            for (const EvalDraw& d : draws) {
                const RowMatch m = match_row(rules, mask, lucky, d, extras);
                if (m.win_class) ++c.counts.cls[static_cast<size_t>(m.win_class)];
                if (m.plus_class) ++c.counts.plus[static_cast<size_t>(m.plus_class)];
            }
        }
    } else {
        for (int f = 0; f < kCardFields; ++f) {
            const ResolvedField rf = resolve_field(t.fields[static_cast<size_t>(f)], f + 1, p.code, in.archive.bundesland);
            if (!rf.problem.empty()) c.problems.push_back(rf.problem);
            if (!rf.line) continue;
            if (rf.line->kind == LineKind::PartialSystem && in.partial.rows(rf.line->partial_index).empty()) {
                c.problems.push_back("Die Teil-Systeme fehlen (Datei ZIEHWERK.ASW nicht gelesen).");
                continue;
            }
            c.rows += static_cast<int>(rf.rows);
            c.counts.add(evaluate_line(*rf.line, rules, draws, extras, in).counts);
        }
    }
    // Side games: only the draw itself carries the day's side numbers.
    c.side = card_side_games(t, in.archive, p, numbers.first(std::min<size_t>(numbers.size(), 1)));
    c.stake = ticket_stake_per_draw(t, kind, p, in.money, in.archive.bundesland) *
              static_cast<int64_t>(std::max<size_t>(numbers.size(), 1));
    c.winnings = estimated_winnings(c.counts, in);
    if (c.side.spiel77) c.spiel77 = side_winnings(*c.side.spiel77, p.side_prizes_1);
    if (c.side.super6) c.super6 = side_winnings(*c.side.super6, p.side_prizes_2);
    if (c.side.joker) c.joker = side_winnings(*c.side.joker, p.side_prizes_1);
    return c;
}

Comparison compare_with_draw(const CardIndex& index, int draw, const EvaluationInputs& in) {
    Comparison c;
    const int last = last_evaluable_draw(in.archive);
    c.draw = std::clamp(draw, 1, std::max(last, 1));
    c.date = eval_draw_date(in.archive, in.params, c.draw);
    c.draws = compared_draws(in.archive, in.params, c.draw);
    // A day of two draws compared as one shows its date; a single A or B draw says which.
    if (in.params.code == kLottoWednesday && c.draw <= kLastTwoADayDraw && c.draws.size() == 1)
        c.date = draw_date(kLottoWednesday, c.draw).prefix + c.date;
    c.tickets = index.count();
    const std::vector<EvalDraw> draws = eval_draws(in.archive, in.params, c.draws.front(), c.draws.back());
    for (int i = 0; i < index.count(); ++i) {
        ComparedTicket t = compare_ticket(index.at(i), i + 1, index.kind(), in, draws, c.draws);
        c.stake += t.stake;
        for (int k = 1; k <= kClassCount; ++k) c.classes[static_cast<size_t>(k)] += t.counts.cls[static_cast<size_t>(k)];
        for (int k = 1; k <= kPlusClassCount; ++k) c.plus[static_cast<size_t>(k)] += t.counts.plus[static_cast<size_t>(k)];
        add_digits(c.spiel77, t.side.spiel77);
        add_digits(c.super6, t.side.super6);
        add_digits(c.joker, t.side.joker);
        c.winnings += t.winnings;
        c.side_winnings += t.spiel77 + t.super6 + t.joker;
        for (const std::string& p : t.problems) c.problems.push_back("Schein " + std::to_string(i + 1) + ", " + p);
        if (t.any_hit()) c.winners.push_back(std::move(t));
    }
    return c;
}

}  // namespace zw
