// What the combination charts show: partner charts and extremes (drawn by
// the bar chart painter) and the best lists of pairs, triples, quadruples and
// boundary pairs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stats/chart_model.h"
#include "stats/combinations.h"

namespace zw {

struct BestListModel {
    ChartHeading heading;
    int code = 0;
    CombinationFamily family = CombinationFamily::kPairs;
    std::vector<BestEntry> entries;
    int full_height = 132;  // pixels of the best count
    int gap_length = 105;   // pixels of the largest gap
    int gap_colour = 11;
    bool plus_mark = false;
    std::array<bool, kNumberSlots> marked{};  // numbers of the marked draw
    // Sizes of the bars of entry i (0 when every count or gap is 0).
    int count_bar(size_t i) const;
    int gap_bar(size_t i) const;
};

// Title of a partner chart with its fixed numbers (3 characters each).
std::string partner_title(int code, std::span<const int> fixed);
// How many fixed numbers a partner code needs (1..3); 0 for other codes.
int fixed_numbers_for(int code);

// Partner gaps and overviews: codes 7..12 and LottoPlus 34, 35, 38, 39, 42, 43.
// nullopt when the fixed numbers do not fit the code.
std::optional<ChartModel> partner_chart(int code, const DrawSource& source, const DrawRange& range,
                                        std::span<const int> fixed, StatTables& tables);
// Smallest and largest number: codes 18, 19 and LottoPlus 52, 53.
std::optional<ChartModel> extreme_chart(int code, const DrawSource& source, const DrawRange& range,
                                        StatTables& tables);
// Best pairs, triples, quadruples and boundary pairs: codes 36, 40, 45, 20
// and LottoPlus 37, 41, 44, 54.
std::optional<BestListModel> best_list_chart(int code, const DrawSource& source, const DrawRange& range);

}  // namespace zw
