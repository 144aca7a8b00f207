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

// A quarter of the circle of radius r around c in the XY plane, from angle 0
// to 90 degrees: the rational quadratic with the middle weight sqrt(2)/2.
NurbsCurveShape quarterCircle(const MPoint& c, double r)
{
    const double w = std::sqrt(0.5);
    return openCurve(2, {0, 0, 1, 1},
                     {MPoint(c.x + r, c.y, c.z), MPoint(c.x + r, c.y + r, c.z, w), MPoint(c.x, c.y + r, c.z)});
}

// A closed ring of 8 points around the Z axis with wobbling radii and
// heights, as a periodic cubic: the first 3 CVs repeat at the end.
NurbsCurveShape periodicCubicWith11CVs()
{
    std::vector<MPoint> cvs;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * M_PI / 4.0;
        const double radius = 2.0 + 0.3 * (i % 3);
        cvs.emplace_back(radius * std::cos(angle), radius * std::sin(angle), 0.2 * (i % 2), 1.0 + 0.25 * (i % 4));
    }
    for (int i = 0; i < 3; ++i)
        cvs.push_back(cvs[i]);
    return NurbsCurveShape(
        NurbsKnots(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), cvs);
}

double bernstein3(int i, double t)
{
    const double binomial[] = {1, 3, 3, 1};
    return binomial[i] * std::pow(t, i) * std::pow(1.0 - t, 3 - i);
}

}  // namespace

TEST(NurbsCurveShape, DegreeOneReproducesItsPolyline)
{
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 2, 0), MPoint(3, 2, 1), MPoint(3, -1, 1)};
    const NurbsCurveShape polyline = openCurve(1, {0, 1, 2, 3}, cvs);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isNear(sampleAt(polyline, i).position, cvs[i], 1e-15));
        const NurbsCurveShape::Sample middle = sampleAt(polyline, i + 0.5);
        EXPECT_TRUE(isNear(middle.position, cvs[i] + (cvs[i + 1] - cvs[i]) * 0.5, 1e-15));
        EXPECT_TRUE(isNear(middle.firstDerivative, cvs[i + 1] - cvs[i], 1e-15));
    }
    EXPECT_TRUE(isNear(sampleAt(polyline, 3.0).position, cvs[3], 1e-15));
}

TEST(NurbsCurveShape, OpenCubicBezierMatchesTheBernsteinForm)
{
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 3, 0), MPoint(4, 3, 2), MPoint(5, 0, -1)};
    const NurbsCurveShape bezier = openCurve(3, {0, 0, 0, 1, 1, 1}, cvs);
    for (double t = 0.0; t <= 1.0; t += 0.125) {
        MVector position;
        MVector derivative;
        MVector second;
        for (int i = 0; i < 4; ++i)
            position += MVector(cvs[i]) * bernstein3(i, t);
        for (int i = 0; i < 3; ++i) {
            const double b2 = (i == 1 ? 2.0 : 1.0) * std::pow(t, i) * std::pow(1.0 - t, 2 - i);
            derivative += (cvs[i + 1] - cvs[i]) * (3.0 * b2);
        }
        for (int i = 0; i < 2; ++i) {
            const double b1 = i == 0 ? 1.0 - t : t;
            second += ((cvs[i + 2] - cvs[i + 1]) - (cvs[i + 1] - cvs[i])) * (6.0 * b1);
        }
        const NurbsCurveShape::Sample sample = sampleAt(bezier, t);
        EXPECT_TRUE(isNear(sample.position, MPoint(position), 1e-13)) << "t = " << t;
        EXPECT_TRUE(isNear(sample.firstDerivative, derivative, 1e-12)) << "t = " << t;
        EXPECT_TRUE(isNear(sample.secondDerivative, second, 1e-11)) << "t = " << t;
    }
}

