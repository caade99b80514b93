#include "evaluation/covering_search.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace zw {
namespace {

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
    std::array<int, 64> at{};
    uint32_t n = 0;
    for (; mask != 0; mask &= mask - 1) at[n++] = std::countr_zero(mask);
    return at[rnd.below(n)];
}

// The temperature falls from hot to cold in each cycle of the annealing;
// a cycle that ends with subsets unserved is followed by one twice as long
// (up to the last length). Cooling happens every kCoolEvery steps. Moves of
// whole orbits are coarser and want more heat to get anywhere.
constexpr double kHot = 0.3;
constexpr double kTurnedHot = 0.6;
constexpr double kCold = 0.1;
constexpr int kCoolEvery = 1000;
constexpr int kFirstCoolings = 200;
constexpr int kMaxCoolings = 100000;
// Random rows tried for one a number short of an unserved subset before
// all rows are looked through.
constexpr int kRowTries = 32;
constexpr int kSeedMisses = 100000;
constexpr size_t kDropSample = 64;

}  // namespace

CoveringSearch::CoveringSearch(int n, int size, int t, int p, uint64_t seed, int cycle)
    : size_(size), t_(t), p_(p), m_(n - size < 2 ? 1 : std::clamp(cycle, 1, n)),
      all_((uint64_t{1} << n) - 1), rnd_(seed) {
    // The numbers below n / m * m turn in cycles of m, the others stay.
    const int turning = n / m_ * m_;
    for (int k = 0; k < m_; ++k)
        for (int x = 0; x < n; ++x)
            turn_[static_cast<size_t>(k)][static_cast<size_t>(x)] =
                static_cast<uint8_t>(x >= turning ? x : x - x % m_ + (x % m_ + k) % m_);
    for (int i = 0; i <= n; ++i) {
        choose_[static_cast<size_t>(i)][0] = 1;
        for (int k = 1; k <= 7; ++k)
            choose_[static_cast<size_t>(i)][static_cast<size_t>(k)] =
                i == 0 ? 0
                       : choose_[static_cast<size_t>(i - 1)][static_cast<size_t>(k - 1)] +
                             choose_[static_cast<size_t>(i - 1)][static_cast<size_t>(k)];
    }
    const size_t count = choose_[static_cast<size_t>(n)][static_cast<size_t>(p)];
    constexpr uint32_t kNone = ~uint32_t{0};
    orbit_of_.assign(count, kNone);
    for_each_subset(all_, p, [&](uint64_t s) {
        if (orbit_of_[rank(s)] != kNone) return;
        const auto o = static_cast<uint32_t>(orbit_rep_.size());
        int size_of = 0;
        for (int k = 0; k < m_; ++k) {
            uint32_t& at = orbit_of_[rank(image(s, k))];
            if (at == kNone) ++size_of;
            at = o;
        }
        orbit_rep_.push_back(static_cast<uint32_t>(s));
        orbit_size_.push_back(static_cast<uint8_t>(size_of));
    });
    cover_.assign(orbit_rep_.size(), 0);
    where_.assign(orbit_rep_.size(), -1);
    for (uint32_t o = 0; o < orbit_rep_.size(); ++o) add_uncovered(o);
    // Seed rows greedily: each serves a random unserved subset, until none is
    // (or, should rows of whole orbits be that hard to find, until the
    // annealing has to do the rest).
    for (int misses = 0; !uncovered_.empty() && misses < kSeedMisses;) {
        const uint32_t o = uncovered_[rnd_.below(static_cast<uint32_t>(uncovered_.size()))];
        uint64_t from = image(orbit_rep_[o], static_cast<int>(rnd_.below(static_cast<uint32_t>(m_))));
        uint64_t row = 0;
        for (int i = 0; i < t; ++i) {
            const int b = random_bit(rnd_, from);
            row |= uint64_t{1} << b;
            from &= ~(uint64_t{1} << b);
        }
        for (int have = t; have < size_;) {
            const uint64_t bit = uint64_t{1} << rnd_.below(static_cast<uint32_t>(n));
            if ((row & bit) == 0) {
                row |= bit;
                ++have;
            }
        }
        if (!fresh(row)) {
            ++misses;
            continue;
        }
        add_base(row);
        misses = 0;
    }
    best_ = uncovered_.empty() ? rows() : std::vector<uint64_t>{};
    cycle_coolings_ = kFirstCoolings;
    start_cycle();
}

