#include "tipping/ticket_price.h"

#include <bit>

#include "evaluation/win_plan.h"
#include "games/game_catalogue.h"
#include "games/money_tables.h"
#include "games/partial_systems.h"
#include "games/system_catalogue.h"

namespace zw {

int64_t played_rows(const Ticket& t, GameCode game, int bundesland) {
    if (!t.system_mode) return t.row_count();
    int64_t rows = 0;
    for (int b = 0; b < kSystemBoxCount; ++b) {
        const SystemBox& box = t.box(b);
        if (box.full) {
            rows += binomial(box.numbers, 6);
        } else if (box.partial) {
            const int k = to_partial_index(label_family(game, bundesland), box.index);
            if (k >= 0) rows += kPartialSystems[static_cast<size_t>(k)].rows;
        }
    }
    return rows;
}

TicketPrice ticket_price(const Ticket& t, const TicketOptions& o, const GameParams& params,
                         const MoneyTables& money, int bundesland) {
    TicketPrice p;
    const GameCode game = params.code;
    p.rows = played_rows(t, game, bundesland);
    if (p.rows == 0) return p;
    p.draws = o.draws(game);
    int64_t per_draw = p.rows * money.fee(game, kRowStake);
    if (is_german_game(game)) {
        if (o.spiel77) per_draw += money.fee(game, kSideStake1);
        if (o.super6) per_draw += money.fee(game, kSideStake2);
        if (o.gluecksspirale) per_draw += 500;
        if (o.siegerchance) per_draw += 300;
    } else if (params.austria) {
        if (o.joker_count > 1) per_draw += (o.joker_count - 1) * int64_t{money.fee(game, kSideStake1)};
        if (o.lotto_plus) per_draw += p.rows * money.fee(game, kSideStake2);
    } else if (params.swiss) {
        per_draw += std::popcount(static_cast<unsigned>(o.swiss_joker_bits & 0x0e)) *
                    int64_t{money.fee(game, kSideStake1)};
    }
    p.per_draw = per_draw;
    p.fee = money.fee(game, t.system_mode ? kFeeSystem : kFeeNormal);
    p.total = per_draw * p.draws + p.fee;
    return p;
}

Status to_evaluation_ticket(const Ticket& t, const TicketOptions& o, const GameParams& params,
                            int bundesland, EvaluationTicket& out) {
    EvaluationTicket e;
    if (!t.system_mode) {
        for (int r = 0; r < kTicketRowSlots; ++r) {
            const int size = t.row_size(r);
            if (size == 0 && t.row(r)[6] == 0) continue;
            if (!t.row_complete(r))
                return Status::failure("Reihe " + std::to_string(r + 1) + " ist nicht vollständig" +
                                       (size < 6 ? " (" + std::to_string(size) + " von 6 Zahlen)."
                                                 : " (die Glückszahl fehlt)."));
            TicketLine line;
            line.number = r + 1;
            line.numbers.assign(t.row(r).begin(), t.row(r).begin() + 6);
            line.lucky = t.row(r)[6];
            e.rows.push_back(std::move(line));
        }
        if (e.rows.empty()) return Status::failure("Der Tippschein enthält noch keine Reihe.");
    } else {
        for (int b = 0; b < kSystemBoxCount; ++b) {
            const SystemBox& box = t.box(b);
            if (!box.has_system()) continue;
            if (!box.complete())
                return Status::failure("System " + std::to_string(b + 1) + " braucht " +
                                       std::to_string(box.numbers) + " Zahlen, angekreuzt sind " +
                                       std::to_string(box.ticked.size()) + ".");
            if (params.swiss && box.lucky == 0)
                return Status::failure("System " + std::to_string(b + 1) + ": die Glückszahl fehlt.");
            if (box.full) {
                TicketLine line;
                line.number = b + 1;
                line.kind = LineKind::FullSystem;
                line.numbers = box.ticked;
                line.lucky = box.lucky;
                e.systems.push_back(std::move(line));
            } else {
                e.systems.push_back(
                    partial_system_field(b + 1, params.code, bundesland, box.index, box.ticked, box.lucky));
            }
        }
        if (e.systems.empty()) return Status::failure("Bitte zuerst ein System ankreuzen!");
    }
    if (params.german_lotto) e.super_number = super_number_of(o.lottery_number);
    e.lotto_plus = params.austria && o.lotto_plus;
    e.side.lottery_number = o.lottery_number > 0 ? o.lottery_number : -1;
    if (is_german_game(params.code)) {
        e.side.spiel77 = o.spiel77;
        e.side.super6 = o.super6;
    } else if (params.swiss) {
        e.side.joker = (o.swiss_joker_bits & 0x0e) != 0;
    } else if (params.austria) {
        for (int i = 0; i < 10 && i < o.joker_count; ++i)
            if (!o.joker_numbers[static_cast<size_t>(i)].empty())
                e.side.jokers.push_back(std::stoi(o.joker_numbers[static_cast<size_t>(i)]));
    }
    out = std::move(e);
    return Status();
}

}  // namespace zw
