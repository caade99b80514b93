#include "evaluation/backtest.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace zw {

// How the search counts.
//
// A draw wins for a row R when it has three or more of R's numbers. With c(T)
// the number of draws that contain the set T, a draw with h hits on R adds
// C(h,3) - 3 C(h,4) + 6 C(h,5) - 10 C(h,6) to
//     S3(R) - 3 S4(R) + 6 S5(R) - 10 c(R),   Sk(R) = sum of c(T) over the k-subsets T of R,
// and that is 1 for h = 3..6 and 0 below. So the score is a sum over the
// subsets of the row of a weight g(T) that depends only on T.
//
// Austria also counts a draw without a hit whose Zusatzzahl z is in the row.
// Writing [D and R disjoint] = sum over S in R of (-1)^|S| [S in D], that
// count is the sum over the subsets T of R of (-1)^(|T|-1) f(T), where f(T)
// is the number of draws whose Zusatzzahl lies in T while the rest of T was
// drawn. It adds to g(T) for every size 1..6.
//
// g is tabulated once per search (each draw touches at most 64 subsets of its
// numbers in the list). The enumeration then keeps, per level k of the row
// prefix P = p1 < ... < pk, the vector H_k[x] = sum of g(S + {x}) over the
// subsets S of P, for every later position x; one level on,
// H_k[x] = H_(k-1)[x] + sum over S in P_(k-1) of g(S + {pk, x}), a handful of
// contiguous vector additions. The scores of all rows P5 + {x} are then
// (sum of g over the subsets of P5) + H_5[x].

namespace {

constexpr int kMaxPositions = 64;

struct Binomials {
    int64_t c[kMaxPositions + 1][7]{};
    constexpr Binomials() {
        for (int a = 0; a <= kMaxPositions; ++a) {
            c[a][0] = 1;
            for (int k = 1; k <= 6; ++k) c[a][k] = a == 0 ? 0 : c[a - 1][k - 1] + c[a - 1][k];
        }
    }
};
constexpr Binomials kBinomials;

inline uint32_t binom(int a, int k) { return static_cast<uint32_t>(kBinomials.c[a][k]); }

// Weight of a subset of size s among a draw's numbers (three or more hits).
constexpr int kHitWeight[7] = {0, 0, 0, 1, -3, 6, -10};

// g(T) for every subset T of the positions 0..n-1: dense tables for the sizes
// 1..5 (sets with the same first elements and a varying last one lie side by
// side), a sparse list for size 6 (at most a few entries per draw).
class SubsetWeights {
public:
    explicit SubsetWeights(int n) : n_(n) {
        for (int m = 0; m <= 4; ++m) build_offsets(m);
    }

    void add(const int* sorted, int size, int value) {
        if (size == 6) {
            uint32_t key = 0;
            for (int i = 0; i < 5; ++i) key += binom(sorted[i], i + 1);
            six_.push_back({key, static_cast<uint8_t>(sorted[5]), value});
            return;
        }
        uint32_t colex = 0;
        for (int i = 0; i + 1 < size; ++i) colex += binom(sorted[i], i + 1);
        const int max_base = size > 1 ? sorted[size - 2] : -1;
        const size_t index = offsets_[static_cast<size_t>(size - 1)][colex] +
                             static_cast<size_t>(sorted[size - 1] - max_base - 1);
        auto& table = tables_[static_cast<size_t>(size)];
        if (table.empty()) table.assign(binom(n_, size), 0);
        table[index] += value;
    }

    // Sorts and merges the size-6 entries.
    void finish() {
        std::sort(six_.begin(), six_.end(), [](const Six& a, const Six& b) {
            return a.key != b.key ? a.key < b.key : a.x < b.x;
        });
        std::vector<Six> merged;
        for (const Six& s : six_) {
            if (!merged.empty() && merged.back().key == s.key && merged.back().x == s.x) merged.back().value += s.value;
            else merged.push_back(s);
        }
        six_ = std::move(merged);
        six_bits_.assign(binom(n_, 5) / 64 + 1, 0);
        for (const Six& s : six_) six_bits_[s.key / 64] |= uint64_t{1} << (s.key % 64);
    }

