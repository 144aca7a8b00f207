#include "GeometryExpectations.h"
#include "NurbsTestSupport.h"

#include "geometry/NurbsCurveData.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MItGeometry.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kavo::host::geometry::NurbsCurveData;
using kavo::host::graph::objectAs;
using kavo::host::graph::Scene;
using kavo::host::session::Host;

constexpr double kPi = 3.14159265358979323846;

MObject curveData(const MPointArray& cvs, const MDoubleArray& knots, unsigned int degree, MFnNurbsCurve::Form form,
                  bool create2D = false, bool rational = false, MStatus* status = nullptr)
{
    MFnNurbsCurveData data;
    MObject owner = data.create();
    MFnNurbsCurve curve;
    return curve.create(cvs, knots, degree, form, create2D, rational, owner, status);
}

// A periodic cubic around the circle of radius 2 about (1, 1, 0) in the XY
// plane: 8 CVs and the 3 repeats, uniform knots, domain [0, 8]. By symmetry
// the curve point at each whole parameter lies on the ray of a CV.
const MPoint kCentre(1, 1, 0);

MPointArray ringCVs()
{
    MPointArray cvs;
    for (int k = 0; k < 11; ++k)
        cvs.append(kCentre + 2.0 * MVector(std::cos(k * kPi / 4), std::sin(k * kPi / 4), 0));
    return cvs;
}

