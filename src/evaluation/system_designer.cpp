#include "evaluation/system_designer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>

#include "base/random_source.h"
#include "games/partial_system_designs.h"

namespace zw {
namespace {

constexpr int kRowSize = 6;
constexpr int kDesignMaxNumbers = 30;

// Calls fn with every k-subset of the bits of `mask`.
template <class Fn>
void for_each_subset(uint64_t mask, int k, Fn&& fn) {
    std::array<int, 64> pos{};
    int n = 0;
    for (uint64_t m = mask; m != 0; m &= m - 1) pos[static_cast<size_t>(n++)] = std::countr_zero(m);
    if (k < 0 || k > n) return;
    if (k == 0) {
        fn(uint64_t{0});
        return;
    }
    std::array<int, 8> idx{};
    for (int i = 0; i < k; ++i) idx[static_cast<size_t>(i)] = i;
    while (true) {
        uint64_t s = 0;
        for (int i = 0; i < k; ++i) s |= uint64_t{1} << pos[static_cast<size_t>(idx[static_cast<size_t>(i)])];
        fn(s);
        int i = k - 1;
        while (i >= 0 && idx[static_cast<size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++idx[static_cast<size_t>(i)];
        for (int j = i + 1; j < k; ++j) idx[static_cast<size_t>(j)] = idx[static_cast<size_t>(j - 1)] + 1;
    }
}

int random_bit(RandomSource& rnd, uint64_t mask) {
    auto k = rnd.below(static_cast<uint32_t>(std::popcount(mask)));
    while (k-- > 0) mask &= mask - 1;
    return std::countr_zero(mask);
}

// Simulated annealing on a fixed number of rows: the cost is the number of
// p-subsets no row meets in t or more; a move swaps one number of one row.
// When the cost reaches zero the rows are kept and the row that serves the
// fewest subsets alone is dropped.
class Search {
  public:
    Search(int v, int size, int t, int p, uint64_t seed)
        : v_(v), size_(size), t_(t), p_(p), rnd_(seed) {
        for (int n = 0; n <= v; ++n)
            for (int k = 0; k <= 6; ++k) choose_[static_cast<size_t>(n)][static_cast<size_t>(k)] = static_cast<uint32_t>(binomial(n, k));
        const size_t all = choose_[static_cast<size_t>(v)][static_cast<size_t>(p)];
        cover_.assign(all, 0);
        where_.assign(all, -1);
        // At the start nothing is served.
        for_each_subset((uint64_t{1} << v) - 1, p, [&](uint64_t s) { add_uncovered(rank(s)); });
        // Every subset of the list is uncovered: seed rows greedily until none is.
        while (!uncovered_.empty()) {
            const uint64_t s = unrank(uncovered_[rnd_.below(static_cast<uint32_t>(uncovered_.size()))]);
            uint64_t row = 0;
            uint64_t from = s;
            while (std::popcount(row) < t) {
                const int b = random_bit(rnd_, from);
                row |= uint64_t{1} << b;
                from &= ~(uint64_t{1} << b);
            }
            while (std::popcount(row) < size_) row |= uint64_t{1} << rnd_.below(static_cast<uint32_t>(v));
            if (std::find(rows_.begin(), rows_.end(), row) != rows_.end()) continue;
            rows_.push_back(row);
            serve(row, +1);
        }
        best_ = rows_;
    }

    const std::vector<uint64_t>& best() const { return best_; }

    // One annealing step; returns true when the rows serve every subset and
    // a smaller set was recorded.
    bool step() {
        if (uncovered_.empty()) {
            best_ = rows_;
            drop_row();
            temperature_ = kStartTemperature;
            return true;
        }
        const uint64_t s = unrank(uncovered_[rnd_.below(static_cast<uint32_t>(uncovered_.size()))]);
        // A row one hit short serves s after one swap.
        int chosen = -1;
        int seen = 0;
        for (size_t r = 0; r < rows_.size(); ++r)
            if (std::popcount(rows_[r] & s) == t_ - 1 && rnd_.below(static_cast<uint32_t>(++seen)) == 0)
                chosen = static_cast<int>(r);
        if (chosen < 0) chosen = static_cast<int>(rnd_.below(static_cast<uint32_t>(rows_.size())));
        const uint64_t row = rows_[static_cast<size_t>(chosen)];
        const int in = random_bit(rnd_, s & ~row);
        const int out = random_bit(rnd_, row & ~s);
        const uint64_t next = (row & ~(uint64_t{1} << out)) | (uint64_t{1} << in);
        if (std::find(rows_.begin(), rows_.end(), next) != rows_.end()) return false;
        const int delta = swap_delta(row, out, in, false);
        if (delta <= 0 || rnd_.unit() < std::exp(-delta / temperature_)) {
            swap_delta(row, out, in, true);
            rows_[static_cast<size_t>(chosen)] = next;
        }
        if (++since_cool_ >= kCoolEvery) {
            since_cool_ = 0;
            temperature_ *= 0.97;
            // Reheat, in turn to one, two and three times the start.
            if (temperature_ < 0.05) temperature_ = kStartTemperature * static_cast<double>(1 + reheats_++ % 3);
        }
        return false;
    }

  private:
    static constexpr double kStartTemperature = 0.3;
    static constexpr int kCoolEvery = 2000;

    uint32_t rank(uint64_t s) const {
        uint32_t r = 0;
        int i = 1;
        for (; s != 0; s &= s - 1, ++i) r += choose_[static_cast<size_t>(std::countr_zero(s))][static_cast<size_t>(i)];
        return r;
    }

    uint64_t unrank(uint32_t r) const {
        uint64_t s = 0;
        int n = v_;
        for (int i = p_; i >= 1; --i) {
            while (choose_[static_cast<size_t>(n)][static_cast<size_t>(i)] > r) --n;
            s |= uint64_t{1} << n;
            r -= choose_[static_cast<size_t>(n)][static_cast<size_t>(i)];
        }
        return s;
    }

    void add_uncovered(uint32_t r) {
        where_[r] = static_cast<int32_t>(uncovered_.size());
        uncovered_.push_back(r);
    }

    void remove_uncovered(uint32_t r) {
        const int32_t at = where_[r];
        const uint32_t last = uncovered_.back();
        uncovered_[static_cast<size_t>(at)] = last;
        where_[last] = at;
        uncovered_.pop_back();
        where_[r] = -1;
    }

    void bump(uint32_t r, int by) {
        if (by > 0 && cover_[r]++ == 0) remove_uncovered(r);
        if (by < 0 && --cover_[r] == 0) add_uncovered(r);
    }

    // Every p-subset the row meets in t or more.
    template <class Fn>
    void served_by(uint64_t row, Fn&& fn) const {
        const uint64_t rest = ((uint64_t{1} << v_) - 1) & ~row;
        for (int i = t_; i <= std::min(p_, size_); ++i)
            for_each_subset(row, i, [&](uint64_t a) { for_each_subset(rest, p_ - i, [&](uint64_t b) { fn(rank(a | b)); }); });
    }

    void serve(uint64_t row, int by) {
        served_by(row, [&](uint32_t r) { bump(r, by); });
    }

    // The change of the cost when `out` of the row is swapped for `in`: lost
    // are the subsets with `out` that met the row in exactly t, won those
    // with `in` that will; both share the other t-1 and p-t numbers.
    int swap_delta(uint64_t row, int out, int in, bool apply) {
        const uint64_t keep = row & ~(uint64_t{1} << out);
        const uint64_t rest = ((uint64_t{1} << v_) - 1) & ~row & ~(uint64_t{1} << in);
        int delta = 0;
        for_each_subset(keep, t_ - 1, [&](uint64_t x) {
            for_each_subset(rest, p_ - t_, [&](uint64_t y) {
                const uint32_t lost = rank(x | y | (uint64_t{1} << out));
                const uint32_t won = rank(x | y | (uint64_t{1} << in));
                if (apply) {
                    bump(lost, -1);
                    bump(won, +1);
                } else {
                    delta += (cover_[lost] == 1) - (cover_[won] == 0);
                }
            });
        });
        return delta;
    }

    void drop_row() {
        size_t weakest = 0;
        int least = -1;
        for (size_t r = 0; r < rows_.size(); ++r) {
            int alone = 0;
            served_by(rows_[r], [&](uint32_t s) { alone += cover_[s] == 1; });
            if (least < 0 || alone < least) {
                least = alone;
                weakest = r;
            }
        }
        serve(rows_[weakest], -1);
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(weakest));
    }

    int v_, size_, t_, p_;
    RandomSource rnd_;
    std::array<std::array<uint32_t, 7>, kDesignMaxNumbers + 1> choose_{};
    std::vector<uint16_t> cover_;       // rows serving each p-subset, by rank
    std::vector<int32_t> where_;        // place in uncovered_, -1 when served
    std::vector<uint32_t> uncovered_;   // ranks of the subsets no row serves
    std::vector<uint64_t> rows_;
    std::vector<uint64_t> best_;
    double temperature_ = kStartTemperature;
    int reheats_ = 0;
    int since_cool_ = 0;
};

// Rows of a construction on the points below v: those that avoid the points
// from v on.
std::vector<uint64_t> restricted(const std::vector<uint64_t>& rows, int v) {
    std::vector<uint64_t> out;
    for (uint64_t r : rows)
        if ((r >> v) == 0) out.push_back(r);
    return out;
}

bool proves(const SystemCheck& c, int t, int p) { return c.holds(t, p); }

std::vector<uint64_t> wide(const std::vector<uint32_t>& rows) { return {rows.begin(), rows.end()}; }

}  // namespace

std::string design_refusal(const DesignRequest& r) {
    if (r.v < 7 || r.v > kDesignMaxNumbers)
        return "Der System-Designer arbeitet mit 7 bis 30 Zahlen, nicht mit " + std::to_string(r.v) + ".";
    if (r.p < 3 || r.p > 6 || r.t < 3 || r.t > r.p)
        return "Die Garantie „" + std::to_string(r.t) + " bei " + std::to_string(r.p) +
               "“ ist nicht möglich: es gilt 3 ≤ t ≤ p ≤ 6.";
    if (r.p > r.v) return "Mehr Treffer als Zahlen: höchstens " + std::to_string(r.v) + ".";
    if (r.bankers >> r.v != 0) return "Die Bankzahlen müssen unter den Zahlen des Systems sein.";
    if (std::popcount(r.bankers) >= r.t)
        return "Mit " + std::to_string(std::popcount(r.bankers)) + " Bankzahlen ist die Garantie „" +
               std::to_string(r.t) + " bei " + std::to_string(r.p) + "“ nicht sinnvoll: höchstens " +
               std::to_string(r.t - 1) + " Bankzahlen.";
    if (r.seconds <= 0 && r.max_iterations == 0) return "Ohne Zeit- oder Schrittvorgabe sucht der Designer nicht.";
    return {};
}

std::optional<Design> design_system(const DesignRequest& request, const DesignControl& control) {
    if (!design_refusal(request).empty()) return std::nullopt;
    const int v = request.v, t = request.t, p = request.p;
    std::optional<Design> best;
    auto offer = [&](std::vector<uint64_t> rows, const char* source) {
        if (rows.empty() || (best && best->rows.size() <= rows.size())) return;
        for (uint64_t r : rows)
            if (std::popcount(r) != kRowSize || (r >> v) != 0 || (r & request.bankers) != request.bankers) return;
        const SystemCheck c = check_system(rows, v, {}, request.bankers);
        if (!proves(c, t, p)) return;
        std::sort(rows.begin(), rows.end());
        best = Design{std::move(rows), c, source};
        if (control.progress) control.progress(static_cast<int>(best->rows.size()));
    };
    if (v <= 12) offer(restricted(wide(steiner_5_6_12()), v), "Konstruktion");
    if (v == 22) offer(wide(steiner_3_6_22()), "Konstruktion");
    if (v == 26) offer(wide(steiner_3_6_26()), "Konstruktion");
    if (v == 18) offer(wide(covering_4_6_18()), "Konstruktion");
    for (const auto& c : request.candidates) offer(c, "Teil-System");

    // Nothing beats a set that meets the counting bound or a proven optimum.
    // With k bankers the search works on the other v - k numbers, rows of
    // 6 - k of them, for "t - k if p - k".
    const int k = std::popcount(request.bankers);
    uint64_t floor = k == 0 ? counting_bound(v, t, p) : 1;
    if (const auto known = best_known(v, t, p); k == 0 && known && known->rows == known->lower)
        floor = std::max(floor, static_cast<uint64_t>(known->rows));
    if (best && best->rows.size() <= floor) return best;
    std::vector<int> free_positions;
    for (int i = 0; i < v; ++i)
        if ((request.bankers >> i & 1u) == 0) free_positions.push_back(i);
    auto widen = [&](const std::vector<uint64_t>& packed) {
        std::vector<uint64_t> rows;
        for (uint64_t m : packed) {
            uint64_t row = request.bankers;
            for (size_t i = 0; i < free_positions.size(); ++i)
                if (m >> i & 1u) row |= uint64_t{1} << free_positions[i];
            rows.push_back(row);
        }
        return rows;
    };
    Search search(v - k, kRowSize - k, t - k, p - k, request.seed);
    const auto start = std::chrono::steady_clock::now();
    size_t found = search.best().size();
    for (uint64_t i = 0;; ++i) {
        if (request.max_iterations != 0 && i >= request.max_iterations) break;
        if ((i & 1023) == 0) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed)) break;
            if (request.seconds > 0 &&
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= request.seconds)
                break;
        }
        if (search.step()) {
            found = search.best().size();
            if (control.progress && (!best || found < best->rows.size())) control.progress(static_cast<int>(found));
            if (found <= floor) break;
        }
    }
    offer(widen(search.best()), "Suche");
    return best;
}

}  // namespace zw
