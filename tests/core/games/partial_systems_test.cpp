#include "games/partial_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>

#include "games/partial_system_designs.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;

// Calls f for every k-subset of {0..v-1}.
template <class F>
void for_each_subset(int v, int k, F f) {
    for (uint32_t s = (1u << k) - 1; s < (1u << v);) {
        f(s);
        const uint32_t c = s & (~s + 1);
        const uint32_t n = s + c;
        s = (((n ^ s) >> 2) / c) | n;
    }
}

int rows_containing(std::span<const uint32_t> rows, uint32_t set) {
    int n = 0;
    for (uint32_t r : rows) n += (r & set) == set;
    return n;
}

// Every t-subset of the v points lies in exactly `times` rows.
bool every_set_in_rows(std::span<const uint32_t> rows, int v, int t, int times) {
    bool ok = true;
    for_each_subset(v, t, [&](uint32_t s) { ok = ok && rows_containing(rows, s) == times; });
    return ok;
}

// Valid tables that have nothing to do with the shipped file: system k plays
// the first b six-sets of its numbers in increasing mask order.
PartialSystems first_rows_tables() {
    std::array<std::vector<uint32_t>, kPartialSystemCount> rows;
    for (int k = 0; k < kPartialSystemCount; ++k) {
        for_each_subset(kPartialSystems[k].numbers, 6, [&](uint32_t s) {
            if (static_cast<int>(rows[k].size()) < kPartialSystems[k].rows) rows[k].push_back(s);
        });
    }
    PartialSystems tables;
    EXPECT_TRUE(PartialSystems::assemble(rows, tables));
    return tables;
}

void put16(std::vector<uint8_t>& bytes, size_t offset, int16_t v) {
    bytes[offset] = static_cast<uint8_t>(v & 0xff);
    bytes[offset + 1] = static_cast<uint8_t>((v >> 8) & 0xff);
}
void put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}
constexpr size_t kCounts = 0, kBitValues = 38, kMasks = 142, kStarts = 15794;

bool same_tables(const PartialSystems& a, const PartialSystems& b) {
    return encode_partial_systems(a) == encode_partial_systems(b) && a.empty() == b.empty();
}

TEST(PartialSystemsFile, RoundTripKeepsEveryTableAndByte) {
    const PartialSystems tables = first_rows_tables();
    const auto bytes = encode_partial_systems(tables);
    ASSERT_EQ(bytes.size(), kPartialFileSize);
    // Little-endian blocks in file order.
    EXPECT_EQ(get_i16(&bytes[kCounts + 2 * 13]), 1392);
    EXPECT_EQ(get_i32(&bytes[kBitValues + 4 * 25]), 1 << 25);
    EXPECT_EQ(get_i32(&bytes[kMasks]), 0x3f);  // first row of 09/12: numbers 1..6
    EXPECT_EQ(get_i16(&bytes[kStarts + 2 * 18]), kPartialMaskTotal - 112);

    PartialSystems back;
    ASSERT_TRUE(read_partial_systems(bytes, back));
    EXPECT_FALSE(back.empty());
    EXPECT_EQ(encode_partial_systems(back), bytes);
    int next = 0;
    for (int k = 0; k < kPartialSystemCount; ++k) {
        EXPECT_EQ(back.start_index(k), next);
        EXPECT_EQ(back.row_count(k), kPartialSystems[k].rows);
        const auto a = tables.rows(k), b = back.rows(k);
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << k;
        next += kPartialSystems[k].rows;
    }
}

TEST(PartialSystemsFile, RowsOfNoSystemAreEmpty) {
    const PartialSystems none;
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none.rows(0).empty());
    const PartialSystems tables = first_rows_tables();
    EXPECT_TRUE(tables.rows(-1).empty());
    EXPECT_TRUE(tables.rows(kPartialSystemCount).empty());
    EXPECT_EQ(tables.rows(17).size(), 130u);
}

TEST(PartialSystemsFile, AssembleRefusesRowsThatDoNotFitTheCatalogue) {
    std::array<std::vector<uint32_t>, kPartialSystemCount> rows;
    PartialSystems tables;
    EXPECT_FALSE(PartialSystems::assemble(rows, tables));  // no rows at all
    EXPECT_TRUE(tables.empty());
}