void CoveringSearch::restart_from(const std::vector<uint64_t>& rows) {
    std::fill(cover_.begin(), cover_.end(), 0u);
    uncovered_.clear();
    uncovered_weight_ = 0;
    for (uint32_t o = 0; o < orbit_rep_.size(); ++o) {
        where_[o] = -1;
        add_uncovered(o);
    }
    base_.clear();
    keys_.clear();
    for (uint64_t row : rows)
        if (fresh(row)) add_base(row);
    best_ = this->rows();
    since_cool_ = 0;
    cooled_ = 0;
    start_cycle();
}

std::vector<uint64_t> CoveringSearch::rows() const {
    std::vector<uint64_t> out;
    out.reserve(base_.size() * static_cast<size_t>(m_));
    for (uint64_t b : base_)
        for (int k = 0; k < m_; ++k) out.push_back(image(b, k));
    return out;
}

uint64_t CoveringSearch::image(uint64_t row, int k) const {
    if (k == 0) return row;
    const auto& to = turn_[static_cast<size_t>(k)];
    uint64_t out = 0;
    for (; row != 0; row &= row - 1) out |= uint64_t{1} << to[static_cast<size_t>(std::countr_zero(row))];
    return out;
}

// The least row of the row's orbit, or 0 when a turn leaves the row in
// place (its orbit is short).
uint64_t CoveringSearch::orbit_key(uint64_t row) const {
    uint64_t least = row;
    for (int k = 1; k < m_; ++k) {
        const uint64_t turned = image(row, k);
        if (turned == row) return 0;
        least = std::min(least, turned);
    }
    return least;
}

// Whether the row may join: a whole orbit, none of whose rows is there.
bool CoveringSearch::fresh(uint64_t row) const {
    const uint64_t key = orbit_key(row);
    return key != 0 && std::find(keys_.begin(), keys_.end(), key) == keys_.end();
}

void CoveringSearch::add_base(uint64_t row) {
    base_.push_back(row);
    keys_.push_back(orbit_key(row));
    serve(row, +1);
}

bool CoveringSearch::step() {
    if (base_.empty()) return false;
    if (uncovered_.empty()) {
        if (best_.empty() || base_.size() * static_cast<size_t>(m_) < best_.size()) best_ = rows();
        // One orbit of rows left: nothing to drop.
        if (base_.size() <= 1) return false;
        drop_base();
        since_cool_ = 0;
        cooled_ = 0;
        start_cycle();
        return true;
    }
    const uint64_t rep = orbit_rep_[uncovered_[rnd_.below(static_cast<uint32_t>(uncovered_.size()))]];
    // A row one number short serves the subset after one swap; without one,
    // any row moves one step closer. With a cycle the subset is taken in one
    // of its turned forms, the one the base row is near. Hits are counted
    // bit by bit: std::popcount is a library call on the baseline
    // instruction set, and this is the hottest loop of the search.
    std::array<int, 8> at{};
    int np = 0;
    auto aim = [&](uint64_t s) {
        np = 0;
        for (uint64_t m = s; m != 0; m &= m - 1) at[static_cast<size_t>(np++)] = std::countr_zero(m);
    };
    auto near = [&](uint64_t row) {
        int hits = 0;
        for (int i = 0; i < np; ++i) hits += static_cast<int>(row >> at[static_cast<size_t>(i)] & 1u);
        return hits == t_ - 1;
    };
    const auto b = static_cast<uint32_t>(base_.size());
    const auto m = static_cast<uint32_t>(m_);
    uint32_t chosen = b;
    uint64_t s = rep;
    aim(rep);
    for (int tries = 0; tries < kRowTries && chosen == b; ++tries) {
        const uint32_t r = rnd_.below(b);
        if (m > 1) {
            s = image(rep, static_cast<int>(rnd_.below(m)));
            aim(s);
        }
        if (near(base_[r])) chosen = r;
    }
    if (chosen == b) {
        // Such rows, numbered turn by turn (r = k * b + base).
        near_.clear();
        for (uint32_t k = 0; k < m; ++k) {
            aim(image(rep, static_cast<int>(k)));
            for (uint32_t r = 0; r < b; ++r)
                if (near(base_[r])) near_.push_back(k * b + r);
        }
        const uint32_t r = near_.empty() ? rnd_.below(b * m) : near_[rnd_.below(static_cast<uint32_t>(near_.size()))];
        chosen = r % b;
        s = image(rep, static_cast<int>(r / b));
    }
    const uint64_t row = base_[chosen];
    const int in = random_bit(rnd_, s & ~row);
    const int out = random_bit(rnd_, row & ~s);
    const uint64_t next = (row & ~(uint64_t{1} << out)) | (uint64_t{1} << in);
    if (!fresh(next)) return false;
    if (m_ == 1) {
        const int delta = swap<false>(row, out, in);
        if (delta <= 0 || rnd_.unit() < accept(delta)) {
            swap<true>(row, out, in);
            base_[chosen] = next;
            keys_[chosen] = next;
        }
    } else {
        move_orbit(chosen, out, in);
    }
    cool();
    return false;
}

