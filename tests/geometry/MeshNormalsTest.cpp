#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include "geometry/MeshNormals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using kavo::host::geometry::newellNormal;
using kavo::host::geometry::PolygonMesh;
using kavo::host::geometry::smoothVertexNormals;

TEST(MeshNormals, PlaneNormalsFollowTheWinding)
{
    PolygonMesh grid = planeGridMesh(3);
    std::vector<MVector> normals;
    ASSERT_EQ(smoothVertexNormals(grid, normals), MStatus::kSuccess);
    ASSERT_EQ(normals.size(), grid.points.size());
    for (const MVector& normal : normals)
        EXPECT_TRUE(isNear(normal, MVector(0, 0, 1), 1e-15));

    for (size_t first = 0; first < grid.faceVertexIndices.size(); first += 4)
        std::swap(grid.faceVertexIndices[first + 1], grid.faceVertexIndices[first + 3]);
    ASSERT_EQ(smoothVertexNormals(grid, normals), MStatus::kSuccess);
    for (const MVector& normal : normals)
        EXPECT_TRUE(isNear(normal, MVector(0, 0, -1), 1e-15));
}

TEST(MeshNormals, CubeCornersPointOutwardAlongTheDiagonals)
{
    // A box, not a cube: every face counts the same, so the corners still get
    // the diagonal however long the edges are.
    PolygonMesh box = unitCubeMesh();
    for (MPoint& p : box.points)
        p = MPoint(p.x * 3.0, p.y * 0.5, p.z + 2.0);
    std::vector<MVector> normals;
    ASSERT_EQ(smoothVertexNormals(box, normals), MStatus::kSuccess);
    const PolygonMesh cube = unitCubeMesh();
    for (size_t v = 0; v < cube.points.size(); ++v)
        EXPECT_TRUE(isNear(normals[v], MVector(cube.points[v]) / std::sqrt(3.0), 1e-15)) << "vertex " << v;
}

TEST(MeshNormals, NewellNormalHandlesNonPlanarAndDegeneratePolygons)
{
    // A square in the XY plane with one corner lifted: the normal leans away
    // from the lifted corner but stays mostly +Z, and has unit length.
    const std::vector<MPoint> points = {MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(1, 1, 0.5), MPoint(0, 1, 0),
                                        MPoint(2, 0, 0), MPoint(4, 0, 0)};
    const int lifted[] = {0, 1, 2, 3};
    const MVector normal = newellNormal(points, lifted, 4);
    EXPECT_NEAR(normal.length(), 1.0, 1e-15);
    EXPECT_GT(normal.z, 0.9);
    EXPECT_LT(normal.x, 0.0);
    EXPECT_LT(normal.y, 0.0);

    const int collinear[] = {0, 1, 4, 5};
    EXPECT_EQ(newellNormal(points, collinear, 4), MVector::zero);
    const int repeated[] = {0, 1, 1};
    EXPECT_EQ(newellNormal(points, repeated, 3), MVector::zero);
}

TEST(MeshNormals, UnusedPointsAndSliversAddNothing)
{
    PolygonMesh grid = planeGridMesh(1);
    grid.points.emplace_back(9, 9, 9);  // used by no face
    grid.points.emplace_back(2, 0, 0);  // with points 0 and 1: a collinear sliver
    grid.faceVertexCounts.push_back(3);
    grid.faceVertexIndices.insert(grid.faceVertexIndices.end(), {0, 1, 5});
    std::vector<MVector> normals;
    ASSERT_EQ(smoothVertexNormals(grid, normals), MStatus::kSuccess);
    EXPECT_EQ(normals[4], MVector::zero);
    EXPECT_EQ(normals[5], MVector::zero);
    EXPECT_TRUE(isNear(normals[0], MVector(0, 0, 1), 1e-15));
    EXPECT_TRUE(isNear(normals[1], MVector(0, 0, 1), 1e-15));
}

TEST(MeshNormals, InvalidMeshesAreRejected)
{
    std::vector<MVector> normals = {MVector(1, 2, 3)};
    PolygonMesh outOfRange = planeGridMesh(1);
    outOfRange.faceVertexIndices[2] = 4;
    EXPECT_EQ(smoothVertexNormals(outOfRange, normals), MStatus::kInvalidParameter);

    PolygonMesh negative = planeGridMesh(1);
    negative.faceVertexIndices[0] = -1;
    EXPECT_EQ(smoothVertexNormals(negative, normals), MStatus::kInvalidParameter);

    PolygonMesh shortList = planeGridMesh(1);
    shortList.faceVertexCounts[0] = 5;
    EXPECT_EQ(smoothVertexNormals(shortList, normals), MStatus::kInvalidParameter);

    PolygonMesh twoCorners = planeGridMesh(1);
    twoCorners.faceVertexCounts = {2, 2};
    EXPECT_EQ(smoothVertexNormals(twoCorners, normals), MStatus::kInvalidParameter);

    EXPECT_EQ(normals.size(), 1u) << "untouched on failure";
}
