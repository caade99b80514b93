// The back-test behind the best and the worst list: every six-number row made
// of all bankers and a combination of tip numbers is scored by the number of
// draws of the range it would have won (three or more hits; Austria also a
// draw without a hit whose Zusatzzahl is in the row), and the 30 rows that
// won most and least often are kept.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "base/file_io.h"
#include "evaluation/eval_draws.h"
#include "evaluation/win_classes.h"

namespace zw {

constexpr int kListEntries = 30;
constexpr int kMaxBankers = 5;

enum class ListKind { Best, Worst };

// The chosen numbers in search order: the bankers ascending, then the tip
// numbers ascending. A row is six positions into this list.
struct NumberList {
    std::vector<int> numbers;
    int bankers = 0;

    int size() const { return static_cast<int>(numbers.size()); }
    int tips() const { return size() - bankers; }
};

// Builds the number list from the two sets; refuses numbers outside 1..highest,
// a number chosen twice (also in both sets) and more than five bankers.
Status make_number_list(const std::vector<int>& bankers, const std::vector<int>& tips, int highest,
                        NumberList& out);

// Rows of a search: C(tips, 6 - bankers) when at least six numbers and at most
// five bankers are chosen, else 0.
int64_t backtest_rows(int bankers, int tips);

// One row of a list: its score and its six numbers in number-list order.
struct ListEntry {
    int score = 0;
    std::array<uint8_t, 6> numbers{};
};

// The 30 best (highest score) or worst (lowest score) rows. A row enters while
// the list has room, or when it beats the last entry; among equal scores the
// row offered first stays above.
class ScoreList {
public:
    explicit ScoreList(ListKind kind) : kind_(kind) { entries_.reserve(kListEntries); }

    ListKind kind() const { return kind_; }
    bool enters(int score) const {
        if (static_cast<int>(entries_.size()) < kListEntries) return true;
        return kind_ == ListKind::Best ? score > entries_.back().score : score < entries_.back().score;
    }
    // Inserts the row if it enters; returns its place 0..29, or -1.
    int offer(const ListEntry& entry);
    const std::vector<ListEntry>& entries() const { return entries_; }

private:
    ListKind kind_;
    std::vector<ListEntry> entries_;
};

// What the poll callback sees at an innermost-loop boundary.
struct SearchProgress {
    int64_t rows_done = 0;
    int64_t total_rows = 0;
    bool timed = false;          // no timing with five bankers
    double seconds_per_row = 0;  // from the last completed timing block, 0 before the first
    int blocks_done = 0;
    const ScoreList& best;
    const ScoreList& worst;

    double remaining_seconds() const {
        return seconds_per_row * static_cast<double>(total_rows - rows_done);
    }
};

// Returns false to stop the search.
using PollFunction = std::function<bool(const SearchProgress&)>;
using ClockFunction = std::function<std::chrono::nanoseconds()>;

struct SearchOptions {
    PollFunction poll;
    // The poll is called at most this often (0: at every innermost-loop boundary).
    std::chrono::nanoseconds poll_interval = std::chrono::milliseconds(50);
    ClockFunction clock;  // default: the steady clock
};

struct SearchResult {
    ScoreList best{ListKind::Best};
    ScoreList worst{ListKind::Worst};
    int64_t rows_done = 0;
    int64_t total_rows = 0;
    bool stopped = false;
    double seconds_per_row = 0;

    const ScoreList& list(ListKind kind) const { return kind == ListKind::Best ? best : worst; }
};

// Scores every row of the number list over `draws` (in the lexicographic order
// of the row positions) and fills both lists. The number list must come from
// make_number_list.
SearchResult backtest_search(const NumberList& list, std::span<const EvalDraw> draws, RuleSet rules,
                             const SearchOptions& options = {});

// Time per row of the search, measured over the first timing block of a
// search of all numbers 1..highest (seconds).
double calibrate_row_time(std::span<const EvalDraw> draws, int highest, RuleSet rules,
                          const ClockFunction& clock = {});

// The plain scorer: a presence table of number x draw and, per row, six
// look-ups per draw. Far slower than the search; kept as its definition.
class PresenceTable {
public:
    PresenceTable(std::span<const EvalDraw> draws, int highest);
    int draws() const { return draws_; }
    bool present(int number, int d) const {
        return table_[static_cast<size_t>(number) * static_cast<size_t>(draws_) + static_cast<size_t>(d)] != 0;
    }
    int zusatz(int d) const { return zusatz_[static_cast<size_t>(d)]; }

private:
    int draws_ = 0;
    std::vector<uint8_t> table_;
    std::vector<uint8_t> zusatz_;
};

int row_score(const std::array<int, 6>& row, const PresenceTable& table, RuleSet rules);

}  // namespace zw
