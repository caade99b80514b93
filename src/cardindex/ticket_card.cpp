#include "cardindex/ticket_card.h"

#include <algorithm>

#include "cardindex/balance.h"
#include "cardindex/tip_transfer.h"
#include "games/game_catalogue.h"
#include "tipping/ticket_price.h"

namespace zw {

CardTicket to_card(const Ticket& t, const TicketOptions& o, const GameParams& params) {
    CardTicket card;
    if (!t.system_mode) {
        std::vector<CardRow> rows;
        for (int r = 0; r < kTicketRowSlots; ++r) rows.push_back(t.row(r));
        card = make_normal_card(rows, params.code);
    } else {
        for (int b = 0; b < kSystemBoxCount; ++b) {
            const SystemBox& box = t.box(b);
            if (!box.has_system()) continue;
            SystemField& f = card.fields[static_cast<size_t>(b)];
            f.in_use = true;
            f.numbers = box.ticked;
            std::sort(f.numbers.begin(), f.numbers.end());
            f.size = box.numbers;
            f.type = box.partial ? box.index : 0;
            f.full = box.full;
            f.kind_flag = box.partial;
            f.lucky = box.lucky;
        }
    }
    card.draw_days =
        static_cast<uint8_t>(is_german_game(params.code) ? std::clamp<int>(o.draw_days, 0, 2) : 0);
    card.extra_weeks =
        static_cast<uint8_t>(std::clamp(o.extra_weeks, 0, max_extra_weeks(params.code)));
    if (is_german_game(params.code)) {
        card.options = static_cast<uint8_t>(
            (o.spiel77 ? kOptSpiel77 : 0) | (o.super6 ? kOptSuper6 : 0) |
            (o.gluecksspirale ? kOptGluecksSpirale : 0) | (o.siegerchance ? kOptSiegerChance : 0));
    } else if (params.austria) {
        card.options = static_cast<uint8_t>((o.joker_count & kOptJokerCountMask) |
                                            (o.lotto_plus ? kOptLottoPlus : 0));
        for (size_t i = 0; i < o.joker_numbers.size(); ++i)
            card.jokers[i] = o.joker_numbers[i].empty() ? -1 : std::stoi(o.joker_numbers[i]);
    } else if (params.swiss) {
        card.options = static_cast<uint8_t>(o.swiss_joker_bits & kOptSwissJokers);
    }
    card.lottery = std::max(o.lottery_number, 0) & 0xffffff;
    return card;
}

void from_card(const CardTicket& card, CardKind kind, const GameParams& params, Ticket& t,
               TicketOptions& o) {
    if (kind == CardKind::Normal) {
        t.clear_rows();
        for (int r = 0; r < std::min(kTicketRowSlots, card_row_slots(params.code)); ++r) {
            const CardRow& row = card.rows[static_cast<size_t>(r)];
            for (uint8_t n : row_numbers(row)) t.tick(r, n);
            if (params.swiss) t.set_lucky(r, row[6] <= 6 ? row[6] : 0);
        }
    } else {
        for (int b = 0; b < kSystemBoxCount; ++b) {
            t.clear_system(b);
            const SystemField& f = card.fields[static_cast<size_t>(b)];
            if (!f.in_use) continue;
            if (f.full)
                t.set_full_system(b, f.size);
            else
                t.set_partial_system(b, f.type, f.size);
            t.set_box_numbers(b, f.numbers);
            t.set_box_lucky(b, f.lucky);
        }
    }
    TicketOptions next;
    next.draw_days = card.draw_days;
    next.extra_weeks = card.extra_weeks;
    if (is_german_game(params.code)) {
        next.spiel77 = card.options & kOptSpiel77;
        next.super6 = card.options & kOptSuper6;
        next.gluecksspirale = card.options & kOptGluecksSpirale;
        next.siegerchance = card.options & kOptSiegerChance;
    } else if (params.austria) {
        const int count = card.options & kOptJokerCountMask;
        next.joker_count = static_cast<uint8_t>(count <= 5 || count == 10 ? count : 0);
        next.lotto_plus = card.options & kOptLottoPlus;
        next.joker_numbers = joker_texts(card);
    } else if (params.swiss) {
        next.swiss_joker_bits = card.options & kOptSwissJokers;
    }
    next.lottery_number = card.lottery & 0xffffff;
    next.super_number = static_cast<uint8_t>(next.lottery_number % 10);
    o = next;
}

std::vector<CardTicket> cards_of_rows(const std::vector<TipRow>& rows, int per_ticket, const TicketOptions& o,
                                      const GameParams& params, const MoneyTables& money, int bundesland) {
    std::vector<CardTicket> cards;
    per_ticket = std::clamp(per_ticket, 1, std::min(kTicketRowSlots, card_row_slots(params.code)));
    Ticket t;
    t.set_game(params);
    int filled = 0;
    auto flush = [&] {
        if (filled == 0) return;
        CardTicket card = to_card(t, o, params);
        card.stake = card_amount(ticket_price(t, o, params, money, bundesland).total);
        cards.push_back(card);
        t.clear_rows();
        filled = 0;
    };
    for (const TipRow& row : rows) {
        if (!t.set_row(filled, row)) continue;
        if (++filled == per_ticket) flush();
    }
    flush();
    return cards;
}

}  // namespace zw
