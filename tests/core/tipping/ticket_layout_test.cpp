#include "tipping/ticket_layout.h"

#include <gtest/gtest.h>

#include "games/game_catalogue.h"
#include "tipping/ticket.h"

using namespace zw;

namespace {

bool inside(const PixelRect& inner, int w, int h) {
    return inner.x >= 0 && inner.y >= 0 && inner.x + inner.w <= w && inner.y + inner.h <= h;
}

}  // namespace

TEST(TicketLayout, EveryCellHitsItsOwnNumberInEveryGameAndMode) {
    for (GameCode game : kGames) {
        const GameParams p = game_params(game);
        for (bool system : {false, true}) {
            for (bool grid : {true, false}) {
                const TicketLayout l(p, system, grid);
                for (const NumberField& f : l.fields()) {
                    for (int n = 1; n <= f.cells; ++n) {
                        const PixelRect c = l.cell(f, n);
                        if (c.w == 0) continue;
                        ASSERT_TRUE(inside(c, l.width(), l.height())) << game << " " << n;
                        const Hit h = l.hit(c.cx(), c.cy());
                        ASSERT_EQ(h.kind, HitKind::kNumber);
                        ASSERT_EQ(h.slot, f.slot);
                        ASSERT_EQ(h.number, n);
                    }
                }
                for (const OptionSpot& s : l.options()) {
                    ASSERT_TRUE(inside(s.rect, l.width(), l.height()));
                    const Hit h = l.hit(s.rect.cx(), s.rect.cy());
                    ASSERT_EQ(h.kind, HitKind::kOption);
                    ASSERT_EQ(h.option, s.field);
                }
            }
        }
    }
}

TEST(TicketLayout, RowAndBoxCountsPerGameAndLayout) {
    EXPECT_EQ(TicketLayout(game_params(kLottoSaturday), false, true).fields().size(), 16u);
    EXPECT_EQ(TicketLayout(game_params(kLottoSaturday), false, false).fields().size(), 12u);
    EXPECT_EQ(TicketLayout(game_params(kAustria), false, false).fields().size(), 14u);  // no 49 x 1 slip
    EXPECT_EQ(TicketLayout(game_params(kSwiss), false, true).fields().size(), 14u);
    EXPECT_EQ(TicketLayout(game_params(kToto), true, true).boxes(), 6);
    EXPECT_EQ(TicketLayout(game_params(kToto), true, false).boxes(), 4);
    const TicketLayout wide(game_params(kLottoSaturday), false, true);
    EXPECT_EQ(wide.width(), 1304);
    EXPECT_EQ(wide.height(), 474);
    const TicketLayout narrow(game_params(kAustria), false, true);
    EXPECT_EQ(narrow.width(), 982);
    EXPECT_EQ(narrow.height(), 518);
}

TEST(TicketLayout, OnlyTheGamesNumbersHaveCells) {
    const TicketLayout austria(game_params(kAustria), false, true);
    EXPECT_EQ(austria.cell(0, 45).w, 15);
    EXPECT_EQ(austria.cell(0, 46).w, 0);
    const TicketLayout swiss(game_params(kSwiss), false, true);
    // The cells after 42 are the lucky numbers 1..6; 49 is nothing.
    EXPECT_NE(swiss.cell(0, 43).w, 0);
    EXPECT_EQ(swiss.cell(0, 49).w, 0);
    EXPECT_EQ(swiss.hit(swiss.cell(0, 48).cx(), swiss.cell(0, 48).cy()).number, 48);
}

TEST(TicketLayout, SystemFieldsChooseFullAndPartialSystems) {
    const TicketLayout l(game_params(kLottoSaturday), true, true);
    for (int b = 0; b < l.boxes(); ++b) {
        EXPECT_EQ(l.hit(l.full_area(b).cx(), l.full_area(b).cy()).kind, HitKind::kFullSystem);
        EXPECT_EQ(l.hit(l.partial_area(b).cx(), l.partial_area(b).cy()).slot, b);
        EXPECT_EQ(l.hit(l.partial_area(b).cx(), l.partial_area(b).cy()).kind, HitKind::kPartialSystem);
    }
}
