#include "drag_strip.h"

#include <gtest/gtest.h>

TEST(DragStripHitTest, CoversTheTop28RowsAcrossTheClientWidth)
{
    const int width = 512;
    EXPECT_TRUE(isInDragStrip(0, 0, width));
    EXPECT_TRUE(isInDragStrip(200, 27, width));
    EXPECT_FALSE(isInDragStrip(200, 28, width));
    EXPECT_TRUE(isInDragStrip(width - 1, 10, width));
    EXPECT_FALSE(isInDragStrip(width, 10, width));
}

TEST(DragStripHitTest, PointsLeftOfOrAboveTheWindowAreOutside)
{
    EXPECT_FALSE(isInDragStrip(-1, 10, 517));
    EXPECT_FALSE(isInDragStrip(10, -1, 517));
    EXPECT_FALSE(isInDragStrip(-32768, -32768, 517));
}

TEST(DragStripHitTest, FollowsTheCurrentWidth)
{
    EXPECT_TRUE(isInDragStrip(516, 5, 517));
    EXPECT_FALSE(isInDragStrip(516, 5, 512));
}
