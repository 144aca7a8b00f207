#include "GeometryExpectations.h"
#include "NurbsTestSupport.h"

#include "geometry/NurbsSurfaceData.h"
#include "graph/Node.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using kavo::host::geometry::NurbsSurfaceData;
using namespace kavo::host::graph;
using kavo::host::session::Host;

constexpr double kPi = 3.14159265358979323846;

// Open in both directions: cubic in U with 5 CVs, quadratic in V with 4 CVs
// and a domain that does not start at 0. CV (iu, iv) sits at
// (iu, iv, 0.1 iu iv); every other CV has weight 1.5.
MPoint gridCV(int iu, int iv)
{
    return MPoint(iu, iv, 0.1 * iu * iv, (iu + iv) % 2 ? 1.5 : 1.0);
}

MObject createGrid(MObject owner)
{
    MPointArray cvs;
    for (int iu = 0; iu < 5; ++iu)
        for (int iv = 0; iv < 4; ++iv)
            cvs.append(gridCV(iu, iv));
    MFnNurbsSurface surface;
    MStatus status;
    const MObject result = surface.create(cvs, doubles({0, 0, 0, 1, 2, 2, 2}), doubles({2, 2, 3, 4, 4}), 3, 2,
                                          MFnNurbsSurface::kOpen, MFnNurbsSurface::kOpen, true, owner, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return result;
}

MObject gridData()
{
    MFnNurbsSurfaceData data;
    return createGrid(data.create());
}

// Periodic around V: a cubic ring of 4 distinct CVs at height iu (U linear,
// 2 CVs), listed with the 3 repeats a periodic cubic direction carries.
MPointArray tubeCVs()
{
    MPointArray cvs;
    for (int iu = 0; iu < 2; ++iu)
        for (int iv = 0; iv < 7; ++iv)
            cvs.append(MPoint(std::cos(iv * kPi / 2), std::sin(iv * kPi / 2), iu));
    return cvs;
}

MObject createTube(const MPointArray& cvs, MStatus* status)
{
    MFnNurbsSurfaceData data;
    MObject owner = data.create();
    MFnNurbsSurface surface;
    return surface.create(cvs, doubles({0, 1}), doubles({-2, -1, 0, 1, 2, 3, 4, 5, 6}), 1, 3, MFnNurbsSurface::kOpen,
                          MFnNurbsSurface::kPeriodic, false, owner, status);
}

} // namespace

TEST(MFnNurbsSurface, AnswersLayoutKnotsAndCVsInHostOrder)
{
    MFnNurbsSurface surface(gridData());
    EXPECT_EQ(surface.numCVsInU(), 5);
    EXPECT_EQ(surface.numCVsInV(), 4);
    EXPECT_EQ(surface.degreeU(), 3);
    EXPECT_EQ(surface.degreeV(), 2);
    EXPECT_EQ(surface.numSpansInU(), 2);
    EXPECT_EQ(surface.numKnotsInV(), 5);
    EXPECT_EQ(surface.formInU(), MFnNurbsSurface::kOpen);
    EXPECT_EQ(surface.formInV(), MFnNurbsSurface::kOpen);

    double startU = -1, endU = -1, startV = -1, endV = -1;
    ASSERT_EQ(surface.getKnotDomain(startU, endU, startV, endV), MStatus::kSuccess);
    EXPECT_EQ(startU, 0.0);
    EXPECT_EQ(endU, 2.0);
    EXPECT_EQ(startV, 2.0);
    EXPECT_EQ(endV, 4.0);
    MDoubleArray knotsV;
    ASSERT_EQ(surface.getKnotsInV(knotsV), MStatus::kSuccess);
    ASSERT_EQ(knotsV.length(), 5u);
    EXPECT_EQ(knotsV[1], 2.0);
    EXPECT_EQ(knotsV[2], 3.0);

    // V varies fastest, and the weights come back as given.
    MPointArray cvs;
    ASSERT_EQ(surface.getCVs(cvs), MStatus::kSuccess);
    ASSERT_EQ(cvs.length(), 20u);
    for (int iu = 0; iu < 5; ++iu)
        for (int iv = 0; iv < 4; ++iv) {
            EXPECT_EQ(cvs[iu * 4 + iv], gridCV(iu, iv));
            MPoint cv;
            ASSERT_EQ(surface.getCV(iu, iv, cv), MStatus::kSuccess);
            EXPECT_EQ(cv, gridCV(iu, iv));
        }
    MPoint outside;
    EXPECT_EQ(surface.getCV(5, 0, outside), MStatus::kInvalidParameter);
}

