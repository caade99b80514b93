#include "games/partial_system_designs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "base/random_source.h"

namespace zw {
namespace {

int mod(int a, int m) {
    const int r = a % m;
    return r < 0 ? r + m : r;
}

std::vector<uint32_t> distinct(std::vector<uint32_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

std::vector<uint32_t> steiner_5_6_12() {
    constexpr int q = 11;
    constexpr int inf = 11;
    std::array<bool, q> square{};
    for (int x = 1; x < q; ++x) square[x * x % q] = true;
    std::array<int, q> inverse{};
    for (int x = 1; x < q; ++x)
        for (int y = 1; y < q; ++y)
            if (x * y % q == 1) inverse[x] = y;
    // Infinity and the non-zero squares.
    constexpr std::array<int, 6> base = {inf, 1, 3, 4, 5, 9};

    std::vector<uint32_t> rows;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c)
                for (int d = 0; d < q; ++d) {
                    if (!square[mod(a * d - b * c, q)]) continue;
                    uint32_t mask = 0;
                    for (int x : base) {
                        int y;
                        if (x == inf) {
                            y = c == 0 ? inf : a * inverse[c] % q;
                        } else {
                            const int num = (a * x + b) % q;
                            const int den = (c * x + d) % q;
                            y = den == 0 ? inf : num * inverse[den] % q;
                        }
                        mask |= uint32_t{1} << y;
                    }
                    rows.push_back(mask);
                }
    return distinct(std::move(rows));
}

namespace {

// The 759 words of weight 8 (octads) of the extended binary Golay code of
// length 24, from the cyclic [23,12] code with generator polynomial
// x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1 and a parity bit at coordinate 23.
std::vector<uint32_t> golay_octads() {
    constexpr uint32_t g =
        (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<uint32_t> octads;
    for (uint32_t message = 0; message < (1u << 12); ++message) {
        uint32_t word = 0;
        for (int i = 0; i < 12; ++i)
            if (message & (1u << i)) word ^= g << i;
        if (std::popcount(word) % 2 == 1) word |= 1u << 23;
        if (std::popcount(word) == 8) octads.push_back(word);
    }
    return octads;
}

// The points of `mask` outside `removed`, renumbered 0, 1, ... in order.
uint32_t compress(uint32_t mask, uint32_t removed) {
    uint32_t out = 0;
    int next = 0;
    for (int i = 0; i < 32; ++i) {
        if (removed & (1u << i)) continue;
        if (mask & (1u << i)) out |= 1u << next;
        ++next;
    }
    return out;
}

}  // namespace

std::vector<uint32_t> steiner_3_6_22() {
    constexpr uint32_t fixed = (1u << 22) | (1u << 23);
    std::vector<uint32_t> rows;
    for (uint32_t octad : golay_octads())
        if ((octad & fixed) == fixed) rows.push_back(octad & ~fixed);
    return distinct(std::move(rows));
}

std::vector<uint32_t> golay_rows_16() {
    const auto octads = golay_octads();
    const uint32_t base = *std::min_element(octads.begin(), octads.end());
    const uint32_t centre = base & (~base + 1);
    std::vector<uint32_t> rows;
    for (uint32_t octad : octads) {
        const uint32_t common = octad & base;
        if (std::popcount(common) == 2 && (common & centre) != 0)
            rows.push_back(compress(octad, base));
    }
    return distinct(std::move(rows));
}

namespace {

// Product in GF(8) = GF(2)[w] / (w^3 + w + 1); bit i of an element is the
// coefficient of w^i.
int gf8_product(int a, int b) {
    int r = 0;
    for (int i = 0; i < 3; ++i)
        if (b & (1 << i)) r ^= a << i;
    for (int i = 4; i >= 3; --i)
        if (r & (1 << i)) r ^= 0b1011 << (i - 3);
    return r;
}

}  // namespace

std::vector<uint32_t> covering_4_6_18() {
    constexpr int inf = 8;
    constexpr int w = 2, w2 = 4;  // w and w^2
    // One row of each orbit, as (element, copy) pairs.
    struct Point {
        int x, copy;
    };
    using Base = std::array<Point, 6>;
    constexpr std::array<Base, 6> bases = {{
        // An affine plane {0, 1, w, w + 1} with both infinities.
        {{{0, 0}, {1, 0}, {w, 0}, {w ^ 1, 0}, {inf, 0}, {inf, 1}}},
        // Pairs of difference 1, shifted by the four classes of GF(8) / {0, 1}.
        {{{0, 0}, {1, 0}, {inf, 0}, {0, 1}, {1, 1}, {inf, 1}}},
        {{{0, 0}, {1, 0}, {inf, 0}, {w, 1}, {w ^ 1, 1}, {inf, 1}}},
        {{{0, 0}, {1, 0}, {inf, 0}, {w2, 1}, {w2 ^ 1, 1}, {inf, 1}}},
        {{{0, 0}, {1, 0}, {inf, 0}, {w2 ^ w, 1}, {w2 ^ w ^ 1, 1}, {inf, 1}}},
        {{{0, 0}, {1, 0}, {w, 0}, {w2, 0}, {w, 1}, {w2 ^ 1, 1}}},
    }};
    std::vector<uint32_t> rows;
    for (const Base& base : bases)
        for (int a = 1; a < 8; ++a)
            for (int b = 0; b < 8; ++b)
                for (int swap = 0; swap < 2; ++swap) {
                    uint32_t mask = 0;
                    for (const Point& p : base) {
                        const int y = p.x == inf ? inf : gf8_product(a, p.x) ^ b;
                        mask |= 1u << (y + 9 * (p.copy ^ swap));
                    }
                    rows.push_back(mask);
                }
    return distinct(std::move(rows));
}

std::vector<uint32_t> steiner_3_6_26() {
    // GF(25) = GF(5)[w] with w^2 = 2 (2 is not a square mod 5); element a + b*w has index a + 5b.
    constexpr int n = 25;
    constexpr int inf = 25;
    std::array<std::array<int, n>, n> add{}, mul{};
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const int a = x % 5, b = x / 5, c = y % 5, d = y / 5;
            add[x][y] = (a + c) % 5 + 5 * ((b + d) % 5);
            mul[x][y] = (a * c + 2 * b * d) % 5 + 5 * ((a * d + b * c) % 5);
        }
    std::array<int, n> inverse{}, negative{};
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            if (mul[x][y] == 1) inverse[x] = y;
            if (add[x][y] == 0) negative[x] = y;
        }
    constexpr std::array<int, 6> base = {0, 1, 2, 3, 4, inf};  // GF(5) and infinity

