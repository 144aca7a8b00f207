#include "GeometryExpectations.h"
#include "NurbsTestSupport.h"
#include "TestDeformerTypes.h"

#include "graph/Scene.h"
#include "session/DeformerCommand.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MPxDeformerNode.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using kavo::host::graph::Scene;
using namespace kavo::host::session;
using kavo::test::registerDeformerType;

constexpr double kPi = 3.14159265358979323846;

// Moves every point up by one, in world space.
class WorldLift : public MPxDeformerNode
{
public:
    static void* creator() { return new WorldLift; }
    static MStatus initialize() { return MStatus::kSuccess; }

    MStatus deform(MDataBlock&, MItGeometry& iterator, const MMatrix&, unsigned int) override
    {
        for (; !iterator.isDone(); iterator.next())
            iterator.setPosition(iterator.position(MSpace::kWorld) + MVector(0, 1, 0), MSpace::kWorld);
        return MStatus::kSuccess;
    }
};

// A rational tube, periodic around V, and an open cubic, each under a
// rotated transform.
MObject placedTransform(const char* name)
{
    MObject transform = Scene::instance().createNode("transform", name)->handle();
    MFnDependencyNode(transform).findPlug("rotateZ", false).setValue(kPi / 2);
    return transform;
}

void createTube(MObject& transform)
{
    MPointArray cvs;
    for (int iu = 0; iu < 2; ++iu)
        for (int iv = 0; iv < 7; ++iv)
            cvs.append(std::cos(iv * kPi / 2), std::sin(iv * kPi / 2), iu, iv % 2 ? 0.5 : 1.0);
    MStatus status;
    MFnNurbsSurface().create(cvs, doubles({0, 1}), doubles({-2, -1, 0, 1, 2, 3, 4, 5, 6}), 1, 3, MFnNurbsSurface::kOpen,
                             MFnNurbsSurface::kPeriodic, true, transform, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
}

void createCurve(MObject& transform)
{
    MStatus status;
    MFnNurbsCurve().create(pointArray({MPoint(0, 0, 0), MPoint(1, 2, 0), MPoint(2, 0, 1), MPoint(3, 1, 0)}),
                           doubles({0, 0, 0, 1, 1, 1}), 3, MFnNurbsCurve::kOpen, false, false, transform, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
}

MPointArray cvsOf(const MObject& data, MSpace::Space space)
{
    MPointArray cvs;
    if (data.hasFn(MFn::kNurbsSurfaceData))
        MFnNurbsSurface(data).getCVs(cvs, space);
    else
        MFnNurbsCurve(data).getCVs(cvs, space);
    return cvs;
}

class NurbsDeformationTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerDeformerType<WorldLift>("worldLift", 0x7f0a1); }

    void TearDown() override { Host::resetScene(); }
};

} // namespace

TEST_F(NurbsDeformationTest, DeformerMovesTheCVsOfBothKindsAndLeavesTheOriginalsAlone)
{
    MObject tube = placedTransform("tube");
    MObject arc = placedTransform("arc");
    createTube(tube);
    createCurve(arc);
    const MPointArray tubeBefore = cvsOf(GeometryShapes::output("tube"), MSpace::kWorld);
    const MPointArray arcBefore = cvsOf(GeometryShapes::output("arc"), MSpace::kWorld);

    const auto outcome = DeformerCommand::run("worldLift", {"tube", "arc"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    ASSERT_EQ(outcome.originalShapes.size(), 2u);

    for (const auto& [name, before] : {std::pair{"tube", tubeBefore}, std::pair{"arc", arcBefore}}) {
        MStatus status;
        const MPointArray after = cvsOf(GeometryShapes::output(name, &status), MSpace::kWorld);
        ASSERT_EQ(status, MStatus::kSuccess) << name;
        ASSERT_EQ(after.length(), before.length()) << name;
        for (unsigned int k = 0; k < after.length(); ++k) {
            const MPoint lifted(before[k].x, before[k].y + 1.0, before[k].z);
            EXPECT_TRUE(isNear(after[k], lifted, 1e-12)) << name << " CV " << k;
            EXPECT_EQ(after[k].w, before[k].w) << name << " CV " << k;
        }
    }

    for (const std::string& original : outcome.originalShapes) {
        auto* node = Scene::instance().findNode(original);
        ASSERT_NE(node, nullptr) << original;
        EXPECT_TRUE(GeometryShapes::isIntermediate(*node));
        const MPointArray kept = cvsOf(GeometryShapes::output(original), MSpace::kWorld);
        const MString parent = MFnDependencyNode(MFnDagNode(node->handle()).parent(0)).name();
        const MPointArray& before = parent == MString("tube") ? tubeBefore : arcBefore;
        ASSERT_EQ(kept.length(), before.length());
        for (unsigned int k = 0; k < kept.length(); ++k)
            EXPECT_TRUE(isNear(kept[k], before[k], 1e-12)) << original << " CV " << k;
    }
}
