#include "cardindex/sys_file.h"

#include "cardindex/card_file.h"
#include "games/game_catalogue.h"

namespace zw {
namespace {

constexpr size_t kFieldBytes = 8 * kCardFields;  // six fields of two words

TicketBlockLayout current_layout(GameCode game) {
    TicketBlockLayout l;
    l.jokers = game == kAustria;
    return l;
}

// Older layouts (`s_wandeln`): the 48 field bytes, first draws, stakes and
// winnings as now, then 7 (oldest) or 11 blocks of 12 bytes per ticket whose
// contents are not used, then per ticket the draw days, the extra weeks and
// one byte per option flag (two; Wednesday three: Spiel 77, Super 6,
// GlücksSpirale), then the lottery numbers, the pool values and the
// protection bits. Bytes per ticket: 150 (7 blocks), 198 (11 blocks), 238
// (198 with the Joker block; read for Austria, skipped otherwise); Wednesday
// 199 only.
TicketBlockLayout older(int blocks, int option_bytes, bool jokers) {
    TicketBlockLayout l;
    l.skipped_bytes = 12 * blocks;
    l.option_bytes = option_bytes;
    l.jokers = jokers;
    return l;
}

std::vector<TicketBlockLayout> layouts(GameCode game) {
    std::vector<TicketBlockLayout> out{current_layout(game)};
    if (game == kLottoWednesday) {
        out.push_back(older(11, 3, false));
    } else {
        out.push_back(older(7, 2, false));
        out.push_back(older(11, 2, false));
        out.push_back(older(11, 2, true));
    }
    return out;
}

size_t length_of(const TicketBlockLayout& l, int m) {
    const auto per_ticket = kFieldBytes + static_cast<size_t>(ticket_block_bytes(l));
    return 2 + per_ticket * static_cast<size_t>(m) + trailer_bytes(l, m);
}

}  // namespace

size_t sys_length(GameCode game, int m) { return length_of(current_layout(game), m); }

Status decode_sys(std::span<const uint8_t> bytes, GameCode game, CardIndex& out) {
    if (bytes.size() < 2) return Status::failure(kBadCardFormat);
    const int m = get_i16(bytes.data());
    if (m < 0 || m > kCardCapacity) return Status::failure(kBadCardFormat);
    const auto all = layouts(game);
    const TicketBlockLayout* layout = nullptr;
    for (const TicketBlockLayout& l : all)
        if (length_of(l, m) == bytes.size()) {
            layout = &l;
            break;
        }
    if (!layout) return Status::failure(kBadCardFormat);

    ByteReader in(bytes);
    in.take(2);
    std::vector<CardTicket> tickets(static_cast<size_t>(m));
    const uint8_t* fields = in.take(kFieldBytes * tickets.size());
    if (!fields) return Status::failure(kBadCardFormat);
    const bool swiss = game == kSwiss;
    for (size_t i = 0; i < tickets.size(); ++i)
        for (size_t f = 0; f < static_cast<size_t>(kCardFields); ++f) {
            const uint8_t* p = fields + i * kFieldBytes + 8 * f;
            tickets[i].fields[f] = s_fill(static_cast<uint32_t>(get_i32(p)), static_cast<uint32_t>(get_i32(p + 4)), swiss);
        }
    TicketBlockLayout blocks = *layout;
    // The Joker block of the 238-byte layout belongs to Austrian tickets only.
    const bool skip_jokers = blocks.jokers && game != kAustria;
    if (skip_jokers) blocks.jokers = false;
    int16_t members = 1;
    int32_t capital = 0;
    if (!read_ticket_blocks(in, blocks, game, tickets, members, capital)) return Status::failure(kBadCardFormat);
    for (size_t i = 0; i < tickets.size(); ++i)
        if (Status s = validate_card(tickets[i], static_cast<int>(i) + 1, game, CardKind::System); !s) return s;
    out.assign(std::move(tickets), members, capital);
    return {};
}

std::vector<uint8_t> encode_sys(const CardIndex& index, GameCode game) {
    std::vector<uint8_t> out;
    out.reserve(length_of(current_layout(game), index.count()));
    put_i16(out, static_cast<int16_t>(index.count()));
    for (const CardTicket& t : index.tickets())
        for (const SystemField& f : t.fields) {
            const auto words = pack_field(f, game == kSwiss);
            put_i32(out, static_cast<int32_t>(words[0]));
            put_i32(out, static_cast<int32_t>(words[1]));
        }
    write_ticket_blocks(out, index, game);
    return out;
}

Status load_sys(const fs::path& path, GameCode game, CardIndex& index) {
    return load_card_file(path, game, index, decode_sys);
}

Status save_sys(const fs::path& path, GameCode game, CardIndex& index) {
    return save_card_file(path, game, index, encode_sys);
}

}  // namespace zw
