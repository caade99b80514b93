#include "app/help_window.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

const QRect kScreen(0, 0, 1280, 994);  // 1280 x 1024 less a 30 px panel
const QMargins kFrame(4, 28, 4, 4);

QRect outer(const QRect& inner) { return inner.marginsAdded(kFrame); }

TEST(HelpPlacement, BesideADialogAndNeverOverIt) {
    // A dialog on the left: the help stands to its right, level with it.
    const QRect dialog(40, 100, 500, 400);
    const QRect right = help_placement(dialog, kScreen, QSize(720, 560), kFrame);
    EXPECT_TRUE(kScreen.contains(outer(right)));
    EXPECT_FALSE(outer(right).intersects(dialog));
    EXPECT_EQ(right.size(), QSize(720, 560));
    EXPECT_EQ(outer(right).top(), 100);
    // A dialog on the right: to its left, narrower where the room ends.
    const QRect on_right(700, 300, 560, 600);
    const QRect left = help_placement(on_right, kScreen, QSize(720, 560), kFrame);
    EXPECT_TRUE(kScreen.contains(outer(left)));
    EXPECT_FALSE(outer(left).intersects(on_right));
    // A dialog low on the screen: the help's lower edge stays on it.
    const QRect low(40, 800, 400, 190);
    EXPECT_TRUE(kScreen.contains(outer(help_placement(low, kScreen, QSize(720, 560), kFrame))));
}

TEST(HelpPlacement, AWideWindowLeavesItOnTheScreen) {
    // No room beside a window that fills the screen: inside the screen all the same.
    const QRect main(0, 0, 1280, 994);
    const QRect r = help_placement(main, kScreen, QSize(720, 560), kFrame);
    EXPECT_TRUE(kScreen.contains(outer(r)));
    EXPECT_EQ(r.size(), QSize(720, 560));
    // A window wider than the strips but short: the help goes below it.
    const QRect wide(0, 0, 1200, 300);
    const QRect below = help_placement(wide, kScreen, QSize(720, 560), kFrame);
    EXPECT_FALSE(outer(below).intersects(wide));
    EXPECT_TRUE(kScreen.contains(outer(below)));
}

}  // namespace
}  // namespace zw
