// The 19 partial systems (Teil-Systeme) and their answer file ZIEHWERK.ASW:
// which rows of six a system plays from the player's v numbers, stored as bit
// masks over the positions 0..v-1 of those numbers, and what the rows
// guarantee.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/file_io.h"

namespace zw {

struct PartialSystemInfo {
    std::string_view name;  // "numbers/rows", as shown to the user
    int numbers;            // v: how many numbers the player ticks
    int rows;               // b: rows of six played
};

constexpr int kPartialSystemCount = 19;
constexpr int kPartialMaxNumbers = 26;

// Catalogue order; the index is what tickets store.
inline constexpr std::array<PartialSystemInfo, kPartialSystemCount> kPartialSystems = {{
    {"09/12", 9, 12},    {"10/15", 10, 15},     {"10/30", 10, 30},   {"10/50", 10, 50},
    {"11/66", 11, 66},   {"11/101", 11, 101},   {"12/22", 12, 22},   {"12/52", 12, 52},
    {"12/132", 12, 132}, {"13/264", 13, 264},   {"14/87", 14, 87},   {"14/460", 14, 460},
    {"16/160", 16, 160}, {"17/1392", 17, 1392}, {"18/252", 18, 252}, {"20/499", 20, 499},
    {"22/77", 22, 77},   {"26/130", 26, 130},   {"16/112", 16, 112},
}};

constexpr int partial_mask_total() {
    int sum = 0;
    for (const auto& s : kPartialSystems) sum += s.rows;
    return sum;
}
constexpr int kPartialMaskTotal = partial_mask_total();  // 3913

inline constexpr std::string_view kPartialSystemFile = "ZIEHWERK.ASW";
// Row counts, bit values, mask block, start indices.
constexpr size_t kPartialFileSize = 2 * kPartialSystemCount + 4 * kPartialMaxNumbers +
                                    4 * kPartialMaskTotal + 2 * kPartialSystemCount;
static_assert(kPartialFileSize == 15832);

// The four tables of the answer file. Either empty (no file read) or complete
// and consistent with the catalogue: system k has exactly kPartialSystems[k].rows
// masks of six bits below kPartialSystems[k].numbers.
class PartialSystems {
  public:
    PartialSystems();

    // Takes the rows of all systems in catalogue order and lays them out one
    // after the other; refuses rows that do not fit the catalogue and leaves
    // `out` unchanged then.
    static Status assemble(const std::array<std::vector<uint32_t>, kPartialSystemCount>& systems,
                           PartialSystems& out);

    bool empty() const { return empty_; }
    // The masks of system k; an empty span when no file was read or k is not a system.
    std::span<const uint32_t> rows(int k) const;
    int row_count(int k) const;
    int start_index(int k) const;
    // Bit value of system position i (2^i).
    int32_t bit_value(int i) const;

  private:
    friend Status read_partial_systems(std::span<const uint8_t> bytes, PartialSystems& out);
    friend std::vector<uint8_t> encode_partial_systems(const PartialSystems& systems);

    bool empty_ = true;
    std::array<int16_t, kPartialSystemCount> row_counts_{};
    std::array<int32_t, kPartialMaxNumbers> bit_values_{};
    std::vector<uint32_t> masks_;  // kPartialMaskTotal entries
    std::array<int16_t, kPartialSystemCount> start_indices_{};
};

// Decodes the answer file. A file of the wrong length, with a row count or
// start index outside the mask block, or with a row that is not six of the
// system's numbers, is refused and `out` keeps its previous contents.
Status read_partial_systems(std::span<const uint8_t> bytes, PartialSystems& out);

// Reads ZIEHWERK.ASW (any spelling) from the data folder. A missing file is
// not an error: the tables keep their previous contents (empty at start-up).
Status load_partial_systems(const std::filesystem::path& folder, PartialSystems& out);

// The exact bytes of the answer file for these tables.
std::vector<uint8_t> encode_partial_systems(const PartialSystems& systems);

// What a row set guarantees. For p drawn numbers among the player's v (p = 3..6)
// the best row of the system meets them in some number of hits; min_hits[p]
// is the least of these over all p-subsets ("t Richtige garantiert, wenn p
// Richtige unter Ihren Zahlen" holds for every t <= min_hits[p]), and
// best_hits[p][t] counts the p-subsets whose best row has exactly t hits.
struct Guarantee {
    int numbers = 0;
    std::array<int, 7> min_hits{};
    std::array<std::array<uint64_t, 7>, 7> best_hits{};
    std::array<uint64_t, 7> subsets{};  // C(v, p)

    bool holds(int t, int p) const { return p >= 3 && p <= 6 && min_hits[p] >= t; }
    // Fraction of the p-subsets whose best row has exactly t hits.
    double share(int p, int t) const;
};

// Walks every p-subset of the v numbers (6 <= v <= 26; otherwise the result
// stays all zero). Bits of a mask at or above v are ignored.
Guarantee guarantee(std::span<const uint32_t> masks, int v);

}  // namespace zw
