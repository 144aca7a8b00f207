// What the tests of the deform pass's two paths share: geometry of every
// kind, the settings to run them with, a fixture that builds a deformer and
// runs one pass on the path asked for, and the bit-for-bit comparison.
#pragma once

#include "NoiseDeformerNode.h"
#include "PerlinNoise.h"
#include "SimdTarget.h"
#include "support/SameBits.h"

#include "geometry/GeometryData.h"
#include "graph/Data.h"
#include "graph/Faults.h"
#include "graph/Node.h"
#include "graph/Plugin.h"
#include "graph/Scene.h"
#include "render/PngWriter.h"
#include "session/Host.h"
#include "support/GridQuads.h"
#include "support/ScratchDirectory.h"

#include <maya/MDGModifier.h>
#include <maya/MDagModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MDoubleArray.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MFnSubd.h>
#include <maya/MFnSubdData.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MIntArray.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MPointArray.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>
#ifdef KAVO_HAS_TBB
#include <tbb/global_control.h>
#include <tbb/task_arena.h>
#endif

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

MStatus initializePlugin(MObject plugin);
MStatus uninitializePlugin(MObject plugin);

namespace kavo::test::pass {

using kavo::host::geometry::GeometryData;
using kavo::host::graph::Data;
using kavo::host::graph::Node;
using kavo::host::graph::objectAs;
using kavo::test::sameBits;

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Positions where the tests and the noise are easy to get wrong: on the
// faces and corners of the handle's region, on lattice points, negative,
// -0, huge, infinite and not a number.
inline std::vector<MPoint> edgePositions()
{
    return {{0.5, 0.0, 0.0},  {-0.5, 0.25, 0.5},  {0.5, 0.5, 0.5},      {-0.5, -0.5, -0.5},  {0.5000001, 0.0, 0.0},
            {0.0, 0.0, 0.0},  {-0.0, -0.0, -0.0}, {1.0, 2.0, 3.0},      {-1.0, -2.0, -3.0},  {-0.25, -0.75, -1.5},
            {1e30, 0.1, 0.2}, {0.1, -1e30, 0.2},  {kInf, 0.1, 0.2},     {0.1, -kInf, 0.2},   {kNaN, 0.1, 0.2},
            {0.1, 0.2, kNaN}, {3e9, -3e9, 0.3},   {0.3, 0.2, 0.1, 2.0}, {0.49, -0.49, 0.49}, {0.4, 0.1, -0.3}};
}

// A grid of side x side vertices over [-0.7, 0.7] in x and z, crossing the
// region's faces, lifted a little so the noise varies; one UV per vertex.
inline MObject meshData(int side)
{
    MFloatPointArray points;
    MFloatArray us, vs;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const float u = static_cast<float>(column) / static_cast<float>(side - 1);
            const float v = static_cast<float>(row) / static_cast<float>(side - 1);
            points.append(1.4f * u - 0.7f, 0.1f * std::sin(7.0f * u * v), 1.4f * v - 0.7f);
            us.append(u);
            vs.append(v);
        }
    MIntArray counts, connects;
    kavo::test::gridQuads(side, side, counts, connects);
    MObject data = MFnMeshData().create();
    MFnMesh mesh;
    mesh.create(side * side, static_cast<int>(counts.length()), points, counts, connects, data);
    mesh.setUVs(us, vs);
    mesh.assignUVs(counts, connects);
    return data;
}