TEST(NurbsCurveShape, RationalQuarterCircleLiesOnTheCircleWithItsTangentAndNormal)
{
    const MPoint centre(2, -1, 0.5);
    const NurbsCurveShape arc = quarterCircle(centre, 3.0);
    for (double t = 0.0; t <= 1.0; t += 0.0625) {
        const NurbsCurveShape::Sample sample = sampleAt(arc, t);
        const MVector radius = sample.position - centre;
        EXPECT_NEAR(radius.length(), 3.0, 1e-13) << "t = " << t;
        // Counter-clockwise around +Z: the tangent is Z x radius, scaled.
        const MVector expectedDirection = (MVector::zAxis ^ radius).normal();
        EXPECT_TRUE(isNear(sample.firstDerivative.normal(), expectedDirection, 1e-12)) << "t = " << t;

        MVector normal;
        ASSERT_EQ(arc.principalNormal(t, normal), MStatus::kSuccess);
        EXPECT_TRUE(isNear(normal, -radius.normal(), 1e-12)) << "toward the centre at t = " << t;
    }
    // Ends of the standard arc: tangents 2 w (P1 - P0) / (knot span) with w = sqrt(2)/2.
    EXPECT_TRUE(isNear(sampleAt(arc, 0.0).firstDerivative, MVector(0, 3.0 * std::sqrt(2.0), 0), 1e-12));
}

TEST(NurbsCurveShape, RationalDerivativesMatchDifferences)
{
    const NurbsCurveShape curve(
        NurbsKnots(3, 6, NurbsForm::kOpen, {0, 0, 0, 0.7, 1.6, 3, 3, 3}),
        {MPoint(0, 0, 0, 1), MPoint(1, 2, 0, 0.5), MPoint(2, -1, 1, 2), MPoint(3, 3, 0, 0.8),
         MPoint(4, 0, 2, 1.5), MPoint(5, 1, 1, 1)});
    const double h = 1e-5;
    for (double t : {0.1, 0.5, 1.0, 1.2, 2.0, 2.9}) {
        const NurbsCurveShape::Sample before = sampleAt(curve, t - h);
        const NurbsCurveShape::Sample here = sampleAt(curve, t);
        const NurbsCurveShape::Sample after = sampleAt(curve, t + h);
        EXPECT_TRUE(isNear(here.firstDerivative, (after.position - before.position) / (2 * h), 1e-6));
        EXPECT_TRUE(isNear(here.secondDerivative, (after.firstDerivative - before.firstDerivative) / (2 * h), 1e-5));
    }
}

TEST(NurbsCurveShape, StraightCurveGetsTheNormalFromTheLeastAlignedAxis)
{
    struct Case {
        MVector direction;
        MVector expected;
    };
    const MVector skew = MVector(0.3, 0.7, 0.1).normal();
    const Case cases[] = {
        {MVector(1, 0, 0), MVector(0, 1, 0)},
        {MVector(0, 0, -2), MVector(1, 0, 0)},
        {MVector(1, 1, 0), MVector(0, 0, 1)},
        {skew, (MVector::zAxis - skew * skew.z).normal()},
    };
    const MPoint start(0.1, 0.2, 0.3);
    for (const Case& c : cases) {
        // Uneven CV spacing: the second derivative is non-zero but along the line.
        const NurbsCurveShape line = openCurve(
            3, {0, 0, 0, 1, 1, 1},
            {start, start + c.direction * 0.1, start + c.direction * 0.7, start + c.direction * 3.0});
        for (double t : {0.0, 0.3, 1.0}) {
            MVector normal;
            ASSERT_EQ(line.principalNormal(t, normal), MStatus::kSuccess);
            EXPECT_TRUE(isNear(normal, c.expected, 1e-12)) << "t = " << t;
        }
    }
}

TEST(NurbsCurveShape, VanishingTangentHasNoNormal)
{
    // Coincident first CVs: the clamped end has a zero first derivative. With
    // different weights the rational quotient leaves rounding noise, not an
    // exact zero.
    const NurbsCurveShape curve = openCurve(
        3, {0, 0, 0, 1, 1, 1},
        {MPoint(0.1, 0.2, 0.3, 1.3), MPoint(0.1, 0.2, 0.3, 0.7), MPoint(2, 3, 1), MPoint(4, 0, 0)});
    MVector normal(7, 7, 7);
    EXPECT_EQ(curve.principalNormal(0.0, normal), MStatus::kFailure);
    EXPECT_EQ(normal, MVector(7, 7, 7));
    EXPECT_EQ(curve.principalNormal(0.5, normal), MStatus::kSuccess);

    const NurbsCurveShape collapsed = openCurve(1, {0, 1}, {MPoint(2, 2, 2), MPoint(2, 2, 2)});
    EXPECT_EQ(collapsed.principalNormal(0.5, normal), MStatus::kFailure);
}

