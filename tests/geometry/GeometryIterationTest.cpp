#include "GeometryDataBuilders.h"
#include "GeometryExpectations.h"
#include "TestMeshes.h"

#include "support/Matrices.h"

#include "geometry/GeometryData.h"

#include <maya/MFloatArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSubd.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MItGeometry.h>
#include <maya/MItMeshVertex.h>

#include <gtest/gtest.h>

#include <vector>

using kavo::host::geometry::GeometryData;
using kavo::host::graph::objectAs;
using kavo::test::translation;

namespace {

MObject particleData()
{
    MVectorArray positions;
    for (int k = 0; k < 5; ++k)
        positions.append(MVector(k, 2.0 * k, -k));
    return MFnVectorArrayData().create(positions);
}

// Walks the data with MItGeometry and checks index order and both spaces
// against the positions the kind's own function set reports.
void expectIteratesInPointOrder(MObject data, const std::vector<MPoint>& objectPoints)
{
    objectAs<GeometryData>(data)->transform = translation(0, 0, 100);
    MStatus status;
    MItGeometry iterator(data, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(iterator.count(), static_cast<int>(objectPoints.size()));
    int expectedIndex = 0;
    for (; !iterator.isDone(); iterator.next(), ++expectedIndex) {
        ASSERT_EQ(iterator.index(), expectedIndex);
        const MPoint object = objectPoints[expectedIndex];
        EXPECT_TRUE(isNear(iterator.position(MSpace::kObject), object, 0.0));
        EXPECT_TRUE(isNear(iterator.position(MSpace::kWorld), object + MVector(0, 0, 100), 1e-12));
        EXPECT_EQ(iterator.position().w, 1.0);
        // Written back in world space, stored in object space.
        iterator.setPosition(object + MVector(0, 1, 100), MSpace::kWorld);
        EXPECT_TRUE(isNear(iterator.position(), object + MVector(0, 1, 0), 1e-12));
    }
    EXPECT_EQ(expectedIndex, static_cast<int>(objectPoints.size()));
}

std::vector<MPoint> pointsOf(const MPointArray& array)
{
    std::vector<MPoint> points;
    for (unsigned int k = 0; k < array.length(); ++k)
        points.push_back(array[k]);
    return points;
}

} // namespace

TEST(GeometryIteration, MeshVerticesInVertexIdOrder)
{
    MObject mesh = meshDataFrom(unitCubeMesh());
    MPointArray points;
    MFnMesh(mesh).getPoints(points);
    expectIteratesInPointOrder(mesh, pointsOf(points));
}

TEST(GeometryIteration, SubdivisionBaseVerticesInIndexOrder)
{
    MObject subd = subdDataFrom(unitCubeMesh());
    MPointArray points;
    MFnSubd(subd).vertexBaseMeshGet(points);
    expectIteratesInPointOrder(subd, pointsOf(points));
}

TEST(GeometryIteration, ParticlesInElementOrderAsPointsWithUnitWeight)
{
    MObject particles = particleData();
    std::vector<MPoint> points;
    const MVectorArray vectors = MFnVectorArrayData(particles).array();
    for (unsigned int k = 0; k < vectors.length(); ++k)
        points.emplace_back(vectors[k]);
    expectIteratesInPointOrder(particles, points);
    EXPECT_TRUE(isNear(MFnVectorArrayData(particles).array()[2], MVector(2, 5, -2), 1e-12));
}

TEST(GeometryClone, CopiesShareNothingWithTheOriginal)
{
    MObject mesh = meshDataFrom(planeGridMesh(1));
    MFnMesh(mesh).setUVs(MFloatArray(1, 0.5f), MFloatArray(1, 0.5f));
    const std::vector<MObject> originals = {mesh, subdDataFrom(unitCubeMesh()), particleData()};
    for (const MObject& original : originals) {
        auto source = objectAs<GeometryData>(original);
        const MPoint before = source->point(1);
        auto copy = std::dynamic_pointer_cast<GeometryData>(source->clone());
        ASSERT_TRUE(copy) << original.apiTypeStr();
        EXPECT_EQ(copy->apiType(), source->apiType());
        copy->setPoint(1, MPoint(40, 50, 60));
        copy->transform = translation(1, 2, 3);
        EXPECT_TRUE(isNear(source->point(1), before, 0.0)) << original.apiTypeStr();
        EXPECT_EQ(source->transform, MMatrix::identity);
    }

    // Normals and UVs of a mesh copy are its own too.
    MObject copy(objectAs<GeometryData>(mesh)->clone());
    MFnMesh copied(copy);
    MVector sideways(1, 0, 0);
    copied.setFaceVertexNormal(sideways, 0, 0);
    copied.setUVs(MFloatArray(1, 0.0f), MFloatArray(1, 0.0f));
    MVector normal;
    MFnMesh(mesh).getFaceVertexNormal(0, 0, normal);
    EXPECT_TRUE(isNear(normal, MVector(0, 0, 1), 0.0));
    MFloatArray u;
    MFloatArray v;
    MFnMesh(mesh).getUVs(u, v);
    EXPECT_EQ(u[0], 0.5f);
}
