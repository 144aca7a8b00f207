#include "geometry/DataSpace.h"
#include "geometry/MeshData.h"
#include "geometry/MeshNormalList.h"
#include "geometry/ReturnStatus.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnMesh.h>

#include <string>
#include <type_traits>
#include <utility>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

MeshData* meshIn(const MObject& object)
{
    return objectAs<MeshData>(object).get();
}

std::string setNameOf(const MeshData& mesh, const MString* uvSet)
{
    return uvSet ? std::string(uvSet->asChar()) : mesh.currentUVSet;
}

// The set to change; the mesh stops sharing its UV sets with its copies.
UVSet* editableUVSetOf(MeshData* mesh, const MString* uvSet)
{
    return mesh ? mesh->editUVSet(setNameOf(*mesh, uvSet)) : nullptr;
}

const UVSet* uvSetOf(const MeshData* mesh, const MString* uvSet)
{
    return mesh ? mesh->findUVSet(setNameOf(*mesh, uvSet)) : nullptr;
}

bool isVertex(const MeshData& mesh, int vertex)
{
    return vertex >= 0 && vertex < static_cast<int>(mesh.pointCount());
}

// The face-vertex of vertex id `vertex` in `polygon`, or -1.
int faceVertexAt(const MeshData& mesh, int polygon, int vertex)
{
    if (!mesh.isPolygon(polygon))
        return -1;
    const int corner = mesh.cornerAtVertex(polygon, vertex);
    return corner < 0 ? -1 : mesh.faceVertex(polygon, corner);
}

// The face-vertices named by parallel polygon and vertex id lists; empty
// when the lists differ in length or any pair names no face-vertex.
std::vector<int> faceVerticesAt(const MeshData& mesh, const MIntArray& faceList, const MIntArray& vertexList)
{
    if (faceList.length() != vertexList.length())
        return {};
    std::vector<int> faceVertices;
    for (unsigned int k = 0; k < faceList.length(); ++k) {
        const int faceVertex = faceVertexAt(mesh, faceList[k], vertexList[k]);
        if (faceVertex < 0)
            return {};
        faceVertices.push_back(faceVertex);
    }
    return faceVertices;
}

template <class PointArray>
MStatus readPoints(const MeshData* mesh, PointArray& points, MSpace::Space space)
{
    if (!mesh)
        return MStatus::kInvalidParameter;
    const std::vector<MPoint>& stored = mesh->points();
    if constexpr (std::is_same_v<PointArray, MPointArray>) {
        if (space != MSpace::kWorld) {
            points = MPointArray(stored.data(), static_cast<unsigned int>(stored.size()));
            return MStatus::kSuccess;
        }
    }
    points.setLength(static_cast<unsigned int>(stored.size()));
    for (unsigned int k = 0; k < stored.size(); ++k)
        points[k] = pointInSpace(*mesh, stored[k], space);
    return MStatus::kSuccess;
}

template <class PointArray>
MStatus writePoints(MeshData* mesh, const PointArray& points, MSpace::Space space)
{
    if (!mesh || points.length() != mesh->pointCount())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < points.length(); ++k)
        mesh->setPoint(k, pointFromSpace(*mesh, MPoint(points[k]), space));
    return MStatus::kSuccess;
}

std::string uniqueSetName(const MeshData& mesh, const std::string& wanted)
{
    std::string name = wanted;
    for (int number = 1; mesh.findUVSet(name); ++number)
        name = wanted + std::to_string(number);
    return name;
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS_WITH(MFnMesh, MFn::kMesh, setObject(object))

MFnMesh::MFnMesh(const MDagPath&, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, MStatus::kNotImplemented);
}

MFnMesh::~MFnMesh() = default;

MStatus MFnMesh::setObject(MObject& object)
{
    return attach(object, MFn::kMeshData);
}

MStatus MFnMesh::setObject(const MObject& object)
{
    return attach(object, MFn::kMeshData);
}