TEST(NurbsCurveShape, PeriodicCurveWrapsAndIsSmoothAcrossTheSeam)
{
    const NurbsCurveShape ring = periodicCubicWith11CVs();
    ASSERT_TRUE(ring.isValid());
    const double period = ring.knots().domainLength();
    // The parameters the curve adapter assigns to its 11 CVs.
    for (int t = 3; t <= 13; ++t) {
        const NurbsCurveShape::Sample sample = sampleAt(ring, t);
        const NurbsCurveShape::Sample wrapped = sampleAt(ring, t - period);
        EXPECT_TRUE(isNear(sample.position, wrapped.position, 1e-13)) << "t = " << t;
        EXPECT_TRUE(isNear(sample.firstDerivative, wrapped.firstDerivative, 1e-12)) << "t = " << t;
        MVector normal;
        EXPECT_EQ(ring.principalNormal(t, normal), MStatus::kSuccess) << "t = " << t;
    }
    const double end = ring.knots().domainEnd();
    const NurbsCurveShape::Sample justBefore = sampleAt(ring, end - 1e-9);
    const NurbsCurveShape::Sample atStart = sampleAt(ring, ring.knots().domainStart());
    EXPECT_TRUE(isNear(justBefore.position, atStart.position, 1e-7));
    EXPECT_TRUE(isNear(justBefore.firstDerivative, atStart.firstDerivative, 1e-7));
    EXPECT_TRUE(isNear(justBefore.secondDerivative, atStart.secondDerivative, 1e-6));
}

TEST(NurbsCurveShape, OpenCurveClampsParametersOutsideItsDomain)
{
    // Domain [2, 4]: the curve adapter's parameters 0 .. 2 for open curves
    // fall partly before it.
    const std::vector<MPoint> cvs = {MPoint(0, 0, 0), MPoint(1, 1, 0), MPoint(2, 0, 0), MPoint(3, 1, 0)};
    const NurbsCurveShape curve = openCurve(2, {2, 2, 3, 4, 4}, cvs);
    EXPECT_TRUE(isNear(sampleAt(curve, 0.0).position, cvs.front(), 1e-15));
    EXPECT_TRUE(isNear(sampleAt(curve, 2.0).position, cvs.front(), 1e-15));
    EXPECT_TRUE(isNear(sampleAt(curve, 4.5).position, cvs.back(), 1e-15));
    EXPECT_TRUE(isNear(sampleAt(curve, 4.5).firstDerivative, sampleAt(curve, 4.0).firstDerivative, 1e-15));
}

TEST(NurbsCurveShape, InvalidCurvesAndParametersFail)
{
    NurbsCurveShape::Sample sample;
    const NurbsCurveShape tooFewCVs(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}),
                                    {MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(2, 0, 0)});
    EXPECT_EQ(tooFewCVs.evaluate(0.5, sample), MStatus::kFailure);

    const NurbsCurveShape zeroWeight = openCurve(1, {0, 1}, {MPoint(0, 0, 0, 0), MPoint(1, 0, 0, 0)});
    EXPECT_FALSE(zeroWeight.isValid());
    EXPECT_EQ(zeroWeight.evaluate(0.5, sample), MStatus::kFailure);

    const NurbsCurveShape line = openCurve(1, {0, 1}, {MPoint(0, 0, 0), MPoint(1, 0, 0)});
    EXPECT_EQ(line.evaluate(std::nan(""), sample), MStatus::kInvalidParameter);
    EXPECT_EQ(line.evaluate(INFINITY, sample), MStatus::kInvalidParameter);
}
