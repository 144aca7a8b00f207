// Copies of geometry data share storage until one of them changes: whatever
// a copy changes must never show in the data it was copied from, whichever
// part (points, face-vertex normals, UVs) and whichever kind.

#include "GeometryDataBuilders.h"
#include "TestMeshes.h"

#include "geometry/CopyOnWrite.h"
#include "geometry/MeshData.h"

#include <maya/MFloatArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MItGeometry.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

using kavo::host::geometry::MeshData;
using kavo::host::geometry::sharedStorageCopies;
using kavo::host::graph::objectAs;

namespace {

MObject cloneOf(const MObject& data)
{
    return MObject(objectAs<kavo::host::graph::Data>(data)->clone());
}

MPointArray pointsOf(MObject data)
{
    MPointArray points;
    MItGeometry(data).allPositions(points);
    return points;
}

bool samePoints(const MPointArray& a, const MPointArray& b)
{
    bool same = a.length() == b.length();
    for (unsigned int k = 0; same && k < a.length(); ++k)
        same = a[k] == b[k];
    return same;
}

} // namespace

TEST(GeometryDataSharing, AMeshCopySharesEverythingUntilItChangesAndThenCopiesOnlyWhatChanged)
{
    const MObject original = meshDataFrom(unitCubeMesh());
    MObject copy = cloneOf(original);
    const auto* originalMesh = objectAs<MeshData>(original).get();
    const auto* copiedMesh = objectAs<MeshData>(copy).get();
    EXPECT_EQ(copiedMesh->points().data(), originalMesh->points().data());

    const unsigned long long copiesBefore = sharedStorageCopies();
    MItGeometry iterator(copy);
    iterator.setPosition(MPoint(9, 9, 9));
    iterator.next();
    iterator.setPosition(MPoint(8, 8, 8));
    EXPECT_EQ(sharedStorageCopies() - copiesBefore, 1u) << "the points are copied once, when first written";

    EXPECT_EQ(pointsOf(original)[0], unitCubeMesh().points[0]);
    EXPECT_EQ(pointsOf(copy)[0], MPoint(9, 9, 9));
    EXPECT_EQ(pointsOf(copy)[1], MPoint(8, 8, 8));
    EXPECT_EQ(&copiedMesh->faceVertexIndices(), &originalMesh->faceVertexIndices()) << "polygons stay shared";
}

TEST(GeometryDataSharing, ABulkWriteToAMeshCopyGivesItPointsOfItsOwn)
{
    const MObject original = meshDataFrom(unitCubeMesh());
    MObject copy = cloneOf(original);
    const MPointArray before = pointsOf(original);
    MPointArray moved = before;
    moved[0] = MPoint(2, 4, 6, 2); // stored as its cartesian (1, 2, 3)
    moved[7] = MPoint(-5, 0, 5);

    const unsigned long long copiesBefore = sharedStorageCopies();
    MItGeometry iterator(copy);
    ASSERT_EQ(iterator.setAllPositions(moved), MStatus::kSuccess);
    EXPECT_EQ(sharedStorageCopies() - copiesBefore, 1u) << "new storage for the copy, once";
    const MPointArray written = pointsOf(copy);
    EXPECT_EQ(written[0], MPoint(1, 2, 3));
    EXPECT_EQ(written[7], MPoint(-5, 0, 5));
    for (unsigned int k = 1; k < 7; ++k)
        EXPECT_EQ(written[k], moved[k]);
    EXPECT_TRUE(samePoints(pointsOf(original), before));

    ASSERT_EQ(iterator.setAllPositions(before), MStatus::kSuccess);
    EXPECT_EQ(sharedStorageCopies() - copiesBefore, 1u) << "storage held alone is written in place";
    EXPECT_TRUE(samePoints(pointsOf(copy), before));
}

TEST(GeometryDataSharing, NormalsAndUVsSetOnAMeshCopyLeaveTheOriginalAlone)
{
    MObject original = meshDataFrom(unitCubeMesh());
    MFnMesh(original).setUVs(MFloatArray(8, 0.25f), MFloatArray(8, 0.5f));
    MObject copy = cloneOf(original);

    MFnMesh copied(copy);
    MVector up(0, 1, 0);
    ASSERT_EQ(copied.setFaceVertexNormal(up, 0, unitCubeMesh().faceVertexIndices[0]), MStatus::kSuccess);
    ASSERT_EQ(copied.setUVs(MFloatArray(2, 1.0f), MFloatArray(2, 1.0f)), MStatus::kSuccess);

    EXPECT_EQ(objectAs<MeshData>(original)->ownNormal(0), nullptr);
    ASSERT_NE(objectAs<MeshData>(copy)->ownNormal(0), nullptr);
    EXPECT_EQ(*objectAs<MeshData>(copy)->ownNormal(0), up);
    EXPECT_EQ(MFnMesh(original).numUVs(), 8);
    EXPECT_EQ(copied.numUVs(), 2);
}

TEST(GeometryDataSharing, CopiesOfEveryOtherKindKeepTheirOriginalWhenMoved)
{
    MVectorArray positions(3, MVector(1, 2, 3));
    const std::vector<MObject> originals = {subdDataFrom(unitCubeMesh()), MFnVectorArrayData().create(positions)};
    for (const MObject& original : originals) {
        const MPointArray before = pointsOf(original);
        MObject copy = cloneOf(original);
        MPointArray moved = before;
        for (unsigned int k = 0; k < moved.length(); ++k)
            moved[k] += MVector(0, 1, 0);
        ASSERT_EQ(MItGeometry(copy).setAllPositions(moved), MStatus::kSuccess);
        EXPECT_TRUE(samePoints(pointsOf(original), before));
        EXPECT_TRUE(samePoints(pointsOf(copy), moved));
    }
}