MObject MFnMesh::create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                        const MIntArray& polygonCounts, const MIntArray& polygonConnects, MObject parentOrOwner,
                        MStatus* ReturnStatus)
{
    const bool consistent = numVertices >= 0 && static_cast<unsigned int>(numVertices) == vertexArray.length() &&
                            numPolygons >= 0 && static_cast<unsigned int>(numPolygons) == polygonCounts.length();
    std::shared_ptr<MeshData> mesh =
        parentOrOwner.isNull() ? std::make_shared<MeshData>() : objectAs<MeshData>(parentOrOwner);
    if (!consistent || !mesh)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());

    PolygonMesh polygons;
    polygons.points.reserve(vertexArray.length());
    polygons.faceVertexCounts.reserve(polygonCounts.length());
    polygons.faceVertexIndices.reserve(polygonConnects.length());
    for (unsigned int k = 0; k < vertexArray.length(); ++k)
        polygons.points.emplace_back(vertexArray[k]);
    for (unsigned int k = 0; k < polygonCounts.length(); ++k)
        polygons.faceVertexCounts.push_back(polygonCounts[k]);
    for (unsigned int k = 0; k < polygonConnects.length(); ++k)
        polygons.faceVertexIndices.push_back(polygonConnects[k]);
    if (!mesh->setPolygons(std::move(polygons)))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());

    const MObject owner = parentOrOwner.isNull() ? MObject(mesh) : parentOrOwner;
    attach(owner, MFn::kMeshData);
    return withStatus(ReturnStatus, MStatus::kSuccess, owner);
}

// Counts and topology ---------------------------------------------------------

int MFnMesh::numVertices(MStatus* ReturnStatus) const
{
    const MeshData* mesh = meshIn(m_object);
    return withStatus(ReturnStatus, mesh ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      mesh ? static_cast<int>(mesh->pointCount()) : 0);
}

int MFnMesh::numPolygons(MStatus* ReturnStatus) const
{
    const MeshData* mesh = meshIn(m_object);
    return withStatus(ReturnStatus, mesh ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      mesh ? mesh->polygonCount() : 0);
}

int MFnMesh::numFaceVertices(MStatus* ReturnStatus) const
{
    const MeshData* mesh = meshIn(m_object);
    return withStatus(ReturnStatus, mesh ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      mesh ? mesh->faceVertexCount() : 0);
}

int MFnMesh::polygonVertexCount(int polygonId, MStatus* ReturnStatus) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh || !mesh->isPolygon(polygonId))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0);
    return withStatus(ReturnStatus, MStatus::kSuccess, mesh->cornerCount(polygonId));
}

MStatus MFnMesh::getPolygonVertices(int polygonId, MIntArray& vertexList) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh || !mesh->isPolygon(polygonId))
        return MStatus::kInvalidParameter;
    vertexList.clear();
    for (int corner = 0; corner < mesh->cornerCount(polygonId); ++corner)
        vertexList.append(mesh->vertexAt(mesh->faceVertex(polygonId, corner)));
    return MStatus::kSuccess;
}

MStatus MFnMesh::getVertices(MIntArray& vertexCount, MIntArray& vertexList) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return MStatus::kInvalidParameter;
    vertexCount.clear();
    vertexList.clear();
    vertexCount = MIntArray(mesh->faceVertexCounts().data(), static_cast<unsigned int>(mesh->polygonCount()));
    vertexList = MIntArray(mesh->faceVertexIndices().data(), static_cast<unsigned int>(mesh->faceVertexCount()));
    return MStatus::kSuccess;
}

// Points ----------------------------------------------------------------------

MStatus MFnMesh::getPoints(MFloatPointArray& vertexArray, MSpace::Space space) const
{
    return readPoints(meshIn(m_object), vertexArray, space);
}

MStatus MFnMesh::getPoints(MPointArray& vertexArray, MSpace::Space space) const
{
    return readPoints(meshIn(m_object), vertexArray, space);
}

MStatus MFnMesh::setPoints(MFloatPointArray& vertexArray, MSpace::Space space)
{
    return writePoints(meshIn(m_object), vertexArray, space);
}

MStatus MFnMesh::setPoints(MPointArray& vertexArray, MSpace::Space space)
{
    return writePoints(meshIn(m_object), vertexArray, space);
}

MStatus MFnMesh::getPoint(int vertexId, MPoint& pos, MSpace::Space space) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh || !isVertex(*mesh, vertexId))
        return MStatus::kInvalidParameter;
    pos = pointInSpace(*mesh, mesh->point(vertexId), space);
    return MStatus::kSuccess;
}

