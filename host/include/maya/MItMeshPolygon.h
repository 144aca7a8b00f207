#pragma once

#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <memory>

class MDagPath;

namespace kavo::host::geometry {
class MeshData;
class MeshNormalList;
struct UVSet;
} // namespace kavo::host::geometry

// Walks the polygons of a mesh data object in polygon id order. Face-vertex
// positions (the `vertex` and `index` arguments below) count the corners of
// the current polygon from 0. A DAG path is not accepted: iterate the data
// flowing out of the shape instead.
class OPENMAYA_EXPORT MItMeshPolygon
{
public:
    MItMeshPolygon(const MObject& polyObject, MStatus* ReturnStatus = NULL);
    MItMeshPolygon(const MDagPath& polyObject, MObject& component = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    virtual ~MItMeshPolygon();

    bool isDone(MStatus* ReturnStatus = NULL);
    MStatus next();
    MStatus reset();
    unsigned int count(MStatus* ReturnStatus = NULL);
    unsigned int index(MStatus* ReturnStatus = NULL);
    MStatus setIndex(int index, int& prevIndex);

    unsigned int polygonVertexCount(MStatus* ReturnStatus = NULL);
    // The vertex id of corner `index`.
    unsigned int vertexIndex(int index, MStatus* ReturnStatus = NULL);
    MStatus getVertices(MIntArray& vertices);
    MPoint point(int index, MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL);
    // The normal id of corner `vertex` (see MFnMesh on normals).
    unsigned int normalIndex(int vertex, MStatus* ReturnStatus = NULL) const;
    // The polygon's own unit normal (Newell's, from its corners).
    MStatus getNormal(MVector& normal, MSpace::Space space = MSpace::kObject) const;
    // The normal of corner `vertexIndex`.
    MStatus getNormal(unsigned int vertexIndex, MVector& normal, MSpace::Space space = MSpace::kObject) const;

    bool hasUVs(MStatus* ReturnStatus = NULL) const;
    bool hasUVs(const MString& uvSet, MStatus* ReturnStatus = NULL) const;
    // kFailure for a corner without a UV.
    MStatus getUVIndex(int vertex, int& index, const MString* uvSet = NULL);
    MStatus getUV(int vertex, float2& uvPoint, const MString* uvSet = NULL) const;

private:
    MItMeshPolygon(const MItMeshPolygon&) = delete;
    MItMeshPolygon& operator=(const MItMeshPolygon&) = delete;
    bool onPolygon() const;
    bool validCorner(int corner) const;
    const kavo::host::geometry::MeshNormalList& normalsWithValues() const;
    // The UV of corner `vertex` of the current polygon in the UV set named
    // `uvSet` (the current set when null): the set and the UV's index in it.
    // kInvalidParameter for no such corner or set, kFailure when the corner
    // has no UV there; the outputs are left alone then.
    MStatus cornerUV(int vertex, const MString* uvSet, const kavo::host::geometry::UVSet*& set, int& uvIndex) const;

    std::shared_ptr<kavo::host::geometry::MeshData> m_mesh;
    // The normal ids from the start; the normals themselves only once asked
    // for, since most walks over the polygons never are.
    mutable std::shared_ptr<const kavo::host::geometry::MeshNormalList> m_normals;
    int m_index = 0;
};