// Each case damages one field of a valid file; the reader must refuse it
// and keep what it held, without reading outside the buffer (the asan
// preset checks the last part).
TEST(PartialSystemsFile, HostileFilesAreRefusedAndTablesStay) {
    const PartialSystems held = first_rows_tables();
    const auto good = encode_partial_systems(held);
    struct Case {
        std::string what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"one byte", {12}});
    cases.push_back({"truncated", {good.begin(), good.end() - 1}});
    auto longer = good;
    longer.push_back(0);
    cases.push_back({"one byte too long", longer});
    auto edit = [&](std::string what, auto change) {
        auto b = good;
        change(b);
        cases.push_back({std::move(what), std::move(b)});
    };
    edit("start beyond the block", [](auto& b) { put16(b, kStarts + 2 * 18, kPartialMaskTotal); });
    edit("start plus count past the end",
         [](auto& b) { put16(b, kStarts + 2 * 18, kPartialMaskTotal - 111); });
    edit("start negative", [](auto& b) { put16(b, kStarts + 2 * 3, -1); });
    edit("start at the int16 limit", [](auto& b) { put16(b, kStarts, 32767); });
    edit("row count negative", [](auto& b) { put16(b, kCounts + 2 * 5, -101); });
    edit("row count too big", [](auto& b) { put16(b, kCounts + 2 * 13, 4000); });
    edit("row count not the catalogue's", [](auto& b) { put16(b, kCounts, 11); });
    edit("row count zero", [](auto& b) { put16(b, kCounts + 2 * 18, 0); });
    edit("mask with seven numbers", [](auto& b) { put32(b, kMasks, 0x7f); });
    edit("mask with five numbers", [](auto& b) { put32(b, kMasks + 4 * 20, 0x1f); });
    edit("mask beyond the system's numbers",
         [](auto& b) { put32(b, kMasks + 4 * 11, 0x3f << 4); });  // bit 9 in 09/12
    edit("mask with the sign bit", [](auto& b) { put32(b, kMasks + 4 * 3912, 0x8000001fu); });
    edit("bit value not a power of two", [](auto& b) { put32(b, kBitValues + 4 * 7, 0); });

    for (const auto& c : cases) {
        PartialSystems tables = held;
        const std::vector<uint8_t> exact(c.bytes);  // no slack after the data
        const Status st = read_partial_systems(exact, tables);
        EXPECT_FALSE(st) << c.what;
        EXPECT_NE(st.message().find("ZIEHWERK.ASW"), std::string::npos) << c.what;
        EXPECT_TRUE(same_tables(tables, held)) << c.what;
    }
}

TEST(PartialSystemsFile, ReadsAnySpellingAndSkipsAMissingFile) {
    TempFolder dir;
    PartialSystems tables;
    EXPECT_TRUE(load_partial_systems(dir.path(), tables));
    EXPECT_TRUE(tables.empty());

    const PartialSystems held = first_rows_tables();
    dir.write("ziehwerk.asw", encode_partial_systems(held));
    ASSERT_TRUE(load_partial_systems(dir.path(), tables));
    EXPECT_TRUE(same_tables(tables, held));

    // A missing file leaves loaded tables alone; a damaged one too.
    EXPECT_TRUE(load_partial_systems(dir / "elsewhere", tables));
    EXPECT_TRUE(same_tables(tables, held));
    dir.write("ziehwerk.asw", std::vector<uint8_t>(kPartialFileSize * 4, 0));
    EXPECT_FALSE(load_partial_systems(dir.path(), tables));
    EXPECT_TRUE(same_tables(tables, held));
}

TEST(PartialSystemGuarantee, CountsTheBestRowOfEverySubset) {
    // Seven numbers, rows 1..6 and 2..7: a 3-set holding both 1 and 7 meets
    // each row in only two numbers.
    const std::vector<uint32_t> rows = {0x3f, 0x7e};
    const Guarantee g = guarantee(rows, 7);
    EXPECT_EQ(g.min_hits[3], 2);
    EXPECT_EQ(g.best_hits[3][2], 5u);
    EXPECT_EQ(g.best_hits[3][3], 30u);
    EXPECT_EQ(g.min_hits[6], 5);
    EXPECT_EQ(g.best_hits[6][6], 2u);
    EXPECT_EQ(g.best_hits[6][5], 5u);
    EXPECT_TRUE(g.holds(5, 6));
    EXPECT_FALSE(g.holds(3, 3));
    EXPECT_FALSE(g.holds(2, 2));  // only p = 3..6 is walked
    double sum = 0;
    for (int t = 0; t <= 6; ++t) sum += g.share(4, t);
    EXPECT_DOUBLE_EQ(sum, 1.0);
}

