#include "cardindex/nrm_file.h"

#include "cardindex/card_file.h"
#include "games/game_catalogue.h"

namespace zw {
namespace {

struct NrmLayout {
    int rows = kCardRows;
    int row_width = 6;  // Switzerland: 7 (six numbers and the lucky number)
    TicketBlockLayout blocks;
};

NrmLayout current_layout(GameCode game) {
    NrmLayout l;
    if (game == kSwiss) {
        l.rows = kSwissCardRows;
        l.row_width = 7;
    }
    l.blocks.jokers = game == kAustria;
    return l;
}

// An older layout: rows, first draws, stakes (16-bit; Switzerland 32-bit),
// winnings, draw days, then one byte per option flag (German games: Spiel 77,
// Super 6, GlücksSpirale, SiegerChance, further bytes unused; Austria: Joker
// count, LottoPlus; Switzerland: the three Joker fields), then the lottery
// numbers with the duration (extra weeks) in their top byte, then the pool
// values and, where the length formula has (N div 8) + 1, the protection
// bits; Austria 147 adds the Joker block.
NrmLayout older(int rows, int option_bytes, bool protection, bool jokers = false, bool swiss = false) {
    NrmLayout l;
    l.rows = rows;
    l.row_width = swiss ? 7 : 6;
    l.blocks.stake_bytes = swiss ? 4 : 2;
    l.blocks.separate_weeks = false;
    l.blocks.option_bytes = option_bytes;
    l.blocks.protection = protection;
    l.blocks.jokers = jokers;
    return l;
}

// Accepted lengths per game, current layout first. Bytes per ticket of the
// older layouts (and whether the protection bits follow):
//   Saturday, both days: 94 (none), 95, 107
//   Wednesday:           94 (none), 95 (none), 96, 108
//   Auswahlwette:        93 (none), 94 (none), 95, 107
//   Austria:             107, 147 (with Jokers)
//   Switzerland:         127 (14 rows of 7 bytes)
// 12 rows (72 bytes) in the layouts below 100 bytes, 14 rows above.
std::vector<NrmLayout> layouts(GameCode game) {
    std::vector<NrmLayout> out{current_layout(game)};
    switch (game) {
        case kLottoSaturday:
        case kLottoBoth:
            out.push_back(older(12, 9, false));
            out.push_back(older(12, 10, true));
            out.push_back(older(14, 10, true));
            break;
        case kLottoWednesday:
            out.push_back(older(12, 9, false));
            out.push_back(older(12, 10, false));
            out.push_back(older(12, 11, true));
            out.push_back(older(14, 11, true));
            break;
        case kToto:
            out.push_back(older(12, 8, false));
            out.push_back(older(12, 9, false));
            out.push_back(older(12, 10, true));
            out.push_back(older(14, 10, true));
            break;
        case kAustria:
            out.push_back(older(14, 10, true));
            out.push_back(older(14, 10, true, true));
            break;
        case kSwiss:
            out.push_back(older(14, 14, true, false, true));
            break;
    }
    return out;
}

size_t length_of(const NrmLayout& l, int n) {
    const auto per_ticket = static_cast<size_t>(l.rows * l.row_width + ticket_block_bytes(l.blocks));
    return 2 + per_ticket * static_cast<size_t>(n) + trailer_bytes(l.blocks, n);
}

}  // namespace

size_t nrm_length(GameCode game, int n) { return length_of(current_layout(game), n); }

Status decode_nrm(std::span<const uint8_t> bytes, GameCode game, CardIndex& out) {
    if (bytes.size() < 2) return Status::failure(kBadCardFormat);
    const int n = get_i16(bytes.data());
    if (n < 0 || n > kCardCapacity) return Status::failure(kBadCardFormat);
    const auto all = layouts(game);
    const NrmLayout* layout = nullptr;
    for (const NrmLayout& l : all)
        if (length_of(l, n) == bytes.size()) {
            layout = &l;
            break;
        }
    if (!layout) return Status::failure(kBadCardFormat);

    ByteReader in(bytes);
    in.take(2);
    std::vector<CardTicket> tickets(static_cast<size_t>(n));
    const auto width = static_cast<size_t>(layout->row_width);
    const uint8_t* rows = in.take(static_cast<size_t>(n) * static_cast<size_t>(layout->rows) * width);
    if (!rows) return Status::failure(kBadCardFormat);
    for (size_t i = 0; i < tickets.size(); ++i)
        for (size_t r = 0; r < static_cast<size_t>(layout->rows); ++r)
            for (size_t b = 0; b < width; ++b)
                tickets[i].rows[r][b] = rows[(i * static_cast<size_t>(layout->rows) + r) * width + b];
    int16_t members = 1;
    int32_t capital = 0;
    if (!read_ticket_blocks(in, layout->blocks, game, tickets, members, capital))
        return Status::failure(kBadCardFormat);
    for (size_t i = 0; i < tickets.size(); ++i)
        if (Status s = validate_card(tickets[i], static_cast<int>(i) + 1, game, CardKind::Normal); !s) return s;
    out.assign(std::move(tickets), members, capital);
    return {};
}

std::vector<uint8_t> encode_nrm(const CardIndex& index, GameCode game) {
    const NrmLayout l = current_layout(game);
    std::vector<uint8_t> out;
    out.reserve(length_of(l, index.count()));
    put_i16(out, static_cast<int16_t>(index.count()));
    for (const CardTicket& t : index.tickets())
        for (size_t r = 0; r < static_cast<size_t>(l.rows); ++r)
            for (size_t b = 0; b < static_cast<size_t>(l.row_width); ++b) out.push_back(t.rows[r][b]);
    write_ticket_blocks(out, index, game);
    return out;
}

Status load_nrm(const fs::path& path, GameCode game, CardIndex& index) {
    return load_card_file(path, game, index, decode_nrm);
}

Status save_nrm(const fs::path& path, GameCode game, CardIndex& index) {
    return save_card_file(path, game, index, encode_nrm);
}

}  // namespace zw
