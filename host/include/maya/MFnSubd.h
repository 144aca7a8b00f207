#pragma once

#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

// The subdivision surface function set. It works on subdivision data
// objects (MFn::kSubdivData, made with MFnSubdData::create or flowing out of
// a "subdiv" shape); a DAG path is not accepted. The surface is the
// Catmull-Clark limit of its base (level 0) polygon mesh. MSpace::kWorld
// answers positions through the matrix the data carries; any other space is
// object space.
//
// Vertex and polygon ids are opaque 64-bit numbers; each base vertex and
// base polygon has one, got from its index with vertexIdFromBaseVertexIndex
// and polygonIdFromBasePolygonIndex. Only level 0 is kept: other levels are
// refused with kInvalidParameter.
class OPENMAYA_EXPORT MFnSubd : public MFnDagNode
{
public:
    KAVO_DAG_FUNCTION_SET_DECLARATIONS(MFnSubd);
    ~MFnSubd() override;
    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    // Makes the base mesh of the subdivision data object `parentOrOwner` (a
    // null object makes a new one) from the points and polygons, laid out as
    // for MFnMesh::create; reverseNormal reverses every polygon's corner
    // order. Answers the data object and attaches the function set to it;
    // kInvalidParameter (and a null object) for inconsistent input or an
    // owner that is not subdivision data.
    MObject createBaseMesh(bool reverseNormal, int numVertices, int numPolygons, const MPointArray& vertexArray,
                           const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                           MObject parentOrOwner = MObject::kNullObj, MStatus* ReturnStatus = NULL);

    unsigned int vertexCount(int level = 0, MStatus* ReturnStatus = NULL) const;
    int polygonCount(int level = 0, MStatus* ReturnStatus = NULL) const;

    MStatus vertexBaseMeshGet(MPointArray& positions, MSpace::Space space = MSpace::kObject) const;
    MStatus vertexBaseMeshSet(const MPointArray& positions, MSpace::Space space = MSpace::kObject);

    MUint64 vertexIdFromBaseVertexIndex(int baseVertexIndex, MStatus* ReturnStatus = NULL) const;
    int vertexBaseIndexFromVertexId(MUint64 vertId, MStatus* ReturnStatus = NULL) const;
    // The position of the base vertex (not its limit position).
    MStatus vertexPositionGet(MUint64 vertId, MPoint& position, MSpace::Space space = MSpace::kObject) const;
    // The unit normal of the limit surface where it passes the base vertex,
    // in object space. kFailure, with `normal` untouched, for an unknown id
    // or where the limit surface has no tangent plane (a vertex that no
    // polygon uses, for one).
    MStatus vertexNormal(MUint64 vertId, MVector& normal) const;

    MUint64 polygonIdFromBasePolygonIndex(int basePolygonIndex, MStatus* ReturnStatus = NULL) const;
    int polygonVertexCount(MUint64 polyId, MStatus* ReturnStatus = NULL) const;
    // The base vertex indices of the base polygon's corners.
    MStatus polygonBaseMeshVertices(int basePolygonIndex, MIntArray& baseVertexIndices) const;
};
