#include "games/partial_guarantees.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zw {
namespace {

TEST(PartialGuarantees, TheTableHoldsForTheShippedRows) {
    // Walks every subset of the player's numbers for every shipped system.
    PartialSystems shipped;
    ASSERT_TRUE(load_partial_systems(std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data", shipped));
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const Guarantee g = guarantee(shipped.rows(k), kPartialSystems[static_cast<size_t>(k)].numbers);
        const SystemGuarantees proved = stated_guarantees(g);
        const SystemGuarantees table = partial_guarantees(k);
        for (size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(proved[i].t, table[i].t) << kPartialSystems[static_cast<size_t>(k)].name;
            EXPECT_EQ(proved[i].p, table[i].p) << kPartialSystems[static_cast<size_t>(k)].name;
        }
    }
}

TEST(PartialGuarantees, LabelsForTheConsoleList) {
    EXPECT_EQ(guarantee_label(0), "4 Richtige sicher bei 4 Treffern unter Ihren Zahlen");
    EXPECT_EQ(guarantee_label(14), "4 Richtige sicher bei 4 Treffern unter Ihren Zahlen");
    EXPECT_EQ(guarantee_label(6), "3 Richtige sicher bei 3, 4 Richtige bei 5 Treffern unter Ihren Zahlen");
    EXPECT_EQ(guarantee_label(-1), "");
    EXPECT_EQ(guarantee_label(kPartialSystemCount), "");
}

}  // namespace
}  // namespace zw
