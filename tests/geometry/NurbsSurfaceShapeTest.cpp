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

// An exact sphere: a rational half circle from the south to the north pole
// (U, 5 CVs) swept by a rational full circle around Z (V, 9 CVs). Each pole
// row collapses into one point. Centre and radius are not round binary
// numbers, so the poles' derivatives are rounding noise, not exact zeros.
const MPoint kCentre(0.1, 0.2, 0.3);
const double kRadius = 0.7;

NurbsSurfaceShape sphere()
{
    const double w = std::sqrt(0.5);
    const double profile[5][3] = {{0, -1, 1}, {1, -1, w}, {1, 0, 1}, {1, 1, w}, {0, 1, 1}}; // radius, height, weight
    const double circle[9][3] = {{1, 0, 1},   {1, 1, w},  {0, 1, 1},  {-1, 1, w}, {-1, 0, 1},
                                 {-1, -1, w}, {0, -1, 1}, {1, -1, w}, {1, 0, 1}};
    std::vector<MPoint> cvs;
    for (const auto& p : profile)
        for (const auto& c : circle)
            cvs.emplace_back(kCentre.x + kRadius * p[0] * c[0], kCentre.y + kRadius * p[0] * c[1],
                             kCentre.z + kRadius * p[1], p[2] * c[2]);
    return NurbsSurfaceShape(NurbsKnots(2, 5, NurbsForm::kOpen, {0, 0, 1, 1, 2, 2}),
                             NurbsKnots(2, 9, NurbsForm::kClosed, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}), cvs);
}

} // namespace

TEST(NurbsSurfaceShape, FlatBilinearPatchFollowsTheHostCVOrder)
{
    // V varies fastest: CV (iu, iv) sits at (iu, iv, 0).
    const NurbsKnots linear(1, 2, NurbsForm::kOpen, {0, 1});
    const NurbsSurfaceShape patch(linear, linear, {MPoint(0, 0, 0), MPoint(0, 1, 0), MPoint(1, 0, 0), MPoint(1, 1, 0)});
    const NurbsSurfaceShape::Sample sample = sampleAt(patch, 0.25, 0.75);
    EXPECT_TRUE(isNear(sample.position, MPoint(0.25, 0.75, 0), 1e-15));
    EXPECT_TRUE(isNear(sample.derivativeU, MVector(1, 0, 0), 1e-15));
    EXPECT_TRUE(isNear(sample.derivativeV, MVector(0, 1, 0), 1e-15));
    MVector normal;
    ASSERT_EQ(patch.normal(1.0, 0.0, normal), MStatus::kSuccess);
    EXPECT_TRUE(isNear(normal, MVector(0, 0, 1), 1e-15));
}

TEST(NurbsSurfaceShape, RationalSphereHasItsRadiusAndInwardNormalsEverywhere)
{
    const NurbsSurfaceShape ball = sphere();
    ASSERT_TRUE(ball.isValid());
    for (int i = 0; i <= 12; ++i) {
        const double u = 0.05 + 0.15 * i; // the poles at 0 and 2 have no normal
        for (double v = 0.0; v <= 4.0; v += 0.25) {
            const MVector radius = (sampleAt(ball, u, v).position - kCentre) / kRadius;
            EXPECT_NEAR(radius.length(), 1.0, 1e-13);
            // U climbs from south to north, V turns counter-clockwise around
            // +Z: dP/du x dP/dv points into the sphere.
            MVector normal;
            ASSERT_EQ(ball.normal(u, v, normal), MStatus::kSuccess) << u << ", " << v;
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
    MVector normal;
    EXPECT_EQ(ball.normal(1e-6, 0.5, normal), MStatus::kSuccess) << "regular again next to the pole";
}

TEST(NurbsSurfaceShape, ParametersBeforeAShiftedDomainClampToItsStart)
{
    std::vector<MPoint> cvs;
    for (int iu = 0; iu < 4; ++iu)
        for (int iv = 0; iv < 4; ++iv)
            cvs.emplace_back(iu, iv, (iu * iv) % 3);
    const NurbsSurfaceShape surface(NurbsKnots(3, 4, NurbsForm::kOpen, {2, 2, 2, 4, 4, 4}),
                                    NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}), cvs);
    // The surface adapter's u values for 4 CVs over [2, 4] are 0, 2/3, 4/3, 2.
    for (double u : {0.0, 2.0 / 3.0, 4.0 / 3.0})
        EXPECT_EQ(sampleAt(surface, u, 0.4).position, sampleAt(surface, 2.0, 0.4).position);
    EXPECT_TRUE(isNear(sampleAt(surface, 4.0, 1.0).position, cvs.back(), 1e-15));

    NurbsSurfaceShape::Sample sample;
    EXPECT_EQ(surface.evaluate(0.5, std::nan(""), sample), MStatus::kInvalidParameter);
    cvs.pop_back();
    EXPECT_EQ(NurbsSurfaceShape(surface.knotsU(), surface.knotsV(), cvs).evaluate(2, 0, sample), MStatus::kFailure);
}

TEST(NurbsSurfaceShape, PeriodicTubeWrapsAtEveryCVParameterWithOutwardNormals)
{
    // Periodic in U (11 CVs, degree 3, the first 3 rows repeated), open in V.
    std::vector<MPoint> cvs;
    for (int iu = 0; iu < 11; ++iu) {
        const int k = iu % 8;
        for (int iv = 0; iv < 4; ++iv) {
            const double radius = 1.0 + 0.2 * iv + 0.1 * (k % 2);
            cvs.emplace_back(radius * std::cos(k * M_PI / 4), radius * std::sin(k * M_PI / 4), iv);
        }
    }
    const NurbsSurfaceShape tube(NurbsKnots(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
                                 NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}), cvs);
    for (int u = 3; u <= 13; ++u) { // the parameters the surface adapter gives the 11 CV rows
        for (double v : {0.0, 0.5, 1.0}) {
            const MPoint position = sampleAt(tube, u, v).position;
            EXPECT_TRUE(isNear(position, sampleAt(tube, u - 8.0, v).position, 1e-13));
            MVector normal;
            ASSERT_EQ(tube.normal(u, v, normal), MStatus::kSuccess) << u << ", " << v;
            EXPECT_GT(normal * MVector(position.x, position.y, 0.0).normal(), 0.8) << u << ", " << v;
        }
    }
}
