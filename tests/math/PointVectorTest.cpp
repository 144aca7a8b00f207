#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MPoint, DistanceDividesThroughByW)
{
    // (1, 0, 0, 2) is the point (0.5, 0, 0).
    EXPECT_DOUBLE_EQ(MPoint(1.0, 0.0, 0.0, 2.0).distanceTo(MPoint::origin), 0.5);
    EXPECT_DOUBLE_EQ(MPoint::origin.distanceTo(MPoint(1.0, 0.0, 0.0, 2.0)), 0.5);
    EXPECT_DOUBLE_EQ(MPoint(2.0, 2.0, 2.0, 2.0).distanceTo(MPoint(3.0, 6.0, 9.0, 3.0)), std::sqrt(0.0 + 1.0 + 4.0));
    EXPECT_FLOAT_EQ(MFloatPoint(1.0f, 0.0f, 0.0f, 2.0f).distanceTo(MFloatPoint::origin), 0.5f);
}

TEST(MPoint, HomogeneousArithmetic)
{
    const MPoint weighted(2.0, 4.0, 6.0, 2.0);
    EXPECT_EQ(weighted - MPoint::origin, MVector(1.0, 2.0, 3.0));
    EXPECT_EQ(weighted + MVector(1.0, 0.0, 0.0), MPoint(2.0, 2.0, 3.0, 1.0));
    EXPECT_EQ(weighted - MVector(1.0, 0.0, 0.0), MPoint(0.0, 2.0, 3.0, 1.0));

    // += and scaling act on x, y and z only.
    MPoint moved(weighted);
    moved += MVector(1.0, 1.0, 1.0);
    EXPECT_EQ(moved, MPoint(3.0, 5.0, 7.0, 2.0));
    EXPECT_EQ(weighted * 0.5, MPoint(1.0, 2.0, 3.0, 2.0));
    EXPECT_EQ(weighted / 2.0, MPoint(1.0, 2.0, 3.0, 2.0));

    EXPECT_EQ(MPoint(weighted).cartesianize(), MPoint(1.0, 2.0, 3.0, 1.0));
    EXPECT_EQ(MPoint(weighted).rationalize(), MPoint(1.0, 2.0, 3.0, 2.0));
    EXPECT_EQ(MPoint(1.0, 2.0, 3.0, 2.0).homogenize(), weighted);
    // A point at infinity cannot be made cartesian and stays as it is.
    EXPECT_EQ(MPoint(1.0, 2.0, 3.0, 0.0).cartesianize(), MPoint(1.0, 2.0, 3.0, 0.0));

    EXPECT_TRUE(MPoint(1.0, 2.0, 3.0).isEquivalent(MPoint(1.0, 2.0, 3.0 + 1e-11)));
    EXPECT_FALSE(MPoint(1.0, 2.0, 3.0).isEquivalent(MPoint(1.0, 2.0, 3.0, 1.0 + 1e-9)));
}

TEST(MPoint, ConversionsAndAccess)
{
    MPoint p(1.0, 2.0);
    EXPECT_EQ(p, MPoint(1.0, 2.0, 0.0, 1.0));
    p[2] = 7.0;
    p(3) = 2.0;
    EXPECT_EQ(p.z, 7.0);
    EXPECT_EQ(p[3], 2.0);
    EXPECT_EQ(MPoint(MVector(1.0, 2.0, 3.0)), MPoint(1.0, 2.0, 3.0, 1.0));
    EXPECT_EQ(MVector(MPoint(1.0, 2.0, 3.0, 5.0)), MVector(1.0, 2.0, 3.0));
    EXPECT_EQ(MPoint(MFloatPoint(0.5f, 1.5f, 2.5f, 3.0f)), MPoint(0.5, 1.5, 2.5, 3.0));

    double out[4];
    EXPECT_TRUE(p.get(out));
    EXPECT_EQ(out[2], 7.0);
    EXPECT_EQ(p.get(static_cast<double*>(nullptr)), MStatus::kFailure);
}

TEST(MVector, ProductsAndLength)
{
    const MVector a(1.0, 2.0, 3.0);
    const MVector b(-2.0, 0.5, 4.0);
    EXPECT_EQ(a * b, 11.0);
    EXPECT_EQ(MVector::xAxis ^ MVector::yAxis, MVector::zAxis);
    EXPECT_EQ((a ^ b) * a, 0.0);
    EXPECT_EQ(2 * a, a * 2.0);
    EXPECT_EQ(-a, MVector(-1.0, -2.0, -3.0));
    EXPECT_DOUBLE_EQ(MVector(3.0, 4.0, 0.0).length(), 5.0);
    EXPECT_DOUBLE_EQ(MVector::xAxis.angle(MVector::yNegAxis), M_PI / 2);
    EXPECT_EQ(MVector::zero.angle(a), 0.0);
    EXPECT_EQ(MFloatVector::xAxis ^ MFloatVector::yAxis, MFloatVector::zAxis);
}

TEST(MVector, NormalizeLeavesTinyVectorsAlone)
{
    MVector v(3.0, 0.0, 4.0);
    EXPECT_TRUE(v.normalize());
    EXPECT_EQ(v, MVector(0.6, 0.0, 0.8));

    // Below |v|^2 = 1e-20 the vector stays as it is; above, it normalises.
    MVector tiny(5e-11, 0.0, 0.0);
    EXPECT_TRUE(tiny.normalize());
    EXPECT_EQ(tiny, MVector(5e-11, 0.0, 0.0));
    EXPECT_EQ(MVector(2e-10, 0.0, 0.0).normal(), MVector::xAxis);
    EXPECT_EQ(MVector::zero.normal(), MVector::zero);

    MFloatVector single(0.0f, 3.0f, 4.0f);
    single.normalize();
    EXPECT_FLOAT_EQ(single.length(), 1.0f);
}

} // namespace
