#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include "geometry/SubdivisionLimit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

using kavo::host::geometry::computeSubdivisionLimit;
using kavo::host::geometry::PolygonMesh;
using kavo::host::geometry::SubdivisionLimit;

namespace {

// The Catmull-Clark limit point of an interior vertex of valence n whose
// faces are all quads (Halstead, Kass and DeRose):
//   (n^2 v + 4 sum(edge neighbours) + sum(diagonal corners)) / (n (n + 5)).
MPoint catmullClarkLimitPoint(const PolygonMesh& mesh, int vertex)
{
    std::set<int> edgeNeighbours;
    MVector diagonals;
    int valence = 0;
    const int* corners = mesh.faceVertexIndices.data();
    for (int count : mesh.faceVertexCounts) {
        for (int k = 0; k < count; ++k) {
            if (corners[k] != vertex)
                continue;
            ++valence;
            edgeNeighbours.insert(corners[(k + 1) % count]);
            edgeNeighbours.insert(corners[(k + count - 1) % count]);
            diagonals += MVector(mesh.points[corners[(k + 2) % count]]);
        }
        corners += count;
    }
    MVector edges;
    for (int neighbour : edgeNeighbours)
        edges += MVector(mesh.points[neighbour]);
    const double n = valence;
    return MPoint((MVector(mesh.points[vertex]) * (n * n) + edges * 4.0 + diagonals) / (n * (n + 5.0)));
}

SubdivisionLimit limitOf(const PolygonMesh& mesh)
{
    SubdivisionLimit limit;
    EXPECT_EQ(computeSubdivisionLimit(mesh, limit), MStatus::kSuccess);
    return limit;
}

} // namespace

TEST(SubdivisionLimit, CubeLimitNormalsPointOutwardAlongTheDiagonals)
{
    const PolygonMesh cube = unitCubeMesh();
    const SubdivisionLimit limit = limitOf(cube);
    ASSERT_EQ(limit.positions.size(), 8u);
    ASSERT_EQ(limit.normals.size(), 8u);
    for (int v = 0; v < 8; ++v) {
        EXPECT_TRUE(isNear(limit.normals[v], MVector(cube.points[v]) / std::sqrt(3.0), 1e-12)) << "vertex " << v;
        // The corners of [-1, 1]^3 shrink to (+-1/2, +-1/2, +-1/2).
        EXPECT_TRUE(isNear(limit.positions[v], catmullClarkLimitPoint(cube, v), 1e-12)) << "vertex " << v;
        EXPECT_TRUE(isNear(limit.positions[v], cube.points[v] * 0.5, 1e-12)) << "vertex " << v;
    }
}

TEST(SubdivisionLimit, IrregularClosedMeshMatchesTheLimitMaskAndFacesOutward)
{
    // A cube with one corner pulled out and its top replaced by a pyramid of
    // four triangles: valences 3 to 4 and non-quad faces.
    PolygonMesh mesh = unitCubeMesh();
    mesh.points[6] = MPoint(1.5, 1.2, 1.4);
    mesh.points.emplace_back(0, 0, 1.3); // apex 8 over the top face
    mesh.faceVertexCounts = {4, 4, 4, 4, 4, 3, 3, 3, 3};
    mesh.faceVertexIndices = {0, 3, 2, 1, 0, 1, 5, 4, 2, 3, 7, 6, 0, 4, 7, 3,
                              1, 2, 6, 5, 4, 5, 8, 5, 6, 8, 6, 7, 8, 7, 4, 8};
    const SubdivisionLimit limit = limitOf(mesh);
    ASSERT_EQ(limit.normals.size(), mesh.points.size());
    MVector centre;
    for (const MPoint& p : mesh.points)
        centre += MVector(p) / static_cast<double>(mesh.points.size());
    for (size_t v = 0; v < mesh.points.size(); ++v) {
        EXPECT_NEAR(limit.normals[v].length(), 1.0, 1e-12);
        EXPECT_GT(limit.normals[v] * (limit.positions[v] - MPoint(centre)).normal(), 0.5) << "vertex " << v;
    }
    // Vertex 0 sees only quads, so the closed-form mask applies to it.
    EXPECT_TRUE(isNear(limit.positions[0], catmullClarkLimitPoint(mesh, 0), 1e-12));
}

TEST(SubdivisionLimit, OpenGridKeepsItsCornersAndFacesItsWinding)
{
    const PolygonMesh grid = planeGridMesh(3);
    const SubdivisionLimit limit = limitOf(grid);
    for (size_t v = 0; v < grid.points.size(); ++v) {
        EXPECT_TRUE(isNear(limit.normals[v], MVector(0, 0, 1), 1e-12)) << "vertex " << v;
        EXPECT_NEAR(limit.positions[v].z, 0.0, 1e-15);
    }
    // Edge-and-corner interpolation pins the four corners; evenly spaced
    // boundary points stay on their straight boundary.
    for (int corner : {0, 3, 12, 15})
        EXPECT_TRUE(isNear(limit.positions[corner], grid.points[corner], 1e-14)) << "corner " << corner;
    EXPECT_TRUE(isNear(limit.positions[1], grid.points[1], 1e-14));
    EXPECT_TRUE(isNear(limit.positions[5], MPoint(1.0, 1.0, 0.0), 1e-14)) << "regular interior vertex";
}

TEST(SubdivisionLimit, UnusedVerticesKeepTheirPositionAndGetNoNormal)
{
    PolygonMesh cube = unitCubeMesh();
    cube.points.emplace_back(5, 6, 7);
    const SubdivisionLimit limit = limitOf(cube);
    ASSERT_EQ(limit.positions.size(), 9u);
    EXPECT_EQ(limit.positions[8], MPoint(5, 6, 7));
    EXPECT_EQ(limit.normals[8], MVector::zero);
    EXPECT_TRUE(isNear(limit.normals[6], MVector(1, 1, 1) / std::sqrt(3.0), 1e-12));

    cube.faceVertexCounts.clear();
    cube.faceVertexIndices.clear();
    EXPECT_EQ(limitOf(cube).positions, cube.points) << "no faces at all";
}

TEST(SubdivisionLimit, InvalidMeshIsRejectedBeforeReachingOpenSubdiv)
{
    PolygonMesh cube = unitCubeMesh();
    cube.faceVertexIndices[5] = 8;
    SubdivisionLimit limit;
    limit.positions = {MPoint(1, 1, 1)};
    EXPECT_EQ(computeSubdivisionLimit(cube, limit), MStatus::kInvalidParameter);
    EXPECT_EQ(limit.positions.size(), 1u);
}
