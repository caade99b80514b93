#include "cardindex/card_file.h"

#include <algorithm>

#include "games/game_catalogue.h"
#include "games/partial_systems.h"

namespace zw {

int ticket_block_bytes(const TicketBlockLayout& l) {
    return 2 + l.stake_bytes + 4 + l.skipped_bytes + 1 + (l.separate_weeks ? 1 : 0) +
           (l.option_bytes > 0 ? l.option_bytes : 1) + 4;
}

size_t trailer_bytes(const TicketBlockLayout& l, int n) {
    const auto count = static_cast<size_t>(n);
    return 6 + (l.protection ? count / 8 + 1 : 0) + (l.jokers ? 40 * count : 0);
}

namespace {

// Older layouts keep one byte per option; collect them into the options byte.
uint8_t collect_options(const uint8_t* flags, int count, GameCode game) {
    auto flag = [&](int i) { return i < count && flags[i] != 0; };
    uint8_t options = 0;
    if (game == kAustria) {
        options = static_cast<uint8_t>(std::min<int>(count > 0 ? flags[0] : 0, 15));
        if (flag(1)) options |= kOptLottoPlus;
    } else if (game == kSwiss) {
        for (int i = 0; i < 3; ++i)
            if (flag(i)) options |= static_cast<uint8_t>(1u << (i + 1));
    } else {
        for (int i = 0; i < 4; ++i)
            if (flag(i)) options |= static_cast<uint8_t>(1u << i);
    }
    return options;
}

}  // namespace

bool read_ticket_blocks(ByteReader& in, const TicketBlockLayout& l, GameCode game,
                        std::vector<CardTicket>& tickets, int16_t& members, int32_t& capital) {
    const size_t n = tickets.size();
    auto block = [&](size_t per_ticket) { return in.take(per_ticket * n); };
    const uint8_t* first = block(2);
    const uint8_t* stake = block(static_cast<size_t>(l.stake_bytes));
    const uint8_t* win = block(4);
    if (!block(static_cast<size_t>(l.skipped_bytes))) return false;
    const uint8_t* days = block(1);
    const uint8_t* weeks = l.separate_weeks ? block(1) : nullptr;
    const size_t option_width = l.option_bytes > 0 ? static_cast<size_t>(l.option_bytes) : 1;
    const uint8_t* options = block(option_width);
    const uint8_t* lottery = block(4);
    if (!first || !stake || !win || !days || (l.separate_weeks && !weeks) || !options || !lottery)
        return false;
    for (size_t i = 0; i < n; ++i) {
        CardTicket& t = tickets[i];
        t.first_draw = get_i16(first + 2 * i);
        t.stake = l.stake_bytes == 2 ? get_i16(stake + 2 * i) : get_i32(stake + 4 * i);
        t.winnings = get_i32(win + 4 * i);
        t.draw_days = days[i];
        const int32_t raw = get_i32(lottery + 4 * i);
        t.lottery = raw & 0xffffff;
        t.extra_weeks = l.separate_weeks ? weeks[i] : static_cast<uint8_t>((static_cast<uint32_t>(raw) >> 24) & 0xff);
        t.options = l.option_bytes > 0 ? collect_options(options + option_width * i, l.option_bytes, game)
                                       : options[i];
    }
    // Pool values, protection bits and Jokers only while the file goes on.
    if (const uint8_t* m = in.take(2)) members = get_i16(m);
    if (const uint8_t* c = in.take(4)) capital = get_i32(c);
    if (l.protection)
        if (const uint8_t* bits = in.take(n / 8 + 1))
            for (size_t i = 0; i < n; ++i) tickets[i].protected_card = (bits[i / 8] >> (i % 8)) & 1u;
    if (l.jokers)
        if (const uint8_t* j = in.take(40 * n))
            for (size_t i = 0; i < n; ++i)
                for (size_t k = 0; k < static_cast<size_t>(kMaxJokers); ++k)
                    tickets[i].jokers[k] = get_i32(j + 40 * i + 4 * k);
    if (members < 1) members = 1;
    return true;
}

void write_ticket_blocks(std::vector<uint8_t>& out, const CardIndex& index, GameCode game) {
    const auto& ts = index.tickets();
    for (const CardTicket& t : ts) put_i16(out, t.first_draw);
    for (const CardTicket& t : ts) put_i32(out, t.stake);
    for (const CardTicket& t : ts) put_i32(out, t.winnings);
    for (const CardTicket& t : ts) out.push_back(t.draw_days);
    for (const CardTicket& t : ts) out.push_back(t.extra_weeks);
    for (const CardTicket& t : ts) out.push_back(t.options);
    for (const CardTicket& t : ts) put_i32(out, t.lottery & 0xffffff);
    put_i16(out, index.members());
    put_i32(out, index.capital());
    std::vector<uint8_t> bits(ts.size() / 8 + 1, 0);
    for (size_t i = 0; i < ts.size(); ++i)
        if (ts[i].protected_card) bits[i / 8] = static_cast<uint8_t>(bits[i / 8] | (1u << (i % 8)));
    out.insert(out.end(), bits.begin(), bits.end());
    if (game == kAustria)
        for (const CardTicket& t : ts)
            for (int32_t j : t.jokers) put_i32(out, j);
}

Status validate_card(CardTicket& t, int number, GameCode game, CardKind kind) {
    const GameParams p = game_params(game);
    auto refuse = [&](const std::string& why) {
        return Status::failure(std::string(kBadCardFormat) + "|Schein " + std::to_string(number) + ": " + why);
    };
    auto check_number = [&](int v) { return v >= 1 && v <= p.highest_number; };
    if (t.first_draw <= 0) return refuse("Ziehungsnummer " + std::to_string(t.first_draw) + " ungültig.");
    if (t.extra_weeks > max_extra_weeks(game)) t.extra_weeks = 0;
    if (game == kAustria) {
        if ((t.options & kOptJokerCountMask) > kMaxJokers) return refuse("mehr als 10 Joker.");
        for (int32_t j : t.jokers)
            if (j < -1 || j > 999999) return refuse("Joker-Nummer " + std::to_string(j) + " ungültig.");
    }
    if (kind == CardKind::Normal) {
        for (size_t r = 0; r < t.rows.size(); ++r) {
            CardRow& row = t.rows[r];
            uint64_t seen = 0;
            for (uint8_t v : row_numbers(row)) {
                if (!check_number(v)) return refuse("Zahl " + std::to_string(v) + " in Reihe " + std::to_string(r + 1) + " ungültig.");
                if (seen & (uint64_t{1} << v)) return refuse("Zahl " + std::to_string(v) + " doppelt in Reihe " + std::to_string(r + 1) + ".");
                seen |= uint64_t{1} << v;
            }
            if (game == kSwiss && row[6] > 6) return refuse("Glückszahl " + std::to_string(row[6]) + " ungültig.");
            if (game != kSwiss) row[6] = 0;
        }
        return {};
    }
    for (size_t f = 0; f < t.fields.size(); ++f) {
        const SystemField& field = t.fields[f];
        if (!field.in_use) continue;  // unused fields are skipped, whatever they hold
        const std::string where = " in Feld " + std::to_string(f + 1);
        for (uint8_t v : field.numbers)
            if (!check_number(v)) return refuse("Zahl " + std::to_string(v) + where + " ungültig.");
        if (field.size > kFieldMaxNumbers) return refuse("System mit " + std::to_string(field.size) + " Zahlen" + where + ".");
        if (!field.full && field.type >= kPartialSystemCount)
            return refuse("System-Typ " + std::to_string(field.type) + where + " unbekannt.");
    }
    return {};
}

Status load_card_file(const fs::path& path, GameCode game, CardIndex& index, CardDecoder decode) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return Status::failure(kCardMissing);
    const auto bytes = read_file(path, 1u << 20);
    if (!bytes) return Status::failure(std::string(kBadCardFormat));
    CardIndex next(index.kind());
    if (Status s = decode(*bytes, game, next); !s) return s;
    next.set_file(path, stamp_file(path));
    next.set_saved(true);
    index = std::move(next);
    return {};
}

Status save_card_file(const fs::path& path, GameCode game, CardIndex& index, CardEncoder encode) {
    const std::vector<uint8_t> bytes = encode(index, game);
    FileSetWriter writer;
    writer.add(path, bytes);
    // Saved over the file it was loaded from: only if nobody changed that meanwhile.
    if (index.stamp().exists && index.file() == path) writer.expect(path, index.stamp());
    if (Status s = writer.commit(); !s) return s;
    index.set_file(path, stamp_file(path));
    index.set_saved(true);
    return {};
}

}  // namespace zw
