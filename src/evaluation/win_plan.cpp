#include "evaluation/win_plan.h"


namespace zw {
namespace {

constexpr int kPlanMaxNumbers = 16;

struct PlanCase {
    int hits;
    bool extra;
};
constexpr std::array<PlanCase, kPlanCases> kCases = {{{6, true}, {6, false}, {5, true}, {5, false},
                                                      {4, true}, {4, false}, {3, true}, {3, false},
                                                      {2, true}, {1, true}, {0, true}}};

// Rows of an n-number system with k hits, by class. For German and Swiss
// systems the extra condition belongs to the ticket, so every row takes it;
// for the Zusatzzahl games it holds for the rows that contain Z.
WinPlan build_plan(RuleSet rules, int n) {
    WinPlan plan;
    plan.numbers = n;
    for (int c = 0; c < kPlanCases; ++c) {
        const int k = kCases[static_cast<size_t>(c)].hits;
        const bool extra = kCases[static_cast<size_t>(c)].extra;
        auto& row = plan.entry[static_cast<size_t>(c)];
        for (int j = 0; j <= k; ++j) {
            if (zusatz_rules(rules) && extra) {
                // Z is one of the n - k numbers that were not drawn.
                const int64_t with_z = binomial(k, j) * binomial(n - k - 1, 5 - j);
                const int64_t without_z = binomial(k, j) * binomial(n - k - 1, 6 - j);
                if (int cls = win_class(rules, j, true)) row[static_cast<size_t>(cls)] += static_cast<int32_t>(with_z);
                if (int cls = win_class(rules, j, false)) row[static_cast<size_t>(cls)] += static_cast<int32_t>(without_z);
            } else {
                const int64_t rows = binomial(k, j) * binomial(n - k, 6 - j);
                if (int cls = win_class(rules, j, extra)) row[static_cast<size_t>(cls)] += static_cast<int32_t>(rows);
            }
        }
    }
    return plan;
}

struct PlanTables {
    // [rule set][n]
    std::array<std::array<WinPlan, kPlanMaxNumbers + 1>, 4> plans;
    PlanTables() {
        for (int r = 0; r < 4; ++r)
            for (int n = kFullSystemMin; n <= kPlanMaxNumbers; ++n)
                plans[static_cast<size_t>(r)][static_cast<size_t>(n)] = build_plan(static_cast<RuleSet>(r), n);
    }
};

}  // namespace

int64_t binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

int plan_case(int hits, bool extra) {
    switch (hits) {
        case 6: return extra ? 0 : 1;
        case 5: return extra ? 2 : 3;
        case 4: return extra ? 4 : 5;
        case 3: return extra ? 6 : 7;
        case 2: return extra ? 8 : -1;
        case 1: return extra ? 9 : -1;
        case 0: return extra ? 10 : -1;
        default: return -1;
    }
}

int full_system_max(RuleSet rules) {
    switch (rules) {
        case RuleSet::Toto: return 16;
        case RuleSet::Austria: return 12;
        default: return 13;
    }
}

const WinPlan* win_plan(RuleSet rules, int n) {
    if (n < kFullSystemMin || n > full_system_max(rules)) return nullptr;
    // Built once on first use and read-only afterwards.
    static const PlanTables tables;
    return &tables.plans[static_cast<size_t>(rules)][static_cast<size_t>(n)];
}

}  // namespace zw
