// The power tip: rows drawn from an urn in which every number appears as
// often as its weight, kept only when they differ from the rows before, carry
// enough weight and were never drawn in the archive.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/random_source.h"
#include "stats/stat_tables.h"
#include "tipping/weight_matrix.h"

namespace zw {

constexpr int kPowerTipMinRows = 2;
constexpr int kPowerTipMaxRows = 16;
constexpr int kPowerTipCappedRows = 12;  // outside the 7 x 7 layout of the German games
constexpr int kPowerTipAttempts = 10000;  // over all rows of one calculation
constexpr size_t kSmallestUrn = 21;       // an urn of 20 entries or fewer is refused

inline constexpr std::string_view kPowerTipLimitMessage =
    "Es konnten nicht genug|Reihen gefunden werden!|Bitte Matrix durchlässiger machen!";

// Numbers 1..highest, each appended weight times, in increasing order.
std::vector<int16_t> build_urn(const WeightMatrix& w, const GameParams& params);
// Swiss Glückszahlen 1..6 from cells 43..48, each appended weight times.
std::vector<int16_t> build_lucky_urn(const WeightMatrix& w);
// Text for an urn that is refused (the window only beeps; the command line says this).
std::string urn_refusal_text(size_t urn_size);

// The row-count list of " _Berechne " and the count an item stands for.
// nullopt: the list was dismissed (-1) or the item does not exist.
std::string row_count_items(const GameParams& params, bool seven_by_seven);
std::optional<int> row_count_for_item(int item, const GameParams& params, bool seven_by_seven);
// The largest row count the layout takes (16 in 7 x 7 for the German games, else 12).
int row_count_cap(const GameParams& params, bool seven_by_seven);

// The six numbers of every draw of the archive (Austria: with the bonus
// draws), as sets: the same numbers in another order are the same draw.
class ArchiveRowSet {
public:
    explicit ArchiveRowSet(const DrawSource& source);
    bool contains(const uint8_t* six) const;
    size_t size() const { return keys_.size(); }

private:
    std::unordered_set<uint64_t> keys_;
};

// The set of six numbers as one bit per number; 0 when a number is out of 1..63.
uint64_t row_key(const uint8_t* six);

using PowerTipRow = std::array<uint8_t, 7>;  // six numbers in drawing order, Swiss Glückszahl (else 0)

// Why a drawn row is not taken. From the second row on a row must differ
// from every earlier row as a set (Swiss: with its Glückszahl) and its six
// weights must add up to 10 (Swiss 11); every row must differ from every
// archive draw as a set.
enum class RowVerdict { kAccepted, kRepeatsEarlierRow, kTooLight, kDrawnBefore };
RowVerdict judge_row(const PowerTipRow& row, const std::vector<PowerTipRow>& earlier,
                     const WeightMatrix& w, const GameParams& params, const ArchiveRowSet& archive);

struct PowerTipResult {
    bool refused = false;        // urn of 20 entries or fewer: nothing was drawn
    std::vector<PowerTipRow> rows;  // the rows found (all asked for when complete)
    bool complete = false;
    std::string message;         // the attempt-limit text, or the refusal text
    int attempts = 0;
};

// Draws `rows` rows (clamped to 1..16). The Swiss Glückszahl comes from the
// lucky urn, or uniformly from 1..6 when all Glückszahl weights are 0.
PowerTipResult power_tip(const WeightMatrix& w, const GameParams& params,
                         const ArchiveRowSet& archive, int rows, RandomSource& random);

// What the power-tip window shows beside the weights: the frequency of every
// cell over the draw range (Swiss Glückszahl cells from the Glückszahl
// counts) and the twelve most frequent and longest absent numbers.
struct PowerTipBoard {
    std::array<int, kMatrixCells> frequency{};
    std::vector<int> top_frequent;  // numbers, most frequent first
    std::vector<int> top_gaps;      // numbers, longest current gap first
    std::vector<int> top_frequent_values, top_gap_values;
};
PowerTipBoard power_tip_board(const DrawSource& source, const DrawRange& range);

}  // namespace zw
