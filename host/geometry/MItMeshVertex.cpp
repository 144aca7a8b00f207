#include "geometry/DataSpace.h"
#include "geometry/MeshData.h"
#include "geometry/MeshNormalList.h"
#include "geometry/ReturnStatus.h"

#include <maya/MItMeshVertex.h>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

const UVSet* uvSetOf(const MeshData& mesh, const MString* uvSet)
{
    return mesh.findUVSet(uvSet ? std::string(uvSet->asChar()) : mesh.currentUVSet);
}

} // namespace

MItMeshVertex::MItMeshVertex(MObject& polyObject, MStatus* ReturnStatus) : m_mesh(objectAs<MeshData>(polyObject))
{
    if (!m_mesh) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return;
    }
    // Counted first, then filled in polygon order: one allocation per list.
    const std::vector<int>& vertices = m_mesh->faceVertexIndices();
    m_firstCorner.assign(m_mesh->pointCount() + 1, 0);
    for (int vertex : vertices)
        ++m_firstCorner[vertex + 1];
    for (std::size_t v = 1; v < m_firstCorner.size(); ++v)
        m_firstCorner[v] += m_firstCorner[v - 1];
    std::vector<unsigned int> next(m_firstCorner.begin(), m_firstCorner.end() - 1);
    m_corners.resize(vertices.size());
    for (int polygon = 0; polygon < m_mesh->polygonCount(); ++polygon)
        for (int corner = 0; corner < m_mesh->cornerCount(polygon); ++corner)
            m_corners[next[m_mesh->vertexAt(m_mesh->faceVertex(polygon, corner))]++] = {polygon, corner};
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
}

MItMeshVertex::MItMeshVertex(const MDagPath&, MObject&, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, MStatus::kNotImplemented);
}

MItMeshVertex::~MItMeshVertex() = default;

bool MItMeshVertex::onVertex() const
{
    return m_mesh && m_index >= 0 && m_index < static_cast<int>(m_mesh->pointCount());
}

// Worked out on first use: walking the vertices for their UVs or faces
// needs no normals.
const MeshNormalList& MItMeshVertex::normalList()
{
    if (!m_normals)
        m_normals = std::make_shared<MeshNormalList>(MeshNormalList::of(*m_mesh));
    return *m_normals;
}

MItMeshVertex::Corners MItMeshVertex::cornersAtCurrent() const
{
    const std::pair<int, int>* all = m_corners.data();
    return Corners{all + m_firstCorner[m_index], all + m_firstCorner[m_index + 1]};
}

bool MItMeshVertex::isDone(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter, !onVertex());
}

MStatus MItMeshVertex::next()
{
    if (!onVertex())
        return MStatus::kFailure;
    ++m_index;
    return MStatus::kSuccess;
}

MStatus MItMeshVertex::reset()
{
    m_index = 0;
    return m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

int MItMeshVertex::count(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, m_mesh ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      m_mesh ? static_cast<int>(m_mesh->pointCount()) : 0);
}

int MItMeshVertex::index(MStatus* ReturnStatus)
{
    return withStatus(ReturnStatus, onVertex() ? MStatus::kSuccess : MStatus::kFailure, m_index);
}

MStatus MItMeshVertex::setIndex(int index, int& prevIndex)
{
    if (!m_mesh || index < 0 || index >= static_cast<int>(m_mesh->pointCount()))
        return MStatus::kInvalidParameter;
    prevIndex = m_index;
    m_index = index;
    return MStatus::kSuccess;
}

MPoint MItMeshVertex::position(MSpace::Space space, MStatus* ReturnStatus)
{
    if (!onVertex())
        return withStatus(ReturnStatus, MStatus::kFailure, MPoint());
    return withStatus(ReturnStatus, MStatus::kSuccess, pointInSpace(*m_mesh, m_mesh->point(m_index), space));
}

MStatus MItMeshVertex::getNormal(MVector& vectorNormal, MSpace::Space space)
{
    if (!onVertex() || cornersAtCurrent().empty())
        return MStatus::kFailure;
    MVector sum;
    for (const auto& [polygon, corner] : cornersAtCurrent())
        sum += normalList().normals[normalList().faceVertexNormalIds[m_mesh->faceVertex(polygon, corner)]];
    vectorNormal = normalInSpace(*m_mesh, sum.normal(), space);
    return MStatus::kSuccess;
}

MStatus MItMeshVertex::getNormalIndices(MIntArray& normalIndices)
{
    if (!onVertex())
        return MStatus::kFailure;
    normalIndices.clear();
    for (const auto& [polygon, corner] : cornersAtCurrent())
        normalIndices.append(normalList().faceVertexNormalIds[m_mesh->faceVertex(polygon, corner)]);
    return MStatus::kSuccess;
}

MStatus MItMeshVertex::getConnectedFaces(MIntArray& faceList)
{
    if (!onVertex())
        return MStatus::kFailure;
    faceList.clear();
    for (const auto& [polygon, corner] : cornersAtCurrent())
        faceList.append(polygon);
    return MStatus::kSuccess;
}

MStatus MItMeshVertex::getUV(float2& uvPoint, const MString* uvSet)
{
    const UVSet* set = onVertex() ? uvSetOf(*m_mesh, uvSet) : nullptr;
    if (!set)
        return MStatus::kInvalidParameter;
    for (const auto& [polygon, corner] : cornersAtCurrent()) {
        const int faceVertex = m_mesh->faceVertex(polygon, corner);
        if (set->hasUV(faceVertex)) {
            uvPoint[0] = set->u[set->faceVertexUVs[faceVertex]];
            uvPoint[1] = set->v[set->faceVertexUVs[faceVertex]];
            return MStatus::kSuccess;
        }
    }
    return MStatus::kFailure;
}

MStatus MItMeshVertex::getUV(int faceId, float2& uvPoint, const MString* uvSet) const
{
    const UVSet* set = onVertex() ? uvSetOf(*m_mesh, uvSet) : nullptr;
    if (!set)
        return MStatus::kInvalidParameter;
    for (const auto& [polygon, corner] : cornersAtCurrent()) {
        if (polygon != faceId)
            continue;
        const int faceVertex = m_mesh->faceVertex(polygon, corner);
        if (!set->hasUV(faceVertex))
            return MStatus::kFailure;
        uvPoint[0] = set->u[set->faceVertexUVs[faceVertex]];
        uvPoint[1] = set->v[set->faceVertexUVs[faceVertex]];
        return MStatus::kSuccess;
    }
    return MStatus::kInvalidParameter;
}
