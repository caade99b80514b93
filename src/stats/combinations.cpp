#include "stats/combinations.h"

#include <algorithm>
#include <bit>

#include "stats/gap_walk.h"

namespace zw {
namespace {

constexpr int kCodeBits = 6;  // numbers up to 63 fit one code digit

// Highest number the tables hold: the Swiss archive's earlier draws came from
// 45 numbers, so 43..45 occur there besides 1..42.
int table_limit(const DrawSource& s, bool plus) {
    return s.swiss() && !plus ? s.highest() + 3 : s.highest();
}

int first_draw(bool plus) { return plus ? kLottoPlusStart : 1; }

// Gap of what was never drawn up to `last`.
int never_gap(int last, bool plus) {
    return plus ? std::max(last - (kLottoPlusStart - 1), 0) : std::max(last, 0);
}

// The numbers 1..limit of draw d as a bit set (bit n = number n); a draw not
// entered yet is empty.
uint64_t draw_mask(const DrawSource& s, int d, bool plus, int limit) {
    const DrawNumbers six = plus ? s.plus(d) : s.numbers(d);
    uint64_t m = 0;
    for (int j = 0; j < 6; ++j)
        if (six[j] >= 1 && six[j] <= limit) m |= uint64_t{1} << six[j];
    return m;
}

uint64_t mask_of(std::span<const int> numbers) {
    uint64_t m = 0;
    for (int n : numbers)
        if (n >= 1 && n < 64) m |= uint64_t{1} << n;
    return m;
}

uint64_t mask_of(const Combination& c) {
    uint64_t m = 0;
    for (int i = 0; i < c.size; ++i) m |= uint64_t{1} << c.numbers[static_cast<size_t>(i)];
    return m;
}

int lowest(uint64_t m) { return std::countr_zero(m); }
int highest_bit(uint64_t m) { return 63 - std::countl_zero(m); }

uint32_t encode(const Combination& c) {
    uint32_t code = 0;
    for (int i = 0; i < c.size; ++i) code = (code << kCodeBits) | c.numbers[static_cast<size_t>(i)];
    return code;
}

Combination decode(uint32_t code, int size) {
    Combination c;
    c.size = size;
    for (int i = size - 1; i >= 0; --i) {
        c.numbers[static_cast<size_t>(i)] = static_cast<uint8_t>(code & ((1u << kCodeBits) - 1));
        code >>= kCodeBits;
    }
    return c;
}

bool is_real(const Combination& c, int highest) {
    if (c.size < 2 || c.size > 4) return false;
    for (int i = 0; i < c.size; ++i) {
        const int n = c.numbers[static_cast<size_t>(i)];
        if (n < 1 || n > highest) return false;
        if (i > 0 && n <= c.numbers[static_cast<size_t>(i - 1)]) return false;
    }
    return true;
}

// Appends the code of every `size`-subset of the (ascending) numbers.
void push_subsets(const int* v, int count, int size, std::vector<uint32_t>& codes) {
    for (int a = 0; a < count; ++a)
        for (int b = a + 1; b < count; ++b) {
            const uint32_t ab = (static_cast<uint32_t>(v[a]) << kCodeBits) | static_cast<uint32_t>(v[b]);
            if (size == 2) {
                codes.push_back(ab);
                continue;
            }
            for (int c = b + 1; c < count; ++c) {
                const uint32_t abc = (ab << kCodeBits) | static_cast<uint32_t>(v[c]);
                if (size == 3) {
                    codes.push_back(abc);
                    continue;
                }
                for (int d = c + 1; d < count; ++d)
                    codes.push_back((abc << kCodeBits) | static_cast<uint32_t>(v[d]));
            }
        }
}

CombinationCounts count_subsets(const DrawSource& s, const DrawRange& range, bool plus, int size) {
    const int n = s.highest();
    CombinationCounts counts(size, n);
    std::vector<uint32_t> codes;
    const int first = std::max(range.first, first_draw(plus));
    codes.reserve(static_cast<size_t>(std::max(range.last - first + 1, 0)) * 20);
    for (int d = first; d <= range.last; ++d) {
        // Only real numbers 1..N, each once, in ascending order.
        uint64_t m = draw_mask(s, d, plus, n);
        int v[6];
        int k = 0;
        while (m && k < 6) {
            v[k++] = lowest(m);
            m &= m - 1;
        }
        push_subsets(v, k, size, codes);
    }
    counts.assign(std::move(codes));
    return counts;
}

// The draw masks 1..last (index = draw), computed once for many gap walks.
std::vector<uint64_t> draw_masks(const DrawSource& s, int last, bool plus) {
    std::vector<uint64_t> masks(static_cast<size_t>(std::max(last, 0) + 1), 0);
    const int limit = table_limit(s, plus);
    for (int d = first_draw(plus); d <= last; ++d) masks[static_cast<size_t>(d)] = draw_mask(s, d, plus, limit);
    return masks;
}

// Draws back from `last` to the first draw that `hit` accepts (masks from
// `mask_at`); never: the gap of what was never drawn.
template <class MaskAt>
int gap_to_hit(int last, bool plus, uint64_t want, bool boundary, MaskAt mask_at) {
    for (int d = last; d >= first_draw(plus); --d) {
        const uint64_t m = mask_at(d);
        if (m == 0) continue;
        const bool hit = boundary ? std::popcount(m) >= 2 &&
                                        (uint64_t{1} << lowest(m) | uint64_t{1} << highest_bit(m)) == want
                                  : (m & want) == want;
        if (hit) return last - d;
    }
    return never_gap(last, plus);
}

// Frequency and gap of the number that `pick` takes from each draw's mask.
template <class Pick>
void extreme_frequencies(const DrawSource& s, const DrawRange& range, bool plus, NumberTable& t, Pick pick) {
    t.fill(0);
    const int limit = table_limit(s, plus);
    for (int d = std::max(range.first, first_draw(plus)); d <= range.last; ++d) {
        const uint64_t m = draw_mask(s, d, plus, limit);
        if (m) ++t[static_cast<size_t>(pick(m))];
    }
}

template <class Pick>
void extreme_gaps(const DrawSource& s, int last, bool plus, NumberTable& gap, Pick pick) {
    const int limit = table_limit(s, plus);
    fill_table(gap, last >= first_draw(plus) ? limit : 0, never_gap(last, plus));
    // Every draw has to be looked at: a number may never be an extreme.
    walk_gaps(last, first_draw(plus), limit + 1, limit, gap, [&](int d, auto& found) {
        const uint64_t m = draw_mask(s, d, plus, limit);
        if (m) found(pick(m));
    });
}

}  // namespace

void partner_frequencies(const DrawSource& s, const DrawRange& range, std::span<const int> fixed,
                         bool plus, NumberTable& frequency) {
    frequency.fill(0);
    const int limit = table_limit(s, plus);
    const uint64_t want = mask_of(fixed);
    for (int d = std::max(range.first, first_draw(plus)); d <= range.last; ++d) {
        uint64_t m = draw_mask(s, d, plus, limit);
        if (m == 0 || (m & want) != want) continue;
        for (; m; m &= m - 1) ++frequency[static_cast<size_t>(lowest(m))];
    }
    for (int f : fixed)
        if (f >= 1 && f < kNumberSlots) frequency[static_cast<size_t>(f)] = 0;
}

void partner_gaps(const DrawSource& s, int last, std::span<const int> fixed, bool plus, NumberTable& gap) {
    const int limit = table_limit(s, plus);
    const uint64_t want = mask_of(fixed);
    fill_table(gap, last >= first_draw(plus) ? limit : 0, never_gap(last, plus));
    walk_gaps(last, first_draw(plus), limit, limit, gap, [&](int d, auto& found) {
        uint64_t m = draw_mask(s, d, plus, limit);
        if (m == 0 || (m & want) != want) return;
        for (; m; m &= m - 1) found(lowest(m));
    });
    for (int f : fixed)
        if (f >= 1 && f < kNumberSlots) gap[static_cast<size_t>(f)] = 0;
}

int CombinationCounts::count_of(const Combination& c) const {
    if (c.size != size_ || !is_real(c, highest_)) return 0;
    const uint32_t code = encode(c);
    auto it = std::lower_bound(cells_.begin(), cells_.end(), code,
                               [](const Cell& cell, uint32_t v) { return cell.code < v; });
    return it != cells_.end() && it->code == code ? it->count : 0;
}

int64_t CombinationCounts::total() const {
    int64_t sum = 0;
    for (const Cell& c : cells_) sum += c.count;
    return sum;
}

void CombinationCounts::assign(std::vector<uint32_t> codes) {
    std::sort(codes.begin(), codes.end());
    cells_.clear();
    for (size_t i = 0; i < codes.size();) {
        size_t j = i;
        while (j < codes.size() && codes[j] == codes[i]) ++j;
        cells_.push_back({codes[i], static_cast<int>(j - i)});
        i = j;
    }
}

std::vector<std::pair<Combination, int>> CombinationCounts::best(int how_many) const {
    std::vector<std::pair<Combination, int>> out;
    if (how_many <= 0 || size_ < 2 || size_ > 4) return out;
    std::vector<Cell> top;
    top.reserve(cells_.size());
    for (const Cell& c : cells_)
        if (is_real(decode(c.code, size_), highest_)) top.push_back(c);
    const auto better = [](const Cell& a, const Cell& b) {
        return a.count != b.count ? a.count > b.count : a.code < b.code;
    };
    const size_t keep = std::min(top.size(), static_cast<size_t>(how_many));
    std::partial_sort(top.begin(), top.begin() + static_cast<std::ptrdiff_t>(keep), top.end(), better);
    for (size_t i = 0; i < keep; ++i) out.emplace_back(decode(top[i].code, size_), top[i].count);

    // Fewer occurred than asked for: never-drawn combinations in ascending order.
    std::array<int, 4> v{};
    for (int i = 0; i < size_; ++i) v[static_cast<size_t>(i)] = i + 1;
    while (static_cast<int>(out.size()) < how_many && v[0] <= highest_ - size_ + 1) {
        Combination c;
        c.size = size_;
        for (int i = 0; i < size_; ++i) c.numbers[static_cast<size_t>(i)] = static_cast<uint8_t>(v[static_cast<size_t>(i)]);
        if (count_of(c) == 0) out.emplace_back(c, 0);
        // Next combination in ascending order.
        int i = size_ - 1;
        while (i > 0 && v[static_cast<size_t>(i)] == highest_ - (size_ - 1 - i)) --i;
        ++v[static_cast<size_t>(i)];
        for (int k = i + 1; k < size_; ++k) v[static_cast<size_t>(k)] = v[static_cast<size_t>(k - 1)] + 1;
    }
    return out;
}

CombinationCounts count_pairs(const DrawSource& s, const DrawRange& r, bool plus) {
    return count_subsets(s, r, plus, 2);
}
CombinationCounts count_triples(const DrawSource& s, const DrawRange& r, bool plus) {
    return count_subsets(s, r, plus, 3);
}
CombinationCounts count_quadruples(const DrawSource& s, const DrawRange& r, bool plus) {
    return count_subsets(s, r, plus, 4);
}

CombinationCounts count_boundary_pairs(const DrawSource& s, const DrawRange& range, bool plus) {
    const int n = s.highest();
    CombinationCounts counts(2, n);
    std::vector<uint32_t> codes;
    const int limit = table_limit(s, plus);
    for (int d = std::max(range.first, first_draw(plus)); d <= range.last; ++d) {
        const uint64_t m = draw_mask(s, d, plus, limit);
        if (std::popcount(m) < 2) continue;
        const int a = lowest(m), b = highest_bit(m);
        // A pair with a number beyond N (earlier Swiss rules) is no real pair here.
        if (b <= n) codes.push_back(static_cast<uint32_t>(a) << kCodeBits | static_cast<uint32_t>(b));
    }
    counts.assign(std::move(codes));
    return counts;
}

int combination_gap(const DrawSource& s, int last, const Combination& c, bool plus) {
    const int limit = table_limit(s, plus);
    return gap_to_hit(last, plus, mask_of(c), false, [&](int d) { return draw_mask(s, d, plus, limit); });
}

int boundary_pair_gap(const DrawSource& s, int last, const Combination& pair, bool plus) {
    const int limit = table_limit(s, plus);
    return gap_to_hit(last, plus, mask_of(pair), true, [&](int d) { return draw_mask(s, d, plus, limit); });
}

std::vector<BestEntry> best_combinations(const DrawSource& s, const DrawRange& range,
                                         CombinationFamily family, bool plus, int how_many) {
    CombinationCounts counts;
    switch (family) {
        case CombinationFamily::kPairs: counts = count_pairs(s, range, plus); break;
        case CombinationFamily::kTriples: counts = count_triples(s, range, plus); break;
        case CombinationFamily::kQuadruples: counts = count_quadruples(s, range, plus); break;
        case CombinationFamily::kBoundaryPairs: counts = count_boundary_pairs(s, range, plus); break;
    }
    const std::vector<uint64_t> masks = draw_masks(s, range.last, plus);
    const bool boundary = family == CombinationFamily::kBoundaryPairs;
    std::vector<BestEntry> out;
    for (const auto& [c, count] : counts.best(how_many))
        out.push_back({c, count, gap_to_hit(range.last, plus, mask_of(c), boundary,
                                            [&](int d) { return masks[static_cast<size_t>(d)]; })});
    return out;
}

void smallest_frequencies(const DrawSource& s, const DrawRange& r, bool plus, NumberTable& t) {
    extreme_frequencies(s, r, plus, t, lowest);
}
void largest_frequencies(const DrawSource& s, const DrawRange& r, bool plus, NumberTable& t) {
    extreme_frequencies(s, r, plus, t, highest_bit);
}
void smallest_gaps(const DrawSource& s, int last, bool plus, NumberTable& gap) {
    extreme_gaps(s, last, plus, gap, lowest);
}
void largest_gaps(const DrawSource& s, int last, bool plus, NumberTable& gap) {
    extreme_gaps(s, last, plus, gap, highest_bit);
}

}  // namespace zw
