// The deform pass end to end: the plug-in loaded from its library, geometry
// built in the host, outputs pulled through the dependency graph.
#include "DeformerFixture.h"
#include "FlatPatch.h"

#include "support/GridQuads.h"
#include "support/ScratchDirectory.h"

#include "graph/Data.h"
#include "graph/Node.h"
#include "render/PngWriter.h"

#include <maya/MDataBlock.h>
#include <maya/MDoubleArray.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFn.h>
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
#include <maya/MPlugArray.h>
#include <maya/MPointArray.h>
#include <maya/MTime.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kavo::host::graph;
using namespace kavo::test;

// Vertex rows along x and z; each vertex's (u, v) is given per row and
// column. The grid lies in the plane y = 0, its normals along +y.
struct Grid
{
    std::vector<double> xs;
    std::vector<double> zs;
    std::vector<float> us; // per column (x)
    std::vector<float> vs; // per row (z)
};

std::vector<double> evenlySpaced(int count, double from, double to)
{
    std::vector<double> values;
    for (int k = 0; k < count; ++k)
        values.push_back(from + (to - from) * k / (count - 1));
    return values;
}

std::vector<float> evenUVs(int count)
{
    std::vector<float> values;
    for (int k = 0; k < count; ++k)
        values.push_back(static_cast<float>(k) / static_cast<float>(count - 1));
    return values;
}

Grid evenGrid(int count, double from, double to)
{
    return {evenlySpaced(count, from, to), evenlySpaced(count, from, to), evenUVs(count), evenUVs(count)};
}

// Mesh data of the grid; the vertex of column i and row j has id j * columns + i.
MObject meshData(const Grid& grid)
{
    const int columns = static_cast<int>(grid.xs.size());
    const int rows = static_cast<int>(grid.zs.size());
    MFloatPointArray points;
    MFloatArray us, vs;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            points.append(static_cast<float>(grid.xs[i]), 0.0f, static_cast<float>(grid.zs[j]));
            us.append(grid.us[i]);
            vs.append(grid.vs[j]);
        }
    MIntArray counts, connects;
    kavo::test::gridQuads(columns, rows, counts, connects);

    MFnMeshData dataFn;
    MObject data = dataFn.create();
    MFnMesh mesh;
    MStatus status;
    mesh.create(columns * rows, static_cast<int>(counts.length()), points, counts, connects, data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(mesh.setUVs(us, vs), MStatus::kSuccess);
    EXPECT_EQ(mesh.assignUVs(counts, connects), MStatus::kSuccess);
    return data;
}