TEST(MFnNurbsSurface, WorldSpaceIsTheSurfaceCarriedByTheDataTransform)
{
    const MObject data = gridData();
    MFnNurbsSurface surface(data);
    const double u = 0.7, v = 3.3;
    MPoint objectPoint, worldPoint;
    ASSERT_EQ(surface.getPointAtParam(u, v, objectPoint), MStatus::kSuccess);
    ASSERT_EQ(surface.getPointAtParam(u, v, worldPoint, MSpace::kWorld), MStatus::kSuccess);
    EXPECT_EQ(worldPoint, objectPoint);

    // The data moves (as a shape's output does when its transform moves).
    objectAs<NurbsSurfaceData>(data)->transform = placement();
    ASSERT_EQ(surface.getPointAtParam(u, v, worldPoint, MSpace::kWorld), MStatus::kSuccess);
    EXPECT_TRUE(isNear(worldPoint, objectPoint * placement(), 1e-12));

    // A weighted CV's position moves as a point; its weight stays.
    MPointArray world;
    ASSERT_EQ(surface.getCVs(world, MSpace::kWorld), MStatus::kSuccess);
    const MPoint expected = placed(gridCV(2, 1), placement());
    EXPECT_TRUE(isNear(world[2 * 4 + 1], expected, 1e-12));
    EXPECT_EQ(world[2 * 4 + 1].w, 1.5);

    // Under rotation and non-uniform scale the world normal is still of unit
    // length and perpendicular to the world surface.
    MStatus status;
    const MVector normal = surface.normal(u, v, MSpace::kWorld, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    MVector tangentU, tangentV;
    ASSERT_EQ(surface.getTangents(u, v, tangentU, tangentV, MSpace::kWorld), MStatus::kSuccess);
    EXPECT_NEAR(normal.length(), 1.0, 1e-12);
    EXPECT_NEAR(normal * tangentU, 0.0, 1e-12);
    EXPECT_NEAR(normal * tangentV, 0.0, 1e-12);
    EXPECT_GT(normal * (tangentU ^ tangentV), 0.0);
}

TEST(MFnNurbsSurface, NormalFailsAtADegeneratePole)
{
    // A bilinear cone: the whole first row of CVs is its apex.
    MPointArray cvs;
    for (const MPoint& p :
         {MPoint(0, 0, 1), MPoint(0, 0, 1), MPoint(0, 0, 1), MPoint(1, 0, 0), MPoint(0, 1, 0), MPoint(-1, 0, 0)})
        cvs.append(p);
    MFnNurbsSurfaceData data;
    MObject owner = data.create();
    MFnNurbsSurface cone;
    cone.create(cvs, doubles({0, 1}), doubles({0, 1, 2}), 1, 1, MFnNurbsSurface::kOpen, MFnNurbsSurface::kOpen, false,
                owner);

    MStatus status;
    EXPECT_EQ(cone.normal(0.0, 0.5, MSpace::kObject, &status), MVector::zero);
    EXPECT_EQ(status, MStatus::kFailure);
    EXPECT_EQ(cone.normal(0.0, 0.5, MSpace::kWorld, &status), MVector::zero);
    EXPECT_EQ(status, MStatus::kFailure);

    const MVector side = cone.normal(0.5, 0.5, MSpace::kObject, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    EXPECT_NEAR(side.length(), 1.0, 1e-12);
}

TEST(MFnNurbsSurface, CreateRejectsWhatIsNotASurfaceAndChangesNothing)
{
    MFnNurbsSurfaceData dataSet;
    MObject owner = dataSet.create();
    MPointArray sixteen;
    for (int k = 0; k < 16; ++k)
        sixteen.append(MPoint(k / 4, k % 4, 0));
    const MDoubleArray cubic = doubles({0, 0, 0, 1, 1, 1});
    const auto open = MFnNurbsSurface::kOpen;

    struct Attempt
    {
        const char* what;
        MPointArray cvs;
        MDoubleArray knotsU;
        unsigned int degreeU;
        MFnNurbsSurface::Form formU;
    };
    MPointArray zeroWeight = sixteen;
    zeroWeight[5].w = 0.0;
    const Attempt attempts[] = {
        {"one knot too many", sixteen, doubles({0, 0, 0, 1, 1, 1, 1}), 3, open},
        {"decreasing knots", sixteen, doubles({0, 0, 1, 0, 1, 1}), 3, open},
        {"degree 0", sixteen, cubic, 0, open},
        {"a degree beyond the knots", sixteen, cubic, 4000000000u, open},
        {"a CV missing", pointArray({MPoint(0, 0, 0)}), cubic, 3, open},
        {"a weight of 0", zeroWeight, cubic, 3, open},
        {"no form", sixteen, cubic, 3, MFnNurbsSurface::kInvalid},
        {"periodic without repeated CVs", sixteen, cubic, 3, MFnNurbsSurface::kPeriodic},
    };
    const size_t nodesBefore = Scene::instance().nodes().size();
    for (const Attempt& attempt : attempts) {
        MFnNurbsSurface surface;
        MStatus status;
        const MObject made = surface.create(attempt.cvs, attempt.knotsU, cubic, attempt.degreeU, 3, attempt.formU, open,
                                            true, owner, &status);
        EXPECT_EQ(status, MStatus::kInvalidParameter) << attempt.what;
        EXPECT_TRUE(made.isNull()) << attempt.what;
        MObject noParent;
        surface.create(attempt.cvs, attempt.knotsU, cubic, attempt.degreeU, 3, attempt.formU, open, true, noParent,
                       &status);
        EXPECT_EQ(status, MStatus::kInvalidParameter) << attempt.what;
    }
    EXPECT_FALSE(objectAs<NurbsSurfaceData>(owner)->hasSurface());
    EXPECT_EQ(Scene::instance().nodes().size(), nodesBefore);

    MStatus status;
    MFnNurbsSurface(owner).numCVsInU(&status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST(MFnNurbsSurface, PeriodicSeamStaysClosedWhateverMovesIt)
{
    MPointArray cvs = tubeCVs();
    cvs[0].x += 1e-3; // the repeat at V index 4 no longer matches
    MStatus status;
    createTube(cvs, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    MObject tube = createTube(tubeCVs(), &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    MFnNurbsSurface surface(tube);
    EXPECT_EQ(surface.formInV(), MFnNurbsSurface::kPeriodic);
    EXPECT_EQ(surface.numCVsInV(), 7);
    double startU, endU, startV, endV;
    surface.getKnotDomain(startU, endU, startV, endV);
    EXPECT_EQ(startV, 0.0);
    EXPECT_EQ(endV, 4.0);

    // Moving a repeat moves the CV it repeats, and the other way round.
    ASSERT_EQ(surface.setCV(1, 5, MPoint(0, 2, 1)), MStatus::kSuccess);
    MPoint leading;
    surface.getCV(1, 1, leading);
    EXPECT_EQ(leading, MPoint(0, 2, 1));

    // The iterator walks the repeats too, but they only follow their CVs.
    MItGeometry points(tube);
    ASSERT_EQ(points.count(), 14);
    for (; !points.isDone(); points.next()) {
        if (points.index() == 2)
            points.setPosition(MPoint(-3, 0, 0));
        if (points.index() == 11) // (1, 4) repeats (1, 0)
            points.setPosition(MPoint(5, 5, 5));
    }
    MPoint repeat, unmoved;
    surface.getCV(0, 6, repeat);
    EXPECT_EQ(repeat, MPoint(-3, 0, 0));
    surface.getCV(1, 0, unmoved);
    EXPECT_EQ(unmoved, tubeCVs()[7]);

    // Across the seam the surface is continuous: the domain's two ends meet.
    MPoint atStart, atEnd;
    surface.getPointAtParam(0.5, 0.0, atStart);
    surface.getPointAtParam(0.5, 4.0 - 1e-12, atEnd);
    EXPECT_TRUE(isNear(atStart, atEnd, 1e-9));
}

TEST(MFnNurbsSurface, IteratorWalksEveryCVInBothSpacesAndKeepsWeights)
{
    MObject data = gridData();
    objectAs<NurbsSurfaceData>(data)->transform = placement();
    MItGeometry points(data);
    ASSERT_EQ(points.count(), 20);
    for (; !points.isDone(); points.next()) {
        const int k = points.index();
        const MPoint cv = gridCV(k / 4, k % 4);
        EXPECT_EQ(points.position(), MPoint(cv.x, cv.y, cv.z));
        EXPECT_TRUE(isNear(points.position(MSpace::kWorld), placed(cv, placement()), 1e-12));
    }

    // A world-space write lands in object space and leaves the weight alone.
    points.reset();
    points.next();
    points.setPosition(MPoint(1, 2, 3) * placement(), MSpace::kWorld);
    MPoint moved;
    MFnNurbsSurface(data).getCV(0, 1, moved);
    EXPECT_TRUE(isNear(moved, MPoint(1, 2, 3), 1e-12));
    EXPECT_EQ(moved.w, 1.5);
}

TEST(MFnNurbsSurface, CloneIsADeepCopy)
{
    const MObject data = gridData();
    auto original = objectAs<NurbsSurfaceData>(data);
    original->transform = placement();
    const MObject copy(original->clone());
    ASSERT_TRUE(copy.hasFn(MFn::kNurbsSurfaceData));
    EXPECT_TRUE(copy.hasFn(MFn::kData));
    EXPECT_EQ(objectAs<NurbsSurfaceData>(copy)->transform, placement());

    // Both were evaluated before the copy changes: the copy's answers follow
    // its CVs, the original's stay.
    MFnNurbsSurface copySet(copy);
    const MVector normalBefore = MFnNurbsSurface(data).normal(1.0, 3.0);
    EXPECT_EQ(copySet.normal(1.0, 3.0), normalBefore);
    ASSERT_EQ(copySet.setCV(2, 2, MPoint(0, 0, 50)), MStatus::kSuccess);
    MPoint cv;
    MFnNurbsSurface(data).getCV(2, 2, cv);
    EXPECT_EQ(cv, gridCV(2, 2));
    EXPECT_EQ(MFnNurbsSurface(data).normal(1.0, 3.0), normalBefore);
    EXPECT_FALSE(copySet.normal(1.0, 3.0).isEquivalent(normalBefore, 1e-3));
}

TEST(MFnNurbsSurface, AttachesToSurfacesOnly)
{
    MFnNurbsCurveData curveData;
    MStatus status;
    MFnNurbsSurface onCurve(curveData.create(), &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    MFnNurbsSurface onNothing(MObject(), &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(onNothing.numCVsInU(&status), 0);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    MFnNurbsSurfaceData dataSet;
    const MObject empty = dataSet.create(&status);
    EXPECT_EQ(empty.apiType(), MFn::kNurbsSurfaceData);
    MFnNurbsSurface onEmpty(empty, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    MPointArray cvs;
    EXPECT_EQ(onEmpty.getCVs(cvs), MStatus::kInvalidParameter);
}

class MFnNurbsSurfaceTest : public ::testing::Test
{
protected:
    void TearDown() override { Host::resetScene(); }

    static void setTranslateX(const MObject& transform, double x)
    {
        MFnDependencyNode(transform).findPlug("translateX", false).setValue(x);
    }
};

TEST_F(MFnNurbsSurfaceTest, CreateWithoutParentMakesATransformAndTheShapeFollowsIt)
{
    const MObject transform = createGrid(MObject());
    ASSERT_TRUE(transform.hasFn(MFn::kTransform));
    MFnDagNode transformSet(transform);
    ASSERT_EQ(transformSet.childCount(), 1u);
    const MObject shape = transformSet.child(0);
    EXPECT_EQ(MFnDependencyNode(shape).typeName(), MString("nurbsSurface"));

    MFnNurbsSurface surface(shape);
    EXPECT_EQ(surface.numCVsInU(), 5);
    setTranslateX(transform, 3.0);
    MPoint object, world;
    surface.getCV(1, 1, object);
    surface.getCV(1, 1, world, MSpace::kWorld);
    EXPECT_EQ(object, gridCV(1, 1));
    EXPECT_TRUE(isNear(world, object + MVector(3, 0, 0), 1e-12));

    // The output is a copy that carries the world matrix; the stored input
    // stays as it was made.
    MObject output;
    MFnDependencyNode(shape).findPlug("local", false).getValue(output);
    ASSERT_TRUE(output.hasFn(MFn::kNurbsSurfaceData));
    EXPECT_TRUE(isNear(MPoint() * objectAs<NurbsSurfaceData>(output)->transform, MPoint(3, 0, 0), 1e-12));
    MObject input;
    MFnDependencyNode(shape).findPlug("create", false).getValue(input);
    EXPECT_NE(input, output);
    EXPECT_EQ(objectAs<NurbsSurfaceData>(input)->transform, MMatrix::identity);
}

TEST_F(MFnNurbsSurfaceTest, EditsReachTheOutputUnlessTheInputIsConnected)
{
    MObject transform = Scene::instance().createNode("transform", "holder")->handle();
    const MObject shape = createGrid(transform);
    ASSERT_TRUE(shape.hasFn(MFn::kNurbsSurface));
    MFnNurbsSurface surface(shape);
    ASSERT_EQ(surface.setCV(0, 0, MPoint(-1, -1, -1)), MStatus::kSuccess);
    MPoint cv;
    surface.getCV(0, 0, cv);
    EXPECT_EQ(cv, MPoint(-1, -1, -1));

    // Fed from another shape, it shows that shape's surface and refuses edits.
    MObject source = createGrid(transform);
    MFnNurbsSurface(source).setCV(0, 0, MPoint(7, 7, 7));
    Node* from = objectAs<Node>(source).get();
    Node* to = objectAs<Node>(shape).get();
    ASSERT_EQ(Scene::instance().connect(*from, {from->type().findAttribute("local"), {}}, *to,
                                        {to->type().findAttribute("create"), {}}),
              MStatus::kSuccess);
    surface.getCV(0, 0, cv);
    EXPECT_EQ(cv, MPoint(7, 7, 7));
    EXPECT_EQ(surface.setCV(0, 0, MPoint(1, 1, 1)), MStatus::kFailure);
    surface.getCV(0, 0, cv);
    EXPECT_EQ(cv, MPoint(7, 7, 7));
}
