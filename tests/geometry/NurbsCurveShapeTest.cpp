#include "GeometryExpectations.h"

#include "geometry/NurbsCurveShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using kavo::host::geometry::NurbsCurveShape;
using kavo::host::geometry::NurbsForm;
using kavo::host::geometry::NurbsKnots;

namespace {

NurbsCurveShape::Sample sampleAt(const NurbsCurveShape& curve, double t)
{
    NurbsCurveShape::Sample sample;
    EXPECT_EQ(curve.evaluate(t, sample), MStatus::kSuccess) << "t = " << t;
    return sample;
}

NurbsCurveShape openCurve(int degree, std::vector<double> knots, std::vector<MPoint> cvs)
{
    const int numCVs = static_cast<int>(cvs.size());
    return NurbsCurveShape(NurbsKnots(degree, numCVs, NurbsForm::kOpen, std::move(knots)), std::move(cvs));
}

double bernstein(int n, int i, double t)
{
    const double binomial = n == 3 && (i == 1 || i == 2) ? 3.0 : n == 2 && i == 1 ? 2.0 : 1.0;
    return binomial * std::pow(t, i) * std::pow(1.0 - t, n - i);
}

} // namespace

TEST(NurbsCurveShape, DegreeOneReproducesItsPolyline)
{
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 2, 0), MPoint(3, 2, 1), MPoint(3, -1, 1)};
    const NurbsCurveShape polyline = openCurve(1, {0, 1, 2, 3}, cvs);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isNear(sampleAt(polyline, i).position, cvs[i], 1e-15));
        EXPECT_TRUE(isNear(sampleAt(polyline, i + 0.5).position, cvs[i] + (cvs[i + 1] - cvs[i]) * 0.5, 1e-15));
        EXPECT_TRUE(isNear(sampleAt(polyline, i + 0.5).firstDerivative, cvs[i + 1] - cvs[i], 1e-15));
    }
    EXPECT_TRUE(isNear(sampleAt(polyline, 3.0).position, cvs[3], 1e-15));
}

TEST(NurbsCurveShape, OpenCubicBezierMatchesTheBernsteinForm)
{
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 3, 0), MPoint(4, 3, 2), MPoint(5, 0, -1)};
    const NurbsCurveShape bezier = openCurve(3, {0, 0, 0, 1, 1, 1}, cvs);
    for (double t : {0.0, 0.2, 0.5, 0.9, 1.0}) {
        MVector position;
        MVector derivative;
        for (int i = 0; i < 4; ++i)
            position += MVector(cvs[i]) * bernstein(3, i, t);
        for (int i = 0; i < 3; ++i)
            derivative += (cvs[i + 1] - cvs[i]) * (3.0 * bernstein(2, i, t));
        EXPECT_TRUE(isNear(sampleAt(bezier, t).position, MPoint(position), 1e-13)) << "t = " << t;
        EXPECT_TRUE(isNear(sampleAt(bezier, t).firstDerivative, derivative, 1e-12)) << "t = " << t;
    }
}

TEST(NurbsCurveShape, RationalQuarterCircleHasItsRadiusTangentAndCentreNormal)
{
    const MPoint c(2, -1, 0.5);
    const double r = 3.0;
    const NurbsCurveShape arc = openCurve(
        2, {0, 0, 1, 1},
        {MPoint(c.x + r, c.y, c.z), MPoint(c.x + r, c.y + r, c.z, std::sqrt(0.5)), MPoint(c.x, c.y + r, c.z)});
    for (double t = 0.0; t <= 1.0; t += 0.125) {
        const NurbsCurveShape::Sample sample = sampleAt(arc, t);
        const MVector radius = sample.position - c;
        EXPECT_NEAR(radius.length(), r, 1e-13) << "t = " << t;
        EXPECT_TRUE(isNear(sample.firstDerivative.normal(), (MVector::zAxis ^ radius).normal(), 1e-12)) << t;
        MVector normal;
        ASSERT_EQ(arc.principalNormal(t, normal), MStatus::kSuccess);
        EXPECT_TRUE(isNear(normal, -radius.normal(), 1e-12)) << "toward the centre at t = " << t;
    }
    // The end tangent of the standard arc is 2 w (P1 - P0) over a unit span.
    EXPECT_TRUE(isNear(sampleAt(arc, 0.0).firstDerivative, MVector(0, r * std::sqrt(2.0), 0), 1e-12));
}