inline MObject nurbsSurfaceData()
{
    MPointArray cvs;
    for (int u = 0; u < 5; ++u)
        for (int v = 0; v < 4; ++v)
            cvs.append(MPoint(0.3 * u - 0.6, 0.05 * (u - v), 0.3 * v - 0.45, 1.0 + 0.25 * ((u + v) % 2)));
    const double uKnots[] = {0.0, 0.0, 0.0, 0.5, 1.0, 1.0, 1.0};
    const double vKnots[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    MObject data = MFnNurbsSurfaceData().create();
    MFnNurbsSurface().create(cvs, MDoubleArray(uKnots, 7), MDoubleArray(vKnots, 6), 3, 3, MFnNurbsSurface::kOpen,
                             MFnNurbsSurface::kOpen, true, data);
    return data;
}

inline MObject nurbsCurveData()
{
    MPointArray cvs;
    for (const MPoint& cv : {MPoint(-0.5, 0.0, 0.1), MPoint(-0.1, 0.3, 0.2), MPoint(0.2, 0.3, -0.1),
                             MPoint(0.5, 0.0, 0.5), MPoint(0.7, -0.2, 0.0)})
        cvs.append(cv);
    const double knots[] = {0.0, 0.0, 0.0, 0.5, 1.0, 1.0, 1.0};
    MObject data = MFnNurbsCurveData().create();
    MFnNurbsCurve().create(cvs, MDoubleArray(knots, 7), 3, MFnNurbsCurve::kOpen, false, false, data);
    return data;
}

inline MObject subdivisionData()
{
    MPointArray corners;
    for (int k = 0; k < 8; ++k)
        corners.append(MPoint(k & 1 ? 0.5 : -0.3, k & 2 ? 0.3 : -0.5, k & 4 ? 0.45 : -0.3));
    const int faceValues[] = {0, 2, 3, 1, 4, 5, 7, 6, 0, 1, 5, 4, 2, 6, 7, 3, 0, 4, 6, 2, 1, 3, 7, 5};
    MObject data = MFnSubdData().create();
    MFnSubd().createBaseMesh(false, 8, 6, corners, MIntArray(6, 4), MIntArray(faceValues, 24), data);
    return data;
}

// The edge positions and a scattered cloud, as particles. This cloud and the
// mesh are large enough for the pass to split them into several ranges.
inline MObject particleData()
{
    MVectorArray positions;
    for (const MPoint& p : edgePositions())
        positions.append(MVector(p.x, p.y, p.z));
    for (int k = 0; k < 5000; ++k)
        positions.append(MVector(std::sin(k * 1.3) * 0.8, std::cos(k * 0.7) * 0.6, std::sin(k * 0.31) * 3.0));
    return MFnVectorArrayData().create(positions);
}

struct Kind
{
    const char* name;
    MObject data;
};

inline std::vector<Kind> everyKind()
{
    return {{"mesh", meshData(90)},
            {"NURBS surface", nurbsSurfaceData()},
            {"NURBS curve", nurbsCurveData()},
            {"subdivision surface", subdivisionData()},
            {"particles", particleData()}};
}

// One combination of the deformer's settings, written as attribute values.
struct Setting
{
    std::string name;
    std::vector<std::pair<const char*, double>> values;
    // Left where it is, the handle's region is the unit cube around the
    // origin, and the edge positions lie on its faces and corners.
    bool handleMoved = true;
};

// Each value of each setting at least once, most of them together with
// others that change what they do.
inline std::vector<Setting> everySetting()
{
    return {
        {"defaults", {}},
        {"absolute, world", {{"noiseType", 1}, {"space", 1}}},
        {"sine, per axis", {{"noiseType", 2}, {"alongNormals", 0}, {"amplitudeY", -0.7}, {"amplitudeZ", 1.3}}},
        {"sine absolute, fractal 2.6, rough",
         {{"noiseType", 3}, {"fractalState", 1}, {"iterations", 2.6}, {"roughness", 0.3}}},
        {"texture without a texture", {{"noiseType", 4}, {"fractalState", 1}, {"iterations", 3.0}}},
        {"fractal 4, region, plateau",
         {{"fractalState", 1}, {"iterations", 4.0}, {"roughness", 0.8}, {"boundingBoxState", 1}, {"falloff", 0.3}}},
        {"region, cone, world", {{"boundingBoxState", 1}, {"falloff", 0.75}, {"space", 1}}},
        {"region without falloff, per axis", {{"boundingBoxState", 1}, {"falloff", 0.0}, {"alongNormals", 0}}},
        {"envelope, seed, not animated",
         {{"envelope", 0.37}, {"seed", 77}, {"animationState", 0}, {"phase", 13.0}, {"frequency", 2.5}}},
        {"scales, phase", {{"scaleX", 0.31}, {"scaleY", 2.0}, {"scaleZ", 0.07}, {"phase", -4.0}}},
        {"fractal 1.5, absolute, seed", {{"noiseType", 1}, {"fractalState", 1}, {"iterations", 1.5}, {"seed", 5}}},
        {"region with points on its faces", {{"boundingBoxState", 1}, {"falloff", 0.2}}, false},
    };
}

// The node types registered from the linked objects, once per program; a
// clean scene after each test, and every switch back at its default.
class DeformPassPathsTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static const MStatus registered = initializePlugin(linkedPlugin());
        ASSERT_EQ(registered, MStatus::kSuccess);
    }

    // The plug-in the linked objects registered their node types for.
    static MObject& linkedPlugin()
    {
        static MObject plugin(std::make_shared<kavo::host::graph::Plugin>("linked objects"));
        return plugin;
    }

    void TearDown() override
    {
        NoiseDeformerNode::m_passPath = NoiseDeformerNode::PassPath::batch;
        SimdTarget::choose(nullptr);
        kavo::host::graph::Faults::clear();
        kavo::host::session::Host::resetScene();
    }

    static MPlug plug(const MObject& node, const char* attribute)
    {
        return MFnDependencyNode(node).findPlug(attribute);
    }

    static MObject createNode(const char* type)
    {
        MDGModifier modifier;
        const MObject node = modifier.createNode(type);
        EXPECT_EQ(modifier.doIt(), MStatus::kSuccess);
        return node;
    }

    // A deformer with the setting applied, its handle moved, turned and
    // scaled, and painted weights on the first points (zero and negative
    // ones among them).
    static MObject deformerWith(const Setting& setting)
    {
        const MObject deformer = createNode("noiseDeformer");
        MDagModifier modifier;
        EXPECT_EQ(static_cast<MPxDeformerNode*>(MFnDependencyNode(deformer).userNode())->accessoryNodeSetup(modifier),
                  MStatus::kSuccess);
        EXPECT_EQ(modifier.doIt(), MStatus::kSuccess);
        if (setting.handleMoved) {
            MFnDependencyNode handle(nodeNamed("noiseHandle1"));
            handle.findPlug("translateX").setValue(0.05);
            handle.findPlug("rotateY").setValue(0.3);
            handle.findPlug("scaleZ").setValue(1.7);
        }

        plug(deformer, "amplitude").setValue(0.8);
        plug(deformer, "phase").setValue(3.0);
        for (const auto& [name, value] : setting.values)
            EXPECT_EQ(plug(deformer, name).setValue(value), MStatus::kSuccess) << name;
        MPlug weights =
            MPlug(deformer, MPxDeformerNode::weightList).elementByLogicalIndex(0).child(MPxDeformerNode::weights);
        const float painted[] = {0.5f, 0.0f, -1.0f, 2.0f, 1e-30f, 0.25f};
        for (unsigned int i = 0; i < 6; ++i)
            weights.elementByLogicalIndex(3 * i).setValue(painted[i]);
        return deformer;
    }

    static MObject nodeNamed(const char* name)
    {
        Node* node = kavo::host::graph::Scene::instance().findNode(name);
        return node ? node->handle() : MObject();
    }

    // One pass over a copy of data placed by worldMatrix, the way the host's
    // compute runs it, on the path asked for; answers the deformed points.
    // Given members (point indices), the pass is handed those points only,
    // as by a deformer set, and the answer still holds every point.
    static MPointArray deform(const MObject& deformer, const MObject& data, NoiseDeformerNode::PassPath path,
                              const std::vector<unsigned int>* members = nullptr)
    {
        NoiseDeformerNode::m_passPath = path;
        return runPass(deformer, data, members);
    }

    // deform on the path chosen before, which it leaves alone, so that
    // several threads may run passes at once.
    static MPointArray runPass(const MObject& deformer, const MObject& data,
                               const std::vector<unsigned int>* members = nullptr)
    {
        MStatus status;
        MPointArray points = runPass(deformer, data, status, members);
        EXPECT_EQ(status, MStatus::kSuccess);
        return points;
    }

    // runPass, with deform's answer in status, whatever it is.
    static MPointArray runPass(const MObject& deformer, const MObject& data, MStatus& status,
                               const std::vector<unsigned int>* members = nullptr)
    {
        MMatrix worldMatrix;
        worldMatrix[3][0] = 0.2;
        worldMatrix[3][1] = -0.1;
        worldMatrix[0][0] = 1.1;
        MDataBlock block(objectAs<Node>(deformer).get());
        MDataHandle output = block.outputValue(MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(0));
        const std::shared_ptr<Data> copy = objectAs<Data>(data)->clone();
        const unsigned int groupId = members ? 7u : 0u;
        if (members)
            std::static_pointer_cast<GeometryData>(copy)->setObjectGroup(groupId, *members);
        output.set(MObject(copy));
        MItGeometry iterator(output, groupId, false);
        auto* node = static_cast<MPxDeformerNode*>(MFnDependencyNode(deformer).userNode());
        status = node->deform(block, iterator, worldMatrix, 0);
        MPointArray points;
        MItGeometry(output, false).allPositions(points);
        return points;
    }

    static void connectInput(const MObject& deformer, MObject data)
    {
        MPlug input =
            MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom);
        ASSERT_EQ(input.setValue(data), MStatus::kSuccess);
    }
};