// Subsets of one orbit can be lost or won by the same move, so the change
// of the cost is taken from applying the swap; a rejected move is undone.
void CoveringSearch::move_orbit(size_t base, int out, int in) {
    const size_t before = uncovered_weight_;
    const uint64_t row = base_[base];
    swap<true>(row, out, in);
    const double delta = static_cast<double>(uncovered_weight_) - static_cast<double>(before);
    if (delta <= 0 || rnd_.unit() < std::exp(-delta / (temperature_ * m_))) {
        base_[base] = (row & ~(uint64_t{1} << out)) | (uint64_t{1} << in);
        keys_[base] = orbit_key(base_[base]);
        return;
    }
    swap<true>((row & ~(uint64_t{1} << out)) | (uint64_t{1} << in), in, out);
}

double CoveringSearch::accept(int delta) {
    if (delta >= static_cast<int>(odds_.size())) return std::exp(-delta / temperature_);
    if (odds_temperature_ != temperature_) {
        odds_temperature_ = temperature_;
        for (size_t d = 0; d < odds_.size(); ++d) odds_[d] = std::exp(-static_cast<double>(d) / temperature_);
    }
    return odds_[static_cast<size_t>(delta)];
}

void CoveringSearch::cool() {
    if (++since_cool_ < kCoolEvery) return;
    since_cool_ = 0;
    if (++cooled_ < cycle_coolings_) {
        temperature_ *= factor_;
        return;
    }
    // The cycle ended without serving every subset: the next one is longer.
    cooled_ = 0;
    if (cycle_coolings_ < kMaxCoolings) cycle_coolings_ *= 2;
    start_cycle();
}

void CoveringSearch::start_cycle() {
    const double hot = m_ == 1 ? kHot : kTurnedHot;
    temperature_ = hot;
    factor_ = std::pow(kCold / hot, 1.0 / cycle_coolings_);
}

size_t CoveringSearch::recount_uncovered() const {
    const auto all_rows = rows();
    size_t unserved = 0;
    for_each_subset(all_, p_, [&](uint64_t s) {
        for (uint64_t row : all_rows)
            if (std::popcount(row & s) >= t_) return;
        ++unserved;
    });
    return unserved;
}

bool CoveringSearch::counts_consistent() const {
    const auto all_rows = rows();
    bool ok = recount_uncovered() == uncovered_weight_;
    for_each_subset(all_, p_, [&](uint64_t s) {
        uint32_t serving = 0;
        for (uint64_t row : all_rows) serving += std::popcount(row & s) >= t_;
        const uint32_t o = orbit_of_[rank(s)];
        ok = ok && cover_[o] == serving && (where_[o] < 0) == (serving > 0);
    });
    return ok;
}

uint32_t CoveringSearch::rank(uint64_t s) const {
    uint32_t r = 0;
    int i = 1;
    for (; s != 0; s &= s - 1, ++i) r += choose_[static_cast<size_t>(std::countr_zero(s))][static_cast<size_t>(i)];
    return r;
}

void CoveringSearch::add_uncovered(uint32_t o) {
    where_[o] = static_cast<int32_t>(uncovered_.size());
    uncovered_.push_back(o);
    uncovered_weight_ += orbit_size_[o];
}

void CoveringSearch::remove_uncovered(uint32_t o) {
    const int32_t at = where_[o];
    const uint32_t last = uncovered_.back();
    uncovered_[static_cast<size_t>(at)] = last;
    where_[last] = at;
    uncovered_.pop_back();
    where_[o] = -1;
    uncovered_weight_ -= orbit_size_[o];
}

// A subset served by a base row is served by as many of its turned rows as
// turns leave the subset's orbit in place.
void CoveringSearch::bump(uint32_t o, int by) {
    const auto stab = static_cast<uint32_t>(m_ / orbit_size_[o]);
    if (by > 0) {
        if (cover_[o] == 0) remove_uncovered(o);
        cover_[o] += stab;
    } else {
        cover_[o] -= stab;
        if (cover_[o] == 0) add_uncovered(o);
    }
}

