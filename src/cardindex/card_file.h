// What the NRM and SYS files share: the per-ticket blocks after the rows or
// system fields (first draws, stakes, winnings, draw days, weeks, options,
// lottery numbers), the pool values, the protection bits, the Austrian Joker
// block, the checks of every value read, and loading/saving a file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cardindex/card_index.h"
#include "games/game_catalogue.h"

namespace zw {

// Bounds-checked sequential reads of a file image.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t remaining() const { return bytes_.size() - pos_; }
    bool at_end() const { return pos_ >= bytes_.size(); }
    // Pointer to the next `n` bytes, or nullptr (and nothing consumed) when fewer remain.
    const uint8_t* take(size_t n) {
        if (n > remaining()) return nullptr;
        const uint8_t* p = bytes_.data() + pos_;
        pos_ += n;
        return p;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

// How the per-ticket blocks after the rows or fields are laid out.
struct TicketBlockLayout {
    int stake_bytes = 4;       // older NRM layouts: 2
    bool separate_weeks = true;  // current: own weeks byte; older: top byte of the lottery number
    int option_bytes = 0;      // older layouts: one byte per option flag (0 = options byte)
    int skipped_bytes = 0;     // older SYS layouts: per-ticket bytes of unknown meaning
    bool weeks_in_skipped = false;  // older SYS: weeks is the byte after the draw days
    bool protection = true;    // protection bits after the pool values
    bool jokers = false;       // 10 Joker numbers per ticket at the end
};

// Bytes one ticket takes in these blocks (without rows, fields and jokers).
int ticket_block_bytes(const TicketBlockLayout& layout);
// Length of the trailer after the per-ticket blocks for N tickets.
size_t trailer_bytes(const TicketBlockLayout& layout, int n);

// Reads the blocks into tickets[0..n-1] (rows or fields already read) and
// the pool values; the reader must hold them all.
bool read_ticket_blocks(ByteReader& in, const TicketBlockLayout& layout, GameCode game,
                        std::vector<CardTicket>& tickets, int16_t& members, int32_t& capital);
// Writes the current layout's blocks for `tickets` and the pool values.
void write_ticket_blocks(std::vector<uint8_t>& out, const CardIndex& index, GameCode game);

// Checks every value a ticket read from a file carries against the game;
// the message names the ticket.
Status validate_card(CardTicket& ticket, int ticket_number, GameCode game, CardKind kind);

// Loads a card file into `index` with `decode`; the index is unchanged when
// the file is missing or refused.
using CardDecoder = Status (*)(std::span<const uint8_t>, GameCode, CardIndex&);
using CardEncoder = std::vector<uint8_t> (*)(const CardIndex&, GameCode);
Status load_card_file(const fs::path& path, GameCode game, CardIndex& index, CardDecoder decode);
Status save_card_file(const fs::path& path, GameCode game, CardIndex& index, CardEncoder encode);

}  // namespace zw
