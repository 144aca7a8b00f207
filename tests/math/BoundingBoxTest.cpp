#include <maya/MBoundingBox.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <gtest/gtest.h>

namespace {

const MBoundingBox kUnitBox(MPoint(-0.5, -0.5, -0.5), MPoint(0.5, 0.5, 0.5));

TEST(MBoundingBox, ContainsCountsFacesAsInside)
{
    EXPECT_TRUE(kUnitBox.contains(MPoint::origin));
    EXPECT_TRUE(kUnitBox.contains(MPoint(0.5, 0.0, 0.0)));
    EXPECT_TRUE(kUnitBox.contains(MPoint(-0.5, 0.5, -0.5)));
    EXPECT_FALSE(kUnitBox.contains(MPoint(0.5000001, 0.0, 0.0)));
    EXPECT_FALSE(kUnitBox.contains(MPoint(0.0, 0.0, -0.51)));

    // (1, 0, 0, 2) is the point (0.5, 0, 0), on a face.
    EXPECT_TRUE(kUnitBox.contains(MPoint(1.0, 0.0, 0.0, 2.0)));
    EXPECT_FALSE(kUnitBox.contains(MPoint(1.0, 0.0, 0.0, 1.5)));

    EXPECT_FALSE(MBoundingBox().contains(MPoint::origin));
}

TEST(MBoundingBox, ExpandAndExtents)
{
    MBoundingBox box;
    EXPECT_EQ(box.width(), 0.0);
    EXPECT_EQ(box.center(), MPoint::origin);

    box.expand(MPoint(1.0, 2.0, 3.0));
    EXPECT_EQ(box.min(), MPoint(1.0, 2.0, 3.0));
    EXPECT_EQ(box.max(), MPoint(1.0, 2.0, 3.0));
    box.expand(MPoint(-2.0, 6.0, 4.0, 2.0)); // (-1, 3, 2)
    EXPECT_EQ(box.min(), MPoint(-1.0, 2.0, 2.0));
    EXPECT_EQ(box.max(), MPoint(1.0, 3.0, 3.0));
    EXPECT_EQ(box.width(), 2.0);
    EXPECT_EQ(box.height(), 1.0);
    EXPECT_EQ(box.depth(), 1.0);
    EXPECT_EQ(box.center(), MPoint(0.0, 2.5, 2.5));

    box.expand(MBoundingBox());
    EXPECT_EQ(box.width(), 2.0);
    box.expand(kUnitBox);
    EXPECT_EQ(box.min(), MPoint(-1.0, -0.5, -0.5));

    box.clear();
    EXPECT_FALSE(box.contains(MPoint::origin));
}

TEST(MBoundingBox, TransformUsingBoundsTheEightCorners)
{
    // A quarter turn about z plus a move: the box's corners swap x and y.
    MMatrix turn;
    turn[0][0] = 0.0;
    turn[0][1] = 1.0;
    turn[1][0] = -1.0;
    turn[1][1] = 0.0;
    turn[3][0] = 10.0;
    MBoundingBox box(MPoint(0.0, 0.0, 0.0), MPoint(1.0, 2.0, 3.0));
    box.transformUsing(turn);
    EXPECT_EQ(box.min(), MPoint(8.0, 0.0, 0.0));
    EXPECT_EQ(box.max(), MPoint(10.0, 1.0, 3.0));

    MBoundingBox empty;
    empty.transformUsing(turn);
    EXPECT_FALSE(empty.contains(MPoint(10.0, 0.0, 0.0)));
}

} // namespace
