// The number tables of the statistics and the view of the draws they are
// computed from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "archive/draw_archive.h"
#include "games/draw_range.h"
#include "games/game_catalogue.h"

namespace zw {

// Counters indexed by the number itself; index 0 is unused.
constexpr int kNumberSlots = 50;
using NumberTable = std::array<int, kNumberSlots>;

// Swiss Glückszahl g (1..6) is kept at index g + 43 of the main tables.
constexpr int kLuckyOffset = 43;
constexpr int kLuckyNumbers = 6;
// German Lotto super numbers sit at indices 1..10; 10 stands for Superzahl 0.
constexpr int kSuperNumbers = 10;

struct StatTables {
    NumberTable main_frequency{};
    NumberTable extra_frequency{};
    NumberTable plus_frequency{};
    NumberTable main_gap{};
    NumberTable extra_gap{};
    NumberTable plus_gap{};
    int32_t main_gap_sum = 0;
    int32_t extra_gap_sum = 0;
    int32_t plus_gap_sum = 0;
    // The one to three numbers the partner statistics are about.
    std::array<int, 3> fixed{};
    int fixed_count = 0;
};

// Six numbers followed by the extra number (0 after the LottoPlus numbers).
using DrawNumbers = std::array<uint8_t, 7>;

// The draws as the statistics see them: draw d is record d of the archive,
// for the Austrian game row d - 1 of the combined view (regular and bonus
// draws in date order). Draws that do not exist read as all zero.
class DrawSource {
public:
    DrawSource(const DrawArchive& archive, const GameParams& params);

    // Six winning numbers followed by the extra number.
    DrawNumbers numbers(int d) const;
    // The six LottoPlus numbers (Austrian game, from draw 2668 on).
    DrawNumbers plus(int d) const;
    // Date of draw d as dd.mm.yyyy.
    std::string date(int d) const;
    // The newest draw a range may end on (Austria: including the bonus draws).
    int limit() const;

    const GameParams& params() const { return params_; }
    const DrawArchive& archive() const { return archive_; }
    int highest() const { return params_.highest_number; }
    bool austria() const { return params_.austria; }
    bool swiss() const { return params_.swiss; }
    bool german_lotto() const { return params_.german_lotto; }
    int super_start() const { return params_.super_start; }

private:
    const DrawArchive& archive_;
    const GameParams& params_;
};

// The draw whose numbers a chart marks: range last, or the draw before it
// while range last has not been entered yet.
int marked_draw(const DrawSource& source, int last, bool plus);

}  // namespace zw
