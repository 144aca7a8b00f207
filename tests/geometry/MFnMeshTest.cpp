#include "GeometryDataBuilders.h"
#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MItMeshVertex.h>
#include <maya/MString.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using kavo::host::geometry::PolygonMesh;

namespace {

// Scale by 2, then move by (10, 20, 30).
MMatrix scaleAndMove()
{
    MMatrix matrix;
    matrix[0][0] = matrix[1][1] = matrix[2][2] = 2.0;
    matrix[3][0] = 10.0;
    matrix[3][1] = 20.0;
    matrix[3][2] = 30.0;
    return matrix;
}

// Gives every face-vertex of the cube its polygon's normal: hard edges.
void makeEdgesHard(MObject& cube)
{
    MFnMesh mesh(cube);
    MVectorArray normals;
    MIntArray faces;
    MIntArray vertices;
    for (MItMeshPolygon polygon(cube); !polygon.isDone(); polygon.next()) {
        MVector faceNormal;
        ASSERT_EQ(polygon.getNormal(faceNormal), MStatus::kSuccess);
        for (unsigned int corner = 0; corner < polygon.polygonVertexCount(); ++corner) {
            normals.append(faceNormal);
            faces.append(static_cast<int>(polygon.index()));
            vertices.append(static_cast<int>(polygon.vertexIndex(static_cast<int>(corner))));
        }
    }
    ASSERT_EQ(mesh.setFaceVertexNormals(normals, faces, vertices), MStatus::kSuccess);
}

std::set<int> normalIdsAt(MObject& mesh, int vertex)
{
    MItMeshVertex iterator(mesh);
    int previous = 0;
    EXPECT_EQ(iterator.setIndex(vertex, previous), MStatus::kSuccess);
    MIntArray ids;
    EXPECT_EQ(iterator.getNormalIndices(ids), MStatus::kSuccess);
    std::set<int> distinct;
    for (unsigned int k = 0; k < ids.length(); ++k)
        distinct.insert(ids[k]);
    return distinct;
}

// The 2 x 2 grid with one UV per vertex at (i / 2, j / 2) on the three lower
// left quads; the top right quad (polygon 3) has none, so vertex 8, which
// only it uses, has no UV.
MObject gridWithUVs()
{
    MObject grid = meshDataFrom(planeGridMesh(2));
    MFnMesh mesh(grid);
    MFloatArray u;
    MFloatArray v;
    for (int j = 0; j <= 2; ++j)
        for (int i = 0; i <= 2; ++i) {
            u.append(i / 2.0f);
            v.append(j / 2.0f);
        }
    EXPECT_EQ(mesh.setUVs(u, v), MStatus::kSuccess);
    const int counts[] = {4, 4, 4, 0};
    const int ids[] = {0, 1, 4, 3, 1, 2, 5, 4, 3, 4, 7, 6};
    EXPECT_EQ(mesh.assignUVs(MIntArray(counts, 4), MIntArray(ids, 12)), MStatus::kSuccess);
    return grid;
}

MStatus vertexUV(MObject& mesh, int vertex, float2& uv, const MString* set = nullptr)
{
    MItMeshVertex iterator(mesh);
    int previous = 0;
    EXPECT_EQ(iterator.setIndex(vertex, previous), MStatus::kSuccess);
    return iterator.getUV(uv, set);
}

} // namespace

TEST(MFnMesh, CountsAndPointsInObjectAndWorldSpace)
{
    MObject cube = meshDataFrom(unitCubeMesh());
    ASSERT_EQ(MFnMeshData(cube).setMatrix(scaleAndMove()), MStatus::kSuccess);
    MFnMesh mesh(cube);
    EXPECT_EQ(mesh.numVertices(), 8);
    EXPECT_EQ(mesh.numPolygons(), 6);
    EXPECT_EQ(mesh.numFaceVertices(), 24);
    MIntArray corners;
    ASSERT_EQ(mesh.getPolygonVertices(2, corners), MStatus::kSuccess);
    ASSERT_EQ(corners.length(), 4u);
    EXPECT_EQ(corners[0], 0);
    EXPECT_EQ(corners[3], 4);

    MPointArray object;
    MPointArray world;
    ASSERT_EQ(mesh.getPoints(object, MSpace::kObject), MStatus::kSuccess);
    ASSERT_EQ(mesh.getPoints(world, MSpace::kWorld), MStatus::kSuccess);
    ASSERT_EQ(world.length(), 8u);
    EXPECT_TRUE(isNear(object[6], MPoint(1, 1, 1), 0.0));
    EXPECT_TRUE(isNear(world[6], MPoint(12, 22, 32), 1e-12));
    EXPECT_TRUE(isNear(world[0], MPoint(8, 18, 28), 1e-12));

    // A point set in world space is stored in object space.
    ASSERT_EQ(mesh.setPoint(0, MPoint(14, 20, 30), MSpace::kWorld), MStatus::kSuccess);
    MPoint moved;
    ASSERT_EQ(mesh.getPoint(0, moved), MStatus::kSuccess);
    EXPECT_TRUE(isNear(moved, MPoint(2, 0, 0), 1e-12));
    EXPECT_EQ(mesh.getPoint(8, moved), MStatus::kInvalidParameter);
}

