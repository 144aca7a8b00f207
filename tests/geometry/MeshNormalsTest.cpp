#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include "geometry/MeshNormals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
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

TEST(MeshNormals, BoxCornersPointOutwardAlongTheDiagonals)
{
    // Every face counts the same, so a long box still gets the diagonals.
    const PolygonMesh cube = unitCubeMesh();
    PolygonMesh box = cube;
    for (MPoint& p : box.points)
        p = MPoint(p.x * 3.0, p.y * 0.5, p.z + 2.0);
    std::vector<MVector> normals;
    ASSERT_EQ(smoothVertexNormals(box, normals), MStatus::kSuccess);
    for (size_t v = 0; v < cube.points.size(); ++v)
        EXPECT_TRUE(isNear(normals[v], MVector(cube.points[v]) / std::sqrt(3.0), 1e-15)) << "vertex " << v;
}

TEST(MeshNormals, NonPlanarSliverAndUnusedPoints)
{
    // A square with one corner lifted leans away from it; collinear or
    // repeated corners have no normal.
    const std::vector<MPoint> points = {MPoint(0, 0, 0), MPoint(1, 0, 0), MPoint(1, 1, 0.5), MPoint(0, 1, 0),
                                        MPoint(2, 0, 0)};
    const int lifted[] = {0, 1, 2, 3};
    const MVector normal = newellNormal(points, lifted, 4);
    EXPECT_NEAR(normal.length(), 1.0, 1e-15);
    EXPECT_TRUE(normal.z > 0.9 && normal.x < 0.0 && normal.y < 0.0) << normal;
    const int collinear[] = {0, 1, 4};
    EXPECT_EQ(newellNormal(points, collinear, 3), MVector::zero);

    // In a mesh, the sliver adds nothing and an unused point has no normal.
    PolygonMesh grid = planeGridMesh(1);
    grid.points.emplace_back(9, 9, 9);
    grid.points.emplace_back(2, 0, 0);
    grid.faceVertexCounts.push_back(3);
    grid.faceVertexIndices.insert(grid.faceVertexIndices.end(), {0, 1, 5});
    std::vector<MVector> normals;
    ASSERT_EQ(smoothVertexNormals(grid, normals), MStatus::kSuccess);
    EXPECT_TRUE(isNear(normals[1], MVector(0, 0, 1), 1e-15));
    EXPECT_EQ(normals[4], MVector::zero);
    EXPECT_EQ(normals[5], MVector::zero);
}

TEST(MeshNormals, InvalidMeshesAreRejectedWithoutOutput)
{
    std::vector<MVector> normals = {MVector(1, 2, 3)};
    for (auto breakMesh :
         {+[](PolygonMesh& m) { m.faceVertexIndices[2] = 4; }, +[](PolygonMesh& m) { m.faceVertexIndices[0] = -1; },
          +[](PolygonMesh& m) { m.faceVertexCounts[0] = 5; },
          +[](PolygonMesh& m) {
              m.faceVertexCounts = {2, 2};
          }}) {
        PolygonMesh mesh = planeGridMesh(1);
        breakMesh(mesh);
        EXPECT_EQ(smoothVertexNormals(mesh, normals), MStatus::kInvalidParameter);
    }
    EXPECT_EQ(normals.size(), 1u);
}