    bool used(int size) const { return !tables_[static_cast<size_t>(size)].empty(); }
    // The g values of the sets B + {x}, x = max(B) + 1 ..., for B of size
    // `base_size` with colex rank `colex` (size 0: x from 0).
    const int32_t* block(int base_size, uint32_t colex) const {
        return tables_[static_cast<size_t>(base_size + 1)].data() + offsets_[static_cast<size_t>(base_size)][colex];
    }
    // Adds the size-6 weights of the rows P5 + {x} to h[x].
    void add_six(uint32_t key, int32_t* h) const {
        if (!(six_bits_[key / 64] >> (key % 64) & 1)) return;
        auto it = std::lower_bound(six_.begin(), six_.end(), key, [](const Six& s, uint32_t k) { return s.key < k; });
        for (; it != six_.end() && it->key == key; ++it) h[it->x] += it->value;
    }

private:
    struct Six {
        uint32_t key;  // colex rank of the first five positions
        uint8_t x;     // the sixth
        int32_t value;
    };

    // Start of the block of every m-subset B (by colex rank) in the table of size m + 1.
    void build_offsets(int m) {
        auto& off = offsets_[static_cast<size_t>(m)];
        off.assign(std::max<uint32_t>(binom(n_, m), 1), 0);
        if (m == 0 || n_ < m) return;
        int c[5];
        for (int i = 0; i < m; ++i) c[i] = i;
        uint32_t running = 0;
        while (true) {
            uint32_t colex = 0;
            for (int i = 0; i < m; ++i) colex += binom(c[i], i + 1);
            off[colex] = running;
            running += static_cast<uint32_t>(n_ - 1 - c[m - 1]);
            int i = m - 1;
            while (i >= 0 && c[i] == n_ - m + i) --i;
            if (i < 0) break;
            ++c[i];
            for (int j = i + 1; j < m; ++j) c[j] = c[j - 1] + 1;
        }
    }

    int n_;
    std::array<std::vector<uint32_t>, 5> offsets_;
    std::array<std::vector<int32_t>, 6> tables_;  // index = set size 1..5
    std::vector<Six> six_;
    std::vector<uint64_t> six_bits_;
};

// Tabulates g over the draws.
// Insertion sort of at most seven values (std::sort on these short arrays
// makes the optimiser warn about bounds it cannot prove).
void sort_small(int* v, int n) {
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && v[j - 1] > v[j]; --j) std::swap(v[j - 1], v[j]);
}

SubsetWeights subset_weights(const NumberList& list, std::span<const EvalDraw> draws, RuleSet rules) {
    const int n = list.size();
    SubsetWeights w(n);
    std::array<int, kMaxPositions> position;
    position.fill(-1);
    for (int i = 0; i < n; ++i) position[static_cast<size_t>(list.numbers[static_cast<size_t>(i)])] = i;
    const bool zusatz = rules == RuleSet::Austria;
    for (const EvalDraw& d : draws) {
        std::array<int, 6> hit{};
        int k = 0;
        for (uint64_t m = d.drawn; m && k < 6; m &= m - 1) {
            const int p = position[static_cast<size_t>(std::countr_zero(m))];
            if (p >= 0) hit[static_cast<size_t>(k++)] = p;
        }
        sort_small(hit.data(), k);
        const int z = zusatz && d.zusatz > 0 && d.zusatz < kMaxPositions ? position[static_cast<size_t>(d.zusatz)] : -1;
        for (unsigned s = 1; s < (1u << k); ++s) {
            int set[7];
            int size = 0;
            for (int i = 0; i < k; ++i)
                if (s >> i & 1) set[size++] = hit[static_cast<size_t>(i)];
            if (size >= 3) w.add(set, size, kHitWeight[size]);
        }
        if (z < 0) continue;
        // f: the Zusatzzahl together with every subset of the hits (sizes 1..6).
        for (unsigned s = 0; s < (1u << k); ++s) {
            int set[7];
            int size = 0;
            for (int i = 0; i < k; ++i)
                if (s >> i & 1) set[size++] = hit[static_cast<size_t>(i)];
            if (size > 5) continue;
            set[size++] = z;
            sort_small(set, size);
            w.add(set, size, size % 2 == 1 ? 1 : -1);
        }
    }
    w.finish();
    return w;
}

std::chrono::nanoseconds steady_now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// Rows between two looks at the clock while the poll interval is not zero.
constexpr int64_t kClockStride = 8192;

class Search {
public:
    Search(const NumberList& list, const SubsetWeights& w, const SearchOptions& options, SearchResult& result)
        : list_(list), w_(w), options_(options), result_(result), n_(list.size()), b_(list.bankers) {
        clock_ = options.clock ? options.clock : ClockFunction(steady_now);
        result_.total_rows = backtest_rows(b_, list.tips());
        timed_ = b_ <= 4;
        block_level_ = b_ == 0 ? 2 : b_ + 1;
    }