TEST(PartialSystemGuarantee, IgnoresBitsAboveTheNumbersAndOddSizes) {
    const std::vector<uint32_t> rows = {0x3f | (1u << 20)};
    EXPECT_EQ(guarantee(rows, 6).min_hits[6], 6);
    EXPECT_EQ(guarantee(rows, 5).subsets[3], 0u);
    EXPECT_EQ(guarantee(rows, 27).subsets[3], 0u);
    const Guarantee none = guarantee({}, 9);
    EXPECT_EQ(none.min_hits[3], 0);
    EXPECT_EQ(none.best_hits[6][0], 84u);
}

TEST(PartialSystemDesigns, SteinerSystemsHoldEveryTSetExactlyOnce) {
    const auto s12 = steiner_5_6_12();
    EXPECT_EQ(s12.size(), 132u);
    EXPECT_TRUE(every_set_in_rows(s12, 12, 5, 1));
    const auto s22 = steiner_3_6_22();
    EXPECT_EQ(s22.size(), 77u);
    EXPECT_TRUE(every_set_in_rows(s22, 22, 3, 1));
    const auto s26 = steiner_3_6_26();
    EXPECT_EQ(s26.size(), 130u);
    EXPECT_TRUE(every_set_in_rows(s26, 26, 3, 1));
}

TEST(PartialSystemDesigns, DerivedSystemsKeepFourIfFourAndFiveIfSix) {
    const auto s12 = steiner_5_6_12();
    const int sizes[] = {0, 66, 30, 12};
    for (int dropped = 1; dropped <= 3; ++dropped) {
        const auto rows = rows_avoiding_top(s12, 12, dropped);
        ASSERT_EQ(static_cast<int>(rows.size()), sizes[dropped]);
        const Guarantee g = guarantee(rows, 12 - dropped);
        EXPECT_TRUE(g.holds(4, 4) && g.holds(5, 6)) << dropped;
    }
    EXPECT_TRUE(every_set_in_rows(rows_avoiding_top(s12, 12, 1), 11, 4, 3));
}

TEST(PartialSystemDesigns, SearchStartsLeaveTheDocumentedGaps) {
    const auto g16 = golay_rows_16();
    EXPECT_EQ(g16.size(), 112u);
    EXPECT_EQ(guarantee(g16, 16).best_hits[4][4], 1820u - 140u);
}

TEST(PartialSystemDesigns, CoveringOfEighteenHoldsEveryFourSet) {
    const auto rows = covering_4_6_18();
    ASSERT_EQ(rows.size(), 252u);
    for (uint32_t r : rows) {
        EXPECT_EQ(std::popcount(r), 6);
        EXPECT_EQ(r >> 18, 0u);
    }
    int uncovered = 0;
    for_each_subset(18, 4, [&](uint32_t s) { uncovered += rows_containing(rows, s) == 0; });
    EXPECT_EQ(uncovered, 0);
}

TEST(PartialSystemDesigns, SearchIsRepeatableAndKeepsFixedRows) {
    RowSearch search;
    search.numbers = 10;
    search.rows = 15;
    search.required = {{3, 3}, {5, 6}};
    search.preferred = {{4, 4}};
    search.fixed = {0x3f, 0x3f0};
    search.seed = 42;
    search.attempts = 3;
    search.iterations = 500'000;
    search.polish_iterations = 50'000;
    const auto a = search_rows(search);
    const auto b = search_rows(search);
    ASSERT_TRUE(a.reached);
    EXPECT_EQ(a.rows, b.rows);
    ASSERT_EQ(a.rows.size(), 15u);
    EXPECT_EQ(std::set<uint32_t>(a.rows.begin(), a.rows.end()).size(), 15u);
    EXPECT_EQ(rows_containing(a.rows, 0x3f), 1);
    EXPECT_EQ(rows_containing(a.rows, 0x3f0), 1);
    const Guarantee g = guarantee(a.rows, 10);
    EXPECT_TRUE(g.holds(3, 3) && g.holds(5, 6));
    EXPECT_EQ(static_cast<uint64_t>(a.preferred_missing),
              g.best_hits[4][0] + g.best_hits[4][1] + g.best_hits[4][2] + g.best_hits[4][3]);
}

