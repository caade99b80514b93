#include "archive/bundle.h"

#include <gtest/gtest.h>

#include <map>

#include "session/data_folder.h"
#include "temp_folder.h"

namespace zw {
namespace {

using test::TempFolder;
using Bytes = std::vector<uint8_t>;

constexpr size_t kLotto = 0, kMLotto = 1, kSpiel77Sam = 11;

// A Saturday draw file: header, then `draws` records (numbers 1..6 shifted by the draw).
Bytes draw_file(int draws, uint8_t x = 126, uint8_t y = 126, int16_t bundesland = 0) {
    Bytes b = {x, y};
    put_i16(b, bundesland);
    for (int n = 0; n < draws; ++n) {
        for (int k = 0; k < 6; ++k) b.push_back(static_cast<uint8_t>(1 + n % 40 + k));
        b.push_back(static_cast<uint8_t>(1 + n % 9));  // Zusatzzahl 1..9 (all before the Superzahl)
    }
    return b;
}

Bytes side_file(std::vector<int32_t> values) {
    Bytes b;
    put_i16(b, static_cast<int16_t>(values.size()));
    for (int32_t v : values) put_i32(b, v);
    return b;
}

Bytes bundle_of(const std::map<size_t, Bytes>& files) {
    Bytes out;
    for (size_t i = 0; i < data_file_bases().size(); ++i) {
        auto it = files.find(i);
        const Bytes empty;
        const Bytes& f = it == files.end() ? empty : it->second;
        put_i32(out, static_cast<int32_t>(f.size()));
        out.insert(out.end(), f.begin(), f.end());
    }
    return out;
}

Status update(const TempFolder& dir, const Bytes& bundle, UpdatePlan& plan, bool dry_run = false) {
    return update_from_bundle(dir.path(), bundle, dry_run, plan);
}

FileVerdict verdict(const UpdatePlan& plan, const std::string& name) {
    for (const auto& f : plan.files)
        if (f.name == name) return f.verdict;
    ADD_FAILURE() << name;
    return FileVerdict::kAbsent;
}

size_t file_count(const TempFolder& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++n;
    return n;
}

TEST(Bundle, ShippedDataMakesAValidBundleThatHoldsNothingNewer) {
    TempFolder dir;
    seed_data_folder(dir.path(), shipped_data_folder());
    Bytes bytes;
    ASSERT_TRUE(encode_bundle(dir.path(), bytes));
    Bundle b;
    const Status s = decode_bundle(bytes, b);
    ASSERT_TRUE(s) << s.message();
    UpdatePlan plan;
    ASSERT_TRUE(plan_update(dir.path(), b, plan));
    EXPECT_FALSE(plan.any_newer());
    EXPECT_EQ(verdict(plan, "Lotto.Dat"), FileVerdict::kUnchanged);
    EXPECT_EQ(verdict(plan, "Euro.Dat"), FileVerdict::kAbsent);
}

TEST(Bundle, NewerDrawFileKeepsTheUsersCalibrationAndBundesland) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(3, 131, 120, 7));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kLotto, draw_file(5)}}), plan));
    EXPECT_EQ(verdict(plan, "Lotto.Dat"), FileVerdict::kNewer);
    EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(5, 131, 120, 7));
    EXPECT_EQ(file_count(dir), 1u);  // no backup, no temporary file left
}

TEST(Bundle, EmptyOrShorterEntriesKeepTheUsersFile) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(4));
    dir.write("Spiel77Sam.Dat", side_file({1234567, -1}));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kSpiel77Sam, side_file({1234567})}}), plan));
    EXPECT_FALSE(plan.any_newer());
    EXPECT_EQ(verdict(plan, "Lotto.Dat"), FileVerdict::kUnchanged);
    EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(4));
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({1234567, -1}));
}

TEST(Bundle, FilesTheUserDoesNotHaveAreSkipped) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kMLotto, draw_file(9)}}), plan));
    EXPECT_EQ(verdict(plan, "M_Lotto.Dat"), FileVerdict::kAbsent);
    EXPECT_FALSE(find_file(dir.path(), "M_Lotto.Dat"));
}

TEST(Bundle, MixedCaseNamesAreUpdatedInTheirOwnSpelling) {
    TempFolder dir;
    dir.write("lotto.dat", draw_file(2));
    dir.write("SPIEL77SAM.DAT", side_file({1}));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kLotto, draw_file(3)}, {kSpiel77Sam, side_file({1, 2})}}), plan));
    EXPECT_EQ(dir.read("lotto.dat"), draw_file(3));
    EXPECT_EQ(dir.read("SPIEL77SAM.DAT"), side_file({1, 2}));
    EXPECT_EQ(file_count(dir), 2u);
}