TEST(NurbsCurveShape, StraightCurveGetsTheNormalFromTheLeastAlignedAxis)
{
    const MVector skew = MVector(0.3, 0.7, 0.1).normal();
    const MVector cases[][2] = {{MVector(1, 0, 0), MVector(0, 1, 0)},
                                {MVector(0, 0, -2), MVector(1, 0, 0)},
                                {MVector(1, 1, 0), MVector(0, 0, 1)},
                                {skew, (MVector::zAxis - skew * skew.z).normal()}};
    const MPoint s(0.1, 0.2, 0.3);
    for (const auto& [direction, expected] : cases) {
        // Uneven spacing: the second derivative is not zero, but along the line.
        const NurbsCurveShape line =
            openCurve(3, {0, 0, 0, 1, 1, 1}, {s, s + direction * 0.1, s + direction * 0.7, s + direction * 3.0});
        for (double t : {0.0, 0.3, 1.0}) {
            MVector normal;
            ASSERT_EQ(line.principalNormal(t, normal), MStatus::kSuccess);
            EXPECT_TRUE(isNear(normal, expected, 1e-12)) << "t = " << t;
        }
    }
}

TEST(NurbsCurveShape, VanishingTangentHasNoNormal)
{
    // Coincident first CVs with different weights: the end's derivative is
    // rounding noise, not an exact zero.
    const NurbsCurveShape curve =
        openCurve(3, {0, 0, 0, 1, 1, 1},
                  {MPoint(0.1, 0.2, 0.3, 1.3), MPoint(0.1, 0.2, 0.3, 0.7), MPoint(2, 3, 1), MPoint(4, 0, 0)});
    MVector normal(7, 7, 7);
    EXPECT_EQ(curve.principalNormal(0.0, normal), MStatus::kFailure);
    EXPECT_EQ(normal, MVector(7, 7, 7));
    EXPECT_EQ(curve.principalNormal(0.5, normal), MStatus::kSuccess);
}

TEST(NurbsCurveShape, PeriodicCurveWrapsAndIsSmoothAcrossTheSeam)
{
    // 8 wobbling points around Z, weighted, the first 3 repeated: 11 CVs.
    std::vector<MPoint> cvs;
    for (int i = 0; i < 11; ++i) {
        const int k = i % 8;
        const double radius = 2.0 + 0.3 * (k % 3);
        cvs.emplace_back(radius * std::cos(k * M_PI / 4), radius * std::sin(k * M_PI / 4), 0.2 * (k % 2),
                         1.0 + 0.25 * (k % 4));
    }
    const NurbsKnots knots(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const NurbsCurveShape ring(knots, cvs);
    for (int t = 3; t <= 13; ++t) { // the parameters the curve adapter gives its 11 CVs
        EXPECT_TRUE(isNear(sampleAt(ring, t).position, sampleAt(ring, t - 8.0).position, 1e-13)) << "t = " << t;
        MVector normal;
        EXPECT_EQ(ring.principalNormal(t, normal), MStatus::kSuccess) << "t = " << t;
    }
    const NurbsCurveShape::Sample beforeSeam = sampleAt(ring, 10.0 - 1e-9);
    const NurbsCurveShape::Sample afterSeam = sampleAt(ring, 2.0);
    EXPECT_TRUE(isNear(beforeSeam.position, afterSeam.position, 1e-7));
    EXPECT_TRUE(isNear(beforeSeam.firstDerivative, afterSeam.firstDerivative, 1e-7));
    EXPECT_TRUE(isNear(beforeSeam.secondDerivative, afterSeam.secondDerivative, 1e-6));
}

TEST(NurbsCurveShape, ClampsOutsideTheDomainAndRejectsBadInput)
{
    // Domain [2, 4]: the adapter's open-curve parameters 0 .. 2 fall before it.
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 1, 0), MPoint(2, 0, 0), MPoint(3, 1, 0)};
    const NurbsCurveShape curve = openCurve(2, {2, 2, 3, 4, 4}, cvs);
    EXPECT_TRUE(isNear(sampleAt(curve, 0.0).position, cvs.front(), 1e-15));
    EXPECT_TRUE(isNear(sampleAt(curve, 4.5).position, cvs.back(), 1e-15));

    NurbsCurveShape::Sample sample;
    EXPECT_EQ(curve.evaluate(std::nan(""), sample), MStatus::kInvalidParameter);
    EXPECT_EQ(openCurve(1, {0, 1}, {MPoint(0, 0, 0, 0), MPoint(1, 0, 0, 0)}).evaluate(0.5, sample), MStatus::kFailure)
        << "zero weights";
    EXPECT_EQ(openCurve(3, {0, 0, 0, 1, 1, 1}, {MPoint(), MPoint(1, 0), MPoint(2, 0)}).evaluate(0.5, sample),
              MStatus::kFailure)
        << "too few CVs";
}