    void run() {
        if (result_.total_rows == 0) return;
        subsets_[0][0] = {0, 0};
        for (int x = 0; x < n_; ++x) h_[0][x] = w_.used(1) ? w_.block(0, 0)[x] : 0;
        partial_[0] = 0;
        last_poll_ = clock_();
        level(1);
    }

private:
    struct Subset {
        int size;
        uint32_t colex;
    };

    int hi(int k) const { return k <= b_ ? k - 1 : n_ - 7 + k; }

    // Chooses position k (1..5); level 5 scores the rows of every sixth position.
    void level(int k) {
        const int lo = k == 1 ? 0 : p_[k - 1] + 1;
        for (int p = lo; p <= hi(k) && !result_.stopped; ++p) {
            p_[k] = p;
            const bool block = timed_ && k == block_level_;
            std::chrono::nanoseconds start{};
            const int64_t rows_before = result_.rows_done;
            if (block) start = clock_();
            extend(k, p);
            if (k < 5) level(k + 1);
            else innermost();
            if (block && !result_.stopped) {
                const double elapsed = std::chrono::duration<double>(clock_() - start).count();
                const int64_t rows = result_.rows_done - rows_before;
                if (rows > 0) result_.seconds_per_row = elapsed / static_cast<double>(rows);
                ++blocks_;
            }
        }
    }

    // H_k and the subsets of P_k from those of P_(k-1) and position p.
    void extend(int k, int p) {
        partial_[k] = partial_[k - 1] + h_[k - 1][p];
        int32_t* h = h_[k];
        const int32_t* prev = h_[k - 1];
        const int len = n_ - 1 - p;
        for (int x = p + 1; x < n_; ++x) h[x] = prev[x];
        const int count = 1 << (k - 1);
        for (int i = 0; i < count; ++i) {
            const Subset s = subsets_[k - 1][i];
            const int size = s.size + 2;
            const uint32_t colex = s.colex + binom(p, s.size + 1);
            subsets_[k][i] = s;
            subsets_[k][i + count] = {s.size + 1, colex};
            if (size == 6 || !w_.used(size)) continue;
            const int32_t* g = w_.block(s.size + 1, colex);
            int32_t* out = h + p + 1;
            for (int j = 0; j < len; ++j) out[j] += g[j];
        }
        if (k == 5) w_.add_six(subsets_[4][15].colex + binom(p, 5), h);
    }

    bool poll() {
        if (!options_.poll) return true;
        if (options_.poll_interval.count() > 0) {
            if (result_.rows_done < next_clock_check_) return true;
            next_clock_check_ = result_.rows_done + kClockStride;
            const auto now = clock_();
            if (now - last_poll_ < options_.poll_interval) return true;
            last_poll_ = now;
        }
        const SearchProgress progress{result_.rows_done, result_.total_rows, timed_, result_.seconds_per_row,
                                      blocks_, result_.best, result_.worst};
        return options_.poll(progress);
    }

    void innermost() {
        if (!poll()) {
            result_.stopped = true;
            return;
        }
        const int32_t base = partial_[5];
        const int32_t* h = h_[5];
        const int p5 = p_[5];
        for (int x = p5 + 1; x < n_; ++x) {
            const int score = base + h[x];
            if (score > best_threshold_) {
                result_.best.offer(entry(score, x));
                if (result_.best.entries().size() == static_cast<size_t>(kListEntries))
                    best_threshold_ = result_.best.entries().back().score;
            }
            if (score < worst_threshold_) {
                result_.worst.offer(entry(score, x));
                if (result_.worst.entries().size() == static_cast<size_t>(kListEntries))
                    worst_threshold_ = result_.worst.entries().back().score;
            }
        }
        result_.rows_done += n_ - 1 - p5;
    }

    ListEntry entry(int score, int x) const {
        ListEntry e;
        e.score = score;
        for (int k = 1; k <= 5; ++k) e.numbers[static_cast<size_t>(k - 1)] = static_cast<uint8_t>(list_.numbers[static_cast<size_t>(p_[k])]);
        e.numbers[5] = static_cast<uint8_t>(list_.numbers[static_cast<size_t>(x)]);
        return e;
    }

    const NumberList& list_;
    const SubsetWeights& w_;
    const SearchOptions& options_;
    SearchResult& result_;
    ClockFunction clock_;
    int n_, b_;
    bool timed_ = false;
    int block_level_ = 0;
    int blocks_ = 0;
    int p_[6]{};
    alignas(64) int32_t h_[6][kMaxPositions]{};
    int32_t partial_[6]{};
    Subset subsets_[6][32]{};
    int best_threshold_ = INT_MIN;
    int worst_threshold_ = INT_MAX;
    int64_t next_clock_check_ = 0;
    std::chrono::nanoseconds last_poll_{};
};

}  // namespace

