#include "evaluation/covering_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "evaluation/system_checker.h"
#include "evaluation/system_designer.h"

namespace zw {
namespace {

struct Case {
    int n, size, t, p, cycle;
};

// The counts kept move by move agree with a recount from the rows, plain and
// among turned row sets (with numbers that stay put), for "t if t" and for
// "t if p" with p > t; every best set serves all subsets with distinct rows.
TEST(CoveringSearch, CountsStayExactOverManyMoves) {
    for (const Case c : {Case{10, 6, 3, 3, 1}, Case{12, 6, 4, 5, 1}, Case{12, 6, 3, 3, 6}, Case{13, 6, 4, 4, 6},
                         Case{13, 6, 4, 5, 4}, Case{11, 5, 2, 4, 5}}) {
        CoveringSearch s(c.n, c.size, c.t, c.p, 7, c.cycle);
        int found = 0;
        for (int i = 0; i < 30000; ++i) {
            found += s.step();
            if (i % 10000 == 9999) {
                ASSERT_TRUE(s.counts_consistent()) << c.n << " " << c.cycle << " step " << i;
            }
        }
        if (c.size == 6) {
            EXPECT_GT(found, 0) << c.n << " " << c.cycle;
        }
        EXPECT_EQ(s.uncovered(), s.recount_uncovered());
        auto rows = s.best();
        EXPECT_EQ(rows.size() % static_cast<size_t>(s.cycle()), 0u);
        for (uint64_t row : rows) EXPECT_EQ(std::popcount(row), c.size);
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end()) << c.n << " " << c.cycle;
        if (c.size == 6) {
            EXPECT_TRUE(check_system(rows, c.n).holds(c.t, c.p)) << c.n << " " << c.cycle;
        }
    }
}

TEST(CoveringSearch, RestartKeepsTheGivenSetAndSeedsRepeat) {
    CoveringSearch turned(12, 6, 3, 3, 3, 6);
    CoveringSearch again(12, 6, 3, 3, 3, 6);
    for (int i = 0; i < 20000; ++i) {
        turned.step();
        again.step();
    }
    EXPECT_EQ(turned.best(), again.best());
    EXPECT_EQ(turned.rows(), again.rows());

    CoveringSearch plain(12, 6, 3, 3, 5);
    plain.restart_from(turned.best());
    EXPECT_EQ(plain.best(), turned.best());
    EXPECT_EQ(plain.uncovered(), 0u);
    EXPECT_TRUE(plain.counts_consistent());
    for (int i = 0; i < 5000; ++i) plain.step();
    EXPECT_LE(plain.best().size(), turned.best().size());
    EXPECT_TRUE(plain.counts_consistent());
}

// One row serves every subset: the search keeps it instead of dropping the
// last row and working on none.
TEST(CoveringSearch, NeverDropsTheLastRow) {
    CoveringSearch s(7, 6, 3, 6, 1);
    for (int i = 0; i < 1000; ++i) s.step();
    ASSERT_EQ(s.best().size(), 1u);
    EXPECT_EQ(s.rows().size(), 1u);
    EXPECT_EQ(s.uncovered(), 0u);
}

// The turned searches reach the optimum of "3 if 3" on 18 numbers, far below
// what the plain search alone finds, within a fixed number of steps.
TEST(CoveringSearch, DesignerReachesTheEighteenNumberOptimum) {
    DesignRequest r;
    r.v = 18;
    r.t = 3;
    r.p = 3;
    r.seconds = 0;
    r.max_iterations = 3'000'000;
    r.seed = 1;
    const auto d = design_system(r);
    ASSERT_TRUE(d);
    EXPECT_LE(d->rows.size(), 52u);
    EXPECT_TRUE(d->check.holds(3, 3));
}

}  // namespace
}  // namespace zw