// Every coordinate, w included, to the bit; names the first few that differ.
inline void expectSameBits(const MPointArray& literal, const MPointArray& batch, const std::string& context)
{
    ASSERT_EQ(batch.length(), literal.length()) << context;
    int mismatches = 0;
    for (unsigned int i = 0; i < literal.length(); ++i)
        for (unsigned int axis = 0; axis < 4; ++axis)
            if (!sameBits(literal[i][axis], batch[i][axis]) && ++mismatches <= 5)
                ADD_FAILURE() << context << ": point " << i << " axis " << axis << ": literal " << literal[i][axis]
                              << ", batch " << batch[i][axis];
    EXPECT_EQ(mismatches, 0) << context;
}

inline unsigned int movedCount(const MPointArray& before, const MPointArray& after)
{
    unsigned int moved = 0;
    for (unsigned int i = 0; i < before.length(); ++i)
        moved +=
            sameBits(before[i].x, after[i].x) && sameBits(before[i].y, after[i].y) && sameBits(before[i].z, after[i].z)
                ? 0
                : 1;
    return moved;
}
// Runs work with that many threads at the pass's disposal, more than this
// machine may have cores: an arena of that many slots, and the process's
// limit raised to match.
inline void onThreads(int threads, const std::function<void()>& work)
{
#ifdef KAVO_HAS_TBB
    const tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
    tbb::task_arena arena(threads);
    arena.execute(work);
#else
    static_cast<void>(threads);
    work();
#endif
}

} // namespace kavo::test::pass
