#include "PolygonDataFactory.h"

#include "EmptyData.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnSubd.h>
#include <maya/MFnSubdData.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MVectorArray.h>

namespace kavo::app {

namespace {

MIntArray toIntArray(const std::vector<int>& values)
{
    return MIntArray(values.data(), static_cast<unsigned int>(values.size()));
}

MPointArray toPointArray(const std::vector<MPoint>& points)
{
    return MPointArray(points.data(), static_cast<unsigned int>(points.size()));
}

// The host builds a mesh from single-precision points; the points are set
// again in double precision afterwards so nothing of the input is rounded.
MFloatPointArray roughPoints(const std::vector<MPoint>& points)
{
    MFloatPointArray array(static_cast<unsigned int>(points.size()));
    for (unsigned int k = 0; k < array.length(); ++k)
        array[k] = MFloatPoint(static_cast<float>(points[k].x), static_cast<float>(points[k].y),
                               static_cast<float>(points[k].z));
    return array;
}

// A face takes UVs only when every one of its corners has one.
MStatus assignUvs(MFnMesh& mesh, const PolygonMeshDescription& description)
{
    MFloatArray us(description.us.data(), static_cast<unsigned int>(description.us.size()));
    MFloatArray vs(description.vs.data(), static_cast<unsigned int>(description.vs.size()));
    if (MStatus status = mesh.setUVs(us, vs); !status)
        return status;

    // Sized first: a large mesh has millions of corners.
    MIntArray uvCounts(static_cast<unsigned int>(description.faceCounts.size()));
    unsigned int assigned = 0;
    size_t corner = 0;
    for (unsigned int face = 0; face < uvCounts.length(); ++face) {
        const int count = description.faceCounts[face];
        bool complete = true;
        for (int k = 0; k < count; ++k)
            complete = complete && description.faceVertexUvs[corner + k] >= 0;
        uvCounts[face] = complete ? count : 0;
        assigned += static_cast<unsigned int>(uvCounts[face]);
        corner += count;
    }
    MIntArray uvIds(assigned);
    unsigned int next = 0;
    corner = 0;
    for (unsigned int face = 0; face < uvCounts.length(); ++face) {
        for (int k = 0; k < uvCounts[face]; ++k)
            uvIds[next++] = description.faceVertexUvs[corner + k];
        corner += description.faceCounts[face];
    }
    return mesh.assignUVs(uvCounts, uvIds);
}

MStatus assignNormals(MFnMesh& mesh, const PolygonMeshDescription& description)
{
    MVectorArray normals;
    MIntArray faces;
    MIntArray vertices;
    size_t corner = 0;
    for (int face = 0; face < description.faceCount(); ++face) {
        for (int k = 0; k < description.faceCounts[face]; ++k, ++corner) {
            const int normal = description.faceVertexNormals[corner];
            if (normal < 0)
                continue;
            normals.append(description.normals[normal]);
            faces.append(face);
            vertices.append(description.faceVertices[corner]);
        }
    }
    return mesh.setFaceVertexNormals(normals, faces, vertices);
}

} // namespace

MObject PolygonDataFactory::makeMesh(const PolygonMeshDescription& description, MStatus& status)
{
    MObject data = emptyData<MFnMeshData>(status);
    if (!status)
        return MObject();
    MFnMesh mesh;
    mesh.create(description.pointCount(), description.faceCount(), roughPoints(description.points),
                toIntArray(description.faceCounts), toIntArray(description.faceVertices), data, &status);
    if (!status)
        return MObject();
    MPointArray exactPoints = toPointArray(description.points);
    status = mesh.setPoints(exactPoints);
    if (status && !description.faceVertexUvs.empty())
        status = assignUvs(mesh, description);
    if (status && !description.faceVertexNormals.empty())
        status = assignNormals(mesh, description);
    return status ? data : MObject();
}

MObject PolygonDataFactory::makeSubdivisionCage(const PolygonMeshDescription& description, MStatus& status)
{
    MObject data = emptyData<MFnSubdData>(status);
    if (!status)
        return MObject();
    MFnSubd subdivision;
    subdivision.createBaseMesh(false, description.pointCount(), description.faceCount(),
                               toPointArray(description.points), toIntArray(description.faceCounts),
                               toIntArray(description.faceVertices), data, &status);
    return status ? data : MObject();
}

} // namespace kavo::app
