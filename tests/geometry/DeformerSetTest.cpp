// A deformer given some of a geometry's points (its deformer set) is handed
// those points only, by component index in ascending order, on every kind of
// geometry; the others keep their bits, and weights go by component index.

#include "GeometryDataBuilders.h"
#include "GeometryExpectations.h"
#include "TestDeformerTypes.h"
#include "TestMeshes.h"

#include "session/DeformerCommand.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"

#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kavo::host::session;
using kavo::test::registerDeformerType;

namespace {

using Points = std::vector<unsigned int>;

// Records what the iterator shows, then lifts each point it is handed by its
// painted weight in world space: all at once through the bulk calls, or
// point by point.
class RecordingLift : public MPxDeformerNode
{
public:
    static bool bulk;
    static std::vector<int> indices;
    static int count;
    static int countAfterWriting;

    static void* creator() { return new RecordingLift; }
    static MStatus initialize() { return MStatus::kSuccess; }

    MStatus deform(MDataBlock& block, MItGeometry& iterator, const MMatrix&, unsigned int multiIndex) override
    {
        count = iterator.count();
        indices.clear();
        MPointArray points;
        for (; !iterator.isDone(); iterator.next()) {
            indices.push_back(iterator.index());
            points.append(iterator.position(MSpace::kWorld));
        }
        MPointArray all;
        EXPECT_EQ(iterator.allPositions(all, MSpace::kWorld), MStatus::kSuccess);
        EXPECT_EQ(all.length(), points.length());
        for (unsigned int k = 0; k < points.length() && k < all.length(); ++k)
            EXPECT_EQ(all[k], points[k]) << k;

        for (unsigned int k = 0; k < points.length(); ++k)
            points[k] += MVector(0, weightValue(block, multiIndex, static_cast<unsigned int>(indices[k])), 0);
        if (bulk) {
            MPointArray longer(points);
            longer.append(MPoint());
            EXPECT_EQ(iterator.setAllPositions(longer, MSpace::kWorld), MStatus::kInvalidParameter);
            EXPECT_EQ(iterator.setAllPositions(points, MSpace::kWorld), MStatus::kSuccess);
        } else {
            unsigned int k = 0;
            for (iterator.reset(); !iterator.isDone(); iterator.next())
                iterator.setPosition(points[k++], MSpace::kWorld);
        }
        iterator.reset();
        countAfterWriting = iterator.count();
        return MStatus::kSuccess;
    }
};

bool RecordingLift::bulk = true;
std::vector<int> RecordingLift::indices;
int RecordingLift::count = 0;
int RecordingLift::countAfterWriting = 0;

struct Kind
{
    const char* shapeType;
    MObject data;
};

// Every kind with at least eight points, none of them a periodic repeat
// (a repeat follows the CV it repeats, member or not).
std::vector<Kind> everyKind()
{
    MPointArray grid;
    for (int u = 0; u < 4; ++u)
        for (int v = 0; v < 3; ++v)
            grid.append(MPoint(u, 0.5 * v, u * v, 1.0 + 0.5 * (u % 2)));
    const double uKnots[] = {0, 0, 0.5, 1, 1};
    const double vKnots[] = {0, 0, 1, 1};
    MObject surface = MFnNurbsSurfaceData().create();
    MFnNurbsSurface().create(grid, MDoubleArray(uKnots, 5), MDoubleArray(vKnots, 4), 2, 2, MFnNurbsSurface::kOpen,
                             MFnNurbsSurface::kOpen, true, surface);

    MPointArray line;
    for (int k = 0; k < 9; ++k)
        line.append(MPoint(k, k % 3, -k));
    MDoubleArray knots;
    for (double knot : {0, 0, 0, 1, 2, 3, 4, 5, 6, 6, 6})
        knots.append(knot);
    MObject curve = MFnNurbsCurveData().create();
    MFnNurbsCurve().create(line, knots, 3, MFnNurbsCurve::kOpen, false, false, curve);

    MVectorArray particles;
    for (int k = 0; k < 10; ++k)
        particles.append(MVector(k, -k, 2 * k));

    return {{"mesh", meshDataFrom(planeGridMesh(2))},
            {"nurbsSurface", surface},
            {"nurbsCurve", curve},
            {"subdiv", subdDataFrom(unitCubeMesh())},
            {"vectorArrayShape", MFnVectorArrayData().create(particles)}};
}

MPointArray pointsOf(MObject data)
{
    MPointArray points;
    MItGeometry(data).allPositions(points);
    return points;
}

class DeformerSetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerDeformerType<RecordingLift>("recordingLift", 0x7f011); }

    void SetUp() override { Host::resetScene(); }
    void TearDown() override
    {
        RecordingLift::bulk = true;
        Host::resetScene();
    }
};

} // namespace

