// Writes the seed files of the NRM and SYS targets: for every game one image
// of each layout length it accepts (the current one and every older one), with
// 0, 1 and 9 tickets, so that the fuzzer starts from every layout. Each image
// is built here from the layout description, independently of the reader, and
// must be accepted by it; otherwise the program fails (and so the build).
//
//   fuzz_card_seeds nrm_file|sys_file <folder>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cardindex/nrm_file.h"
#include "cardindex/sys_file.h"
#include "games/game_catalogue.h"

namespace zw {
namespace {

struct Layout {
    int per_ticket;        // bytes per ticket, as the length formula names it
    int rows = 0;          // NRM: row slots stored (0: a SYS image of six fields)
    int width = 6;         // NRM: bytes per row (Switzerland 7)
    int stake_bytes = 4;
    bool weeks_byte = true;  // false: the extra weeks sit in the lottery number's top byte
    int option_bytes = 0;    // 0: one options byte; else one byte per option flag
    int skipped = 0;         // SYS: per-ticket bytes of unknown meaning
    bool protection = true;
    bool jokers = false;
};

Layout nrm(int per_ticket, int rows, int option_bytes, bool protection, bool jokers = false, bool swiss = false) {
    return {per_ticket, rows, swiss ? 7 : 6, swiss ? 4 : 2, false, option_bytes, 0, protection, jokers};
}

std::vector<Layout> nrm_layouts(GameCode game) {
    switch (game) {
        case kLottoSaturday:
        case kLottoBoth:
            return {{125, 18}, nrm(94, 12, 9, false), nrm(95, 12, 10, true), nrm(107, 14, 10, true)};
        case kLottoWednesday:
            return {{125, 18}, nrm(94, 12, 9, false), nrm(95, 12, 10, false), nrm(96, 12, 11, true),
                    nrm(108, 14, 11, true)};
        case kToto:
            return {{125, 18}, nrm(93, 12, 8, false), nrm(94, 12, 9, false), nrm(95, 12, 10, true),
                    nrm(107, 14, 10, true)};
        case kAustria: {
            Layout current{165, 18};
            current.jokers = true;
            return {current, nrm(107, 14, 10, true), nrm(147, 14, 10, true, true)};
        }
        case kSwiss: {
            Layout current{115, 14, 7};
            return {current, nrm(127, 14, 14, true, false, true)};
        }
    }
    return {};
}

std::vector<Layout> sys_layouts(GameCode game) {
    Layout current{65};
    current.jokers = game == kAustria;
    if (current.jokers) current.per_ticket = 105;
    auto older = [](int per_ticket, int blocks, int option_bytes, bool jokers) {
        Layout l{per_ticket};
        l.skipped = 12 * blocks;
        l.option_bytes = option_bytes;
        l.jokers = jokers;
        return l;
    };
    if (game == kLottoWednesday) return {current, older(199, 11, 3, false)};
    return {current, older(150, 7, 2, false), older(198, 11, 2, false), older(238, 11, 2, true)};
}

// Six distinct numbers of the game, sorted, varying with the ticket and row.
std::vector<uint8_t> six_numbers(int highest, int ticket, int row) {
    std::vector<uint8_t> out;
    for (int k = 0; k < 6; ++k) out.push_back(static_cast<uint8_t>(1 + (ticket + row + 7 * k) % highest));
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<uint8_t> image(const Layout& l, GameCode game, int n) {
    const int highest = game_params(game).highest_number;
    std::vector<uint8_t> out;
    put_i16(out, static_cast<int16_t>(n));
    for (int i = 0; i < n; ++i) {
        if (l.rows > 0) {
            for (int r = 0; r < l.rows; ++r) {
                std::vector<uint8_t> row = six_numbers(highest, i, r);
                row.resize(6, 0);
                if (r % 5 == 4) row.assign(6, 0);  // some empty rows
                if (l.width == 7) row.push_back(static_cast<uint8_t>(1 + (i + r) % 6));
                out.insert(out.end(), row.begin(), row.end());
            }
        } else {
            for (int f = 0; f < 6; ++f) {
                SystemField field;
                field.in_use = f <= i % 6;
                field.numbers = six_numbers(highest, i, f);
                field.numbers.push_back(static_cast<uint8_t>(highest));
                std::sort(field.numbers.begin(), field.numbers.end());
                field.numbers.erase(std::unique(field.numbers.begin(), field.numbers.end()), field.numbers.end());
                field.size = static_cast<int>(field.numbers.size());
                field.full = (i + f) % 2 == 0;
                field.type = (i + f) % 19;
                field.kind_flag = f == 1;
                if (game == kSwiss) field.lucky = 1 + f;
                const auto words = pack_field(field, game == kSwiss);
                put_i32(out, static_cast<int32_t>(words[0]));
                put_i32(out, static_cast<int32_t>(words[1]));
            }
        }
    }
    for (int i = 0; i < n; ++i) put_i16(out, static_cast<int16_t>(100 + i));
    for (int i = 0; i < n; ++i) l.stake_bytes == 2 ? put_i16(out, 600) : put_i32(out, 600 + i);
    for (int i = 0; i < n; ++i) put_i32(out, i % 2 ? -250 : 1000);
    out.insert(out.end(), static_cast<size_t>(l.skipped * n), 0x5a);
    for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(i % 3));
    const int weeks = 1;  // two weeks: every game allows them
    if (l.weeks_byte)
        for (int i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(weeks));
    for (int i = 0; i < n; ++i) {
        if (l.option_bytes == 0) {
            out.push_back(game == kAustria ? static_cast<uint8_t>(2 | kOptLottoPlus) : kOptSpiel77);
            continue;
        }
        for (int k = 0; k < l.option_bytes; ++k) out.push_back(game == kAustria && k == 0 ? 2 : (k + i) % 2);
    }
    for (int i = 0; i < n; ++i) {
        const uint32_t lottery = 1234567u + static_cast<uint32_t>(i);
        put_i32(out, static_cast<int32_t>(l.weeks_byte ? lottery : lottery | (uint32_t{weeks} << 24)));
    }
    put_i16(out, 3);
    put_i32(out, 50000);
    if (l.protection) {
        std::vector<uint8_t> bits(static_cast<size_t>(n / 8 + 1), 0);
        for (int i = 1; i < n; i += 2) bits[static_cast<size_t>(i / 8)] |= static_cast<uint8_t>(1u << (i % 8));
        out.insert(out.end(), bits.begin(), bits.end());
    }
    if (l.jokers)
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < kMaxJokers; ++k) put_i32(out, k < 2 ? 100000 + 17 * i + k : -1);
    return out;
}

}  // namespace
}  // namespace zw