    std::vector<uint32_t> rows;
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            for (int c = 0; c < n; ++c)
                for (int d = 0; d < n; ++d) {
                    if (add[mul[a][d]][negative[mul[b][c]]] == 0) continue;
                    uint32_t mask = 0;
                    for (int x : base) {
                        int y;
                        if (x == inf) {
                            y = c == 0 ? inf : mul[a][inverse[c]];
                        } else {
                            const int num = add[mul[a][x]][b];
                            const int den = add[mul[c][x]][d];
                            y = den == 0 ? inf : mul[num][inverse[den]];
                        }
                        mask |= uint32_t{1} << y;
                    }
                    rows.push_back(mask);
                }
    return distinct(std::move(rows));
}

std::vector<uint32_t> rows_avoiding_top(std::span<const uint32_t> rows, int points, int dropped) {
    std::vector<uint32_t> kept;
    const int keep = points - dropped;
    for (uint32_t r : rows)
        if ((r >> keep) == 0) kept.push_back(r);
    return kept;
}

void sort_rows(std::vector<uint32_t>& rows) {
    // Of two different sets, the one holding the smallest number of their
    // symmetric difference comes first.
    std::sort(rows.begin(), rows.end(), [](uint32_t a, uint32_t b) {
        const uint32_t diff = a ^ b;
        return diff != 0 && (a & diff & (~diff + 1)) != 0;
    });
}

namespace {

// ---- Local search ---------------------------------------------------------

// The searches draw from the program's generator with the plain
// multiply-shift bound (slightly biased, but it fixes the shipped designs).
class Rng {
  public:
    explicit Rng(uint64_t seed) : source_(seed) {}
    // Uniform in [0, n) up to the multiply-shift bias.
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(((source_.next() >> 32) * n) >> 32); }
    double unit() { return source_.unit(); }