TEST(MFnMesh, CreationRefusesInconsistentInputAndOtherData)
{
    const MFloatPointArray points(3);
    const int triangle[] = {0, 1, 2};
    const int outOfRange[] = {0, 1, 3};
    MFnMesh mesh;
    MStatus status;
    EXPECT_TRUE(
        mesh.create(4, 1, points, MIntArray(1, 3), MIntArray(triangle, 3), MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(
        mesh.create(3, 1, points, MIntArray(1, 3), MIntArray(outOfRange, 3), MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    // The owner must be mesh data; a mesh set does not attach to anything else.
    MObject subd = subdDataFrom(unitCubeMesh());
    EXPECT_TRUE(mesh.create(3, 1, points, MIntArray(1, 3), MIntArray(triangle, 3), subd, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    MFnMesh onSubd(subd, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(onSubd.numVertices(&status), 0);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    MItMeshPolygon polygons(subd, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(polygons.isDone());

    // A mesh made into an existing data object fills that object.
    MObject owner = MFnMeshData().create();
    EXPECT_EQ(mesh.create(3, 1, points, MIntArray(1, 3), MIntArray(triangle, 3), owner, &status), owner);
    EXPECT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(MFnMesh(owner).numPolygons(), 1);
}

TEST(MFnMesh, HardEdgedCubeHasThreeNormalsAtEachCorner)
{
    MObject cube = meshDataFrom(unitCubeMesh());
    makeEdgesHard(cube);
    MFnMesh mesh(cube);
    EXPECT_EQ(mesh.numNormals(), 24);

    const std::set<int> corner = normalIdsAt(cube, 6);
    ASSERT_EQ(corner.size(), 3u);
    MFloatVectorArray normals;
    ASSERT_EQ(mesh.getNormals(normals), MStatus::kSuccess);
    MVector sum;
    for (int id : corner)
        sum += MVector(normals[id]);
    EXPECT_TRUE(isNear(sum, MVector(1, 1, 1), 1e-6));

    // Every face-vertex reports its own polygon's normal.
    for (MItMeshPolygon polygon(cube); !polygon.isDone(); polygon.next()) {
        MVector faceNormal;
        polygon.getNormal(faceNormal);
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(isNear(MVector(normals[polygon.normalIndex(k)]), faceNormal, 1e-6));
    }

    // Unlocking the face-vertices at a corner gives them one smooth normal again.
    MIntArray faces;
    MIntArray vertices;
    MIntArray connected;
    MItMeshVertex vertex(cube);
    int previous = 0;
    vertex.setIndex(6, previous);
    vertex.getConnectedFaces(connected);
    for (unsigned int k = 0; k < connected.length(); ++k) {
        faces.append(connected[k]);
        vertices.append(6);
    }
    ASSERT_EQ(mesh.unlockFaceVertexNormals(faces, vertices), MStatus::kSuccess);
    EXPECT_EQ(normalIdsAt(cube, 6).size(), 1u);
    MVector smooth;
    ASSERT_EQ(mesh.getVertexNormal(6, smooth), MStatus::kSuccess);
    EXPECT_TRUE(isNear(smooth, MVector(1, 1, 1) / std::sqrt(3.0), 1e-12));
}

TEST(MFnMesh, SmoothPlaneSharesOneNormalPerVertex)
{
    MObject plane = meshDataFrom(planeGridMesh(2));
    MFnMesh mesh(plane);
    EXPECT_EQ(mesh.numNormals(), 9);
    const std::set<int> centre = normalIdsAt(plane, 4);
    ASSERT_EQ(centre.size(), 1u);
    MFloatVectorArray normals;
    mesh.getNormals(normals);
    EXPECT_TRUE(isNear(MVector(normals[*centre.begin()]), MVector(0, 0, 1), 0.0));

    // The same normal given to each face-vertex of a vertex keeps one id.
    MVector up(0, 0, 1);
    const int faces[] = {0, 1, 2, 3};
    MVectorArray ups(4, up);
    MIntArray faceList(faces, 4);
    MIntArray vertexList(4, 4);
    ASSERT_EQ(mesh.setFaceVertexNormals(ups, faceList, vertexList), MStatus::kSuccess);
    EXPECT_EQ(normalIdsAt(plane, 4).size(), 1u);

    // A pair that names no face-vertex changes nothing.
    MIntArray notThere(4, 8);
    MVectorArray tilted(4, MVector(1, 0, 0));
    EXPECT_EQ(mesh.setFaceVertexNormals(tilted, faceList, notThere), MStatus::kInvalidParameter);
    MVector normal;
    ASSERT_EQ(mesh.getFaceVertexNormal(0, 4, normal), MStatus::kSuccess);
    EXPECT_TRUE(isNear(normal, up, 0.0));
}

TEST(MFnMesh, NumberedInFaceVertexOrderWhetherOrNotTheNormalsAreAskedFor)
{
    // The 2 x 2 grid; the centre vertex 4 is given "up" in polygons 0 and 1
    // and "east" in polygons 2 and 3, splitting it into two normals.
    MObject plane = meshDataFrom(planeGridMesh(2));
    MFnMesh mesh(plane);
    const MVector up(0, 0, 1);
    const MVector east(1, 0, 0);
    MVectorArray given;
    for (const MVector& normal : {up, up, east, east})
        given.append(normal);
    const int faces[] = {0, 1, 2, 3};
    MIntArray faceList(faces, 4);
    MIntArray centre(4, 4);
    ASSERT_EQ(mesh.setFaceVertexNormals(given, faceList, centre), MStatus::kSuccess);

    // Polygons {0 1 4 3} {1 2 5 4} {3 4 7 6} {4 5 8 7}: a new id at each
    // vertex first met, and at each own normal first met at its vertex.
    const int expected[] = {0, 1, 2, 3, 1, 4, 5, 2, 3, 6, 7, 8, 6, 5, 9, 7};
    MIntArray counts;
    MIntArray ids;
    ASSERT_EQ(mesh.getNormalIds(counts, ids), MStatus::kSuccess);
    ASSERT_EQ(ids.length(), 16u);
    for (unsigned int k = 0; k < 16; ++k)
        EXPECT_EQ(ids[k], expected[k]) << "face-vertex " << k;

    unsigned int faceVertex = 0;
    for (MItMeshPolygon polygon(plane); !polygon.isDone(); polygon.next())
        for (int corner = 0; corner < 4; ++corner, ++faceVertex)
            EXPECT_EQ(polygon.normalIndex(corner), static_cast<unsigned int>(expected[faceVertex]));

    MFloatVectorArray normals;
    ASSERT_EQ(mesh.getNormals(normals), MStatus::kSuccess);
    ASSERT_EQ(normals.length(), 10u);
    EXPECT_EQ(MVector(normals[2]), up);
    EXPECT_EQ(MVector(normals[6]), east);
    MItMeshPolygon polygon(plane);
    polygon.next();
    polygon.next();
    MVector atCentre;
    ASSERT_EQ(polygon.getNormal(1u, atCentre), MStatus::kSuccess);
    EXPECT_EQ(atCentre, east);
}

TEST(MFnMesh, WorldSpaceNormalsStayPerpendicularUnderNonUniformScale)
{
    // The plane z = x, stretched to twice its width: in world space it rises
    // half as steeply.
    PolygonMesh slope = planeGridMesh(1);
    for (MPoint& point : slope.points)
        point.z = point.x;
    MObject data = meshDataFrom(slope);
    MMatrix stretch;
    stretch[0][0] = 2.0;
    MFnMeshData(data).setMatrix(stretch);
    MFloatVectorArray object;
    MFloatVectorArray world;
    MFnMesh mesh(data);
    mesh.getNormals(object, MSpace::kObject);
    mesh.getNormals(world, MSpace::kWorld);
    EXPECT_TRUE(isNear(MVector(object[0]), MVector(-1, 0, 1).normal(), 1e-6));
    EXPECT_TRUE(isNear(MVector(world[0]), MVector(-0.5, 0, 1).normal(), 1e-6));
}

TEST(MFnMesh, VertexUVIsThatOfItsFirstFaceVertexWithOne)
{
    MObject grid = gridWithUVs();
    float2 uv = {0.0f, 0.0f};
    ASSERT_EQ(vertexUV(grid, 4, uv), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.5f);
    EXPECT_FLOAT_EQ(uv[1], 0.5f);

    // Vertex 8 lies only on the polygon without UVs.
    float2 untouched = {7.0f, 9.0f};
    EXPECT_EQ(vertexUV(grid, 8, untouched), MStatus::kFailure);
    EXPECT_FLOAT_EQ(untouched[0], 7.0f);
    EXPECT_FLOAT_EQ(untouched[1], 9.0f);
    MItMeshPolygon topRight(grid);
    int previous = 0;
    topRight.setIndex(3, previous);
    EXPECT_FALSE(topRight.hasUVs());
    EXPECT_EQ(topRight.getUV(0, uv), MStatus::kFailure);

    // A seam: polygon 1 gets UVs of its own, the vertex keeps polygon 0's.
    MFnMesh mesh(grid);
    MFloatArray u;
    MFloatArray v;
    mesh.getUVs(u, v);
    for (float value : {0.9f, 0.8f, 0.7f, 0.6f}) {
        u.append(value);
        v.append(value);
    }
    mesh.setUVs(u, v);
    const int counts[] = {4, 4, 4, 0};
    const int ids[] = {0, 1, 4, 3, 9, 10, 11, 12, 3, 4, 7, 6};
    ASSERT_EQ(mesh.assignUVs(MIntArray(counts, 4), MIntArray(ids, 12)), MStatus::kSuccess);
    ASSERT_EQ(vertexUV(grid, 1, uv), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.5f);
    MItMeshVertex vertex(grid);
    vertex.setIndex(1, previous);
    ASSERT_EQ(vertex.getUV(1, uv), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.9f);
}

TEST(MFnMesh, SetsAreNamedAndOneIsCurrent)
{
    MObject grid = gridWithUVs();
    MFnMesh mesh(grid);
    EXPECT_EQ(mesh.currentUVSetName(), MString("map1"));
    const MString second = mesh.createUVSetWithName("map1");
    EXPECT_EQ(second, MString("map11"));
    EXPECT_EQ(mesh.numUVs(second), 0);

    MFloatArray u(1, 0.25f);
    MFloatArray v(1, 0.75f);
    ASSERT_EQ(mesh.setUVs(u, v, &second), MStatus::kSuccess);
    const int counts[] = {4, 0, 0, 0};
    const int ids[] = {0, 0, 0, 0};
    ASSERT_EQ(mesh.assignUVs(MIntArray(counts, 4), MIntArray(ids, 4), &second), MStatus::kSuccess);
    ASSERT_EQ(mesh.setCurrentUVSetName(second), MStatus::kSuccess);

    float2 uv = {0.0f, 0.0f};
    ASSERT_EQ(vertexUV(grid, 4, uv), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.25f);
    const MString first("map1");
    ASSERT_EQ(vertexUV(grid, 4, uv, &first), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.5f);
    EXPECT_EQ(vertexUV(grid, 5, uv), MStatus::kFailure);

    // Assignments that do not fit the mesh change nothing.
    const int wrongCounts[] = {3, 0, 0, 0};
    EXPECT_EQ(mesh.assignUVs(MIntArray(wrongCounts, 4), MIntArray(ids, 3)), MStatus::kInvalidParameter);
    const int pastTheList[] = {0, 0, 0, 1};
    EXPECT_EQ(mesh.assignUVs(MIntArray(counts, 4), MIntArray(pastTheList, 4)), MStatus::kInvalidParameter);
    ASSERT_EQ(vertexUV(grid, 4, uv), MStatus::kSuccess);
    EXPECT_FLOAT_EQ(uv[0], 0.25f);
    EXPECT_EQ(mesh.setCurrentUVSetName("missing"), MStatus::kInvalidParameter);
}
