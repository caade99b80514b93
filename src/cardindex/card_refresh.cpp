#include "cardindex/card_refresh.h"

#include <algorithm>

#include "cardindex/comparison.h"
#include "cardindex/play_period.h"
#include "evaluation/win_classes.h"

namespace zw {
namespace {

// Correct numbers of class 1..9 and whether its extra condition is part of it.
constexpr std::array<int, kClassCount + 1> kClassHits = {0, 6, 6, 5, 5, 4, 4, 3, 3, 2};

std::string class_name(RuleSet rules, int k) {
    if (rules == RuleSet::Austria && k == 9) return "Zusatzzahl";
    std::string name = std::to_string(kClassHits[static_cast<size_t>(k)]) + " Richtige";
    if (k % 2 == 1) {
        if (rules == RuleSet::German) name += " + Superzahl";
        else if (rules == RuleSet::Swiss) name += " + Glückszahl";
        else name += " + Zusatzzahl";
    }
    return name;
}

void add_counted(std::vector<std::string>& parts, int64_t count, const std::string& name) {
    if (count <= 0) return;
    parts.push_back(count == 1 ? name : std::to_string(count) + " × " + name);
}

void add_digits(std::vector<std::string>& parts, const std::optional<DigitCounts>& counts, const char* game) {
    if (!counts) return;
    for (size_t k = counts->size(); k-- > 1;)
        if ((*counts)[k] > 0) {
            parts.push_back(std::string(game) + ": " + std::to_string(k) + " Endziffer" + (k == 1 ? "" : "n"));
            return;
        }
}

ComparedTicket compare_one(const CardTicket& t, int number, CardKind kind, const EvaluationInputs& in, int draw) {
    const int numbers[] = {draw};
    return compare_ticket(t, number, kind, in, eval_draws(in.archive, in.params, draw, draw), numbers);
}

int64_t tenths_of(const ComparedTicket& c) { return c.winnings + c.spiel77 + c.super6 + c.joker; }

}  // namespace

std::optional<int> last_evaluated_draw(const CardTicket& t, CardKind kind, const EvaluationInputs& in) {
    std::optional<int> found;
    if (t.winnings == 0) found = 0;
    int64_t tenths = 0;
    for (int d : played_draws(t, in.archive, in.params)) {
        tenths += tenths_of(compare_one(t, 0, kind, in, d));
        if (card_amount(tenths * 10) == t.winnings) found = d;
    }
    return found;
}

CardRefresh refresh_card_index(CardIndex& index, const EvaluationInputs& in, std::optional<int> after_draw) {
    CardRefresh r;
    const int last = last_evaluable_draw(in.archive);
    if (after_draw && *after_draw >= last) return r;
    for (int i = 0; i < index.count(); ++i) {
        const CardTicket t = index.at(i);
        const std::vector<int> played = played_draws(t, in.archive, in.params);
        if (played.empty()) continue;
        const std::optional<int> booked = last_evaluated_draw(t, index.kind(), in);
        // An amount no run of draws adds up to was typed: it stays, and only
        // draws known to be new are added to it.
        const int book_after = booked ? *booked : after_draw.value_or(played.back());
        const int report_after = after_draw.value_or(book_after);
        if (played.back() <= std::min(book_after, report_after)) continue;
        int64_t added = 0;
        for (int d : played) {
            if (d <= std::min(book_after, report_after)) continue;
            const ComparedTicket c = compare_one(t, i + 1, index.kind(), in, d);
            if (d > book_after) added += tenths_of(c);
            if (d > report_after && c.any_hit())
                r.wins.push_back({.ticket = i + 1, .draw = d, .date = eval_draw_date(in.archive, in.params, d),
                                  .counts = c.counts, .side = c.side, .winnings = tenths_of(c),
                                  .kept = t.protected_card});
        }
        const int32_t amount = card_amount(int64_t{t.winnings} + added * 10);
        if (!t.protected_card && amount != t.winnings) {
            index.edit(i).winnings = amount;
            r.updated.push_back(i + 1);
        }
    }
    return r;
}

std::string win_text(const NewWin& win, GameCode game) {
    const RuleSet rules = rule_set_for(game);
    std::vector<std::string> parts;
    for (int k = 1; k <= kClassCount; ++k) add_counted(parts, win.counts.cls[static_cast<size_t>(k)], class_name(rules, k));
    for (int k = 1; k <= kPlusClassCount; ++k)
        add_counted(parts, win.counts.plus[static_cast<size_t>(k)], "LottoPlus " + std::to_string(7 - k) + " Richtige");
    add_digits(parts, win.side.spiel77, "Spiel 77");
    add_digits(parts, win.side.super6, "Super 6");
    add_digits(parts, win.side.joker, "Joker");
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

std::string new_win_message(const NewWin& win, GameCode game) {
    std::string m = "Schein " + std::to_string(win.ticket) + " hat gewonnen: " + win_text(win, game) + " (Ziehung " +
                    std::to_string(win.draw);
    if (!win.date.empty()) m += " vom " + win.date;
    return m + ")";
}

std::vector<std::string> book_new_draws(CardIndex& normal, CardIndex& system, const EvaluationInputs& in,
                                        int after_draw) {
    std::vector<std::string> out;
    for (CardIndex* index : {&normal, &system}) {
        const char* prefix = index->kind() == CardKind::System ? "SYS-Kartei: " : "";
        for (const NewWin& w : refresh_card_index(*index, in, after_draw).wins)
            out.push_back(prefix + new_win_message(w, in.params.code));
    }
    return out;
}

}  // namespace zw
