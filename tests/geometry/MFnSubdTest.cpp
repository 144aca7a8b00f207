#include "GeometryDataBuilders.h"
#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include <maya/MFnSubd.h>
#include <maya/MFnSubdData.h>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

using kavo::host::geometry::PolygonMesh;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The unit normal of the Catmull-Clark limit surface at an interior vertex
// whose faces are all quads, from the tangent masks of the subdivision
// matrix's subdominant eigenvectors (Halstead, Kass and DeRose 1993):
//   t_c = sum_i A_n cos(2 pi i / n) e_i + (cos(2 pi i / n) + cos(2 pi (i + 1) / n)) f_i
// and t_s likewise with sines, where e_i are the edge neighbours in
// counter-clockwise order seen from outside, f_i the corner opposite the
// vertex in the quad between e_i and e_{i+1}, and
//   A_n = 1 + cos(2 pi / n) + cos(pi / n) sqrt(2 (9 + cos(2 pi / n))).
MVector limitNormalFromMasks(const PolygonMesh& mesh, int vertex)
{
    // For each quad at the vertex, corners (vertex, a, d, b) in winding
    // order: the edge neighbour a is followed, going counter-clockwise, by
    // the diagonal d and then the edge neighbour b.
    std::map<int, std::pair<int, int>> after;
    const int* corners = mesh.faceVertexIndices.data();
    for (int count : mesh.faceVertexCounts) {
        for (int k = 0; k < count; ++k)
            if (corners[k] == vertex)
                after[corners[(k + 1) % count]] = {corners[(k + 2) % count], corners[(k + 3) % count]};
        corners += count;
    }
    const int n = static_cast<int>(after.size());
    const double a =
        1.0 + std::cos(2.0 * kPi / n) + std::cos(kPi / n) * std::sqrt(2.0 * (9.0 + std::cos(2.0 * kPi / n)));
    MVector cosineTangent;
    MVector sineTangent;
    int edge = after.begin()->first;
    for (int i = 0; i < n; ++i) {
        const auto [diagonal, nextEdge] = after.at(edge);
        const double angle = 2.0 * kPi * i / n;
        const double nextAngle = 2.0 * kPi * (i + 1) / n;
        const MVector e(mesh.points[edge]);
        const MVector f(mesh.points[diagonal]);
        cosineTangent += e * (a * std::cos(angle)) + f * (std::cos(angle) + std::cos(nextAngle));
        sineTangent += e * (a * std::sin(angle)) + f * (std::sin(angle) + std::sin(nextAngle));
        edge = nextEdge;
    }
    return (cosineTangent ^ sineTangent).normal();
}

// A cube pulled out of shape, so that no normal follows from symmetry.
PolygonMesh skewedCube()
{
    PolygonMesh cube = unitCubeMesh();
    cube.points[6] = MPoint(1.5, 1.2, 1.4);
    cube.points[0] = MPoint(-1.3, -0.8, -1.1);
    cube.points[3] = MPoint(-0.9, 1.4, -1.0);
    return cube;
}

MVector normalAt(const MFnSubd& subd, int baseVertex)
{
    MVector normal;
    EXPECT_EQ(subd.vertexNormal(subd.vertexIdFromBaseVertexIndex(baseVertex), normal), MStatus::kSuccess);
    return normal;
}

} // namespace

TEST(MFnSubd, SubdividedCubeHasEightBaseVerticesWithLimitNormals)
{
    const PolygonMesh cube = skewedCube();
    MObject data = subdDataFrom(cube);
    MFnSubd subd(data);
    EXPECT_EQ(subd.vertexCount(), 8u);
    EXPECT_EQ(subd.polygonCount(), 6);
    for (int v = 0; v < 8; ++v)
        EXPECT_TRUE(isNear(normalAt(subd, v), limitNormalFromMasks(cube, v), 1e-12)) << "vertex " << v;

    // Moving a base vertex moves the limit surface with it.
    MPointArray points;
    subd.vertexBaseMeshGet(points);
    PolygonMesh moved = cube;
    moved.points[6] = MPoint(2.0, 0.5, 1.0);
    points[6] = moved.points[6];
    ASSERT_EQ(subd.vertexBaseMeshSet(points), MStatus::kSuccess);
    EXPECT_TRUE(isNear(normalAt(subd, 5), limitNormalFromMasks(moved, 5), 1e-12));
}

TEST(MFnSubd, ReversedBaseMeshTurnsTheNormalsInward)
{
    MFnSubd outward(subdDataFrom(unitCubeMesh()));
    MFnSubd inward(subdDataFrom(unitCubeMesh(), true));
    for (int v = 0; v < 8; ++v)
        EXPECT_TRUE(isNear(normalAt(inward, v), -normalAt(outward, v), 1e-12)) << "vertex " << v;
    MIntArray corners;
    ASSERT_EQ(inward.polygonBaseMeshVertices(0, corners), MStatus::kSuccess);
    ASSERT_EQ(corners.length(), 4u);
    EXPECT_EQ(corners[0], 1);
    EXPECT_EQ(corners[3], 0);
}

TEST(MFnSubd, IdsNameBaseVerticesAndPolygonsAndNothingElse)
{
    MObject data = subdDataFrom(unitCubeMesh());
    MFnSubd subd(data);
    MStatus status;
    const MUint64 id = subd.vertexIdFromBaseVertexIndex(5, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(subd.vertexBaseIndexFromVertexId(id), 5);
    const MUint64 polygon = subd.polygonIdFromBasePolygonIndex(5);
    EXPECT_EQ(subd.polygonVertexCount(polygon, &status), 4);
    EXPECT_EQ(status, MStatus::kSuccess);

    // A base index is no id, nor is a polygon id a vertex id.
    MVector normal(7, 7, 7);
    EXPECT_EQ(subd.vertexNormal(5, normal), MStatus::kFailure);
    EXPECT_EQ(subd.vertexNormal(polygon, normal), MStatus::kFailure);
    EXPECT_TRUE(isNear(normal, MVector(7, 7, 7), 0.0));
    subd.vertexIdFromBaseVertexIndex(8, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    subd.vertexCount(1, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    // A vertex that no polygon uses has no limit normal.
    PolygonMesh withLoose = unitCubeMesh();
    withLoose.points.emplace_back(5, 5, 5);
    MFnSubd loose(subdDataFrom(withLoose));
    EXPECT_EQ(loose.vertexNormal(loose.vertexIdFromBaseVertexIndex(8), normal), MStatus::kFailure);
}

TEST(MFnSubd, BaseMeshPositionsInObjectAndWorldSpace)
{
    MObject data = subdDataFrom(unitCubeMesh());
    MMatrix lift;
    lift[3][1] = 10.0;
    ASSERT_EQ(MFnSubdData(data).setMatrix(lift), MStatus::kSuccess);
    MFnSubd subd(data);
    MPointArray object;
    MPointArray world;
    subd.vertexBaseMeshGet(object, MSpace::kObject);
    subd.vertexBaseMeshGet(world, MSpace::kWorld);
    EXPECT_TRUE(isNear(object[6], MPoint(1, 1, 1), 0.0));
    EXPECT_TRUE(isNear(world[6], MPoint(1, 11, 1), 0.0));
    MPoint position;
    ASSERT_EQ(subd.vertexPositionGet(subd.vertexIdFromBaseVertexIndex(6), position, MSpace::kWorld), MStatus::kSuccess);
    EXPECT_TRUE(isNear(position, MPoint(1, 11, 1), 0.0));
}
