#include "GeometryExpectations.h"

#include "geometry/NurbsSurfaceShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using kavo::host::geometry::NurbsForm;
using kavo::host::geometry::NurbsKnots;
using kavo::host::geometry::NurbsSurfaceShape;

namespace {

NurbsSurfaceShape::Sample sampleAt(const NurbsSurfaceShape& surface, double u, double v)
{
    NurbsSurfaceShape::Sample sample;
    EXPECT_EQ(surface.evaluate(u, v, sample), MStatus::kSuccess) << "(u, v) = (" << u << ", " << v << ")";
    return sample;
}

// A sphere, exactly: a rational half circle from the south pole to the
// north pole (U, 5 CVs) swept by a rational full circle around Z (V, 9 CVs).
// Both pole rows collapse into one point each. The centre and radius are not
// round binary numbers, so the poles' derivatives are rounding noise rather
// than exact zeros.
const MPoint kCentre(0.1, 0.2, 0.3);
const double kRadius = 0.7;

NurbsSurfaceShape sphere()
{
    const double w = std::sqrt(0.5);
    // Profile in the XZ plane: radius from the axis, height, weight.
    const double profile[5][3] = {{0, -1, 1}, {1, -1, w}, {1, 0, 1}, {1, 1, w}, {0, 1, 1}};
    const double circle[9][3] = {{1, 0, 1},  {1, 1, w},   {0, 1, 1},  {-1, 1, w}, {-1, 0, 1},
                                 {-1, -1, w}, {0, -1, 1}, {1, -1, w}, {1, 0, 1}};
    std::vector<MPoint> cvs;
    for (const auto& p : profile)
        for (const auto& c : circle)
            cvs.emplace_back(kCentre.x + kRadius * p[0] * c[0], kCentre.y + kRadius * p[0] * c[1],
                             kCentre.z + kRadius * p[1], p[2] * c[2]);
    return NurbsSurfaceShape(NurbsKnots(2, 5, NurbsForm::kOpen, {0, 0, 1, 1, 2, 2}),
                             NurbsKnots(2, 9, NurbsForm::kClosed, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}), cvs);
}

// A wavy tube around Z, periodic in U (11 CVs, degree 3, the first 3 rows
// repeated) and open in V (4 CVs along Z).
NurbsSurfaceShape periodicTube()
{
    std::vector<MPoint> cvs;
    for (int iu = 0; iu < 11; ++iu) {
        const double angle = (iu % 8) * M_PI / 4.0;
        for (int iv = 0; iv < 4; ++iv) {
            const double radius = 1.0 + 0.2 * iv + 0.1 * ((iu % 8) % 2);
            cvs.emplace_back(radius * std::cos(angle), radius * std::sin(angle), iv);
        }
    }
    return NurbsSurfaceShape(
        NurbsKnots(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
        NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}), cvs);
}

double bernstein3(int i, double t)
{
    const double binomial[] = {1, 3, 3, 1};
    return binomial[i] * std::pow(t, i) * std::pow(1.0 - t, 3 - i);
}

}  // namespace

TEST(NurbsSurfaceShape, FlatBilinearPatchFollowsTheHostCVOrder)
{
    // V varies fastest: CV (iu, iv) at index iu * 2 + iv, here at (iu, iv, 0).
    const NurbsSurfaceShape patch(NurbsKnots(1, 2, NurbsForm::kOpen, {0, 1}),
                                  NurbsKnots(1, 2, NurbsForm::kOpen, {0, 1}),
                                  {MPoint(0, 0, 0), MPoint(0, 1, 0), MPoint(1, 0, 0), MPoint(1, 1, 0)});
    const NurbsSurfaceShape::Sample sample = sampleAt(patch, 0.25, 0.75);
    EXPECT_TRUE(isNear(sample.position, MPoint(0.25, 0.75, 0), 1e-15));
    EXPECT_TRUE(isNear(sample.derivativeU, MVector(1, 0, 0), 1e-15));
    EXPECT_TRUE(isNear(sample.derivativeV, MVector(0, 1, 0), 1e-15));
    for (double u : {0.0, 0.5, 1.0}) {
        MVector normal;
        ASSERT_EQ(patch.normal(u, 1.0 - u, normal), MStatus::kSuccess);
        EXPECT_TRUE(isNear(normal, MVector(0, 0, 1), 1e-15));
    }
}

TEST(NurbsSurfaceShape, BicubicBezierPatchMatchesTheTensorBernsteinForm)
{
    std::vector<MPoint> cvs;
    for (int iu = 0; iu < 4; ++iu)
        for (int iv = 0; iv < 4; ++iv)
            cvs.emplace_back(iu, iv, std::sin(1.0 + iu * 0.7 + iv * 1.3));
    const NurbsKnots cubic(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1});
    const NurbsSurfaceShape patch(cubic, cubic, cvs);
    const double h = 1e-6;
    for (double u : {0.0, 0.3, 0.8}) {
        for (double v : {0.1, 0.5, 1.0}) {
            MVector expected;
            for (int iu = 0; iu < 4; ++iu)
                for (int iv = 0; iv < 4; ++iv)
                    expected += MVector(cvs[iu * 4 + iv]) * (bernstein3(iu, u) * bernstein3(iv, v));
            const NurbsSurfaceShape::Sample sample = sampleAt(patch, u, v);
            EXPECT_TRUE(isNear(sample.position, MPoint(expected), 1e-13));
            // One-sided differences stay inside the domain at its edges.
            const double du = u + h <= 1.0 ? h : -h;
            const double dv = v + h <= 1.0 ? h : -h;
            EXPECT_TRUE(isNear(sample.derivativeU, (sampleAt(patch, u + du, v).position - sample.position) / du, 1e-5));
            EXPECT_TRUE(isNear(sample.derivativeV, (sampleAt(patch, u, v + dv).position - sample.position) / dv, 1e-5));
        }
    }
}

