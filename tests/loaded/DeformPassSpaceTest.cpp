// Changing "space" on a deformer whose adapter is bound: the adapter is not
// bound again, so what it computed while binding (a NURBS surface's normals,
// in the space of that first pass) stays, while points and noise follow the
// new space.
#include "DeformerFixture.h"
#include "FlatPatch.h"

#include "graph/Data.h"

#include <maya/MDoubleArray.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MPointArray.h>

#include <gtest/gtest.h>

namespace {

using kavo::host::graph::Data;
using kavo::host::graph::objectAs;
using kavo::test::LoadedPluginTest;
using kavo::test::pointsOf;

// A flat bicubic patch in its plane y = 0, standing in the world turned a
// quarter about z: its object normal (0, 1, 0) is (-1, 0, 0) in the world.
// Every entry of the turn is 0 or 1, so neither normal has rounding in it.
MObject turnedPatch()
{
    MObject data = kavo::test::flatPatchData();
    const double quarterTurn[4][4] = {{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    objectAs<Data>(data)->transform = MMatrix(quarterTurn);
    return data;
}

class DeformPassSpaceTest : public LoadedPluginTest
{
protected:
    MObject deformerOn(MObject data, short space)
    {
        const MObject deformer = createDeformer();
        plug(deformer, "amplitude").setValue(1.0);
        plug(deformer, "space").setValue(space);
        MPlug input =
            MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom);
        EXPECT_EQ(input.setValue(data), MStatus::kSuccess);
        return deformer;
    }

    static MPointArray outputPoints(const MObject& deformer)
    {
        MObject data;
        EXPECT_EQ(MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(0).getValue(data),
                  MStatus::kSuccess);
        return pointsOf(data);
    }

    // How many points moved along each object axis; the other axes must not
    // have moved at all.
    static int movedAlong(const MPointArray& before, const MPointArray& after, unsigned int axis)
    {
        int moved = 0;
        for (unsigned int i = 0; i < before.length(); ++i)
            for (unsigned int other = 0; other < 3; ++other) {
                if (other == axis)
                    moved += before[i][other] != after[i][other] ? 1 : 0;
                else
                    EXPECT_EQ(before[i][other], after[i][other]) << "point " << i << " axis " << other;
            }
        return moved;
    }
};

TEST_F(DeformPassSpaceTest, ChangingTheSpaceKeepsTheNormalsOfTheFirstBinding)
{
    const MObject data = turnedPatch();
    const MPointArray input = pointsOf(data);
    const short local = 0, world = 1;

    const MObject boundLocal = deformerOn(data, local);
    const MPointArray localPass = outputPoints(boundLocal);
    EXPECT_GT(movedAlong(input, localPass, 1), 0);

    // Now a world pass: the noise is taken at the world positions, but the
    // points still move along the object normal bound in the local pass.
    plug(boundLocal, "space").setValue(world);
    const MPointArray worldPass = outputPoints(boundLocal);
    EXPECT_GT(movedAlong(input, worldPass, 1), 0);
    bool noiseMoved = false;
    for (unsigned int i = 0; i < input.length(); ++i)
        noiseMoved = noiseMoved || worldPass[i].y != localPass[i].y;
    EXPECT_TRUE(noiseMoved);

    // Bound in a world pass from the start, the normals are the world ones.
    const MObject boundWorld = deformerOn(data, world);
    EXPECT_GT(movedAlong(input, outputPoints(boundWorld), 0), 0);
}

} // namespace