MObject ring()
{
    return curveData(ringCVs(), doubles({-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 3, MFnNurbsCurve::kPeriodic);
}

} // namespace

TEST(MFnNurbsCurve, AnswersLayoutAndKnots)
{
    const MPointArray cvs = pointArray(
        {MPoint(0, 0, 0), MPoint(1, 2, 0), MPoint(2, 0, 1), MPoint(3, 2, 1), MPoint(4, 0, 0), MPoint(5, 1, 0)});
    MFnNurbsCurve curve(curveData(cvs, doubles({0, 0, 0, 1, 2, 3, 3, 3}), 3, MFnNurbsCurve::kOpen));
    EXPECT_EQ(curve.numCVs(), 6);
    EXPECT_EQ(curve.numSpans(), 3);
    EXPECT_EQ(curve.numKnots(), 8);
    EXPECT_EQ(curve.degree(), 3);
    EXPECT_EQ(curve.form(), MFnNurbsCurve::kOpen);
    double start = -1, end = -1;
    ASSERT_EQ(curve.getKnotDomain(start, end), MStatus::kSuccess);
    EXPECT_EQ(start, 0.0);
    EXPECT_EQ(end, 3.0);
    MDoubleArray knots;
    ASSERT_EQ(curve.getKnots(knots), MStatus::kSuccess);
    ASSERT_EQ(knots.length(), 8u);
    EXPECT_EQ(knots[4], 2.0);
    MStatus status;
    curve.knot(8, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    // An open curve starts and ends on its end CVs.
    MPoint first, last;
    curve.getPointAtParam(start, first);
    curve.getPointAtParam(end, last);
    EXPECT_TRUE(isNear(first, cvs[0], 1e-15));
    EXPECT_TRUE(isNear(last, cvs[5], 1e-15));
}

TEST(MFnNurbsCurve, PrincipalNormalPointsToTheCentreOfCurvature)
{
    MObject data = ring();
    MFnNurbsCurve curve(data);
    EXPECT_EQ(curve.form(), MFnNurbsCurve::kPeriodic);
    for (int t = 0; t <= 8; ++t) {
        MPoint at;
        ASSERT_EQ(curve.getPointAtParam(t, at), MStatus::kSuccess);
        MStatus status;
        const MVector normal = curve.normal(t, MSpace::kObject, &status);
        ASSERT_EQ(status, MStatus::kSuccess);
        EXPECT_TRUE(isNear(normal, (kCentre - at).normal(), 1e-12)) << "t = " << t;
        EXPECT_NEAR(normal * curve.tangent(t), 0.0, 1e-12);
    }

    // In world space the curve turns about its placed centre; a rotation and
    // non-uniform scale change the normal's direction, not its meaning.
    objectAs<NurbsCurveData>(data)->transform = placement();
    MStatus status;
    const MVector worldNormal = curve.normal(0.0, MSpace::kWorld, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    const MVector worldTangent = curve.tangent(0.0, MSpace::kWorld);
    EXPECT_NEAR(worldNormal.length(), 1.0, 1e-12);
    EXPECT_NEAR(worldNormal * worldTangent, 0.0, 1e-12);
    EXPECT_GT(worldNormal * (placed(kCentre, placement()) - placed(MPoint(3, 1, 0), placement())), 0.0);
}

TEST(MFnNurbsCurve, StraightCurveHasTheDocumentedNormalAndAStoppedOneHasNone)
{
    const MPointArray line = pointArray({MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(2, 0, 0), MPoint(4, 0, 0)});
    MFnNurbsCurve straight(curveData(line, doubles({0, 0, 0, 1, 1, 1}), 3, MFnNurbsCurve::kOpen));
    MStatus status;
    // Along x, y is the axis least aligned with the tangent.
    EXPECT_TRUE(isNear(straight.normal(0.5, MSpace::kObject, &status), MVector(0, 1, 0), 1e-15));
    EXPECT_EQ(status, MStatus::kSuccess);

    // Two coinciding CVs at the start: the curve does not move there.
    const MPointArray stalled = pointArray({MPoint(0, 0, 0), MPoint(0, 0, 0), MPoint(1, 1, 0), MPoint(2, 0, 0)});
    MFnNurbsCurve stopped(curveData(stalled, doubles({0, 0, 0, 1, 1, 1}), 3, MFnNurbsCurve::kOpen));
    EXPECT_EQ(stopped.normal(0.0, MSpace::kObject, &status), MVector::zero);
    EXPECT_EQ(status, MStatus::kFailure);
    EXPECT_EQ(stopped.tangent(0.0, MSpace::kObject, &status), MVector::zero);
    EXPECT_EQ(status, MStatus::kFailure);
    stopped.normal(0.5, MSpace::kObject, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
}

TEST(MFnNurbsCurve, CreateHonoursTwoDimensionalAndRationalFlagsAndRejectsBadInput)
{
    const MPointArray cvs = pointArray({MPoint(0, 0, 5, 2), MPoint(1, 1, 5, 0.5), MPoint(2, 0, 5, 1)});
    const MDoubleArray knots = doubles({0, 0, 1, 1});
    MPointArray got;
    MFnNurbsCurve(curveData(cvs, knots, 2, MFnNurbsCurve::kOpen, true, false)).getCVs(got);
    EXPECT_EQ(got[0], MPoint(0, 0, 0, 1));
    EXPECT_EQ(got[1], MPoint(1, 1, 0, 1));
    MFnNurbsCurve(curveData(cvs, knots, 2, MFnNurbsCurve::kOpen, false, true)).getCVs(got);
    EXPECT_EQ(got[1], MPoint(1, 1, 5, 0.5));

    MStatus status;
    MPointArray notRepeated = ringCVs();
    notRepeated[9] = MPoint(0, 0, 0);
    curveData(notRepeated, doubles({-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 3, MFnNurbsCurve::kPeriodic, false,
              false, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    curveData(cvs, doubles({0, 1, 1}), 2, MFnNurbsCurve::kOpen, false, false, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    curveData(cvs, knots, 3, MFnNurbsCurve::kOpen, false, false, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    // A surface data object is no owner for a curve.
    MFnNurbsSurfaceData surfaceData;
    MObject wrongOwner = surfaceData.create();
    MFnNurbsCurve curve;
    EXPECT_TRUE(curve.create(cvs, knots, 2, MFnNurbsCurve::kOpen, false, false, wrongOwner, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST(MFnNurbsCurve, IteratorWalksEveryCVAndKeepsThePeriodicCurveClosed)
{
    MObject data = ring();
    objectAs<NurbsCurveData>(data)->transform = placement();
    MItGeometry points(data);
    ASSERT_EQ(points.count(), 11);
    const MPointArray cvs = ringCVs();
    for (; !points.isDone(); points.next()) {
        EXPECT_TRUE(isNear(points.position(), cvs[points.index()], 1e-15));
        EXPECT_TRUE(isNear(points.position(MSpace::kWorld), placed(cvs[points.index()], placement()), 1e-12));
    }

    // A walk that moves every point by one moves every CV once: a repeat
    // follows its CV and ignores being moved itself.
    for (points.reset(); !points.isDone(); points.next())
        points.setPosition(points.position() + MVector(0, 0, 1));
    MFnNurbsCurve curve(data);
    MPointArray all;
    curve.getCVs(all);
    for (unsigned int k = 0; k < 11; ++k)
        EXPECT_TRUE(isNear(all[k], cvs[k] + MVector(0, 0, 1), 1e-15)) << k;

    // So do the function set's bulk writes; a single write to a repeat moves
    // the CV it repeats.
    all[0] = MPoint(-1, 0, 0);
    all[8] = MPoint(-2, 0, 0);
    ASSERT_EQ(curve.setCVs(all), MStatus::kSuccess);
    MPoint cv;
    curve.getCV(8, cv);
    EXPECT_EQ(cv, MPoint(-1, 0, 0));
    ASSERT_EQ(curve.setCV(9, MPoint(9, 9, 9)), MStatus::kSuccess);
    curve.getCV(1, cv);
    EXPECT_EQ(cv, MPoint(9, 9, 9));

    EXPECT_EQ(curve.setCV(11, MPoint(), MSpace::kObject), MStatus::kInvalidParameter);
    all.remove(0);
    EXPECT_EQ(curve.setCVs(all), MStatus::kInvalidParameter);
}

TEST(MFnNurbsCurve, CloneIsADeepCopy)
{
    MObject data = ring();
    auto original = objectAs<NurbsCurveData>(data);
    original->transform = placement();
    const MObject copy(original->clone());
    EXPECT_EQ(copy.apiType(), MFn::kNurbsCurveData);
    EXPECT_EQ(objectAs<NurbsCurveData>(copy)->transform, placement());
    ASSERT_EQ(MFnNurbsCurve(copy).setCV(3, MPoint(0, 0, 4)), MStatus::kSuccess);
    MPoint cv;
    MFnNurbsCurve(data).getCV(3, cv);
    EXPECT_EQ(cv, ringCVs()[3]);
}

class MFnNurbsCurveTest : public ::testing::Test
{
protected:
    void TearDown() override { Host::resetScene(); }
};

TEST_F(MFnNurbsCurveTest, CreateUnderATransformReturnsTheShape)
{
    MObject transform = Scene::instance().createNode("transform", "arc")->handle();
    MFnDependencyNode(transform).findPlug("translateY", false).setValue(2.0);
    MFnNurbsCurve curve;
    MStatus status;
    const MObject shape = curve.create(ringCVs(), doubles({-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 3,
                                       MFnNurbsCurve::kPeriodic, false, false, transform, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    EXPECT_TRUE(shape.hasFn(MFn::kNurbsCurve));
    EXPECT_EQ(MFnDagNode(shape).parent(0), transform);
    EXPECT_EQ(curve.object(), shape);

    MPoint object, world;
    curve.getCV(0, object);
    curve.getCV(0, world, MSpace::kWorld);
    EXPECT_TRUE(isNear(world, object + MVector(0, 2, 0), 1e-12));
}
