#pragma once

#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>
#include <maya/MVectorArray.h>

class MDGModifier;

// The polygon mesh function set. It works on mesh data objects
// (MFn::kMeshData, made with MFnMeshData::create or flowing out of a "mesh"
// shape); a DAG path is not accepted. MSpace::kWorld answers positions and
// normals through the matrix the data carries; any other space is object
// space.
//
// Vertices are numbered by vertex id, polygons by polygon id; a face-vertex
// is a corner of a polygon, numbered within its polygon from 0.
//
// Normals: every face-vertex has a normal id into the mesh's normal list.
// A face-vertex whose normal was never set gets the smooth normal of its
// vertex (the normalised sum of the unit normals of the polygons around it),
// shared by every such face-vertex of that vertex. setFaceVertexNormal(s)
// give face-vertices normals of their own, which makes hard edges: equal
// normals given at one vertex share one id. The list is numbered in the order
// in which the face-vertices are met, polygon after polygon.
//
// UVs: a mesh has named UV sets, each a list of (u, v) pairs and a UV id
// (or none) per face-vertex; the set "map1" exists from the start and is the
// current one. Calls that take `const MString* uvSet` use the current set
// when it is NULL.
class OPENMAYA_EXPORT MFnMesh : public MFnDagNode
{
public:
    static const int kInstanceUnspecified = -1;

    KAVO_DAG_FUNCTION_SET_DECLARATIONS(MFnMesh);
    ~MFnMesh() override;
    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    // Fills the mesh data object `parentOrOwner` (a null object makes a new
    // one) with the points and polygons: polygonCounts holds the corner count
    // of each polygon, polygonConnects the vertex id of every corner, polygon
    // after polygon. Answers the data object and attaches the function set
    // to it; kInvalidParameter (and a null object) for inconsistent input or
    // an owner that is not mesh data.
    MObject create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                   const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                   MObject parentOrOwner = MObject::kNullObj, MStatus* ReturnStatus = NULL);

    // Counts and topology
    int numVertices(MStatus* ReturnStatus = NULL) const;
    int numPolygons(MStatus* ReturnStatus = NULL) const;
    int numFaceVertices(MStatus* ReturnStatus = NULL) const;
    int polygonVertexCount(int polygonId, MStatus* ReturnStatus = NULL) const;
    MStatus getPolygonVertices(int polygonId, MIntArray& vertexList) const;
    // The corner count of every polygon and all their vertex ids.
    MStatus getVertices(MIntArray& vertexCount, MIntArray& vertexList) const;

    // Points
    MStatus getPoints(MFloatPointArray& vertexArray, MSpace::Space space = MSpace::kObject) const;
    MStatus getPoints(MPointArray& vertexArray, MSpace::Space space = MSpace::kObject) const;
    MStatus setPoints(MFloatPointArray& vertexArray, MSpace::Space space = MSpace::kObject);
    MStatus setPoints(MPointArray& vertexArray, MSpace::Space space = MSpace::kObject);
    MStatus getPoint(int vertexId, MPoint& pos, MSpace::Space space = MSpace::kObject) const;
    MStatus setPoint(int vertexId, const MPoint& pos, MSpace::Space space = MSpace::kObject);

    // Normals
    int numNormals(MStatus* ReturnStatus = NULL) const;
    MStatus getNormals(MFloatVectorArray& normals, MSpace::Space space = MSpace::kObject) const;
    // The face-vertex count of every polygon and the normal id of every
    // face-vertex, polygon after polygon.
    MStatus getNormalIds(MIntArray& normalIdCounts, MIntArray& normals) const;
    MStatus getFaceNormalIds(int faceIndex, MIntArray& normals) const;
    // The normal of the face-vertex of vertex id `vertexIndex` in polygon
    // `faceIndex`.
    MStatus getFaceVertexNormal(int faceIndex, int vertexIndex, MVector& normal,
                                MSpace::Space space = MSpace::kObject) const;
    // The normalised mean of the normals of the vertex's face-vertices;
    // kFailure for a vertex that no polygon uses.
    MStatus getVertexNormal(int vtx, MVector& normal, MSpace::Space space = MSpace::kObject) const;
    // Gives the face-vertex of vertex id `vertexId` in polygon `faceId` a
    // normal of its own.
    MStatus setFaceVertexNormal(MVector& normal, int faceId, int vertexId, MSpace::Space space = MSpace::kObject);
    // The same for each (normalArray[k], faceList[k], vertexList[k]); nothing
    // is changed when any entry is invalid.
    MStatus setFaceVertexNormals(MVectorArray& normalArray, MIntArray& faceList, MIntArray& vertexList,
                                 MSpace::Space space = MSpace::kObject);
    // Gives the face-vertices back their vertex's smooth normal.
    MStatus unlockFaceVertexNormals(MIntArray& faceList, MIntArray& vertexList);

    // UVs
    int numUVs(MStatus* ReturnStatus = NULL) const;
    int numUVs(const MString& uvSet, MStatus* ReturnStatus = NULL) const;
    // Replaces the set's UV list; assignments to ids past its new end are
    // dropped.
    MStatus setUVs(const MFloatArray& uArray, const MFloatArray& vArray, const MString* uvSet = NULL);
    MStatus getUVs(MFloatArray& uArray, MFloatArray& vArray, const MString* uvSet = NULL) const;
    // uvCounts holds, per polygon, either its corner count or 0 (no UVs on
    // that polygon); uvIds the UV id of every corner of the polygons that
    // have UVs. Nothing is changed when the lists do not fit the mesh.
    MStatus assignUVs(const MIntArray& uvCounts, const MIntArray& uvIds, const MString* uvSet = NULL);
    MStatus getAssignedUVs(MIntArray& uvCounts, MIntArray& uvIds, const MString* uvSet = NULL) const;
    // The UV of corner `vertexIndex` (counted within the polygon from 0);
    // kFailure for a corner without one.
    MStatus getPolygonUVid(int polygonId, int vertexIndex, int& uvId, const MString* uvSet = NULL) const;
    MStatus getPolygonUV(int polygonId, int vertexIndex, float& u, float& v, const MString* uvSet = NULL) const;
    MString currentUVSetName(MStatus* ReturnStatus = NULL, int instance = kInstanceUnspecified) const;
    MStatus setCurrentUVSetName(const MString& setName, MDGModifier* modifier = NULL,
                                int instance = kInstanceUnspecified);
    // Adds an empty set; a name already in use is made unique with a number.
    MString createUVSetWithName(const MString& setName, MDGModifier* modifier = NULL, MStatus* ReturnStatus = NULL);
    MStatus getUVSetNames(MStringArray& setNames) const;
};
