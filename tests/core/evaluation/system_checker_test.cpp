#include "evaluation/system_checker.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>

#include "base/random_source.h"
#include "games/partial_guarantees.h"
#include "games/partial_systems.h"

namespace zw {
namespace {

// Every p-subset one by one, every row against it.
// With bankers only the subsets that hold them all.
SystemCheck brute_force(const std::vector<uint64_t>& rows, int v, uint64_t bankers = 0) {
    SystemCheck out;
    out.numbers = v;
    for (int p = std::max(3, std::popcount(bankers)); p <= 6; ++p) {
        int least = p;
        for (uint64_t s = 0; s < (uint64_t{1} << v); ++s) {
            if (std::popcount(s) != p || (s & bankers) != bankers) continue;
            int best = 0;
            for (uint64_t r : rows) best = std::max(best, std::popcount(r & s));
            ++out.best_hits[static_cast<size_t>(p)][static_cast<size_t>(best)];
            least = std::min(least, best);
        }
        out.min_hits[static_cast<size_t>(p)] = least;
    }
    return out;
}

uint64_t random_row(RandomSource& rnd, int v) {
    uint64_t m = 0;
    while (std::popcount(m) < 6) m |= uint64_t{1} << rnd.below(static_cast<uint32_t>(v));
    return m;
}

TEST(SystemChecker, AgreesWithTheBruteForceWalk) {
    RandomSource rnd(7);
    for (int v : {6, 7, 9, 12, 15}) {
        for (int b : {1, 3, 10, 25}) {
            std::vector<uint64_t> rows;
            for (int i = 0; i < b; ++i) rows.push_back(random_row(rnd, v));
            const SystemCheck fast = check_system(rows, v);
            const SystemCheck slow = brute_force(rows, v);
            for (int p = 3; p <= 6; ++p) {
                EXPECT_EQ(fast.min_hits[p], slow.min_hits[p]) << "v=" << v << " b=" << b << " p=" << p;
                EXPECT_EQ(fast.best_hits[p], slow.best_hits[p]) << "v=" << v << " b=" << b << " p=" << p;
                EXPECT_EQ(fast.subsets[p], static_cast<uint64_t>(binomial(v, p)));
            }
            // Bankers: the rows hold them, the drawn subsets too.
            for (uint64_t bankers : {uint64_t{0x1}, uint64_t{0x6}, uint64_t{0x25}, uint64_t{0xf}}) {
                std::vector<uint64_t> banked = rows;
                for (auto& r : banked)
                    while ((r & bankers) != bankers) r = (r & (r - 1)) | bankers;  // drop low numbers for bankers
                const SystemCheck f = check_system(banked, v, {}, bankers);
                const SystemCheck s = brute_force(banked, v, bankers);
                for (int p = 4; p <= 6; ++p) {
                    EXPECT_EQ(f.min_hits[p], s.min_hits[p]) << "v=" << v << " bankers=" << bankers << " p=" << p;
                    EXPECT_EQ(f.best_hits[p], s.best_hits[p]) << "v=" << v << " bankers=" << bankers << " p=" << p;
                }
            }
        }
    }
}

TEST(SystemChecker, ProvesTheShippedPartialSystems) {
    PartialSystems shipped;
    ASSERT_TRUE(load_partial_systems(std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data", shipped));
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const int v = kPartialSystems[static_cast<size_t>(k)].numbers;
        const auto narrow = shipped.rows(k);
        const std::vector<uint64_t> rows(narrow.begin(), narrow.end());
        const SystemCheck c = check_system(rows, v);
        const Guarantee g = guarantee(narrow, v);
        for (const StatedGuarantee& s : partial_guarantees(k)) {
            if (s.p == 0) continue;
            EXPECT_TRUE(c.holds(s.t, s.p)) << kPartialSystems[static_cast<size_t>(k)].name;
        }
        for (int p = 3; p <= 6; ++p) {
            EXPECT_EQ(c.min_hits[p], g.min_hits[p]) << kPartialSystems[static_cast<size_t>(k)].name;
            EXPECT_EQ(c.best_hits[p], g.best_hits[p]) << kPartialSystems[static_cast<size_t>(k)].name;
        }
    }
}

TEST(SystemChecker, NumbersAboveTwentySixAndCancel) {
    // A row on the last six of 49 numbers: six right among them are six hits
    // exactly once.
    const std::vector<uint64_t> rows = {uint64_t{0x3f} << 43};
    const SystemCheck c = check_system(rows, 49);
    EXPECT_EQ(c.best_hits[6][6], 1u);
    EXPECT_EQ(c.min_hits[6], 0);
    uint64_t sum = 0;
    for (uint64_t n : c.best_hits[6]) sum += n;
    EXPECT_EQ(sum, 13983816u);

    std::atomic<bool> cancel{true};
    CheckControl control;
    control.cancel = &cancel;
    EXPECT_TRUE(check_system(rows, 49, control).cancelled);
    EXPECT_FALSE(check_system(rows, 49, control).holds(0, 3));
}

TEST(SystemChecker, BoundsAndRecords) {
    // Schönheim for "t if t"; counting for "5 if 6" as the notes give it.
    EXPECT_EQ(counting_bound(10, 3, 3), 7u);  // the true least is 10
    EXPECT_EQ(counting_bound(12, 5, 5), 132u);
    EXPECT_EQ(counting_bound(22, 3, 3), 77u);
    EXPECT_EQ(counting_bound(20, 5, 6), static_cast<uint64_t>((binomial(20, 6) + 84) / 85));
    EXPECT_EQ(counting_bound(10, 0, 3), 0u);
    ASSERT_TRUE(best_known(16, 4, 4));
    EXPECT_EQ(best_known(16, 4, 4)->rows, 152);
    EXPECT_FALSE(best_known(16, 4, 5));
    EXPECT_FALSE(best_known(15, 3, 3));
}

TEST(SystemChecker, RowsAsNumbers) {
    std::string error;
    const auto r = number_rows({{1, 2, 3, 4, 5, 49}, {2, 3, 4, 5, 6, 7}}, {10}, error);
    ASSERT_TRUE(r) << error;
    EXPECT_EQ(r->numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10, 49}));
    EXPECT_EQ(r->masks[0], 0x11fu);
    EXPECT_FALSE(number_rows({{1, 2, 3, 4, 5}}, {}, error));
    EXPECT_EQ(error, "Reihe 1: eine Reihe hat genau 6 Zahlen, nicht 5.");
    EXPECT_FALSE(number_rows({{1, 2, 3, 4, 5, 50}}, {}, error));
    EXPECT_FALSE(number_rows({{1, 2, 3, 4, 5, 5}}, {}, error));
    EXPECT_EQ(error, "Reihe 1: die Zahl 5 steht zweimal darin.");
    EXPECT_FALSE(number_rows({}, {}, error));
}

}  // namespace
}  // namespace zw
