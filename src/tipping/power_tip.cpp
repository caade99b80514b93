#include "tipping/power_tip.h"

#include <algorithm>

#include "stats/frequencies.h"

namespace zw {
namespace {

constexpr size_t kTopCount = 12;

bool long_list(const GameParams& params, bool seven_by_seven) {
    return seven_by_seven && is_german_game(params.code);
}

// Six distinct numbers drawn from the urn: a number already placed is drawn again.
void draw_six(const std::vector<int16_t>& urn, RandomSource& random, PowerTipRow& row) {
    std::array<bool, kMatrixCells> placed{};
    int count = 0;
    while (count < 6) {
        const int16_t n = urn[random.below(static_cast<uint32_t>(urn.size()))];
        if (placed[static_cast<size_t>(n)]) continue;
        placed[static_cast<size_t>(n)] = true;
        row[static_cast<size_t>(count++)] = static_cast<uint8_t>(n);
    }
}

int weight_sum(const WeightMatrix& w, GameCode game, const PowerTipRow& row) {
    int sum = 0;
    for (int k = 0; k < 6; ++k) sum += w.weight(row[static_cast<size_t>(k)], game);
    return sum;
}

// The row as a set, with the Glückszahl above the number bits.
uint64_t row_with_lucky_key(const PowerTipRow& row) {
    return row_key(row.data()) | (uint64_t{row[6]} << 56);
}

}  // namespace

std::vector<int16_t> build_urn(const WeightMatrix& w, const GameParams& params) {
    std::vector<int16_t> urn;
    for (int n = 1; n <= std::min(params.highest_number, kMatrixCells - 1); ++n)
        urn.insert(urn.end(), static_cast<size_t>(w.weight(n, params.code)), static_cast<int16_t>(n));
    return urn;
}

std::vector<int16_t> build_lucky_urn(const WeightMatrix& w) {
    std::vector<int16_t> urn;
    for (int k = 1; k <= kLuckyCellCount; ++k)
        urn.insert(urn.end(), static_cast<size_t>(w.weight(kLuckyCellBase + k, kSwiss)),
                   static_cast<int16_t>(k));
    return urn;
}

std::string urn_refusal_text(size_t urn_size) {
    return "Die Gewichtungs-Matrix ergibt nur " + std::to_string(urn_size) +
           " Lose (mindestens " + std::to_string(kSmallestUrn) +
           " nötig).|Bitte mehr Zahlen gewichten!";
}

std::string row_count_items(const GameParams& params, bool seven_by_seven) {
    std::string items = " _2 Reihen| _4 Reihen| _6 Reihen| _8 Reihen|1_0 Reihen|_12 Reihen|14 Reihen";
    if (long_list(params, seven_by_seven)) items += "|1_5 Reihen|16 Reihen";
    return items;
}

int row_count_cap(const GameParams& params, bool seven_by_seven) {
    return long_list(params, seven_by_seven) ? kPowerTipMaxRows : kPowerTipCappedRows;
}

std::optional<int> row_count_for_item(int item, const GameParams& params, bool seven_by_seven) {
    const int items = long_list(params, seven_by_seven) ? 9 : 7;
    if (item < 0 || item >= items) return std::nullopt;
    const int count = item == 7 ? 15 : item == 8 ? 16 : 2 * item + 2;
    return std::min(count, row_count_cap(params, seven_by_seven));
}

uint64_t row_key(const uint8_t* six) {
    uint64_t key = 0;
    for (int k = 0; k < 6; ++k) {
        if (six[k] < 1 || six[k] > 63) return 0;
        key |= uint64_t{1} << six[k];
    }
    return key;
}

ArchiveRowSet::ArchiveRowSet(const DrawSource& source) {
    const int last = source.limit();
    keys_.reserve(static_cast<size_t>(std::max(last, 0)));
    for (int d = 1; d <= last; ++d)
        if (const uint64_t key = row_key(source.numbers(d).data()); key != 0) keys_.insert(key);
}

bool ArchiveRowSet::contains(const uint8_t* six) const { return keys_.count(row_key(six)) != 0; }

RowVerdict judge_row(const PowerTipRow& row, const std::vector<PowerTipRow>& earlier,
                     const WeightMatrix& w, const GameParams& params, const ArchiveRowSet& archive) {
    if (!earlier.empty()) {
        const uint64_t key = row_with_lucky_key(row);
        for (const PowerTipRow& e : earlier)
            if (row_with_lucky_key(e) == key) return RowVerdict::kRepeatsEarlierRow;
        if (weight_sum(w, params.code, row) < (params.swiss ? 11 : 10)) return RowVerdict::kTooLight;
    }
    if (archive.contains(row.data())) return RowVerdict::kDrawnBefore;
    return RowVerdict::kAccepted;
}

PowerTipResult power_tip(const WeightMatrix& w, const GameParams& params,
                         const ArchiveRowSet& archive, int rows, RandomSource& random) {
    PowerTipResult result;
    const std::vector<int16_t> urn = build_urn(w, params);
    if (urn.size() < kSmallestUrn) {
        result.refused = true;
        result.message = urn_refusal_text(urn.size());
        return result;
    }
    const std::vector<int16_t> lucky = params.swiss ? build_lucky_urn(w) : std::vector<int16_t>{};
    const int wanted = std::clamp(rows, 1, kPowerTipMaxRows);
    while (static_cast<int>(result.rows.size()) < wanted) {
        if (result.attempts >= kPowerTipAttempts) {
            result.message = std::string(kPowerTipLimitMessage);
            return result;
        }
        ++result.attempts;
        PowerTipRow row{};
        draw_six(urn, random, row);
        if (params.swiss)
            row[6] = static_cast<uint8_t>(
                lucky.empty() ? 1 + random.below(kLuckyCellCount)
                              : lucky[random.below(static_cast<uint32_t>(lucky.size()))]);
        if (judge_row(row, result.rows, w, params, archive) == RowVerdict::kAccepted)
            result.rows.push_back(row);
    }
    result.complete = true;
    return result;
}

PowerTipBoard power_tip_board(const DrawSource& source, const DrawRange& range) {
    StatTables t;
    compute_frequencies(source, range, t);
    compute_gaps(source, range.last, t);
    const int n = source.highest();
    PowerTipBoard board;
    for (int cell = 1; cell <= n; ++cell)
        board.frequency[static_cast<size_t>(cell)] = t.main_frequency[static_cast<size_t>(cell)];
    if (source.swiss())
        for (int k = 1; k <= kLuckyCellCount; ++k)
            board.frequency[static_cast<size_t>(kLuckyCellBase + k)] =
                t.main_frequency[static_cast<size_t>(kLuckyOffset + k)];
    auto top = [n](const NumberTable& values, std::vector<int>& numbers, std::vector<int>& shown) {
        const std::vector<int> columns = display_columns(order_for_display(values, n), n);
        for (size_t i = 0; i < columns.size() && i < kTopCount; ++i) {
            numbers.push_back(columns[i]);
            shown.push_back(values[static_cast<size_t>(columns[i])]);
        }
    };
    top(t.main_frequency, board.top_frequent, board.top_frequent_values);
    top(t.main_gap, board.top_gaps, board.top_gap_values);
    return board;
}

}  // namespace zw