MStatus MFnMesh::setPoint(int vertexId, const MPoint& pos, MSpace::Space space)
{
    MeshData* mesh = meshIn(m_object);
    if (!mesh || !isVertex(*mesh, vertexId))
        return MStatus::kInvalidParameter;
    mesh->setPoint(vertexId, pointFromSpace(*mesh, pos, space));
    return MStatus::kSuccess;
}

// Normals ---------------------------------------------------------------------

int MFnMesh::numNormals(MStatus* ReturnStatus) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0);
    return withStatus(ReturnStatus, MStatus::kSuccess, static_cast<int>(MeshNormalList::of(*mesh).normals.size()));
}

MStatus MFnMesh::getNormals(MFloatVectorArray& normals, MSpace::Space space) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return MStatus::kInvalidParameter;
    const MeshNormalList list = MeshNormalList::of(*mesh);
    normals.setLength(static_cast<unsigned int>(list.normals.size()));
    for (unsigned int k = 0; k < normals.length(); ++k)
        normals[k] = MFloatVector(normalInSpace(*mesh, list.normals[k], space));
    return MStatus::kSuccess;
}

MStatus MFnMesh::getNormalIds(MIntArray& normalIdCounts, MIntArray& normals) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return MStatus::kInvalidParameter;
    const std::vector<int> ids = MeshNormalList::idsOf(*mesh);
    normalIdCounts = MIntArray(mesh->faceVertexCounts().data(), static_cast<unsigned int>(mesh->polygonCount()));
    normals = MIntArray(ids.data(), static_cast<unsigned int>(ids.size()));
    return MStatus::kSuccess;
}

MStatus MFnMesh::getFaceNormalIds(int faceIndex, MIntArray& normals) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh || !mesh->isPolygon(faceIndex))
        return MStatus::kInvalidParameter;
    const MeshNormalList list = MeshNormalList::of(*mesh);
    normals.clear();
    for (int corner = 0; corner < mesh->cornerCount(faceIndex); ++corner)
        normals.append(list.faceVertexNormalIds[mesh->faceVertex(faceIndex, corner)]);
    return MStatus::kSuccess;
}

MStatus MFnMesh::getFaceVertexNormal(int faceIndex, int vertexIndex, MVector& normal, MSpace::Space space) const
{
    const MeshData* mesh = meshIn(m_object);
    const int faceVertex = mesh ? faceVertexAt(*mesh, faceIndex, vertexIndex) : -1;
    if (faceVertex < 0)
        return MStatus::kInvalidParameter;
    const MeshNormalList list = MeshNormalList::of(*mesh);
    normal = normalInSpace(*mesh, list.normals[list.faceVertexNormalIds[faceVertex]], space);
    return MStatus::kSuccess;
}

MStatus MFnMesh::getVertexNormal(int vtx, MVector& normal, MSpace::Space space) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh || !isVertex(*mesh, vtx))
        return MStatus::kInvalidParameter;
    const MeshNormalList list = MeshNormalList::of(*mesh);
    const std::vector<int>& vertices = mesh->faceVertexIndices();
    MVector sum;
    bool used = false;
    for (size_t faceVertex = 0; faceVertex < vertices.size(); ++faceVertex) {
        if (vertices[faceVertex] != vtx)
            continue;
        sum += list.normals[list.faceVertexNormalIds[faceVertex]];
        used = true;
    }
    if (!used)
        return MStatus::kFailure;
    normal = normalInSpace(*mesh, sum.normal(), space);
    return MStatus::kSuccess;
}

MStatus MFnMesh::setFaceVertexNormal(MVector& normal, int faceId, int vertexId, MSpace::Space space)
{
    MVectorArray normals(1, normal);
    MIntArray faces(1, faceId);
    MIntArray vertices(1, vertexId);
    return setFaceVertexNormals(normals, faces, vertices, space);
}

