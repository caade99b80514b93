// What the NRM and SYS readers promise, checked for one input against every
// game: a refused image leaves the index as it was and says
// "Unzulässiges Karteiformat!!!"; an accepted one holds the count from its
// header (at most 800) and no value outside its range, and what the writer
// makes of it is read back as the same index.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "cardindex/card_index.h"
#include "fuzz_support.h"
#include "games/game_catalogue.h"
#include "games/partial_systems.h"

namespace zw::fuzz {

using CardDecode = Status (*)(std::span<const uint8_t>, GameCode, CardIndex&);
using CardEncode = std::vector<uint8_t> (*)(const CardIndex&, GameCode);
using CardLength = size_t (*)(GameCode, int);

// Numbers 1..highest, each once (`end` after the last one).
inline bool numbers_sound(const uint8_t* begin, const uint8_t* end, int highest) {
    uint64_t seen = 0;
    for (const uint8_t* p = begin; p != end; ++p) {
        if (*p < 1 || *p > highest || (seen & (uint64_t{1} << *p))) return false;
        seen |= uint64_t{1} << *p;
    }
    return true;
}

inline void check_ticket_ranges(const CardTicket& t, GameCode game, CardKind kind) {
    const int highest = game_params(game).highest_number;
    const bool swiss = game == kSwiss;
    check(t.first_draw >= 1, "first draw from 1");
    check(t.extra_weeks <= max_extra_weeks(game), "extra weeks in range");
    check(t.lottery >= 0 && t.lottery <= 0xffffff, "lottery number 24 bits");
    if (game == kAustria) {
        check((t.options & kOptJokerCountMask) <= kMaxJokers, "at most 10 Jokers");
        for (int32_t j : t.jokers) check(j >= -1 && j <= 999999, "Joker numbers six digits");
    } else {
        for (int32_t j : t.jokers) check(j == -1, "Jokers for Austria only");
    }
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const CardRow& row = t.rows[r];
        if (kind == CardKind::System || r >= static_cast<size_t>(card_row_slots(game))) {
            check(row == CardRow{}, "no rows beyond the game's slots");
            continue;
        }
        const auto* end = std::find(row.data(), row.data() + 6, uint8_t{0});  // a 0 ends the row
        check(numbers_sound(row.data(), end, highest), "row numbers in range and distinct");
        check(swiss ? row[6] <= 6 : row[6] == 0, "lucky number in range");
    }
    for (const SystemField& f : t.fields) {
        check(f.numbers.size() <= static_cast<size_t>(kFieldMaxNumbers), "at most 26 field numbers");
        check(std::is_sorted(f.numbers.begin(), f.numbers.end()), "field numbers ascending");
        check(f.lucky >= 0 && f.lucky <= (swiss ? 6 : 0), "field lucky number in range");
        if (kind == CardKind::Normal) {
            check(f == SystemField{}, "no fields on a normal ticket");
            continue;
        }
        if (!f.in_use) continue;
        check(numbers_sound(f.numbers.data(), f.numbers.data() + f.numbers.size(), highest),
              "field numbers in range");
        check(f.size <= kFieldMaxNumbers, "system size at most 26");
        check(f.full || f.type < kPartialSystemCount, "partial system known");
    }
}

inline bool same_index(const CardIndex& a, const CardIndex& b) {
    return a.tickets() == b.tickets() && a.members() == b.members() && a.capital() == b.capital();
}

inline void check_card_reader(std::span<const uint8_t> in, CardKind kind, CardDecode decode,
                              CardEncode encode, CardLength length) {
    // What the index held before: one ticket and pool values no file gives here.
    CardIndex before(kind);
    CardTicket marker;
    marker.first_draw = 4711;
    before.assign({marker}, 7, -13);
    // Most images fit several games. Every game checks what it accepts; the
    // round trip (two more decodes' work) runs for one of them, the first
    // accepting game from one picked by the input, so that over the corpus
    // every game's writer is tried.
    const int pick = in.empty() ? 0 : in[in.size() / 2] % kGameCount;
    bool round_trip_done = false;
    for (int k = 0; k < kGameCount; ++k) {
        const GameCode game = kGames[static_cast<size_t>((pick + k) % kGameCount)];
        CardIndex index = before;
        const Status s = decode(in, game, index);
        if (!s) {
            check(same_index(index, before), "a refused file keeps the index");
            check(s.message().starts_with(kBadCardFormat), "refusal names the bad format");
            continue;
        }
        check(in.size() >= 2 && index.count() == get_i16(in.data()), "count from the header");
        check(index.count() <= kCardCapacity, "capacity 800");
        check(index.members() >= 1, "pool members from 1");
        for (const CardTicket& t : index.tickets()) check_ticket_ranges(t, game, kind);
        if (round_trip_done) continue;
        round_trip_done = true;
        const std::vector<uint8_t> out = encode(index, game);
        check(out.size() == length(game, index.count()), "written in the current layout");
        CardIndex back(kind);
        check(decode(out, game, back).ok(), "written file accepted");
        // The writer depends on nothing else, so this also makes writing stable.
        check(same_index(back, index), "written file reads back as the same index");
    }
}

}  // namespace zw::fuzz
