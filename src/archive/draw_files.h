// Decoders of the draw archive's binary files: the draw file, the side-game
// files (Spiel 77, Super 6, Joker) and the Austrian LottoPlus file. Each takes
// the file's bytes and either refuses them with a German message or returns
// the tables with every damaged record emptied, kept as read and reported.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/draw.h"
#include "base/file_io.h"
#include "games/game_catalogue.h"

namespace zw {

constexpr int kDrawHeaderBytes = 4;

// Collects the draws of one file whose records cannot be used and reports
// them in one message, however many there are (the list is shortened to
// ranges and, beyond a few dozen, to a count), so a hostile file cannot flood
// the user with messages.
class RecordReport {
public:
    // `one` / `many`: what is wrong, for one draw ("hat ungültige Zahlen") and
    // for several ("haben ungültige Zahlen").
    RecordReport(std::string file, std::string one, std::string many)
        : file_(std::move(file)), one_(std::move(one)), many_(std::move(many)) {}
    void bad(int draw) { draws_.push_back(draw); }
    // Appends the message to `warnings` (nothing when all were good).
    void flush(std::vector<std::string>* warnings) const;
    int count() const { return static_cast<int>(draws_.size()); }

private:
    std::string file_, one_, many_;
    std::vector<int> draws_;
};

// "17", "17 und 233", "3, 7 bis 1268 und 4012": ascending draw numbers in
// ranges; beyond `limit` ranges the rest is counted ("und 57 weitere").
std::string draw_list_text(std::vector<int> draws, size_t limit = 24);

struct DrawFileContents {
    uint8_t calibration_x = 126;
    uint8_t calibration_y = 126;
    int16_t bundesland = 0;
    int records = 0;             // complete records, draw 1 first
    std::vector<uint8_t> table;  // records * record length bytes
    // The records that cannot be used, as read (emptied in `table`).
    std::map<int, std::vector<uint8_t>> set_aside;
};

// The draw a record holds: 7 bytes (six numbers and the extra number), for
// the Swiss game 8 (and the plus byte).
Draw decode_record(std::span<const uint8_t> record);
// Writes the draw into a record of 7 or 8 bytes; the plus byte only goes
// into an 8-byte record.
void encode_record(const Draw& draw, std::span<uint8_t> record);

// True when the record of draw n is all zero (a draw not entered).
bool is_empty_record(std::span<const uint8_t> record);
// True when the record of draw n holds a draw the game could have at that
// draw (draw_rules_at): six distinct numbers 1..highest and an extra number in
// its range (0: none given); for the Swiss plus-number draws also byte 7.
bool is_valid_record(const GameParams& params, int n, std::span<const uint8_t> record);

// Decodes a draw file named `name`. Refuses a file shorter than its header or
// with more records than the game's capacity; a trailing partial record and
// invalid records are reported in `warnings` and left out (emptied in the
// table, kept as read in `set_aside`).
Status decode_draw_file(std::span<const uint8_t> bytes, const GameParams& params,
                        std::string_view name, DrawFileContents& out,
                        std::vector<std::string>* warnings);

// Largest valid side number of a side game with `digits` digits (Spiel 77: 7).
constexpr int32_t largest_side_number(int digits) {
    int32_t v = 1;
    for (int i = 0; i < digits; ++i) v *= 10;
    return v - 1;
}

// Decodes a side-game file (int16 count, count int32 entries) into `table`
// (which keeps -1 where the file has nothing). Entry i belongs to draw
// i - offset. A count beyond the table refuses the file (returns 0 with a
// warning); missing entries and numbers that are not `digits` digits are
// reported and read as -1 (the values as read land in `kept`, by entry).
// Returns the count read.
int decode_side_file(std::span<const uint8_t> bytes, std::string_view name, int digits,
                     int offset, std::vector<int32_t>& table, std::vector<std::string>* warnings,
                     std::map<int, int32_t>* kept = nullptr);

// Decodes the LottoPlus file (6-byte records, record 0 = draw 2668) into
// `plus` (cleared by the caller). Returns the record count; a file beyond the
// table is refused (0), damaged records are emptied and reported (as read
// in `kept`, by record).
int decode_lotto_plus(std::span<const uint8_t> bytes, std::string_view name,
                      std::vector<uint8_t>& plus, std::vector<std::string>* warnings,
                      std::map<int, std::array<uint8_t, 6>>* kept = nullptr);

// Six LottoPlus numbers: all 0 (none) or six distinct numbers 1..45.
bool is_valid_lotto_plus(std::span<const uint8_t> six);

}  // namespace zw
