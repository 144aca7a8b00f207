#include <maya/MDoubleArray.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MStringArray.h>
#include <maya/MUintArray.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

namespace {

TEST(Array, OutOfRangeEditsFailAndChangeNothing)
{
    MIntArray values(3, 7);
    EXPECT_EQ(values.set(1, 3), MStatus::kFailure);
    EXPECT_EQ(values.remove(3), MStatus::kFailure);
    EXPECT_EQ(values.insert(1, 4), MStatus::kFailure);
    EXPECT_EQ(values.length(), 3u);
    EXPECT_EQ(values[2], 7);

    // Element first, index second; inserting at the length appends.
    EXPECT_TRUE(values.set(1, 2));
    EXPECT_TRUE(values.insert(9, 3));
    EXPECT_TRUE(values.insert(0, 0));
    EXPECT_TRUE(values.remove(1));
    const int expected[] = {0, 7, 1, 9};
    ASSERT_EQ(values.length(), 4u);
    for (unsigned int i = 0; i < 4; ++i)
        EXPECT_EQ(values[i], expected[i]);

    MPointArray points;
    EXPECT_EQ(points.set(MPoint::origin, 0), MStatus::kFailure);
    EXPECT_EQ(points.remove(0), MStatus::kFailure);
    EXPECT_EQ(points.length(), 0u);
}

TEST(Array, LengthCopyAndClear)
{
    MPointArray points;
    EXPECT_TRUE(points.setLength(2));
    EXPECT_EQ(points[1], MPoint::origin); // new points are (0, 0, 0, 1)
    EXPECT_TRUE(points.append(1.0, 2.0));
    EXPECT_EQ(points[2], MPoint(1.0, 2.0, 0.0, 1.0));

    MPointArray copy;
    copy.copy(points);
    copy[0].x = 5.0;
    EXPECT_EQ(points[0].x, 0.0);

    EXPECT_TRUE(points.clear());
    EXPECT_EQ(points.length(), 0u);
    EXPECT_EQ(copy.length(), 3u);
}

TEST(Array, RowConstructorsAndGet)
{
    const double rows[2][4] = {{1, 2, 3, 1}, {4, 5, 6, 2}};
    const MPointArray points(rows, 2);
    EXPECT_EQ(points[1], MPoint(4.0, 5.0, 6.0, 2.0));
    float out[2][4];
    EXPECT_TRUE(points.get(out));
    EXPECT_EQ(out[1][3], 2.0f);

    const float vectorRows[1][3] = {{1.0f, 0.5f, 0.25f}};
    MVectorArray vectors(vectorRows, 1);
    double element[3] = {7.0, 8.0, 9.0};
    EXPECT_TRUE(vectors.set(element, 0));
    EXPECT_EQ(vectors[0], MVector(7.0, 8.0, 9.0));
    EXPECT_EQ(MFloatVectorArray(2)[1], MFloatVector::zero);
    EXPECT_EQ(MFloatPointArray(1)[0], MFloatPoint::origin);

    const double doubles[] = {0.5, 1.5};
    MFloatArray floats(doubles, 2);
    EXPECT_EQ(floats[1], 1.5f);
    EXPECT_TRUE(floats.set(2.5, 0));
    EXPECT_EQ(floats[0], 2.5f);
    EXPECT_EQ(MDoubleArray(2, 3.0)[1], 3.0);
    EXPECT_EQ(MUintArray(1, 4u)[0], 4u);

    const char* names[] = {"a", "b"};
    MStringArray strings(names, 2);
    EXPECT_EQ(strings[1], "b");
}

} // namespace