Status make_number_list(const std::vector<int>& bankers, const std::vector<int>& tips, int highest,
                        NumberList& out) {
    uint64_t seen = 0;
    auto check = [&](const std::vector<int>& numbers) -> Status {
        for (int v : numbers) {
            if (v < 1 || v > highest || v >= kMaxPositions)
                return Status::failure("Die Zahl " + std::to_string(v) + " liegt nicht zwischen 1 und " +
                                       std::to_string(highest) + ".");
            const uint64_t bit = uint64_t{1} << v;
            if (seen & bit) return Status::failure("Die Zahl " + std::to_string(v) + " ist doppelt gewählt.");
            seen |= bit;
        }
        return {};
    };
    if (Status s = check(bankers); !s) return s;
    if (Status s = check(tips); !s) return s;
    if (static_cast<int>(bankers.size()) > kMaxBankers)
        return Status::failure("Höchstens 5 Bankzahlen: jede Reihe hat sechs Zahlen.");
    NumberList list;
    list.numbers = bankers;
    std::sort(list.numbers.begin(), list.numbers.end());
    std::vector<int> t = tips;
    std::sort(t.begin(), t.end());
    list.numbers.insert(list.numbers.end(), t.begin(), t.end());
    list.bankers = static_cast<int>(bankers.size());
    out = std::move(list);
    return {};
}

int64_t backtest_rows(int bankers, int tips) {
    if (bankers < 0 || bankers > kMaxBankers || tips < 0 || bankers + tips < 6 || tips > kMaxPositions) return 0;
    return kBinomials.c[tips][6 - bankers];
}

int ScoreList::offer(const ListEntry& entry) {
    if (!enters(entry.score)) return -1;
    const auto below = kind_ == ListKind::Best
                           ? std::find_if(entries_.begin(), entries_.end(), [&](const ListEntry& e) { return e.score < entry.score; })
                           : std::find_if(entries_.begin(), entries_.end(), [&](const ListEntry& e) { return e.score > entry.score; });
    const int place = static_cast<int>(below - entries_.begin());
    if (static_cast<int>(entries_.size()) == kListEntries) entries_.pop_back();
    entries_.insert(entries_.begin() + place, entry);
    return place;
}

SearchResult backtest_search(const NumberList& list, std::span<const EvalDraw> draws, RuleSet rules,
                             const SearchOptions& options) {
    SearchResult result;
    if (list.size() > kMaxPositions - 1 || list.bankers > kMaxBankers) return result;
    const SubsetWeights weights = subset_weights(list, draws, rules);
    Search search(list, weights, options, result);
    search.run();
    return result;
}

double calibrate_row_time(std::span<const EvalDraw> draws, int highest, RuleSet rules, const ClockFunction& clock) {
    NumberList list;
    for (int v = 1; v <= highest && v < kMaxPositions; ++v) list.numbers.push_back(v);
    SearchOptions options;
    options.poll_interval = std::chrono::nanoseconds(0);
    options.poll = [](const SearchProgress& p) { return p.blocks_done < 1; };
    options.clock = clock;
    return backtest_search(list, draws, rules, options).seconds_per_row;
}

PresenceTable::PresenceTable(std::span<const EvalDraw> draws, int highest)
    : draws_(static_cast<int>(draws.size())),
      table_(static_cast<size_t>(highest + 1) * draws.size(), 0),
      zusatz_(draws.size(), 0) {
    for (size_t d = 0; d < draws.size(); ++d) {
        for (int v = 1; v <= highest && v < kMaxPositions; ++v)
            if (draws[d].drawn >> v & 1) table_[static_cast<size_t>(v) * draws.size() + d] = 1;
        zusatz_[d] = static_cast<uint8_t>(draws[d].zusatz);
    }
}

int row_score(const std::array<int, 6>& row, const PresenceTable& table, RuleSet rules) {
    int score = 0;
    for (int d = 0; d < table.draws(); ++d) {
        int hits = 0;
        for (int v : row) hits += table.present(v, d);
        if (hits >= 3) ++score;
        else if (hits == 0 && rules == RuleSet::Austria &&
                 std::find(row.begin(), row.end(), table.zusatz(d)) != row.end())
            ++score;
    }
    return score;
}

}  // namespace zw
