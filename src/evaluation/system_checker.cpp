#include "evaluation/system_checker.h"

#include <algorithm>
#include <bit>

namespace zw {
namespace {

uint64_t choose(int n, int k) { return static_cast<uint64_t>(binomial(n, k)); }

// One walk over the (q-1)-subsets of the f free numbers (q = p less the
// bankers, which every counted subset holds). At each of them the hits of
// every row are known; the best row count m and the union A of the rows
// reaching m settle all q-subsets that add one larger number x at once: the
// best row has m + 1 hits when x is in A, otherwise m.
class Walk {
  public:
    Walk(std::span<const uint64_t> rows, std::span<const uint8_t> base, int f, int q, int p, SystemCheck& out,
         const CheckControl& control, uint64_t& done, uint64_t total)
        : rows_(rows), base_(base), f_(f), q_(q), p_(p), out_(out), control_(control), done_(done),
          total_(total), counts_(static_cast<size_t>(std::max(q, 1)) * rows.size(), 0) {}

    void run() {
        min_ = p_;
        const uint64_t all = (uint64_t{1} << f_) - 1;
        if (q_ == 0) {
            const int m = base_.empty() ? 0 : *std::max_element(base_.begin(), base_.end());
            ++out_.best_hits[static_cast<size_t>(p_)][static_cast<size_t>(m)];
            min_ = m;
        } else if (q_ == 1) {
            settle(base_.data(), all);
        } else {
            descend(0, 0);
        }
        if (q_ <= 1) done_ += choose(f_, q_);
        out_.min_hits[static_cast<size_t>(p_)] = min_;
    }

  private:
    bool stopped() const {
        return control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed);
    }

    // `depth` numbers chosen, the last one below `from`.
    void descend(int depth, int from) {
        const size_t n = rows_.size();
        const uint8_t* above = depth == 0 ? base_.data() : &counts_[static_cast<size_t>(depth - 1) * n];
        uint8_t* here = &counts_[static_cast<size_t>(depth) * n];
        const int last_depth = q_ - 2;  // depth of the (q-1)th number
        for (int x = from; x <= f_ - (q_ - depth); ++x) {
            if (depth <= 1 && stopped()) {
                out_.cancelled = true;
                return;
            }
            for (size_t r = 0; r < n; ++r) here[r] = static_cast<uint8_t>(above[r] + ((rows_[r] >> x) & 1u));
            if (depth < last_depth) {
                descend(depth + 1, x + 1);
                if (out_.cancelled) return;
            } else {
                // The numbers above the last one chosen.
                settle(here, ((uint64_t{1} << f_) - 1) & ~((uint64_t{2} << x) - 1));
            }
            if (depth == 0) {
                done_ += choose(f_ - 1 - x, q_ - 1);
                if (control_.progress) control_.progress(static_cast<double>(done_) / static_cast<double>(total_));
            }
        }
    }

    void settle(const uint8_t* counts, uint64_t range) {
        int m = 0;
        uint64_t reach = 0;
        for (size_t r = 0; r < rows_.size(); ++r) {
            const int c = counts[r];
            if (c > m) {
                m = c;
                reach = rows_[r];
            } else if (c == m) {
                reach |= rows_[r];
            }
        }
        const auto up = static_cast<uint64_t>(std::popcount(reach & range));
        const auto stay = static_cast<uint64_t>(std::popcount(range)) - up;
        auto& hist = out_.best_hits[static_cast<size_t>(p_)];
        hist[static_cast<size_t>(m + 1)] += up;
        hist[static_cast<size_t>(m)] += stay;
        if (stay > 0) min_ = std::min(min_, m);
        else if (up > 0) min_ = std::min(min_, m + 1);
    }

    std::span<const uint64_t> rows_;
    std::span<const uint8_t> base_;
    int f_, q_, p_;
    SystemCheck& out_;
    const CheckControl& control_;
    uint64_t& done_;
    uint64_t total_;
    std::vector<uint8_t> counts_;  // hits of every row, one block per depth
    int min_ = 0;
};

struct Record {
    int v;
    std::array<KnownCovering, 3> c;  // t = 3, 4, 5
};

// The best known coverings with rows of six (best known / lower bound).
constexpr std::array<Record, 12> kRecords = {{
    {9, {{{7, 7}, {12, 12}, {30, 30}}}},
    {10, {{{10, 10}, {20, 20}, {50, 50}}}},
    {11, {{{11, 11}, {32, 32}, {100, 96}}}},
    {12, {{{15, 15}, {41, 40}, {132, 132}}}},
    {13, {{{21, 20}, {66, 59}, {245, 245}}}},
    {14, {{{25, 24}, {80, 75}, {371, 348}}}},
    {16, {{{38, 35}, {152, 144}, {808, 731}}}},
    {17, {{{44, 43}, {188, 173}, {1213, 1125}}}},
    {18, {{{48, 48}, {236, 205}, {1546, 1431}}}},
    {20, {{{71, 64}, {382, 344}, {2850, 2624}}}},
    {22, {{{77, 77}, {580, 539}, {4676, 4389}}}},
    {26, {{{130, 130}, {1152, 1040}, {11570, 11050}}}},
}};

}  // namespace

