#pragma once

#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <memory>
#include <vector>

class MDagPath;

namespace kavo::host::geometry {
class MeshData;
class MeshNormalList;
} // namespace kavo::host::geometry

// Walks the vertices of a mesh data object in vertex id order. A vertex's
// face-vertices are met polygon after polygon, in polygon id order. A DAG
// path is not accepted: iterate the data flowing out of the shape instead.
class OPENMAYA_EXPORT MItMeshVertex
{
public:
    MItMeshVertex(MObject& polyObject, MStatus* ReturnStatus = NULL);
    MItMeshVertex(const MDagPath& polyObject, MObject& component = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    virtual ~MItMeshVertex();

    bool isDone(MStatus* ReturnStatus = NULL);
    MStatus next();
    MStatus reset();
    int count(MStatus* ReturnStatus = NULL);
    int index(MStatus* ReturnStatus = NULL);
    MStatus setIndex(int index, int& prevIndex);

    MPoint position(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL);
    // The normalised mean of the vertex's face-vertex normals; kFailure for
    // a vertex that no polygon uses.
    MStatus getNormal(MVector& vectorNormal, MSpace::Space space = MSpace::kObject);
    // The normal id of each of the vertex's face-vertices.
    MStatus getNormalIndices(MIntArray& normalIndices);
    MStatus getConnectedFaces(MIntArray& faceList);

    // The vertex's UV: that of its first face-vertex that has one in the set.
    // kFailure, with uvPoint untouched, when none has.
    MStatus getUV(float2& uvPoint, const MString* uvSet = NULL);
    // The UV of the vertex's face-vertex in polygon faceId.
    MStatus getUV(int faceId, float2& uvPoint, const MString* uvSet = NULL) const;

private:
    MItMeshVertex(const MItMeshVertex&) = delete;
    MItMeshVertex& operator=(const MItMeshVertex&) = delete;
    bool onVertex() const;
    struct Corners
    {
        const std::pair<int, int>* first;
        const std::pair<int, int>* last;
        const std::pair<int, int>* begin() const { return first; }
        const std::pair<int, int>* end() const { return last; }
        bool empty() const { return first == last; }
    };
    Corners cornersAtCurrent() const;
    const kavo::host::geometry::MeshNormalList& normalList();

    std::shared_ptr<kavo::host::geometry::MeshData> m_mesh;
    std::shared_ptr<const kavo::host::geometry::MeshNormalList> m_normals;
    // Every vertex's face-vertices as (polygon id, corner) pairs, in polygon
    // order, vertex after vertex in one list: those of vertex v start at
    // m_firstCorner[v] and end at m_firstCorner[v + 1].
    std::vector<unsigned int> m_firstCorner;
    std::vector<std::pair<int, int>> m_corners;
    int m_index = 0;
};
