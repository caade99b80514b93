// Simulated annealing for row sets: rows of `size` numbers out of n such that
// every p-subset of the n numbers meets some row in t or more ("t if p").
//
// The row count is fixed while the search anneals; the cost is the number of
// p-subsets no row serves. When it reaches zero the rows are kept as the best
// set and the rows that serve the fewest subsets alone are dropped, so the
// search goes on smaller.
//
// With a cycle m > 1 the search only looks at row sets that stay the same
// when the first m numbers are turned by one (x -> x + 1 mod m; the others
// stay): the rows come in orbits of m, and one base row stands for its
// orbit. The p-subsets fall into orbits as well and all subsets of an orbit
// are served alike, so the search counts per orbit. Far fewer choices make
// such sets quick to find; their sizes are multiples of m.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/random_source.h"

namespace zw {

class CoveringSearch {
  public:
    // 1 <= t <= p <= n <= 30, t <= size <= n; 1 <= cycle <= n. Starts from a
    // random greedy cover (every subset served).
    CoveringSearch(int n, int size, int t, int p, uint64_t seed, int cycle = 1);

    // One annealing step; true when the rows served every subset, were kept
    // as the best set and rows were dropped.
    bool step();

    // Continues from these rows (which must serve every subset and, with a
    // cycle, be whole orbits): they become the best set.
    void restart_from(const std::vector<uint64_t>& rows);

    // The smallest set that served every subset, all rows written out
    // (empty until one did).
    const std::vector<uint64_t>& best() const { return best_; }
    std::vector<uint64_t> rows() const;
    int cycle() const { return m_; }
    // p-subsets no current row serves, as kept up to date move by move.
    size_t uncovered() const { return uncovered_weight_; }
    // The same, counted afresh from the rows; for checks.
    size_t recount_uncovered() const;
    // True when the per-subset counts agree with a recount from the rows.
    bool counts_consistent() const;

  private:
    uint32_t rank(uint64_t s) const;
    uint64_t image(uint64_t row, int k) const;
    uint64_t orbit_key(uint64_t row) const;
    bool fresh(uint64_t row) const;
    void add_base(uint64_t row);
    void add_uncovered(uint32_t o);
    void remove_uncovered(uint32_t o);
    void bump(uint32_t o, int by);
    template <class Fn>
    void served_by(uint64_t row, Fn&& fn) const;
    void serve(uint64_t row, int by);
    template <bool Apply>
    int swap(uint64_t row, int out, int in);
    void move_orbit(size_t base, int out, int in);
    void drop_base();
    void cool();
    void start_cycle();
    double accept(int delta);

    int size_, t_, p_;
    int m_;  // every base row stands for m_ rows
    uint64_t all_;
    RandomSource rnd_;
    std::array<std::array<uint32_t, 8>, 32> choose_{};
    std::array<std::array<uint8_t, 32>, 32> turn_{};  // [k][x]: x turned k times
    std::vector<uint32_t> orbit_of_;  // orbit of each p-subset, by rank
    std::vector<uint32_t> orbit_rep_; // a p-subset of each orbit
    std::vector<uint8_t> orbit_size_;
    std::vector<uint32_t> cover_;     // rows serving a subset of each orbit
    std::vector<int32_t> where_;      // place in uncovered_, -1 when served
    std::vector<uint32_t> uncovered_; // orbits whose subsets no row serves
    size_t uncovered_weight_ = 0;     // the subsets in them
    std::vector<uint64_t> base_;      // one row per orbit of rows
    std::vector<uint64_t> keys_;      // the least row of each base row's orbit
    std::vector<uint64_t> best_;
    std::vector<uint32_t> near_;      // scratch: rows one number short
    double temperature_ = 0;
    double odds_temperature_ = -1;
    std::array<double, 16> odds_{};   // exp(-delta / temperature)
    double factor_ = 1;
    int since_cool_ = 0;
    int cooled_ = 0;                  // coolings in this cycle
    int cycle_coolings_ = 0;          // coolings per cycle from hot to cold
};

}  // namespace zw