// A cubic arc of 4 CVs.
MObject nurbsCurveData()
{
    MPointArray cvs;
    for (const MPoint& cv :
         {MPoint(-0.4, 0.0, 0.1), MPoint(-0.1, 0.3, 0.2), MPoint(0.2, 0.3, -0.1), MPoint(0.4, 0.0, 0.1)})
        cvs.append(cv);
    const double knotValues[] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    MObject data = MFnNurbsCurveData().create();
    MStatus status;
    MFnNurbsCurve().create(cvs, MDoubleArray(knotValues, 6), 3, MFnNurbsCurve::kOpen, false, false, data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

// A cube of side 0.6 as the base mesh.
MObject subdivisionData()
{
    MPointArray corners;
    for (int k = 0; k < 8; ++k)
        corners.append(MPoint(k & 1 ? 0.3 : -0.3, k & 2 ? 0.3 : -0.3, k & 4 ? 0.3 : -0.3));
    const int faceValues[] = {0, 2, 3, 1, 4, 5, 7, 6, 0, 1, 5, 4, 2, 6, 7, 3, 0, 4, 6, 2, 1, 3, 7, 5};
    const MIntArray connects(faceValues, 24);
    const MIntArray counts(6, 4);
    MObject data = MFnSubdData().create();
    MStatus status;
    MFnSubd().createBaseMesh(false, 8, 6, corners, counts, connects, data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

MObject particleData()
{
    MVectorArray positions;
    for (int k = 0; k < 6; ++k)
        positions.append(MVector(0.1 * k - 0.3, 0.05 * k, -0.1 * k));
    return MFnVectorArrayData().create(positions);
}

class DeformPassTest : public LoadedPluginTest
{
protected:
    static MPlug inputPlug(const MObject& deformer, unsigned int index)
    {
        return MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(index).child(MPxDeformerNode::inputGeom);
    }

    static MPlug outputPlug(const MObject& deformer, unsigned int index)
    {
        return MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(index);
    }

    static void setInput(const MObject& deformer, unsigned int index, MObject data)
    {
        ASSERT_EQ(inputPlug(deformer, index).setValue(data), MStatus::kSuccess);
    }

    static MObject output(const MObject& deformer, unsigned int index = 0)
    {
        MObject data;
        EXPECT_EQ(outputPlug(deformer, index).getValue(data), MStatus::kSuccess);
        return data;
    }

    static MPointArray outputPoints(const MObject& deformer, unsigned int index = 0)
    {
        return pointsOf(output(deformer, index));
    }

    // A deformer on the grid with every attribute at its default but
    // amplitude 1, so that displacements are large enough to compare.
    MObject deformerOn(MObject data)
    {
        const MObject deformer = createDeformer();
        plug(deformer, "amplitude").setValue(1.0);
        setInput(deformer, 0, data);
        return deformer;
    }

    // A deformer on a small grid, for settings that change the pass as a whole.
    MObject deformerOnSmallGrid() { return deformerOn(meshData(evenGrid(4, -0.7, 0.9))); }

    static void setWeight(const MObject& deformer, unsigned int point, float weight)
    {
        MPlug list = MPlug(deformer, MPxDeformerNode::weightList).elementByLogicalIndex(0);
        ASSERT_EQ(list.child(MPxDeformerNode::weights).elementByLogicalIndex(point).setValue(weight),
                  MStatus::kSuccess);
    }
};

// Points displaced by factor times the reference displacement.
void expectScaledDisplacement(const MPointArray& input, const MPointArray& reference, const MPointArray& result,
                              const std::vector<double>& factors)
{
    ASSERT_EQ(result.length(), input.length());
    for (unsigned int i = 0; i < input.length(); ++i) {
        const MVector expected = (reference[i] - input[i]) * factors[i];
        const MVector actual = result[i] - input[i];
        EXPECT_NEAR(actual.x, expected.x, 1e-6) << "point " << i;
        EXPECT_NEAR(actual.y, expected.y, 1e-6) << "point " << i;
        EXPECT_NEAR(actual.z, expected.z, 1e-6) << "point " << i;
    }
}

int movedCount(const MPointArray& before, const MPointArray& after)
{
    int moved = 0;
    for (unsigned int i = 0; i < before.length(); ++i)
        moved += before[i] != after[i] ? 1 : 0;
    return moved;
}

TEST_F(DeformPassTest, PerlinAlongNormalsMovesEveryPointAlongItsNormalOnly)
{
    const MObject data = meshData(evenGrid(6, -0.7, 0.9));
    const MPointArray input = pointsOf(data);
    const MPointArray result = outputPoints(deformerOn(data));

    ASSERT_EQ(result.length(), input.length());
    EXPECT_GT(movedCount(input, result), 30);
    for (unsigned int i = 0; i < input.length(); ++i) {
        EXPECT_EQ(result[i].x, input[i].x) << i;
        EXPECT_EQ(result[i].z, input[i].z) << i;
        EXPECT_LE(std::abs(result[i].y), 1.0) << i;
    }
}

TEST_F(DeformPassTest, EveryGeometryKindDeformsWithoutAReport)
{
    const MObject kinds[] = {meshData(evenGrid(3, -0.7, 0.9)), kavo::test::flatPatchData(), nurbsCurveData(),
                             subdivisionData(), particleData()};
    const MObject deformer = createDeformer();
    plug(deformer, "amplitude").setValue(1.0);
    plug(deformer, "phase").setValue(5.0);
    for (unsigned int index = 0; index < 5; ++index)
        setInput(deformer, index, kinds[index]);

    testing::internal::CaptureStderr();
    for (unsigned int index = 0; index < 5; ++index) {
        const MPointArray input = pointsOf(kinds[index]);
        const MPointArray result = outputPoints(deformer, index);
        ASSERT_EQ(result.length(), input.length()) << index;
        EXPECT_EQ(movedCount(input, result), static_cast<int>(input.length())) << index;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    // Particles have no normals of their own: they move along y.
    const MPointArray particles = pointsOf(kinds[4]);
    const MPointArray movedParticles = outputPoints(deformer, 4);
    for (unsigned int i = 0; i < particles.length(); ++i) {
        EXPECT_EQ(movedParticles[i].x, particles[i].x) << i;
        EXPECT_EQ(movedParticles[i].z, particles[i].z) << i;
    }
}

TEST_F(DeformPassTest, EnvelopeBelowOneThousandthSkipsThePassAndScalesItOtherwise)
{
    const MObject data = meshData(evenGrid(5, -0.7, 0.9));
    const MPointArray input = pointsOf(data);
    const MObject deformer = deformerOn(data);
    const MPointArray full = outputPoints(deformer);

    plug(deformer, "envelope").setValue(0.0f);
    EXPECT_EQ(movedCount(input, outputPoints(deformer)), 0);
    plug(deformer, "envelope").setValue(0.0009f);
    EXPECT_EQ(movedCount(input, outputPoints(deformer)), 0);

    plug(deformer, "envelope").setValue(0.001f);
    const MPointArray small = outputPoints(deformer);
    EXPECT_GT(movedCount(input, small), 0);
    expectScaledDisplacement(input, full, small, std::vector<double>(input.length(), double(0.001f)));
}

TEST_F(DeformPassTest, PaintedWeightsScaleAndZeroOrNegativeOnesKeepThePoint)
{
    const MObject data = meshData(evenGrid(3, -0.7, 0.9));
    const MPointArray input = pointsOf(data);
    const MObject deformer = deformerOn(data);
    const MPointArray full = outputPoints(deformer);

    setWeight(deformer, 1, 0.0f);
    setWeight(deformer, 2, -0.5f);
    setWeight(deformer, 3, 0.25f);
    std::vector<double> factors(input.length(), 1.0);
    factors[1] = 0.0;
    factors[2] = 0.0;
    factors[3] = 0.25;
    expectScaledDisplacement(input, full, outputPoints(deformer), factors);
}

TEST_F(DeformPassTest, TheRegionKeepsOutsidePointsAndFallsOffWithDistanceFromTheCentre)
{
    // Columns at x = -0.8 (outside the unit cube), 0, 0.3 and 0.45; rows at
    // z = 0 and 0.45. Distances from the centre: 0, 0.3, 0.45, 0.45, 0.54,
    // 0.64 (a corner of the cube).
    const Grid grid{{-0.8, 0.0, 0.3, 0.45}, {0.0, 0.45}, evenUVs(4), evenUVs(2)};
    const MObject data = meshData(grid);
    const MPointArray input = pointsOf(data);
    const MObject deformer = deformerOn(data);
    plug(deformer, "phase").setValue(5.0); // off the lattice in time, where noise vanishes
    const MPointArray full = outputPoints(deformer);
    EXPECT_EQ(movedCount(input, full), 8);

    plug(deformer, "boundingBoxState").setValue(true);
    expectScaledDisplacement(input, full, outputPoints(deformer), {0, 1, 1, 1, 0, 1, 1, 1});

    plug(deformer, "falloff").setValue(0.2f);
    // Full strength out to 0.3, then (0.5 - d) / 0.2; nothing beyond 0.5.
    const double atEdge = (0.5f - 0.45f) / 0.2f;
    const MPointArray fallen = outputPoints(deformer);
    expectScaledDisplacement(input, full, fallen, {0, 1, 1, atEdge, 0, atEdge, 0, 0});
    EXPECT_EQ(fallen[7], input[7]); // the corner point is written back as it was
}

TEST_F(DeformPassTest, LocalIgnoresWhereTheGeometryStandsAndWorldDoesNot)
{
    const Grid grid = evenGrid(4, -0.5, 0.25);
    Grid moved = grid;
    for (double& x : moved.xs)
        x += 2.0;
    for (double& z : moved.zs)
        z -= 0.5;
    MMatrix placement;
    placement[3][0] = 2.0;
    placement[3][2] = -0.5;

    const MObject data = meshData(grid);
    const MPointArray input = pointsOf(data);
    const MPointArray local = outputPoints(deformerOn(data));
    const MObject placed = meshData(grid);
    MFnMeshData(placed).setMatrix(placement);
    const MObject placedDeformer = deformerOn(placed);
    expectScaledDisplacement(input, local, outputPoints(placedDeformer), std::vector<double>(16, 1.0));

    // World: the noise is taken where the points stand in the world.
    plug(placedDeformer, "space").setValue(1);
    const MObject movedData = meshData(moved);
    const MPointArray movedInput = pointsOf(movedData);
    const MPointArray atWorldPlace = outputPoints(deformerOn(movedData));
    const MPointArray world = outputPoints(placedDeformer);
    for (unsigned int i = 0; i < input.length(); ++i)
        EXPECT_EQ(world[i] - input[i], atWorldPlace[i] - movedInput[i]) << i;
    EXPECT_GT(movedCount(local, world), 0);

    // Any space value other than "Local" is world space.
    plug(placedDeformer, "space").setValue(7);
    EXPECT_EQ(movedCount(world, outputPoints(placedDeformer)), 0);
}

TEST_F(DeformPassTest, FractalOffIsOneOctaveWhateverTheOctaveSettings)
{
    const MObject deformer = deformerOnSmallGrid();
    const MPointArray single = outputPoints(deformer);

    plug(deformer, "iterations").setValue(5.0);
    plug(deformer, "roughness").setValue(0.3);
    EXPECT_EQ(movedCount(single, outputPoints(deformer)), 0);
    plug(deformer, "fractalState").setValue(true);
    EXPECT_GT(movedCount(single, outputPoints(deformer)), 0);
}

TEST_F(DeformPassTest, WithoutAnimationTimeDoesNothingAndTheNoiseStandsAtFramePhasePlusOne)
{
    const MObject deformer = deformerOnSmallGrid();
    MTime firstFrame(1.0, MTime::kFilm);
    plug(deformer, "time").setValue(firstFrame);
    const MPointArray animated = outputPoints(deformer);
    MTime later(30.0, MTime::kFilm);
    plug(deformer, "time").setValue(later);
    EXPECT_GT(movedCount(animated, outputPoints(deformer)), 0);

    plug(deformer, "animationState").setValue(false);
    const MPointArray still = outputPoints(deformer);
    EXPECT_EQ(movedCount(animated, still), 0);
    plug(deformer, "time").setValue(firstFrame);
    EXPECT_EQ(movedCount(still, outputPoints(deformer)), 0);
}

TEST_F(DeformPassTest, TextureDisplacementWithNothingToSampleIsPerlin)
{
    const MObject deformer = deformerOnSmallGrid();
    const MPointArray perlin = outputPoints(deformer);
    plug(deformer, "noiseType").setValue(4);
    EXPECT_EQ(movedCount(perlin, outputPoints(deformer)), 0);

    // Something that is no shading network feeds the colour: sampling fails.
    const MObject notATexture = createDeformer();
    MDGModifier modifier;
    modifier.connect(plug(notATexture, "displacement"), plug(deformer, "displacement"));
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    testing::internal::CaptureStderr();
    EXPECT_EQ(movedCount(perlin, outputPoints(deformer)), 0);
    EXPECT_TRUE(contains(testing::internal::GetCapturedStderr(), "sampleShadingNetwork"));
}

class TextureDisplacementTest : public DeformPassTest
{
protected:
    // A 2 x 1 image: red on the left half, blue on the right, fed through a
    // "file" node into the deformer's "displacement".
    void connectImage(const MObject& deformer)
    {
        const std::vector<std::uint8_t> pixels = {255, 0, 0, 255, 0, 0, 255, 255};
        std::string error;
        ASSERT_EQ(kavo::host::render::PngWriter::write(m_scratch.file("halves.png"), 2, 1, pixels, error),
                  MStatus::kSuccess)
            << error;
        const MObject file = createNode("file");
        plug(file, "fileTextureName").setValue(m_scratch.file("halves.png").c_str());
        MDGModifier modifier;
        modifier.connect(plug(file, "outColor"), plug(deformer, "displacement"));
        ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    }

    // "Texture Displacement" along the axes, amplitude 1 on each.
    static void useTexture(const MObject& deformer)
    {
        plug(deformer, "noiseType").setValue(4);
        plug(deformer, "alongNormals").setValue(false);
        for (const char* axis : {"amplitudeX", "amplitudeY", "amplitudeZ"})
            plug(deformer, axis).setValue(1.0);
    }

    // Columns at u = 0.25 (red texel centres) and u = 0.75 (blue).
    static Grid halvesGrid(int rows)
    {
        return {{0.0, 0.5, 1.0, 1.5},
                evenlySpaced(rows, 0.0, 1.0),
                {0.25f, 0.25f, 0.75f, 0.75f},
                std::vector<float>(rows, 0.5f)};
    }

    static void expectColourDisplacement(const MPointArray& input, const MPointArray& result, double amplitude)
    {
        ASSERT_EQ(result.length(), input.length());
        for (unsigned int i = 0; i < input.length(); ++i) {
            const bool red = i % 4 < 2;
            const MVector moved = result[i] - input[i];
            EXPECT_NEAR(moved.x, red ? amplitude : 0.0, 1e-6) << i;
            EXPECT_NEAR(moved.y, 0.0, 1e-6) << i;
            EXPECT_NEAR(moved.z, red ? 0.0 : amplitude, 1e-6) << i;
        }
    }

    kavo::test::ScratchDirectory m_scratch;
};

TEST_F(TextureDisplacementTest, EachPointMovesByItsSampledColourAndNoiseSettingsDoNotMatter)
{
    const MObject data = meshData(halvesGrid(2));
    const MPointArray input = pointsOf(data);
    const MObject deformer = deformerOn(data);
    connectImage(deformer);
    useTexture(deformer);
    plug(deformer, "amplitude").setValue(0.5);

    expectColourDisplacement(input, outputPoints(deformer), 0.5);
    plug(deformer, "fractalState").setValue(true);
    plug(deformer, "iterations").setValue(4.0);
    plug(deformer, "phase").setValue(3.0);
    plug(deformer, "frequency").setValue(9.0);
    expectColourDisplacement(input, outputPoints(deformer), 0.5);
}

TEST_F(TextureDisplacementTest, TwoGeometriesOfDifferentSizesShareTheSampleArrays)
{
    const MObject small = meshData(halvesGrid(2));
    const MObject large = meshData(halvesGrid(5));
    const MObject deformer = deformerOn(small);
    setInput(deformer, 5, large);
    connectImage(deformer);
    useTexture(deformer);

    for (int round = 0; round < 2; ++round) {
        expectColourDisplacement(pointsOf(large), outputPoints(deformer, 5), 1.0);
        expectColourDisplacement(pointsOf(small), outputPoints(deformer, 0), 1.0);
        plug(deformer, "amplitudeY").setValue(0.5); // both outputs again
    }
}

TEST_F(DeformPassTest, AdaptersAreKeptUntilAnInputGeometryIsDirtied)
{
    // Two planes at sparse indices 0 and 5, both with normals along +y.
    const MObject first = meshData(evenGrid(3, -0.7, 0.9));
    const MObject second = meshData(evenGrid(4, -0.7, 0.9));
    const MObject deformer = deformerOn(first);
    setInput(deformer, 5, second);
    outputPoints(deformer, 0);
    outputPoints(deformer, 5);

    // Turn both planes upright behind the graph's back (normals along x):
    // the bound adapters still answer the old normals.
    for (MObject data : {first, second}) {
        MFnMesh mesh(data);
        MPointArray points;
        mesh.getPoints(points);
        for (unsigned int i = 0; i < points.length(); ++i)
            points[i] = MPoint(0.0, points[i].x, points[i].z);
        mesh.setPoints(points);
    }
    plug(deformer, "amplitude").setValue(0.75);
    for (unsigned int index : {0u, 5u}) {
        const MPointArray stale = outputPoints(deformer, index);
        for (unsigned int i = 0; i < stale.length(); ++i)
            EXPECT_EQ(stale[i].x, 0.0) << index << " " << i;
    }

    // The input at 5 changes as the host reports it: its plug is no array
    // element, so every geometry of the deformer is bound anew.
    MPlugArray further;
    deformerOf(deformer)->setDependentsDirty(inputPlug(deformer, 5), further);
    EXPECT_EQ(further.length(), 0u);
    plug(deformer, "amplitude").setValue(0.5);
    for (unsigned int index : {0u, 5u}) {
        const MObject data = index == 0 ? first : second;
        const MPointArray input = pointsOf(data);
        const MPointArray fresh = outputPoints(deformer, index);
        EXPECT_GT(movedCount(input, fresh), 0) << index;
        for (unsigned int i = 0; i < fresh.length(); ++i)
            EXPECT_EQ(fresh[i].y, input[i].y) << index << " " << i;
    }
}

TEST_F(DeformPassTest, SettingANewInputGeometryBindsANewAdapter)
{
    const MObject deformer = deformerOn(meshData(evenGrid(3, -0.7, 0.9)));
    outputPoints(deformer);

    // Upright plane, normals along x.
    const MObject upright = meshData(evenGrid(3, -0.7, 0.9));
    MFnMesh mesh(upright);
    MPointArray points;
    mesh.getPoints(points);
    for (unsigned int i = 0; i < points.length(); ++i)
        points[i] = MPoint(0.0, points[i].x, points[i].z);
    mesh.setPoints(points);
    setInput(deformer, 0, upright);

    const MPointArray result = outputPoints(deformer);
    EXPECT_GT(movedCount(points, result), 0);
    for (unsigned int i = 0; i < result.length(); ++i)
        EXPECT_EQ(result[i].y, points[i].y) << i;
}

TEST_F(DeformPassTest, GeometryOfAnotherKindIsReportedAndLeftAsItCame)
{
    const MObject deformer = deformerOn(meshData(evenGrid(3, -0.7, 0.9)));
    outputPoints(deformer);

    MObject foreign(std::make_shared<ForeignData>());
    setInput(deformer, 0, foreign);
    testing::internal::CaptureStderr();
    const MObject result = output(deformer);
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(contains(errors, "ERROR NoiseDeformerNode geometry is neither polygon, nurbs surfaces, nurbs curve, "
                                 "subdiv, or particle.\n"))
        << errors;
    EXPECT_EQ(result.apiType(), MFn::kMatrixData);
    EXPECT_EQ(objectAs<Node>(deformer)->lastComputeStatus, MStatus::kFailure);

    // A supported geometry afterwards deforms again.
    const MObject mesh = meshData(evenGrid(3, -0.7, 0.9));
    setInput(deformer, 0, mesh);
    EXPECT_GT(movedCount(pointsOf(mesh), outputPoints(deformer)), 0);
    EXPECT_EQ(objectAs<Node>(deformer)->lastComputeStatus, MStatus::kSuccess);
}

TEST_F(DeformPassTest, TheSeedChoosesThePattern)
{
    const MObject data = meshData(evenGrid(5, -0.7, 0.9));
    const MObject reference = deformerOn(data);
    const MObject seeded = deformerOn(data);
    const MPointArray seedZero = outputPoints(reference);

    plug(seeded, "seed").setValue(7);
    const MPointArray seedSeven = outputPoints(seeded);
    EXPECT_GT(movedCount(seedZero, seedSeven), 20);
    // Re-evaluating seed 0 after seed 7 brings the reference table back.
    plug(reference, "amplitude").setValue(0.5f);
    outputPoints(reference);
    plug(reference, "amplitude").setValue(1.0f);
    EXPECT_EQ(movedCount(seedZero, outputPoints(reference)), 0);
    plug(seeded, "seed").setValue(0);
    EXPECT_EQ(movedCount(seedZero, outputPoints(seeded)), 0);
}

// Two deformers with different seeds deforming at the same time, as a
// parallel host would run them: each gets the pattern of its own seed.
TEST_F(DeformPassTest, PassesWithDifferentSeedsOnTwoThreadsDoNotDisturbEachOther)
{
    const MObject data = meshData(evenGrid(120, -3.0, 3.0));
    const MObject deformers[2] = {deformerOn(data), deformerOn(data)};
    plug(deformers[1], "seed").setValue(11);

    // Deforms a copy of the input directly, as the host's compute does.
    auto deform = [&](const MObject& deformer) {
        Node* node = objectAs<Node>(deformer).get();
        MDataBlock block(node);
        MDataHandle out = block.outputValue(outputPlug(deformer, 0));
        out.set(MObject(objectAs<Data>(data)->clone()));
        MItGeometry iterator(out, 0u, false);
        const MStatus status = deformerOf(deformer)->deform(block, iterator, MMatrix::identity, 0);
        EXPECT_EQ(status, MStatus::kSuccess);
        MPointArray points;
        iterator.allPositions(points);
        return points;
    };
    const MPointArray expected[2] = {deform(deformers[0]), deform(deformers[1])};
    ASSERT_GT(movedCount(expected[0], expected[1]), 1000);

    for (int round = 0; round < 8; ++round) {
        MPointArray results[2];
        std::thread first([&] { results[0] = deform(deformers[0]); });
        std::thread second([&] { results[1] = deform(deformers[1]); });
        first.join();
        second.join();
        EXPECT_EQ(movedCount(expected[0], results[0]), 0) << round;
        EXPECT_EQ(movedCount(expected[1], results[1]), 0) << round;
    }
}

} // namespace