  private:
    RandomSource source_;
};

// Gosper's hack: the next larger mask with as many bits.
uint32_t next_subset(uint32_t s) {
    const uint32_t c = s & (~s + 1);
    const uint32_t n = s + c;
    return (((n ^ s) >> 2) / c) | n;
}

int random_bit(uint32_t mask, Rng& rng) {
    uint32_t k = rng.below(static_cast<uint32_t>(std::popcount(mask)));
    while (k-- > 0) mask &= mask - 1;
    return std::countr_zero(mask);
}

// Appends every k-subset of `set` to `out`.
void append_subsets(uint32_t set, int k, std::vector<uint32_t>& out) {
    std::array<int, 32> pos{};
    int n = 0;
    for (uint32_t m = set; m != 0; m &= m - 1) pos[n++] = std::countr_zero(m);
    if (k < 0 || k > n) return;
    if (k == 0) {
        out.push_back(0);
        return;
    }
    for (uint32_t c = (1u << k) - 1; c < (1u << n); c = next_subset(c)) {
        uint32_t mask = 0;
        for (uint32_t m = c; m != 0; m &= m - 1) mask |= 1u << pos[std::countr_zero(m)];
        out.push_back(mask);
    }
}

struct Binomials {
    std::array<std::array<int32_t, 7>, 27> c{};
    constexpr Binomials() {
        for (int n = 0; n < 27; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 7; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr Binomials kBinomials;

// Position of a set among the sets of its size in increasing mask order.
int32_t rank_of(uint32_t set) {
    int32_t r = 0;
    int i = 1;
    for (uint32_t m = set; m != 0; m &= m - 1) r += kBinomials.c[std::countr_zero(m)][i++];
    return r;
}

// For one coverage "t if p": how many rows meet each p-subset in t or more
// numbers, and the list of the p-subsets that no row covers.
class CoverTable {
  public:
    CoverTable(int numbers, Coverage coverage) : coverage_(coverage), all_((1u << numbers) - 1) {
        for (uint32_t s = (1u << coverage.p) - 1; s <= all_; s = next_subset(s)) sets_.push_back(s);
        count_.resize(sets_.size());
        where_.resize(sets_.size());
        clear();
    }

    Coverage coverage() const { return coverage_; }
    size_t missing() const { return missing_.size(); }
    uint32_t missing_set(size_t i) const { return sets_[missing_[i]]; }

    void clear() {
        std::fill(count_.begin(), count_.end(), 0);
        missing_.resize(sets_.size());
        for (size_t i = 0; i < sets_.size(); ++i) {
            missing_[i] = static_cast<int32_t>(i);
            where_[i] = static_cast<int32_t>(i);
        }
        key_ = 0;
    }

    void add_row(uint32_t row) {
        for_each_covered(row, [this](int32_t r) { raise(r); });
    }

    // Change in the number of uncovered sets when number x of the row is
    // replaced by y. Only sets meeting the row in exactly t numbers, x among
    // them, can lose; only their twins with y in place of x can gain.
    long delta(uint32_t row, int x, int y) {
        const uint64_t key = (uint64_t{1} << 63) | (uint64_t{row} << 12) |
                             (static_cast<uint64_t>(x) << 6) | static_cast<uint64_t>(y);
        if (key != key_) {
            key_ = key;
            inner_.clear();
            outer_.clear();
            lose_.clear();
            gain_.clear();
            append_subsets(row & ~(1u << x), coverage_.t - 1, inner_);
            append_subsets(all_ & ~row & ~(1u << y), coverage_.p - coverage_.t, outer_);
            for (uint32_t a : inner_)
                for (uint32_t b : outer_) {
                    lose_.push_back(rank_of(a | b | (1u << x)));
                    gain_.push_back(rank_of(a | b | (1u << y)));
                }
        }
        long d = 0;
        for (int32_t r : lose_) d += count_[r] == 1;
        for (int32_t r : gain_) d -= count_[r] == 0;
        return d;
    }

    void apply(uint32_t row, int x, int y) {
        delta(row, x, y);
        for (int32_t r : lose_) lower(r);
        for (int32_t r : gain_) raise(r);
        key_ = 0;
    }

  private:
    template <class F>
    void for_each_covered(uint32_t row, F f) {
        for (int j = coverage_.t; j <= std::min(6, coverage_.p); ++j) {
            inner_.clear();
            outer_.clear();
            append_subsets(row, j, inner_);
            append_subsets(all_ & ~row, coverage_.p - j, outer_);
            for (uint32_t a : inner_)
                for (uint32_t b : outer_) f(rank_of(a | b));
        }
        key_ = 0;
    }

    void raise(int32_t r) {
        if (count_[r]++ != 0) return;
        const int32_t last = missing_.back();
        missing_[where_[r]] = last;
        where_[last] = where_[r];
        missing_.pop_back();
    }
    void lower(int32_t r) {
        if (--count_[r] != 0) return;
        where_[r] = static_cast<int32_t>(missing_.size());
        missing_.push_back(r);
    }

    Coverage coverage_;
    uint32_t all_;
    std::vector<uint32_t> sets_;    // all p-subsets, by rank
    std::vector<uint32_t> count_;   // rows covering each set
    std::vector<int32_t> missing_;  // ranks of the uncovered sets
    std::vector<int32_t> where_;    // index in missing_ of each uncovered set
    uint64_t key_ = 0;              // the move that lose_ and gain_ belong to
    std::vector<uint32_t> inner_, outer_;
    std::vector<int32_t> lose_, gain_;
};

long missing_total(const std::vector<CoverTable>& tables) {
    long sum = 0;
    for (const auto& t : tables) sum += static_cast<long>(t.missing());
    return sum;
}

// A move that leaves d more sets uncovered is taken with chance p^d.
bool accept(long d, double p, Rng& rng) {
    if (d <= 0) return true;
    double chance = 1.0;
    for (long i = 0; i < d; ++i) chance *= p;
    return rng.unit() < chance;
}

// Per-move factor that takes the acceptance from `from` to `to` in `steps` moves.
double cooling(double from, double to, long long steps) {
    return steps > 0 ? std::pow(to / from, 1.0 / static_cast<double>(steps)) : 1.0;
}

class CoveringSearch {
  public:
    explicit CoveringSearch(const RowSearch& spec)
        : spec_(spec),
          all_((1u << spec.numbers) - 1),
          movable_(spec.rows - static_cast<int>(spec.fixed.size())),
          used_((size_t{1} << spec.numbers) / 64 + 1),
          rng_(spec.seed) {
        for (const auto& c : spec.required) required_.emplace_back(spec.numbers, c);
        for (const auto& c : spec.preferred) preferred_.emplace_back(spec.numbers, c);
        for (uint32_t r : spec.fixed) mark(r, true);
    }

    RowSearchResult run() {
        RowSearchResult result;
        long best = -1;
        std::vector<uint32_t> best_rows;
        for (int attempt = 0; attempt < std::max(1, spec_.attempts) && best != 0; ++attempt) {
            result.attempts_used = attempt + 1;
            random_start(attempt == 0 ? spec_.start : std::vector<uint32_t>{});
            rebuild(required_);
            const long missing = anneal(required_, none_, spec_.iterations, spec_.start_acceptance,
                                        spec_.end_acceptance, result.moves);
            if (best < 0 || missing < best) {
                best = missing;
                best_rows = rows_;
            }
        }
        set_rows(best_rows);
        result.required_missing = best;
        result.reached = best == 0;
        if (result.reached && !preferred_.empty()) {
            rebuild(required_);
            rebuild(preferred_);
            anneal(preferred_, required_, spec_.polish_iterations, spec_.polish_acceptance,
                   spec_.end_acceptance, result.moves);
        }
        rebuild(preferred_);
        result.preferred_missing = missing_total(preferred_);
        result.rows = spec_.fixed;
        result.rows.insert(result.rows.end(), rows_.begin(), rows_.end());
        sort_rows(result.rows);
        return result;
    }

  private:
    bool is_row(uint32_t m) const { return (used_[m >> 6] >> (m & 63)) & 1; }
    void mark(uint32_t m, bool on) {
        if (on)
            used_[m >> 6] |= uint64_t{1} << (m & 63);
        else
            used_[m >> 6] &= ~(uint64_t{1} << (m & 63));
    }
    void set_rows(const std::vector<uint32_t>& rows) {
        for (uint32_t r : rows_) mark(r, false);
        rows_ = rows;
        for (uint32_t r : rows_) mark(r, true);
    }
    void move_row(size_t row, uint32_t to) {
        mark(rows_[row], false);
        mark(to, true);
        rows_[row] = to;
    }

    // The given rows (as far as they fit and are new), then random ones.
    void random_start(const std::vector<uint32_t>& given) {
        set_rows({});
        for (uint32_t m : given) {
            if (static_cast<int>(rows_.size()) == movable_) break;
            if (std::popcount(m) != 6 || (m & ~all_) != 0 || is_row(m)) continue;
            mark(m, true);
            rows_.push_back(m);
        }
        while (static_cast<int>(rows_.size()) < movable_) {
            uint32_t m = 0;
            while (std::popcount(m) < 6)
                m |= 1u << rng_.below(static_cast<uint32_t>(spec_.numbers));
            if (is_row(m)) continue;
            mark(m, true);
            rows_.push_back(m);
        }
    }

    void rebuild(std::vector<CoverTable>& tables) const {
        for (auto& t : tables) {
            t.clear();
            for (uint32_t r : spec_.fixed) t.add_row(r);
            for (uint32_t r : rows_) t.add_row(r);
        }
    }

    long delta(std::vector<CoverTable>& tables, size_t row, int x, int y) {
        long d = 0;
        for (auto& t : tables) d += t.delta(rows_[row], x, y);
        return d;
    }

    // Mostly a move aimed at one set that some `aim` table still lacks: a row
    // one number short of covering it trades one of its other numbers for one
    // of the set's. Now and then a random swap instead, to leave a dead end.
    // Moves that would repeat a row or uncover a set of a `keep` table are
    // not proposed. Returns false when there is no move this time.
    bool propose(std::vector<CoverTable>& aim, std::vector<CoverTable>& keep, size_t& row, int& x,
                 int& y, long& d) {
        const long missing = missing_total(aim);
        if (missing == 0 || rng_.below(16) == 0) {
            row = rng_.below(static_cast<uint32_t>(rows_.size()));
            x = random_bit(rows_[row], rng_);
            y = random_bit(all_ & ~rows_[row], rng_);
        } else {
            auto pick = static_cast<long>(rng_.below(static_cast<uint32_t>(missing)));
            size_t ti = 0;
            while (pick >= static_cast<long>(aim[ti].missing()))
                pick -= static_cast<long>(aim[ti++].missing());
            const uint32_t set = aim[ti].missing_set(static_cast<size_t>(pick));
            const int near = aim[ti].coverage().t - 1;
            uint32_t seen = 0;
            row = rows_.size();
            for (size_t i = 0; i < rows_.size(); ++i)
                if (std::popcount(rows_[i] & set) == near && rng_.below(++seen) == 0) row = i;
            if (row == rows_.size()) row = rng_.below(static_cast<uint32_t>(rows_.size()));
            x = random_bit(rows_[row] & ~set, rng_);
            y = random_bit(set & ~rows_[row], rng_);
        }
        if (is_row(rows_[row] ^ (1u << x) ^ (1u << y)) || delta(keep, row, x, y) > 0) return false;
        d = delta(aim, row, x, y);
        return true;
    }

    // Simulated annealing on the movable rows: fewer sets lacking an `aim`
    // coverage, while no set of a `keep` table becomes uncovered. Stops when
    // nothing is missing and leaves the best rows seen; returns their count
    // of missing sets.
    long anneal(std::vector<CoverTable>& aim, std::vector<CoverTable>& keep, long long iterations,
                double from, double to, long long& moves) {
        long missing = missing_total(aim);
        long best = missing;
        std::vector<uint32_t> best_rows = rows_;
        double p = from;
        const double cool = cooling(from, to, iterations);
        for (long long it = 0; it < iterations && missing > 0 && !rows_.empty(); ++it, p *= cool) {
            ++moves;
            size_t row = 0;
            int x = 0, y = 0;
            long d = 0;
            if (!propose(aim, keep, row, x, y, d) || !accept(d, p, rng_)) continue;
            for (auto& t : aim) t.apply(rows_[row], x, y);
            for (auto& t : keep) t.apply(rows_[row], x, y);
            move_row(row, rows_[row] ^ (1u << x) ^ (1u << y));
            missing += d;
            if (missing < best) {
                best = missing;
                best_rows = rows_;
            }
        }
        if (missing > best) {
            set_rows(best_rows);
            rebuild(aim);
            rebuild(keep);
        }
        return best;
    }

    const RowSearch& spec_;
    uint32_t all_;
    int movable_;
    std::vector<uint64_t> used_;  // one bit per mask: is it a row now
    Rng rng_;
    std::vector<uint32_t> rows_;  // the movable rows
    std::vector<CoverTable> required_, preferred_;
    std::vector<CoverTable> none_;  // nothing to keep while the required are sought
};

}  // namespace

RowSearchResult search_rows(const RowSearch& search) {
    // Refuse what the search cannot handle: fewer than 7 numbers (one row at
    // most), more rows than there are six-sets, coverages that make no sense,
    // fixed rows that are not rows of these numbers.
    const int v = search.numbers;
    if (v < 7 || v > 26) return {};
    long long six_sets = 1;
    for (int i = 0; i < 6; ++i) six_sets = six_sets * (v - i) / (i + 1);
    if (search.rows <= static_cast<int>(search.fixed.size()) || search.rows > six_sets) return {};
    for (const auto* list : {&search.required, &search.preferred})
        for (const Coverage& c : *list)
            if (c.t < 1 || c.t > c.p || c.p > 6) return {};
    std::vector<uint32_t> fixed = search.fixed;
    std::sort(fixed.begin(), fixed.end());
    if (std::adjacent_find(fixed.begin(), fixed.end()) != fixed.end()) return {};
    for (uint32_t r : fixed)
        if (std::popcount(r) != 6 || (r >> v) != 0) return {};
    return CoveringSearch(search).run();
}

}  // namespace zw
