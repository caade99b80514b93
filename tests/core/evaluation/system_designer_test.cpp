#include "evaluation/system_designer.h"

#include <gtest/gtest.h>

#include <bit>

namespace zw {
namespace {

DesignRequest req(int v, int t, int p, double seconds, uint64_t iterations = 0, uint64_t seed = 1) {
    DesignRequest r;
    r.v = v;
    r.t = t;
    r.p = p;
    r.seconds = seconds;
    r.max_iterations = iterations;
    r.seed = seed;
    return r;
}

TEST(SystemDesigner, SteinerSystemsAtTheirExactSizes) {
    DesignRequest r = req(12, 5, 5, 5);
    auto d = design_system(r);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rows.size(), 132u);
    r = req(22, 3, 3, 5);
    d = design_system(r);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rows.size(), 77u);
    // The rows of S(5,6,12) that avoid three points: the optimal 4 if 4 on nine.
    r = req(9, 4, 4, 5);
    d = design_system(r);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rows.size(), 12u);
}

TEST(SystemDesigner, SearchIsProvenAndRepeatable) {
    for (auto [v, t, p] : {std::array{10, 3, 3}, std::array{11, 3, 3}, std::array{13, 4, 5}, std::array{14, 3, 6}}) {
        const DesignRequest r = req(v, t, p, 0, 20000, 5);
        const auto a = design_system(r);
        const auto b = design_system(r);
        ASSERT_TRUE(a && b) << v;
        EXPECT_EQ(a->rows, b->rows) << v;
        EXPECT_TRUE(check_system(a->rows, v).holds(t, p)) << v;
        for (uint64_t row : a->rows) EXPECT_EQ(std::popcount(row), 6);
    }
    // Two bankers: every row holds them, and the guarantee holds for the
    // draws that hold them too.
    DesignRequest banked = req(12, 4, 5, 0, 20000, 9);
    banked.bankers = 0x30;
    const auto d2 = design_system(banked);
    ASSERT_TRUE(d2);
    for (uint64_t row : d2->rows) EXPECT_EQ(row & 0x30, 0x30u);
    EXPECT_TRUE(check_system(d2->rows, 12, {}, 0x30).holds(4, 5));
    EXPECT_EQ(design_system(banked)->rows, d2->rows);
    banked.bankers = 0xf;
    EXPECT_NE(design_refusal(banked), "");

    // C(10,6,3) = 10 is reached.
    const auto d = design_system(req(10, 3, 3, 0, 200000, 1));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->rows.size(), 10u);
}

// A cancel that comes before the search has started still returns proven
// rows (the first cover), instead of searching out the budget or nothing.
TEST(SystemDesigner, CancelReturnsTheRowsFoundSoFar) {
    const std::atomic<bool> cancel{true};
    DesignControl control;
    control.cancel = &cancel;
    const auto d = design_system(req(16, 4, 4, 600), control);
    ASSERT_TRUE(d);
    EXPECT_TRUE(check_system(d->rows, 16).holds(4, 4));
    EXPECT_EQ(d->source, "Suche");
}

TEST(SystemDesigner, NeverWorseThanAGivenSystemAndRefusals) {
    // The 20-row optimum is handed in; a tiny budget cannot beat it.
    DesignRequest r = req(10, 4, 4, 0, 10, 3);
    const auto first = design_system(req(10, 4, 4, 0, 400000, 3));
    ASSERT_TRUE(first);
    r.candidates.push_back(first->rows);
    const auto again = design_system(r);
    ASSERT_TRUE(again);
    EXPECT_LE(again->rows.size(), first->rows.size());
    // A candidate that does not prove the guarantee is passed over.
    r.candidates = {{0x3f}};
    EXPECT_NE(design_system(r)->rows.size(), 1u);

    EXPECT_NE(design_refusal(req(6, 3, 3, 1)), "");
    EXPECT_NE(design_refusal(req(31, 3, 3, 1)), "");
    EXPECT_NE(design_refusal(req(10, 5, 4, 1)), "");
    EXPECT_NE(design_refusal(req(10, 2, 4, 1)), "");
    EXPECT_EQ(design_refusal(req(10, 3, 6, 1)), "");
    EXPECT_FALSE(design_system(req(10, 7, 7, 1)));
}

}  // namespace
}  // namespace zw