int main(int argc, char** argv) {
    using namespace zw;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s nrm_file|sys_file <folder>\n", argv[0]);
        return 2;
    }
    const std::string what = argv[1];
    const bool system = what == "sys_file";
    if (!system && what != "nrm_file") return 2;
    int written = 0;
    for (GameCode game : kGames)
        for (const Layout& l : system ? sys_layouts(game) : nrm_layouts(game))
            for (int n : {0, 1, 9}) {
                const auto bytes = image(l, game, n);
                const size_t expected = static_cast<size_t>(l.per_ticket * n) + (l.protection ? n / 8 + 9 : 8);
                CardIndex index(system ? CardKind::System : CardKind::Normal);
                const Status s = system ? decode_sys(bytes, game, index) : decode_nrm(bytes, game, index);
                if (bytes.size() != expected || !s || index.count() != n) {
                    std::fprintf(stderr, "%s: game %d, %d bytes per ticket, %d tickets: %zu bytes, %s\n",
                                 what.c_str(), static_cast<int>(game), l.per_ticket, n, bytes.size(),
                                 s ? "count differs" : s.message().c_str());
                    return 1;
                }
                const std::string name = std::string(argv[2]) + "/game" + std::to_string(game) + "_" +
                                         std::to_string(l.per_ticket) + "x" + std::to_string(n);
                std::ofstream(name, std::ios::binary)
                    .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
                ++written;
            }
    std::printf("%d %s seeds\n", written, what.c_str());
    return 0;
}