TEST(Bundle, TruncatedOversizedAndGarbageBundlesChangeNothing) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    const Bytes good = bundle_of({{kLotto, draw_file(3)}});
    std::vector<Bytes> bad = {
        {},                                        // empty
        Bytes(good.begin(), good.end() - 1),       // truncated
        Bytes(good.begin(), good.begin() + 30),    // cut inside a file
        good,                                      // trailing byte (below)
        Bytes(kBundleMaxBytes + 1, 0),             // too large
        Bytes(100, 0xff),                          // garbage lengths
    };
    bad[3].push_back(0);
    for (size_t i = 0; i < bad.size(); ++i) {
        UpdatePlan plan;
        const Status s = update(dir, bad[i], plan);
        EXPECT_FALSE(s) << i;
        EXPECT_NE(s.message().find("nichts geändert"), std::string::npos) << s.message();
        EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(2)) << i;
        EXPECT_EQ(file_count(dir), 1u);
    }
}

TEST(Bundle, InvalidFilesInsideTheBundleAreRefused) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    auto with_record = [](std::array<uint8_t, 7> rec) {
        Bytes b = draw_file(2);
        b.insert(b.end(), rec.begin(), rec.end());
        return b;
    };
    Bytes partial = draw_file(3);
    partial.pop_back();
    Bytes huge_count = side_file({1});
    huge_count[0] = 0xff;
    huge_count[1] = 0x7f;
    const std::vector<std::map<size_t, Bytes>> bad = {
        {{kLotto, with_record({1, 2, 3, 4, 5, 50, 1})}},   // number beyond 49
        {{kLotto, with_record({1, 2, 3, 4, 5, 5, 1})}},    // twice
        {{kLotto, with_record({1, 2, 3, 4, 5, 6, 60})}},   // Zusatzzahl beyond 49
        {{kLotto, partial}},                               // half a record
        {{kLotto, Bytes{1, 2}}},                           // shorter than the header
        {{kSpiel77Sam, side_file({12345678})}},            // eight digits
        {{kSpiel77Sam, huge_count}},                       // count beyond the bytes
        {{19, Bytes{1, 2, 3, 4, 5, 46}}},                  // LottoPlus beyond 45
        {{20, Bytes{'x', ',', '1', '\n'}}},                // bonus line
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        UpdatePlan plan;
        EXPECT_FALSE(update(dir, bundle_of(bad[i]), plan)) << i;
        EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(2)) << i;
    }
}

TEST(Bundle, ABundleThatContradictsTheUsersDrawsChangesNothing) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(3));
    dir.write("Spiel77Sam.Dat", side_file({5, -1}));
    Bytes other = draw_file(5);
    other[4 + 7 + 5] = 45;  // draw 2 has another sixth number
    UpdatePlan plan;
    Status s = update(dir, bundle_of({{kLotto, other}, {kSpiel77Sam, side_file({5, 6, 7})}}), plan);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("Lotto.Dat (Ziehung 2)"), std::string::npos) << s.message();
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({5, -1}));
    // A number the user lacks (-1) may be filled; one the user has may not change.
    ASSERT_TRUE(update(dir, bundle_of({{kSpiel77Sam, side_file({5, 6, 7})}}), plan));
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({5, 6, 7}));
    EXPECT_FALSE(update(dir, bundle_of({{kSpiel77Sam, side_file({9, 6, 7, 8})}}), plan));
}

TEST(Bundle, DryRunOnlyReports) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kLotto, draw_file(4)}}), plan, true));
    EXPECT_EQ(verdict(plan, "Lotto.Dat"), FileVerdict::kNewer);
    EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(2));
}

TEST(Bundle, AFileThatCannotBeReplacedChangesNoFileOfTheUpdate) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    dir.write("Spiel77Sam.Dat", side_file({1}));
    fs::permissions(dir / "Spiel77Sam.Dat", fs::perms::owner_read | fs::perms::group_read);
    UpdatePlan plan;
    const Status s = update_from_bundle(
        dir.path(), bundle_of({{kLotto, draw_file(3)}, {kSpiel77Sam, side_file({1, 2})}}), false, plan);
    ASSERT_FALSE(s);
    EXPECT_NE(s.message().find("Spiel77Sam.Dat ist schreibgeschützt"), std::string::npos);
    EXPECT_NE(s.message().find("Es wurde nichts geändert"), std::string::npos);
    EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(2));
    EXPECT_EQ(dir.read("Spiel77Sam.Dat"), side_file({1}));
    EXPECT_EQ(file_count(dir), 2u);
}

TEST(Bundle, StaleBackupsAreReplacedNotTakenForNewData) {
    TempFolder dir;
    dir.write("LOTTO.DAT", draw_file(2));
    dir.write("LOTTO.DAT.kat", draw_file(1));
    UpdatePlan plan;
    ASSERT_TRUE(update(dir, bundle_of({{kLotto, draw_file(3)}}), plan));
    EXPECT_EQ(dir.read("LOTTO.DAT"), draw_file(3));
    EXPECT_EQ(file_count(dir), 1u);
}

}  // namespace
}  // namespace zw
