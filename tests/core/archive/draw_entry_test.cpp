#include "archive/draw_entry.h"

#include <gtest/gtest.h>

#include "archive/calendar.h"
#include "games/draw_rules.h"

namespace zw {
namespace {

GameParams game(GameCode code) { return game_params(code); }

struct Fixture {
    GameParams params;
    DrawArchive archive;
    DrawRange range;
    DrawEntry entry;
    explicit Fixture(GameCode code, int draws = 0) : params(game(code)), entry(params, archive, range) {
        archive.clear_for(params);
        if (draws > 0) archive.extend_to(draws);
        for (int n = 1; n <= draws; ++n) {
            Draw d;
            for (int k = 0; k < 6; ++k) d.numbers[k] = static_cast<uint8_t>(k + 1 + n % 30);
            d.extra = static_cast<uint8_t>(7 + n % 30);
            archive.set_draw(n, d);
        }
        archive.set_saved(true);
        range.set(1, archive.newest());
        entry.open();
    }
    // Types "digits" as the keyboard would: two digits, or one digit and RETURN.
    EntryStep type(int value, bool two_digits = true) {
        if (value >= 10 || two_digits) {
            entry.digit(value / 10);
            return entry.digit(value % 10);
        }
        entry.digit(value);
        return entry.enter();
    }
    void type_draw(std::array<int, 7> values) {
        for (int v : values) type(v);
    }
};

TEST(DrawEntry, OpensAtTheFirstMissingDraw) {
    Fixture f(kLottoSaturday, 5);
    EXPECT_EQ(f.entry.entry_draw(), 6);
    EXPECT_EQ(f.entry.cursor(), 0);
    EXPECT_EQ(f.entry.fields()[0], DrawEntry::kBlank);
}

TEST(DrawEntry, OpensAfterTheNewestDrawWhenTheRangeWasSteppedBack) {
    Fixture f(kLottoSaturday, 10);
    f.range.set(1, 7);  // a chart stepped back with "-"
    f.entry.open();
    EXPECT_EQ(f.entry.entry_draw(), 11);
    EXPECT_FALSE(f.entry.correcting());
    ASSERT_TRUE(f.entry.go_to(8));
    EXPECT_TRUE(f.entry.correcting());
    // An empty draw inside the archive is filled, not corrected.
    f.archive.set_draw(9, Draw{});
    ASSERT_TRUE(f.entry.go_to(9));
    EXPECT_FALSE(f.entry.correcting());
}

TEST(DrawEntry, FetchedValuesOnlyFillTheDrawTheyWereFetchedFor) {
    Fixture f(kLottoSaturday, 5);
    const std::array<int, 7> values{1, 2, 3, 4, 5, 6, 7};
    ASSERT_TRUE(f.entry.previous());
    EXPECT_FALSE(f.entry.fill_fields(6, values));
    EXPECT_EQ(f.entry.cursor(), 0);
    EXPECT_EQ(f.entry.fields()[0], 1 + 5 % 30);  // draw 5 as stored
    EXPECT_TRUE(f.entry.fill_fields(5, values));
    EXPECT_EQ(f.entry.cursor(), 7);
}

TEST(DrawEntry, OnlyADrawMoreThanFourWeeksPastTheNewestIsAFarGap) {
    Fixture f(kLottoSaturday, 3000);  // weekly draws
    for (int k = 0; k < 3; ++k) f.entry.next();
    EXPECT_EQ(f.entry.gap().days, 28);
    EXPECT_FALSE(f.entry.gap().far());
    f.entry.next();
    EXPECT_TRUE(f.entry.gap().far());
    EXPECT_EQ(f.entry.gap().empty(), 4);
    Fixture empty(kLottoSaturday);  // draw 1 follows nothing
    EXPECT_FALSE(empty.entry.gap().far());
}

TEST(DrawEntry, OneDigitNeedsReturnTwoDigitsAreTakenAtOnce) {
    Fixture f(kLottoSaturday, 5);
    EXPECT_EQ(f.entry.digit(7), EntryStep::kShown);
    EXPECT_EQ(f.entry.cursor(), 0);
    EXPECT_EQ(f.entry.field_text(0), "7");
    EXPECT_EQ(f.entry.enter(), EntryStep::kShown);
    EXPECT_EQ(f.entry.fields()[0], 7);
    f.entry.digit(0);
    EXPECT_EQ(f.entry.digit(8), EntryStep::kShown);  // "08" is 8
    EXPECT_EQ(f.entry.fields()[1], 8);
    EXPECT_EQ(f.entry.cursor(), 2);
    EXPECT_EQ(f.entry.enter(), EntryStep::kNothing);  // nothing typed
}

TEST(DrawEntry, RepeatedNumberAndZusatzzahlAmongTheSixAreRefused) {
    Fixture f(kToto, 3);
    f.type(12);
    EXPECT_EQ(f.type(12), EntryStep::kRefused);
    EXPECT_EQ(f.entry.cursor(), 1);
    EXPECT_EQ(f.entry.fields()[1], DrawEntry::kBlank);
    EXPECT_EQ(f.type(46), EntryStep::kRefused);  // beyond 45
    for (int v : {13, 14, 15, 16, 17}) f.type(v);
    EXPECT_EQ(f.type(15), EntryStep::kRefused);  // Zusatzzahl equal to a number
    EXPECT_EQ(f.type(0, false), EntryStep::kRefused);
    EXPECT_EQ(f.type(45), EntryStep::kComplete);
}

TEST(DrawEntry, SuperzahlZeroOnlyFromTheStartDrawAndStoredAsTen) {
    Fixture before(kLottoSaturday, 1885);
    ASSERT_EQ(before.entry.entry_draw(), 1886);
    for (int v : {1, 2, 3, 4, 5, 6}) before.type(v);
    EXPECT_EQ(before.entry.extra_label(), "ZZ");
    EXPECT_EQ(before.type(0, false), EntryStep::kRefused);

    Fixture from(kLottoSaturday, 1886);
    EXPECT_EQ(from.entry.extra_label(), "SZ");
    for (int v : {49, 3, 17, 8, 22, 41}) from.type(v);
    EXPECT_EQ(from.type(12), EntryStep::kRefused);  // Superzahl 0..9
    EXPECT_EQ(from.type(0, false), EntryStep::kComplete);
    ASSERT_TRUE(from.entry.store_entry_draw());
    EXPECT_EQ(from.archive.draw(1887), (Draw{{3, 8, 17, 22, 41, 49}, 10}));
    EXPECT_FALSE(from.archive.saved());
    EXPECT_EQ(from.range.last, 1887);
    from.entry.show_entry_draw();
    EXPECT_EQ(from.entry.fields()[6], 0);  // shown as 0 again
}

TEST(DrawEntry, SwissLuckyNumberOneToSixFromDraw3074) {
    Fixture f(kSwiss, 3073);
    EXPECT_EQ(f.entry.extra_label(), "GZ");
    for (int v : {1, 2, 3, 4, 5, 6}) f.type(v);
    EXPECT_EQ(f.type(7, false), EntryStep::kRefused);
    EXPECT_EQ(f.type(6, false), EntryStep::kComplete);  // may equal a number
    Fixture older(kSwiss, 3072);
    for (int v : {1, 2, 3, 4, 5, 6}) older.type(v);
    EXPECT_EQ(older.type(42), EntryStep::kComplete);  // the Zusatzzahl up to 3073
}

TEST(DrawEntry, BackspaceRemovesTheDigitThenGoesBackAField) {
    Fixture f(kLottoSaturday, 5);
    f.type(23);
    f.entry.digit(4);
    EXPECT_EQ(f.entry.backspace(), EntryStep::kShown);
    EXPECT_EQ(f.entry.typed(), "");
    EXPECT_EQ(f.entry.backspace(), EntryStep::kShown);
    EXPECT_EQ(f.entry.cursor(), 0);
    EXPECT_EQ(f.entry.typed(), "2");  // the first digit of 23 stays typed
    EXPECT_EQ(f.entry.fields()[0], DrawEntry::kBlank);
    EXPECT_EQ(f.entry.digit(9), EntryStep::kShown);
    EXPECT_EQ(f.entry.fields()[0], 29);
}

TEST(DrawEntry, EnteringBeyondTheNewestDrawLeavesEmptyDrawsBetween) {
    Fixture f(kLottoSaturday, 5);
    EXPECT_TRUE(f.entry.next());
    EXPECT_TRUE(f.entry.next());
    ASSERT_EQ(f.entry.entry_draw(), 8);
    f.type_draw({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(f.entry.store_entry_draw());
    EXPECT_EQ(f.archive.newest(), 8);
    EXPECT_EQ(f.range.last, 8);
    for (int n : {6, 7})
        EXPECT_EQ(f.archive.draw(n), Draw{});
}

TEST(DrawEntry, CorrectingAnOlderDrawKeepsTheRange) {
    Fixture f(kLottoSaturday, 10);
    f.range.set(3, 10);
    ASSERT_TRUE(f.entry.go_to(4));
    EXPECT_EQ(f.entry.fields()[0], 1 + 4 % 30);  // the stored draw is shown
    f.type_draw({11, 12, 13, 14, 15, 16, 17});
    ASSERT_TRUE(f.entry.store_entry_draw());
    EXPECT_EQ(f.range.first, 3);
    EXPECT_EQ(f.range.last, 10);
    EXPECT_EQ(f.archive.draw(4).numbers[0], 11);
}

TEST(DrawEntry, CorrectingASwissDrawKeepsItsPlusNumber) {
    Fixture f(kSwiss, kSwissPlusFirst + 5);
    Draw stored = f.archive.draw(kSwissPlusFirst);
    stored.plus = 33;
    f.archive.set_draw(kSwissPlusFirst, stored);
    ASSERT_TRUE(f.entry.go_to(kSwissPlusFirst));
    f.type_draw({11, 12, 13, 14, 15, 16, 17});
    ASSERT_TRUE(f.entry.store_entry_draw());
    EXPECT_EQ(f.archive.draw(kSwissPlusFirst), (Draw{{11, 12, 13, 14, 15, 16}, 17, 33}));
}

TEST(DrawEntry, PlusStopsAtTheCapacity) {
    Fixture f(kSwiss);
    ASSERT_TRUE(f.entry.go_to(7000));
    EXPECT_FALSE(f.entry.next());
    EXPECT_EQ(f.entry.entry_draw(), 7000);
    Fixture g(kToto);
    EXPECT_FALSE(g.entry.go_to(8001));
    EXPECT_FALSE(g.entry.previous());  // at draw 1
}

TEST(DrawEntry, SideNumbersStoreOnMoveAndAnEmptiedBoxClearsButKeepsTheCount) {
    Fixture f(kToto, 3);  // Spiel 77 offset -1, Super 6 offset -871
    f.entry.side_box = "0012345";
    f.entry.super6_box = "654321";
    ASSERT_TRUE(f.entry.super6_box_usable() == false);  // index below 0
    EXPECT_TRUE(f.entry.next());
    EXPECT_EQ(f.archive.side_number(4), 12345);
    EXPECT_EQ(f.archive.side_count(), 4);
    EXPECT_EQ(f.archive.super6_number(4), -1);
    EXPECT_FALSE(f.archive.saved());
    EXPECT_TRUE(f.entry.previous());
    EXPECT_EQ(f.entry.side_box, "0012345");  // seven digits with leading zeros
    f.entry.side_box.clear();
    f.entry.store_side_numbers();
    EXPECT_EQ(f.archive.side_number(4), -1);
    EXPECT_EQ(f.archive.side_count(), 4);
}

TEST(DrawEntry, IncompleteSideNumbersAreNeverStored) {
    Fixture f(kLottoSaturday, 1900);
    ASSERT_TRUE(f.entry.go_to(1900));
    f.entry.side_box = "98";        // a half-typed Spiel 77 number
    f.entry.super6_box = "12345";   // five of six digits
    f.entry.store_side_numbers();
    EXPECT_EQ(f.archive.side_number(1900), -1);
    EXPECT_EQ(f.archive.super6_number(1900), -1);
    EXPECT_TRUE(f.archive.saved());
    f.entry.side_box = "0000098";
    f.entry.super6_box = "012345";
    f.entry.store_side_numbers();
    EXPECT_EQ(f.archive.side_number(1900), 98);
    EXPECT_EQ(f.archive.super6_number(1900), 12345);

    Fixture a(kAustria, 200);  // the Joker has six digits
    ASSERT_TRUE(a.entry.go_to(200));
    a.entry.side_box = "1234567";
    a.entry.store_side_numbers();
    EXPECT_EQ(a.archive.side_number(200), -1);
}

TEST(DrawEntry, MovingWithoutChangesKeepsTheArchiveSaved) {
    Fixture f(kLottoSaturday, 1900);
    f.archive.set_side_number(1900, 7654321);
    f.archive.set_saved(true);
    ASSERT_TRUE(f.entry.go_to(1900));
    EXPECT_TRUE(f.entry.next());
    EXPECT_TRUE(f.entry.previous());
    EXPECT_TRUE(f.archive.saved());
}

TEST(DrawEntry, DeletingTheNewestDrawShrinksCountsAndRange) {
    Fixture f(kToto, 5);
    f.archive.set_side_number(5, 1111111);  // index 4: the last entry
    f.archive.set_super6_number(5, 222222);  // below 0: not stored
    ASSERT_TRUE(f.entry.go_to(5));
    EXPECT_TRUE(f.entry.can_delete());
    EXPECT_TRUE(f.entry.delete_entry());
    EXPECT_EQ(f.archive.newest(), 4);
    EXPECT_EQ(f.archive.side_count(), 4);
    EXPECT_EQ(f.archive.side_number(5), -1);
    EXPECT_EQ(f.range.last, 4);
    EXPECT_EQ(f.entry.fields()[0], DrawEntry::kBlank);
    // Draw 5 no longer exists; no side number is left at its place either.
    EXPECT_FALSE(f.entry.can_delete());
    EXPECT_FALSE(f.entry.delete_entry());
}

TEST(DrawEntry, DeleteOnAnOlderDrawRemovesOnlyTheNewestSideNumber) {
    Fixture f(kToto, 5);
    f.archive.set_side_number(3, 333);  // index 2: the last entry
    ASSERT_TRUE(f.entry.go_to(3));
    EXPECT_TRUE(f.entry.delete_entry());
    EXPECT_EQ(f.archive.newest(), 5);
    EXPECT_EQ(f.archive.side_count(), 2);
    EXPECT_EQ(f.archive.side_number(3), -1);
    ASSERT_TRUE(f.entry.go_to(1));  // neither the newest draw nor the last side entry
    EXPECT_FALSE(f.entry.can_delete());
    EXPECT_FALSE(f.entry.delete_entry());
}

TEST(DrawEntry, AustrianLottoPlusNeedsSixDifferentNumbers) {
    Fixture f(kAustria, 2666);
    EXPECT_FALSE(f.entry.plus_boxes_usable());  // draw 2667
    ASSERT_TRUE(f.entry.next());
    ASSERT_EQ(f.entry.entry_draw(), 2668);
    f.entry.plus_boxes = {"5", "3", "9", "9", "12", "40"};
    f.type_draw({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(f.entry.store_entry_draw());
    EXPECT_EQ(f.archive.lotto_plus_count(), 0);  // 9 twice: not taken
    f.entry.plus_boxes = {"5", "3", "9", "46", "12", "40"};
    f.entry.store_side_numbers();
    EXPECT_EQ(f.archive.lotto_plus_count(), 0);  // 46 is no number of the game
    f.entry.plus_boxes = {"5", "3", "9", "45", "12", "40"};
    f.entry.store_side_numbers();
    ASSERT_EQ(f.archive.lotto_plus_count(), 1);
    const uint8_t* plus = f.archive.lotto_plus(2668);
    EXPECT_EQ(std::vector<int>(plus, plus + 6), (std::vector<int>{3, 5, 9, 12, 40, 45}));
    EXPECT_EQ(f.archive.combined()[2667].plus[5], 45);  // the view is rebuilt
    EXPECT_TRUE(f.entry.delete_entry());
    EXPECT_EQ(f.archive.lotto_plus_count(), 0);
}

TEST(DrawEntry, AustrianEntryCountsRegularDrawsAndKeepsBonusDrawsInTheRange) {
    Fixture f(kAustria, 3);
    BonusDraw b;
    b.date = "10.09.1986";
    b.numbers = {1, 2, 3, 4, 5, 6, 7};
    f.archive.set_bonus_draws({b});
    f.range.set(1, 4);
    f.entry.open();
    EXPECT_EQ(f.entry.entry_draw(), 4);
    f.type_draw({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(f.entry.store_entry_draw());
    EXPECT_EQ(f.range.last, 5);
    EXPECT_EQ(f.archive.combined().size(), 6u);
}

TEST(FetchOffer, OnlyForRecentDrawsAndForTheSwissNewestOnly) {
    const GameParams sat = game(kLottoSaturday);
    DrawArchive a;
    a.clear_for(sat);
    // Saturday draw 3698 is on 22.08.2026.
    EXPECT_TRUE(fetch_offered(sat, a, 3698, 20260822));
    EXPECT_TRUE(fetch_offered(sat, a, 3698, 20260828));
    EXPECT_FALSE(fetch_offered(sat, a, 3698, 20260829));
    EXPECT_FALSE(fetch_offered(sat, a, 3698, 20260821));  // not drawn yet
    const GameParams swiss = game(kSwiss);
    DrawArchive s;
    s.clear_for(swiss);
    s.extend_to(3073);
    const int32_t day = draw_date(kSwiss, 3074).key;
    EXPECT_TRUE(fetch_offered(swiss, s, 3074, day));
    EXPECT_FALSE(fetch_offered(swiss, s, 3073, day));
}

}  // namespace
}  // namespace zw
