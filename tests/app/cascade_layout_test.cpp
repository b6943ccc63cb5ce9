#include "app/cascade_layout.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(CascadeLayoutTest, TwoThirdsOfTheAreaOneTitleBarApart) {
    EXPECT_EQ(CascadeRects(3, 900, 600, 20),
              (std::vector<WindowRect>{{0, 0, 600, 400}, {20, 20, 600, 400}, {40, 40, 600, 400}}));
    // Sizes round down; the offsets never pass the area's edges.
    const auto rects = CascadeRects(40, 1001, 701, 23);
    for (const WindowRect& r : rects) {
        EXPECT_EQ(r.width, 667);
        EXPECT_EQ(r.height, 467);
        EXPECT_LE(r.x + r.width, 1001);
        EXPECT_LE(r.y + r.height, 701);
    }
}

TEST(CascadeLayoutTest, StartsAgainAtTheCornerWhenTheNextWouldCrossAnEdge) {
    // 300 x 240: windows of 200 x 160, room for offsets 0, 40 and 80 down.
    const auto rects = CascadeRects(5, 300, 240, 40);
    ASSERT_EQ(rects.size(), 5u);
    const int expected[] = {0, 40, 80, 0, 40};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rects[i].x, expected[i]) << i;
        EXPECT_EQ(rects[i].y, expected[i]) << i;
    }
}

TEST(CascadeLayoutTest, DegenerateAreasAndSteps) {
    EXPECT_TRUE(CascadeRects(0, 900, 600, 20).empty());
    EXPECT_EQ(CascadeRects(2, 0, 0, 20), (std::vector<WindowRect>{{0, 0, 0, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(CascadeRects(2, -5, 30, 0), (std::vector<WindowRect>{{0, 0, 0, 20}, {0, 0, 0, 20}}));
    // A step of 0 counts as one pixel.
    EXPECT_EQ(CascadeRects(2, 30, 30, 0)[1], (WindowRect{1, 1, 20, 20}));
}

}  // namespace
}  // namespace orvel