TEST(PartialSystemDesigns, SearchRefusesWhatItCannotDo) {
    auto refused = [](auto change) {
        RowSearch search;
        search.numbers = 8;
        search.rows = 10;
        search.required = {{3, 3}};
        search.iterations = 1000;
        change(search);
        const auto result = search_rows(search);
        return !result.reached && result.rows.empty();
    };
    EXPECT_FALSE(refused([](RowSearch&) {}));
    EXPECT_TRUE(refused([](RowSearch& s) {
        s.numbers = 6;
        s.rows = 1;
    }));
    EXPECT_TRUE(refused([](RowSearch& s) { s.rows = 29; }));  // C(8,6) = 28
    EXPECT_TRUE(refused([](RowSearch& s) { s.required = {{4, 3}}; }));
    EXPECT_TRUE(refused([](RowSearch& s) { s.preferred = {{0, 3}}; }));
    EXPECT_TRUE(refused([](RowSearch& s) { s.fixed = {0x7f}; }));
    EXPECT_TRUE(refused([](RowSearch& s) { s.fixed = {0x3f << 3}; }));  // number 9 of 8
    EXPECT_TRUE(refused([](RowSearch& s) { s.fixed = {0x3f, 0x3f}; }));
}

// The shipped file, proved system by system by walking every subset.
class PartialSystemsShipped : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const auto folder = std::filesystem::path(ZIEHWERK_SOURCE_DIR) / "data";
        load_status_ = load_partial_systems(folder, shipped_);
    }
    static inline PartialSystems shipped_;
    static inline Status load_status_;
};

TEST_F(PartialSystemsShipped, EverySystemHasItsRowCountOfDistinctRows) {
    ASSERT_TRUE(load_status_) << load_status_.message();
    ASSERT_FALSE(shipped_.empty());
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto rows = shipped_.rows(k);
        EXPECT_EQ(static_cast<int>(rows.size()), kPartialSystems[k].rows);
        EXPECT_EQ(std::set<uint32_t>(rows.begin(), rows.end()).size(), rows.size());
        for (uint32_t r : rows) {
            EXPECT_EQ(std::popcount(r), 6);
            EXPECT_EQ(r >> kPartialSystems[k].numbers, 0u);
        }
    }
}

TEST_F(PartialSystemsShipped, EverySystemReachesItsGuarantee) {
    ASSERT_FALSE(shipped_.empty());
    // Minimum hits of the best row for p = 3, 4, 5, 6 drawn numbers among the
    // player's.
    const std::array<std::array<int, 4>, kPartialSystemCount> target = {{
        {3, 4, 4, 5}, {3, 3, 4, 5}, {3, 4, 4, 5}, {3, 4, 5, 5}, {3, 4, 4, 5},
        {3, 4, 5, 5}, {3, 3, 4, 4}, {3, 4, 4, 5}, {3, 4, 5, 5}, {3, 4, 5, 5},
        {3, 4, 4, 4}, {3, 4, 5, 5}, {3, 4, 4, 4}, {3, 4, 5, 5}, {3, 4, 4, 4},
        {3, 4, 4, 4}, {3, 3, 3, 3}, {3, 3, 3, 3}, {3, 3, 4, 4},
    }};
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const Guarantee g = guarantee(shipped_.rows(k), kPartialSystems[k].numbers);
        for (int p = 3; p <= 6; ++p)
            EXPECT_GE(g.min_hits[p], target[k][p - 3])
                << kPartialSystems[k].name << " with " << p << " drawn";
    }
    // The designs hold their sets exactly as often as constructed.
    EXPECT_TRUE(every_set_in_rows(shipped_.rows(4), 11, 4, 3));
    EXPECT_TRUE(every_set_in_rows(shipped_.rows(8), 12, 5, 1));
    EXPECT_TRUE(every_set_in_rows(shipped_.rows(16), 22, 3, 1));
    EXPECT_TRUE(every_set_in_rows(shipped_.rows(17), 26, 3, 1));
}

}  // namespace
}  // namespace zw
