// Statistics of number combinations over the draw range: partners of one to
// three fixed numbers, the most frequent pairs, triples and quadruples, and
// the smallest and largest number of each draw (extremes, boundary pairs).
// `plus` selects the Austrian LottoPlus numbers (draws from 2668 on).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "stats/stat_tables.h"

namespace zw {

// --- partners of fixed numbers

// For every number: how often it was drawn in a draw of the range that holds
// all fixed numbers. The fixed numbers' own entries are 0.
void partner_frequencies(const DrawSource& source, const DrawRange& range,
                         std::span<const int> fixed, bool plus, NumberTable& frequency);
// For every number: draws back from `last` to the latest draw holding it and
// all fixed numbers; never: last (LottoPlus: last - 2667). Fixed numbers: 0.
void partner_gaps(const DrawSource& source, int last, std::span<const int> fixed, bool plus,
                  NumberTable& gap);

// --- counts of all combinations

// A combination of 2..4 numbers in ascending order.
struct Combination {
    std::array<uint8_t, 4> numbers{};
    int size = 0;
    bool operator==(const Combination&) const = default;
};

// How often every combination of one size occurred in the range; only
// combinations that occurred are stored (at most 15 or 20 per draw).
class CombinationCounts {
public:
    CombinationCounts() = default;
    CombinationCounts(int size, int highest) : size_(size), highest_(highest) {}

    int size() const { return size_; }
    int highest() const { return highest_; }
    // Count of one combination (numbers ascending); 0 for any other input.
    int count_of(const Combination& c) const;
    // Sum of all counts.
    int64_t total() const;
    // Number of distinct combinations that occurred.
    size_t distinct() const { return cells_.size(); }

    // The `how_many` combinations a < b (< c < d) <= highest with the largest
    // counts; equal counts in ascending order of the combination. When fewer
    // occurred, combinations with count 0 follow in ascending order.
    std::vector<std::pair<Combination, int>> best(int how_many) const;

    // Builds the table from the codes of every occurrence (any order).
    void assign(std::vector<uint32_t> codes);

private:
    struct Cell {
        uint32_t code;
        int count;
    };
    int size_ = 0;
    int highest_ = 0;
    std::vector<Cell> cells_;  // ascending by code
};

// Every pair, triple or quadruple of the numbers of each draw of the range.
CombinationCounts count_pairs(const DrawSource& source, const DrawRange& range, bool plus = false);
CombinationCounts count_triples(const DrawSource& source, const DrawRange& range, bool plus = false);
CombinationCounts count_quadruples(const DrawSource& source, const DrawRange& range, bool plus = false);
// (smallest, largest) number of each draw of the range.
CombinationCounts count_boundary_pairs(const DrawSource& source, const DrawRange& range,
                                       bool plus = false);

// Draws back from `last` to the latest draw holding all numbers of `c`;
// never: last (LottoPlus: last - 2667).
int combination_gap(const DrawSource& source, int last, const Combination& c, bool plus = false);
// Draws back from `last` to the latest draw whose smallest and largest
// numbers are the pair; never: last (LottoPlus: last - 2667).
int boundary_pair_gap(const DrawSource& source, int last, const Combination& pair, bool plus = false);

// --- best lists

enum class CombinationFamily { kPairs, kTriples, kQuadruples, kBoundaryPairs };

struct BestEntry {
    Combination combination;
    int count = 0;
    int gap = 0;
};

constexpr int kBestListLength = 49;

// The best list of a family: counting, the top entries and their gaps.
std::vector<BestEntry> best_combinations(const DrawSource& source, const DrawRange& range,
                                         CombinationFamily family, bool plus = false,
                                         int how_many = kBestListLength);

// --- extremes

// How often each number was the smallest (largest) number of a draw of the range.
void smallest_frequencies(const DrawSource& source, const DrawRange& range, bool plus,
                          NumberTable& frequency);
void largest_frequencies(const DrawSource& source, const DrawRange& range, bool plus,
                         NumberTable& frequency);
// Draws back from `last` to the latest draw in which the number was the
// smallest (largest); never: last (LottoPlus: last - 2667).
void smallest_gaps(const DrawSource& source, int last, bool plus, NumberTable& gap);
void largest_gaps(const DrawSource& source, int last, bool plus, NumberTable& gap);

}  // namespace zw
