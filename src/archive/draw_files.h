// Decoders of the draw archive's binary files: the draw file, the side-game
// files (Spiel 77, Super 6, Joker) and the Austrian LottoPlus file. Each takes
// the file's bytes and either refuses them with a German message or returns
// the tables with every damaged record emptied and reported.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/file_io.h"
#include "games/game_catalogue.h"

namespace zw {

constexpr int kDrawHeaderBytes = 4;

// Collects the messages about damaged records of one file; after a few it
// only counts, so a hostile file cannot flood the user with messages.
class RecordReport {
public:
    explicit RecordReport(std::string file) : file_(std::move(file)) {}
    // Counts a damaged record of `draw`; `what` (a callable giving the
    // reason) is called only for the records that are listed.
    template <class What>
    void bad(int draw, What&& what) {
        if (count_++ < kListed) list(draw, what());
    }
    // Appends the collected messages to `warnings` (nothing when all were good).
    void flush(std::vector<std::string>* warnings) const;
    int count() const { return count_; }

private:
    void list(int draw, std::string_view what);
    static constexpr int kListed = 5;
    std::string file_;
    std::vector<std::string> listed_;
    int count_ = 0;
};

struct DrawFileContents {
    uint8_t calibration_x = 126;
    uint8_t calibration_y = 126;
    int16_t bundesland = 0;
    int records = 0;             // complete records, draw 1 first
    std::vector<uint8_t> table;  // records * record length bytes
};

// True when the record of draw n is all zero (a draw not entered).
bool is_empty_record(std::span<const uint8_t> record);
// True when the record of draw n holds a draw the game can have: six distinct
// numbers 1..highest and an extra number in its range (0: none given).
bool is_valid_record(const GameParams& params, int n, std::span<const uint8_t> record);

// Decodes a draw file named `name`. Refuses a file shorter than its header or
// with more records than the game's capacity; a trailing partial record and
// invalid records are reported in `warnings` and left out (emptied).
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
// reported and read as -1. Returns the count read.
int decode_side_file(std::span<const uint8_t> bytes, std::string_view name, int digits,
                     int offset, std::vector<int32_t>& table, std::vector<std::string>* warnings);

// Decodes the LottoPlus file (6-byte records, record 0 = draw 2668) into
// `plus` (cleared by the caller). Returns the record count; a file beyond the
// table is refused (0), damaged records are emptied and reported.
int decode_lotto_plus(std::span<const uint8_t> bytes, std::string_view name,
                      std::vector<uint8_t>& plus, std::vector<std::string>* warnings);

// Six LottoPlus numbers: all 0 (none) or six distinct numbers 1..45.
bool is_valid_lotto_plus(std::span<const uint8_t> six);

}  // namespace zw
