#include "evaluation/system_designer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>

#include "evaluation/covering_search.h"
#include "games/partial_system_designs.h"

namespace zw {
namespace {

constexpr int kRowSize = 6;
constexpr int kDesignMaxNumbers = 30;
// Steps between two looks at the clock and the cancel flag, and the share
// of the search each search gets in turn: at most kChunk, fewer where one
// step touches many subsets or rows, so that a chunk stays near a
// millisecond.
constexpr uint64_t kChunk = 1024;
constexpr uint64_t kChunkWork = uint64_t{1} << 18;
// Searches among turned row sets only where the subsets are few enough to
// keep several tables of them.
constexpr uint64_t kMaxTurnedSubsets = 100000;
constexpr size_t kMaxTurnedSearches = 4;
// Chunks without a smaller set after which a turned search starts afresh.
constexpr uint64_t kIdleChunks = 200;

// Cycle lengths for the searches among turned row sets: the numbers turn
// in two or more cycles of m, at most three stay put. (One long cycle leaves
// too few base rows to fit.)
std::vector<int> turning_cycles(int n, int size, int p) {
    std::vector<int> out;
    if (n - size < 2 || static_cast<uint64_t>(binomial(n, p)) > kMaxTurnedSubsets) return out;
    for (int m = n / 2; m >= 3 && out.size() < kMaxTurnedSearches; --m)
        if (n % m <= 3) out.push_back(m);
    return out;
}

// Rows of a construction on the points below v: those that avoid the points
// from v on.
std::vector<uint64_t> restricted(const std::vector<uint64_t>& rows, int v) {
    std::vector<uint64_t> out;
    for (uint64_t r : rows)
        if ((r >> v) == 0) out.push_back(r);
    return out;
}

bool proves(const SystemCheck& c, int t, int p) { return c.holds(t, p); }

// A proof goes on after a cancel for kProofAfterCancel, so that the rows
// found so far are still returned; a longer one (many thousands of rows over
// many numbers) gives up. The walk looks often enough at the flag.
constexpr auto kProofAfterCancel = std::chrono::milliseconds(500);

class ProofControl {
  public:
    explicit ProofControl(const std::atomic<bool>* cancel) : cancel_(cancel) {
        control_.cancel = &give_up_;
        control_.progress = [this](double) { look(); };
        look();
    }
    ProofControl(const ProofControl&) = delete;
    ProofControl& operator=(const ProofControl&) = delete;
    operator const CheckControl&() const { return control_; }

  private:
    void look() {
        if (cancel_ == nullptr || !cancel_->load(std::memory_order_relaxed)) return;
        const auto now = std::chrono::steady_clock::now();
        if (!seen_) seen_ = now;
        if (now - *seen_ >= kProofAfterCancel) give_up_ = true;
    }

    const std::atomic<bool>* cancel_;
    std::atomic<bool> give_up_{false};
    std::optional<std::chrono::steady_clock::time_point> seen_;
    CheckControl control_;
};

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
        const SystemCheck c = check_system(rows, v, ProofControl(control.cancel), request.bankers);
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
    // The searches among turned row sets find small sets quickly on many
    // sizes; the plain search then goes on from the smallest of them. Two of
    // three chunks of steps go to the side that leads (the turned searches
    // first, until each has had two chances to start afresh, and then while
    // their best is as small as the plain one), the third to the other; the
    // turned searches take their chunks in turn.
    // The turned searches find their small sets quickly or get stuck: one
    // that has not found a smaller set for a while starts afresh from
    // another seed.
    const int n = v - k, size = kRowSize - k;
    CoveringSearch search(n, size, t - k, p - k, request.seed);
    struct Turned {
        CoveringSearch search;
        int cycle = 0;
        uint64_t idle = 0;  // chunks since its last smaller set
        uint64_t starts = 1;
    };
    auto turned_seed = [&](int m, uint64_t starts) {
        return request.seed + static_cast<uint64_t>(m) + (starts - 1) * 0x9e3779b97f4a7c15u;
    };
    std::vector<Turned> turned;
    size_t turned_best = SIZE_MAX;
    size_t turned_round = 0;
    for (int m : turning_cycles(n, size, p - k))
        turned.push_back({CoveringSearch(n, size, t - k, p - k, turned_seed(m, 1), m), m});
    // A step weighs a swap over the subsets it touches and looks through the
    // rows for duplicates.
    const uint64_t step_work = static_cast<uint64_t>(binomial(size - 1, t - k - 1) * binomial(n - size - 1, p - t)) +
                               search.best().size();
    const uint64_t chunk = std::clamp<uint64_t>(kChunkWork / std::max<uint64_t>(step_work, 1), 1, kChunk);
    auto report = [&](size_t rows) {
        if (control.progress && (!best || rows < best->rows.size())) control.progress(static_cast<int>(rows));
    };
    report(search.best().size());
    // Whole chunks run between two looks at the clock, so a time budget
    // decides after which chunk the search stops; an iteration budget alone
    // always gives the same rows for the same seed.
    const auto start = std::chrono::steady_clock::now();
    uint64_t done = 0;
    for (size_t round = 0; search.best().size() > floor; ++round) {
        if (request.max_iterations != 0 && done >= request.max_iterations) break;
        if (control.cancel && control.cancel->load(std::memory_order_relaxed)) break;
        if (request.seconds > 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= request.seconds)
            break;
        const uint64_t steps =
            request.max_iterations != 0 ? std::min(chunk, request.max_iterations - done) : chunk;
        done += steps;
        const bool turned_lead = round < 3 * kIdleChunks * turned.size() || turned_best <= search.best().size();
        if (turned.empty() || (round % 3 == 0) == turned_lead) {
            for (uint64_t i = 0; i < steps; ++i)
                if (search.step()) report(search.best().size());
            continue;
        }
        Turned& other = turned[turned_round++ % turned.size()];
        bool smaller = false;
        for (uint64_t i = 0; i < steps; ++i) smaller = other.search.step() || smaller;
        other.idle = smaller ? 0 : other.idle + 1;
        if (smaller && !other.search.best().empty()) turned_best = std::min(turned_best, other.search.best().size());
        if (smaller && !other.search.best().empty() && other.search.best().size() < search.best().size()) {
            search.restart_from(other.search.best());
            report(search.best().size());
        }
        if (other.idle >= kIdleChunks) {
            other.search = CoveringSearch(n, size, t - k, p - k, turned_seed(other.cycle, ++other.starts), other.cycle);
            other.idle = 0;
        }
    }
    offer(widen(search.best()), "Suche");
    return best;
}

}  // namespace zw