MStatus MFnMesh::setFaceVertexNormals(MVectorArray& normalArray, MIntArray& faceList, MIntArray& vertexList,
                                      MSpace::Space space)
{
    MeshData* mesh = meshIn(m_object);
    if (!mesh || normalArray.length() != faceList.length())
        return MStatus::kInvalidParameter;
    const std::vector<int> faceVertices = faceVerticesAt(*mesh, faceList, vertexList);
    if (faceVertices.size() != faceList.length())
        return MStatus::kInvalidParameter;
    std::vector<MVector> objectNormals;
    for (unsigned int k = 0; k < normalArray.length(); ++k) {
        const MVector normal = normalFromSpace(*mesh, normalArray[k], space).normal();
        if (normal == MVector::zero)
            return MStatus::kInvalidParameter;
        objectNormals.push_back(normal);
    }
    for (size_t k = 0; k < faceVertices.size(); ++k)
        mesh->setOwnNormal(faceVertices[k], objectNormals[k]);
    return MStatus::kSuccess;
}

MStatus MFnMesh::unlockFaceVertexNormals(MIntArray& faceList, MIntArray& vertexList)
{
    MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return MStatus::kInvalidParameter;
    const std::vector<int> faceVertices = faceVerticesAt(*mesh, faceList, vertexList);
    if (faceVertices.size() != faceList.length())
        return MStatus::kInvalidParameter;
    for (int faceVertex : faceVertices)
        mesh->clearOwnNormal(faceVertex);
    return MStatus::kSuccess;
}

// UVs -------------------------------------------------------------------------

int MFnMesh::numUVs(MStatus* ReturnStatus) const
{
    const UVSet* set = uvSetOf(meshIn(m_object), nullptr);
    return withStatus(ReturnStatus, set ? MStatus::kSuccess : MStatus::kInvalidParameter, set ? set->uvCount() : 0);
}

int MFnMesh::numUVs(const MString& uvSet, MStatus* ReturnStatus) const
{
    const UVSet* set = uvSetOf(meshIn(m_object), &uvSet);
    return withStatus(ReturnStatus, set ? MStatus::kSuccess : MStatus::kInvalidParameter, set ? set->uvCount() : 0);
}

MStatus MFnMesh::setUVs(const MFloatArray& uArray, const MFloatArray& vArray, const MString* uvSet)
{
    UVSet* set = editableUVSetOf(meshIn(m_object), uvSet);
    if (!set || uArray.length() != vArray.length())
        return MStatus::kInvalidParameter;
    set->u.assign(uArray.length(), 0.0f);
    set->v.assign(vArray.length(), 0.0f);
    for (unsigned int k = 0; k < uArray.length(); ++k) {
        set->u[k] = uArray[k];
        set->v[k] = vArray[k];
    }
    for (int& id : set->faceVertexUVs)
        if (id >= set->uvCount())
            id = UVSet::kNone;
    return MStatus::kSuccess;
}

MStatus MFnMesh::getUVs(MFloatArray& uArray, MFloatArray& vArray, const MString* uvSet) const
{
    const UVSet* set = uvSetOf(meshIn(m_object), uvSet);
    if (!set)
        return MStatus::kInvalidParameter;
    uArray = MFloatArray(set->u.data(), static_cast<unsigned int>(set->u.size()));
    vArray = MFloatArray(set->v.data(), static_cast<unsigned int>(set->v.size()));
    return MStatus::kSuccess;
}

MStatus MFnMesh::assignUVs(const MIntArray& uvCounts, const MIntArray& uvIds, const MString* uvSet)
{
    MeshData* mesh = meshIn(m_object);
    const UVSet* found = uvSetOf(mesh, uvSet);
    if (!found || uvCounts.length() != static_cast<unsigned int>(mesh->polygonCount()))
        return MStatus::kInvalidParameter;
    unsigned int assigned = 0;
    for (int polygon = 0; polygon < mesh->polygonCount(); ++polygon) {
        const int count = uvCounts[polygon];
        if (count != 0 && count != mesh->cornerCount(polygon))
            return MStatus::kInvalidParameter;
        assigned += static_cast<unsigned int>(count);
    }
    if (assigned != uvIds.length())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < uvIds.length(); ++k)
        if (uvIds[k] < 0 || uvIds[k] >= found->uvCount())
            return MStatus::kInvalidParameter;

    UVSet* set = editableUVSetOf(mesh, uvSet);
    unsigned int next = 0;
    for (int polygon = 0; polygon < mesh->polygonCount(); ++polygon)
        for (int corner = 0; corner < mesh->cornerCount(polygon); ++corner)
            set->faceVertexUVs[mesh->faceVertex(polygon, corner)] = uvCounts[polygon] ? uvIds[next++] : UVSet::kNone;
    return MStatus::kSuccess;
}