// Every p-subset the row meets in t or more.
template <class Fn>
void CoveringSearch::served_by(uint64_t row, Fn&& fn) const {
    const uint64_t rest = all_ & ~row;
    for (int i = t_; i <= std::min(p_, size_); ++i)
        for_each_subset(row, i, [&](uint64_t a) { for_each_subset(rest, p_ - i, [&](uint64_t b) { fn(rank(a | b)); }); });
}

void CoveringSearch::serve(uint64_t row, int by) {
    served_by(row, [&](uint32_t r) { bump(orbit_of_[r], by); });
}

// The change of the cost when `out` of the row is swapped for `in`: lost
// are the subsets with `out` that met the row in exactly t, won those with
// `in` that will; both share the other t-1 and p-t numbers.
template <bool Apply>
int CoveringSearch::swap(uint64_t row, int out, int in) {
    const uint64_t keep = row & ~(uint64_t{1} << out);
    const uint64_t rest = all_ & ~row & ~(uint64_t{1} << in);
    const uint64_t out_bit = uint64_t{1} << out;
    const uint64_t in_bit = uint64_t{1} << in;
    std::array<uint64_t, 8> kbits{};
    std::array<uint64_t, 32> rbits{};
    int nk = 0, nr = 0;
    for (uint64_t m = keep; m != 0; m &= m - 1) kbits[static_cast<size_t>(nk++)] = m & -m;
    for (uint64_t m = rest; m != 0; m &= m - 1) rbits[static_cast<size_t>(nr++)] = m & -m;
    const int a = t_ - 1, c = p_ - t_;
    if (a > nk || c > nr) return 0;
    std::array<int, 8> xi{}, yi{};
    for (int i = 0; i < a; ++i) xi[static_cast<size_t>(i)] = i;
    int delta = 0;
    // x runs over the (t-1)-subsets of keep, y over the (p-t)-subsets of rest.
    while (true) {
        uint64_t x = 0;
        for (int i = 0; i < a; ++i) x |= kbits[static_cast<size_t>(xi[static_cast<size_t>(i)])];
        for (int i = 0; i < c; ++i) yi[static_cast<size_t>(i)] = i;
        while (true) {
            uint64_t y = x;
            for (int i = 0; i < c; ++i) y |= rbits[static_cast<size_t>(yi[static_cast<size_t>(i)])];
            const uint32_t lost = orbit_of_[rank(y | out_bit)];
            const uint32_t won = orbit_of_[rank(y | in_bit)];
            if constexpr (Apply) {
                bump(lost, -1);
                bump(won, +1);
            } else {
                delta += (cover_[lost] == 1) - (cover_[won] == 0);
            }
            int i = c - 1;
            while (i >= 0 && yi[static_cast<size_t>(i)] == nr - c + i) --i;
            if (i < 0) break;
            ++yi[static_cast<size_t>(i)];
            for (int j = i + 1; j < c; ++j) yi[static_cast<size_t>(j)] = yi[static_cast<size_t>(j - 1)] + 1;
        }
        int i = a - 1;
        while (i >= 0 && xi[static_cast<size_t>(i)] == nk - a + i) --i;
        if (i < 0) break;
        ++xi[static_cast<size_t>(i)];
        for (int j = i + 1; j < a; ++j) xi[static_cast<size_t>(j)] = xi[static_cast<size_t>(j - 1)] + 1;
    }
    return delta;
}

// Drops the base row (with its orbit) that serves the fewest subsets alone;
// of many rows only a random sample is weighed, as each costs a walk over
// all the subsets it serves.
void CoveringSearch::drop_base() {
    size_t weakest = 0;
    int least = -1;
    const bool sample = base_.size() > kDropSample;
    for (size_t j = 0; j < (sample ? kDropSample : base_.size()); ++j) {
        const size_t i = sample ? rnd_.below(static_cast<uint32_t>(base_.size())) : j;
        int alone = 0;
        served_by(base_[i], [&](uint32_t r) {
            const uint32_t o = orbit_of_[r];
            alone += cover_[o] == static_cast<uint32_t>(m_ / orbit_size_[o]);
        });
        if (least < 0 || alone < least) {
            least = alone;
            weakest = i;
        }
    }
    serve(base_[weakest], -1);
    base_.erase(base_.begin() + static_cast<std::ptrdiff_t>(weakest));
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(weakest));
}

}  // namespace zw
