#include "stats/runs.h"

#include <algorithm>

#include "stats/gap_walk.h"

namespace zw {

int run_columns(RunKind kind, int highest) { return highest - (static_cast<int>(kind) - 1); }

RunList runs_in(const uint8_t* six, RunKind kind) {
    std::array<uint8_t, 6> v{};
    std::copy(six, six + 6, v.begin());
    std::sort(v.begin(), v.end());
    const int span = static_cast<int>(kind) - 1;
    RunList out;
    for (int j = 0; j + span < 6; ++j) {
        if (v[static_cast<size_t>(j)] == 0) continue;
        if (v[static_cast<size_t>(j + span)] != v[static_cast<size_t>(j)] + span) continue;
        // A repeated number (corrupt record) must not fake a run.
        bool run = true;
        for (int k = 1; k <= span; ++k)
            if (v[static_cast<size_t>(j + k)] != v[static_cast<size_t>(j)] + k) run = false;
        if (run) out.first[static_cast<size_t>(out.count++)] = v[static_cast<size_t>(j)];
    }
    return out;
}

namespace {

DrawNumbers six_of(const DrawSource& s, int d, bool plus) {
    return plus ? s.plus(d) : s.numbers(d);
}

}  // namespace

void count_runs(const DrawSource& source, const DrawRange& range, RunKind kind, bool plus,
                NumberTable& frequency) {
    frequency.fill(0);
    const int columns = run_columns(kind, source.highest());
    const int first = std::max(range.first, plus ? kLottoPlusStart : 1);
    for (int d = first; d <= range.last; ++d)
        for (int n : runs_in(six_of(source, d, plus).data(), kind))
            if (n <= columns) ++frequency[static_cast<size_t>(n)];
}

void run_gaps(const DrawSource& source, int last, RunKind kind, bool plus, NumberTable& gap) {
    const int columns = run_columns(kind, source.highest());
    const int stop = plus ? kLottoPlusStart : 1;
    if (last < stop) {
        gap.fill(0);
        return;
    }
    fill_table(gap, columns, plus ? last - (kLottoPlusStart - 1) : last);
    walk_gaps(last, stop, columns, columns, gap, [&](int d, auto& found) {
        for (int n : runs_in(six_of(source, d, plus).data(), kind)) found(n);
    });
}

}  // namespace zw