TEST(NurbsSurfaceShape, RationalSphereHasItsRadiusAndInwardNormalsEverywhere)
{
    const NurbsSurfaceShape ball = sphere();
    ASSERT_TRUE(ball.isValid());
    for (int i = 0; i <= 12; ++i) {
        const double u = 0.05 + 0.15 * i;  // the poles at 0 and 2 have no normal
        for (double v = 0.0; v <= 4.0; v += 0.25) {
            const NurbsSurfaceShape::Sample sample = sampleAt(ball, u, v);
            const MVector radius = (sample.position - kCentre) / kRadius;
            EXPECT_NEAR(radius.length(), 1.0, 1e-13);
            MVector normal;
            ASSERT_EQ(ball.normal(u, v, normal), MStatus::kSuccess) << u << ", " << v;
            // U climbs from south to north, V turns counter-clockwise around
            // +Z: dP/du x dP/dv points into the sphere.
            EXPECT_TRUE(isNear(normal, -radius, 1e-12)) << "(u, v) = (" << u << ", " << v << ")";
        }
    }
}

TEST(NurbsSurfaceShape, DegeneratePoleHasNoNormal)
{
    const NurbsSurfaceShape ball = sphere();
    for (double v : {0.0, 0.5, 1.7, 4.0}) {
        MVector normal(5, 5, 5);
        EXPECT_EQ(ball.normal(0.0, v, normal), MStatus::kFailure) << "south pole, v = " << v;
        EXPECT_EQ(ball.normal(2.0, v, normal), MStatus::kFailure) << "north pole, v = " << v;
        EXPECT_EQ(normal, MVector(5, 5, 5));
    }
    // Close to the pole the surface is regular again.
    MVector normal;
    EXPECT_EQ(ball.normal(1e-6, 0.5, normal), MStatus::kSuccess);
}

TEST(NurbsSurfaceShape, ParametersBeforeAShiftedDomainClampToItsStart)
{
    // Domain [2, 4] in U: the surface adapter's u values 0 .. 2 mostly lie
    // before it and evaluate on the domain's first edge.
    std::vector<MPoint> cvs;
    for (int iu = 0; iu < 4; ++iu)
        for (int iv = 0; iv < 4; ++iv)
            cvs.emplace_back(iu, iv, (iu * iv) % 3);
    const NurbsSurfaceShape surface(NurbsKnots(3, 4, NurbsForm::kOpen, {2, 2, 2, 4, 4, 4}),
                                    NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}), cvs);
    for (double u : {0.0, 2.0 / 3.0, 4.0 / 3.0}) {
        const NurbsSurfaceShape::Sample clamped = sampleAt(surface, u, 0.4);
        const NurbsSurfaceShape::Sample onEdge = sampleAt(surface, 2.0, 0.4);
        EXPECT_EQ(clamped.position, onEdge.position);
        EXPECT_EQ(clamped.derivativeU, onEdge.derivativeU);
    }
    EXPECT_TRUE(isNear(sampleAt(surface, 4.0, 1.0).position, cvs.back(), 1e-15));
}

TEST(NurbsSurfaceShape, PeriodicDirectionWrapsAtEveryCVParameter)
{
    const NurbsSurfaceShape tube = periodicTube();
    ASSERT_TRUE(tube.isValid());
    const double period = tube.knotsU().domainLength();
    for (int u = 3; u <= 13; ++u) {
        for (double v : {0.0, 0.5, 1.0}) {
            const NurbsSurfaceShape::Sample sample = sampleAt(tube, u, v);
            EXPECT_TRUE(isNear(sample.position, sampleAt(tube, u - period, v).position, 1e-13));
            MVector normal;
            ASSERT_EQ(tube.normal(u, v, normal), MStatus::kSuccess) << u << ", " << v;
            // U turns counter-clockwise, V climbs: dP/du x dP/dv points out of the tube.
            const MVector outward(sample.position.x, sample.position.y, 0.0);
            EXPECT_GT(normal * outward.normal(), 0.8) << "(u, v) = (" << u << ", " << v << ")";
        }
    }
}

TEST(NurbsSurfaceShape, InvalidSurfacesAndParametersFail)
{
    const NurbsKnots linear(1, 2, NurbsForm::kOpen, {0, 1});
    NurbsSurfaceShape::Sample sample;
    MVector normal;
    const NurbsSurfaceShape missingCV(linear, linear, {MPoint(0, 0, 0), MPoint(0, 1, 0), MPoint(1, 0, 0)});
    EXPECT_FALSE(missingCV.isValid());
    EXPECT_EQ(missingCV.evaluate(0.5, 0.5, sample), MStatus::kFailure);
    EXPECT_EQ(missingCV.normal(0.5, 0.5, normal), MStatus::kFailure);

    const NurbsSurfaceShape patch(linear, linear,
                                  {MPoint(0, 0, 0), MPoint(0, 1, 0), MPoint(1, 0, 0), MPoint(1, 1, 0)});
    EXPECT_EQ(patch.evaluate(0.5, std::nan(""), sample), MStatus::kInvalidParameter);
    EXPECT_EQ(patch.normal(-INFINITY, 0.5, normal), MStatus::kInvalidParameter);
}