TEST_F(DeformerSetTest, EveryKindHandsOverItsMembersOnlyByComponentIndex)
{
    for (const bool bulk : {true, false}) {
        RecordingLift::bulk = bulk;
        for (const Kind& kind : everyKind()) {
            const std::string context = std::string(kind.shapeType) + (bulk ? ", bulk" : ", point by point");
            Host::resetScene();
            const MObject shape = GeometryShapes::create(kind.shapeType, "thing", kind.data);
            ASSERT_FALSE(shape.isNull()) << context;
            MFnDependencyNode(MFnDagNode(shape).parent(0)).findPlug("translateX").setValue(3.0);

            // Out of order and one twice, as a selection may list them.
            const DeformerOutcome outcome = DeformerCommand::run("recordingLift", {"thing"}, {Points{7, 2, 5, 2}});
            ASSERT_TRUE(outcome.succeeded()) << context << ": " << outcome.message;
            MPlug weights = MPlug(outcome.deformer, MPxDeformerNode::weightList)
                                .elementByLogicalIndex(0)
                                .child(MPxDeformerNode::weights);
            // Painted at members beyond the member count, at a member's
            // iteration position and at a point outside the set.
            weights.elementByLogicalIndex(7).setValue(0.25);
            weights.elementByLogicalIndex(5).setValue(0.5);
            weights.elementByLogicalIndex(1).setValue(4.0);
            weights.elementByLogicalIndex(0).setValue(8.0);

            const MPointArray before = pointsOf(kind.data);
            const MPointArray after = pointsOf(GeometryShapes::output("thing"));
            EXPECT_EQ(RecordingLift::indices, (std::vector<int>{2, 5, 7})) << context;
            EXPECT_EQ(RecordingLift::count, 3) << context;
            EXPECT_EQ(RecordingLift::countAfterWriting, 3) << context;
            ASSERT_EQ(after.length(), before.length()) << context;
            const std::vector<double> lifts = {0, 0, 1, 0, 0, 0.5, 0, 0.25};
            for (unsigned int k = 0; k < before.length(); ++k) {
                const double lift = k < lifts.size() ? lifts[k] : 0.0;
                if (lift == 0.0)
                    EXPECT_EQ(after[k], before[k]) << context << ": point " << k;
                else
                    EXPECT_TRUE(isNear(after[k], before[k] + MVector(0, lift, 0), 1e-12)) << context << ": " << k;
            }
        }
    }
}

TEST_F(DeformerSetTest, AnEmptySetHandsOverNothingAndOtherGeometryIsWalkedWhole)
{
    GeometryShapes::create("mesh", "first", meshDataFrom(planeGridMesh(1)));
    GeometryShapes::create("mesh", "second", meshDataFrom(planeGridMesh(1)));
    const DeformerOutcome outcome = DeformerCommand::run("recordingLift", {"first", "second"}, {Points{}});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;

    const MPointArray untouched = pointsOf(GeometryShapes::output("first"));
    EXPECT_EQ(RecordingLift::count, 0);
    const MPointArray lifted = pointsOf(GeometryShapes::output("second"));
    EXPECT_EQ(RecordingLift::indices, (std::vector<int>{0, 1, 2, 3}));
    for (unsigned int k = 0; k < 4; ++k) {
        EXPECT_EQ(untouched[k], planeGridMesh(1).points[k]);
        EXPECT_EQ(lifted[k], planeGridMesh(1).points[k] + MVector(0, 1, 0));
    }
}
