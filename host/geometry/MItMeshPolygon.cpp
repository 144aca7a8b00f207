#include "geometry/DataSpace.h"
#include "geometry/MeshData.h"
#include "geometry/MeshNormalList.h"
#include "geometry/MeshNormals.h"
#include "geometry/ReturnStatus.h"

#include <maya/MItMeshPolygon.h>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

const UVSet* uvSetOf(const MeshData& mesh, const MString* uvSet)
{
    return mesh.findUVSet(uvSet ? std::string(uvSet->asChar()) : mesh.currentUVSet);
}

} // namespace

MItMeshPolygon::MItMeshPolygon(const MObject& polyObject, MStatus* ReturnStatus)
    : m_mesh(objectAs<MeshData>(polyObject))
{
    if (m_mesh)
        m_normals = std::make_shared<MeshNormalList>(MeshNormalList{{}, MeshNormalList::idsOf(*m_mesh)});
    setReturnStatus(ReturnStatus, m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter);
}

MItMeshPolygon::MItMeshPolygon(const MDagPath&, MObject&, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, MStatus::kNotImplemented);
}

MItMeshPolygon::~MItMeshPolygon() = default;

bool MItMeshPolygon::onPolygon() const
{
    return m_mesh && m_mesh->isPolygon(m_index);
}

bool MItMeshPolygon::validCorner(int corner) const
{
    return onPolygon() && corner >= 0 && corner < m_mesh->cornerCount(m_index);
}

const MeshNormalList& MItMeshPolygon::normalsWithValues() const
{
    if (m_normals->normals.empty())
        m_normals = std::make_shared<MeshNormalList>(MeshNormalList::of(*m_mesh));
    return *m_normals;
}

bool MItMeshPolygon::isDone(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter, !onPolygon());
}

MStatus MItMeshPolygon::next()
{
    if (!onPolygon())
        return MStatus::kFailure;
    ++m_index;
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::reset()
{
    m_index = 0;
    return m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

unsigned int MItMeshPolygon::count(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      m_mesh ? static_cast<unsigned int>(m_mesh->polygonCount()) : 0u);
}

unsigned int MItMeshPolygon::index(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, onPolygon() ? MStatus::kSuccess : MStatus::kFailure,
                      static_cast<unsigned int>(m_index));
}

MStatus MItMeshPolygon::setIndex(int index, int& prevIndex)
{
    if (!m_mesh || !m_mesh->isPolygon(index))
        return MStatus::kInvalidParameter;
    prevIndex = m_index;
    m_index = index;
    return MStatus::kSuccess;
}

unsigned int MItMeshPolygon::polygonVertexCount(MStatus* ReturnStatus)
{
    if (!onPolygon())
        return withStatus(ReturnStatus, MStatus::kFailure, 0u);
    return withStatus(ReturnStatus, MStatus::kSuccess, static_cast<unsigned int>(m_mesh->cornerCount(m_index)));
}

unsigned int MItMeshPolygon::vertexIndex(int index, MStatus* ReturnStatus)
{
    if (!validCorner(index))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0u);
    const int vertex = m_mesh->vertexAt(m_mesh->faceVertex(m_index, index));
    return withStatus(ReturnStatus, MStatus::kSuccess, static_cast<unsigned int>(vertex));
}

MStatus MItMeshPolygon::getVertices(MIntArray& vertices)
{
    if (!onPolygon())
        return MStatus::kFailure;
    vertices.clear();
    for (int corner = 0; corner < m_mesh->cornerCount(m_index); ++corner)
        vertices.append(static_cast<int>(vertexIndex(corner)));
    return MStatus::kSuccess;
}

MPoint MItMeshPolygon::point(int index, MSpace::Space space, MStatus* ReturnStatus)
{
    if (!validCorner(index))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MPoint());
    return withStatus(ReturnStatus, MStatus::kSuccess, pointInSpace(*m_mesh, m_mesh->point(vertexIndex(index)), space));
}

unsigned int MItMeshPolygon::normalIndex(int vertex, MStatus* ReturnStatus) const
{
    if (!validCorner(vertex))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0u);
    const int id = m_normals->faceVertexNormalIds[m_mesh->faceVertex(m_index, vertex)];
    return withStatus(ReturnStatus, MStatus::kSuccess, static_cast<unsigned int>(id));
}

MStatus MItMeshPolygon::getNormal(MVector& normal, MSpace::Space space) const
{
    if (!onPolygon())
        return MStatus::kFailure;
    const int* corners = m_mesh->faceVertexIndices().data() + m_mesh->faceVertex(m_index, 0);
    normal = normalInSpace(*m_mesh, newellNormal(m_mesh->points(), corners, m_mesh->cornerCount(m_index)), space);
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::getNormal(unsigned int vertexIndex, MVector& normal, MSpace::Space space) const
{
    const int corner = static_cast<int>(vertexIndex);
    if (!validCorner(corner))
        return MStatus::kInvalidParameter;
    normal = normalInSpace(*m_mesh, normalsWithValues().normals[normalIndex(corner)], space);
    return MStatus::kSuccess;
}

bool MItMeshPolygon::hasUVs(MStatus* ReturnStatus) const
{
    if (!onPolygon())
        return withStatus(ReturnStatus, MStatus::kFailure, false);
    const MString current(m_mesh->currentUVSet.c_str());
    return hasUVs(current, ReturnStatus);
}

bool MItMeshPolygon::hasUVs(const MString& uvSet, MStatus* ReturnStatus) const
{
    const UVSet* set = onPolygon() ? uvSetOf(*m_mesh, &uvSet) : nullptr;
    if (!set)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, false);
    bool all = true;
    for (int corner = 0; corner < m_mesh->cornerCount(m_index); ++corner)
        all = all && set->hasUV(m_mesh->faceVertex(m_index, corner));
    return withStatus(ReturnStatus, MStatus::kSuccess, all);
}

MStatus MItMeshPolygon::cornerUV(int vertex, const MString* uvSet, const UVSet*& set, int& uvIndex) const
{
    const UVSet* named = validCorner(vertex) ? uvSetOf(*m_mesh, uvSet) : nullptr;
    if (!named)
        return MStatus::kInvalidParameter;
    const int faceVertex = m_mesh->faceVertex(m_index, vertex);
    if (!named->hasUV(faceVertex))
        return MStatus::kFailure;
    set = named;
    uvIndex = named->faceVertexUVs[faceVertex];
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::getUVIndex(int vertex, int& index, const MString* uvSet)
{
    const UVSet* set = nullptr;
    return cornerUV(vertex, uvSet, set, index);
}

MStatus MItMeshPolygon::getUV(int vertex, float2& uvPoint, const MString* uvSet) const
{
    const UVSet* set = nullptr;
    int uvIndex = 0;
    const MStatus status = cornerUV(vertex, uvSet, set, uvIndex);
    if (status) {
        uvPoint[0] = set->u[uvIndex];
        uvPoint[1] = set->v[uvIndex];
    }
    return status;
}