double SystemCheck::share(int p, int t) const {
    if (p < 0 || p > 6 || t < 0 || t > 6 || subsets[static_cast<size_t>(p)] == 0) return 0.0;
    return static_cast<double>(best_hits[static_cast<size_t>(p)][static_cast<size_t>(t)]) /
           static_cast<double>(subsets[static_cast<size_t>(p)]);
}

SystemCheck check_system(std::span<const uint64_t> rows, int v, const CheckControl& control, uint64_t bankers) {
    SystemCheck out;
    if (v < 6 || v > kSystemMaxNumbers) return out;
    out.numbers = v;
    out.rows = static_cast<int>(rows.size());
    const uint64_t all = (uint64_t{1} << v) - 1;
    bankers &= all;
    const int k = std::popcount(bankers);
    const int f = v - k;
    // Each row over the free numbers, packed to positions 0..f-1, and its
    // hits among the bankers.
    std::vector<uint64_t> free_rows;
    std::vector<uint8_t> base;
    for (uint64_t row : rows) {
        uint64_t packed = 0;
        int to = 0;
        for (int i = 0; i < v; ++i) {
            if (bankers >> i & 1u) continue;
            if (row >> i & 1u) packed |= uint64_t{1} << to;
            ++to;
        }
        free_rows.push_back(packed);
        base.push_back(static_cast<uint8_t>(std::popcount(row & bankers)));
    }
    uint64_t total = 0;
    for (int p = 3; p <= 6; ++p) {
        out.subsets[static_cast<size_t>(p)] = p >= k ? choose(f, p - k) : 0;
        total += out.subsets[static_cast<size_t>(p)];
    }
    uint64_t done = 0;
    for (int p = std::max(3, k); p <= 6 && !out.cancelled; ++p) {
        if (free_rows.empty()) {
            out.best_hits[static_cast<size_t>(p)][0] = out.subsets[static_cast<size_t>(p)];
            continue;
        }
        Walk(free_rows, base, f, p - k, p, out, control, done, total).run();
    }
    return out;
}

uint64_t counting_bound(int v, int t, int p) {
    if (t <= 0 || t > p || p > 6 || v < p) return 0;
    if (t > 6 || v < 6) return 0;
    if (t == p) {
        // Schönheim: L(v, 6, t) = ceil(v/6 * L(v-1, 5, t-1)), innermost first.
        uint64_t l = 1;
        for (int i = t - 1; i >= 0; --i) {
            const auto n = static_cast<uint64_t>(v - i);
            const auto k = static_cast<uint64_t>(6 - i);
            l = (n * l + k - 1) / k;
        }
        return l;
    }
    uint64_t served = 0;  // p-subsets that meet one row in t or more
    for (int i = t; i <= std::min(6, p); ++i) served += choose(6, i) * choose(v - 6, p - i);
    const uint64_t all = choose(v, p);
    return (all + served - 1) / served;
}

std::optional<KnownCovering> best_known(int v, int t, int p) {
    if (t != p || t < 3 || t > 5) return std::nullopt;
    for (const Record& r : kRecords)
        if (r.v == v) return r.c[static_cast<size_t>(t - 3)];
    return std::nullopt;
}

std::optional<NumberedRows> number_rows(const std::vector<std::vector<int>>& rows,
                                        const std::vector<int>& numbers, std::string& error) {
    if (rows.empty()) {
        error = "Keine Reihen angegeben.";
        return std::nullopt;
    }
    uint64_t used = 0;  // bit n-1 for number n
    auto bad_number = [](int n) { return n < 1 || n > kSystemMaxNumbers; };
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string which = "Reihe " + std::to_string(i + 1) + ": ";
        if (rows[i].size() != 6) {
            error = which + "eine Reihe hat genau 6 Zahlen, nicht " + std::to_string(rows[i].size()) + ".";
            return std::nullopt;
        }
        uint64_t row = 0;
        for (int n : rows[i]) {
            if (bad_number(n)) {
                error = which + "die Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und 49.";
                return std::nullopt;
            }
            const uint64_t bit = uint64_t{1} << (n - 1);
            if (row & bit) {
                error = which + "die Zahl " + std::to_string(n) + " steht zweimal darin.";
                return std::nullopt;
            }
            row |= bit;
        }
        used |= row;
    }
    for (int n : numbers) {
        if (bad_number(n)) {
            error = "Die Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und 49.";
            return std::nullopt;
        }
        used |= uint64_t{1} << (n - 1);
    }
    NumberedRows out;
    std::array<int, kSystemMaxNumbers> position{};
    for (int n = 1; n <= kSystemMaxNumbers; ++n)
        if (used & (uint64_t{1} << (n - 1))) {
            position[static_cast<size_t>(n - 1)] = static_cast<int>(out.numbers.size());
            out.numbers.push_back(n);
        }
    for (const auto& row : rows) {
        uint64_t mask = 0;
        for (int n : row) mask |= uint64_t{1} << position[static_cast<size_t>(n - 1)];
        out.masks.push_back(mask);
    }
    return out;
}

}  // namespace zw