MStatus MFnMesh::getAssignedUVs(MIntArray& uvCounts, MIntArray& uvIds, const MString* uvSet) const
{
    const MeshData* mesh = meshIn(m_object);
    const UVSet* set = uvSetOf(mesh, uvSet);
    if (!set)
        return MStatus::kInvalidParameter;
    // Sized first: a large mesh has millions of corners.
    uvCounts.setLength(static_cast<unsigned int>(mesh->polygonCount()));
    unsigned int assigned = 0;
    for (int polygon = 0; polygon < mesh->polygonCount(); ++polygon) {
        const int first = mesh->faceVertex(polygon, 0);
        const int count = mesh->cornerCount(polygon);
        bool complete = true;
        for (int corner = 0; corner < count; ++corner)
            complete = complete && set->hasUV(first + corner);
        uvCounts[polygon] = complete ? count : 0;
        assigned += static_cast<unsigned int>(uvCounts[polygon]);
    }
    uvIds.setLength(assigned);
    unsigned int next = 0;
    for (int polygon = 0; polygon < mesh->polygonCount(); ++polygon)
        for (int corner = 0; corner < uvCounts[polygon]; ++corner)
            uvIds[next++] = set->faceVertexUVs[mesh->faceVertex(polygon, corner)];
    return MStatus::kSuccess;
}

MStatus MFnMesh::getPolygonUVid(int polygonId, int vertexIndex, int& uvId, const MString* uvSet) const
{
    const MeshData* mesh = meshIn(m_object);
    const UVSet* set = uvSetOf(mesh, uvSet);
    if (!set || !mesh->isPolygon(polygonId) || vertexIndex < 0 || vertexIndex >= mesh->cornerCount(polygonId))
        return MStatus::kInvalidParameter;
    const int faceVertex = mesh->faceVertex(polygonId, vertexIndex);
    if (!set->hasUV(faceVertex))
        return MStatus::kFailure;
    uvId = set->faceVertexUVs[faceVertex];
    return MStatus::kSuccess;
}

MStatus MFnMesh::getPolygonUV(int polygonId, int vertexIndex, float& u, float& v, const MString* uvSet) const
{
    int uvId = 0;
    const MStatus status = getPolygonUVid(polygonId, vertexIndex, uvId, uvSet);
    if (!status)
        return status;
    const UVSet* set = uvSetOf(meshIn(m_object), uvSet);
    u = set->u[uvId];
    v = set->v[uvId];
    return MStatus::kSuccess;
}

MString MFnMesh::currentUVSetName(MStatus* ReturnStatus, int) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MString());
    return withStatus(ReturnStatus, MStatus::kSuccess, MString(mesh->currentUVSet.c_str()));
}

MStatus MFnMesh::setCurrentUVSetName(const MString& setName, MDGModifier*, int)
{
    MeshData* mesh = meshIn(m_object);
    if (!mesh || !mesh->findUVSet(setName.asChar()))
        return MStatus::kInvalidParameter;
    mesh->currentUVSet = setName.asChar();
    return MStatus::kSuccess;
}

MString MFnMesh::createUVSetWithName(const MString& setName, MDGModifier*, MStatus* ReturnStatus)
{
    MeshData* mesh = meshIn(m_object);
    if (!mesh || setName.length() == 0)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MString());
    UVSet set;
    set.name = uniqueSetName(*mesh, setName.asChar());
    set.faceVertexUVs.assign(static_cast<size_t>(mesh->faceVertexCount()), UVSet::kNone);
    mesh->addUVSet(set);
    return withStatus(ReturnStatus, MStatus::kSuccess, MString(set.name.c_str()));
}

MStatus MFnMesh::getUVSetNames(MStringArray& setNames) const
{
    const MeshData* mesh = meshIn(m_object);
    if (!mesh)
        return MStatus::kInvalidParameter;
    setNames.clear();
    for (const UVSet& set : mesh->uvSets())
        setNames.append(MString(set.name.c_str()));
    return MStatus::kSuccess;
}
