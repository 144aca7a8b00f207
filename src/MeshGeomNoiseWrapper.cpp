#include "MeshGeomNoiseWrapper.h"

#include "MAYA_General.h"

#include <maya/MFnMesh.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MItMeshVertex.h>

#include <algorithm>

MeshGeomNoiseWrapper::MeshGeomNoiseWrapper() = default;

MeshGeomNoiseWrapper::~MeshGeomNoiseWrapper() = default;

MStatus MeshGeomNoiseWrapper::setGeometry(MObject& geometry, MDataHandle&, MSpace::Space)
{
    m_uValues.clear();
    m_vValues.clear();

    MStatus status;
    MFnMesh mesh(geometry, &status);
    KAVO_CHECK_MSTATUS(status);

    m_numPoints = mesh.numVertices(&status);
    KAVO_CHECK_MSTATUS(status);

    const VertexNormalIds vertexIds = collectFaceVertexNormalIds(geometry);
    collectVertexUVs(geometry);

    status = mesh.getPoints(m_objectPoints, MSpace::kObject);
    KAVO_CHECK_MSTATUS(status);
    status = mesh.getPoints(m_worldPoints, MSpace::kWorld);
    KAVO_CHECK_MSTATUS(status);

    MFloatVectorArray normals;
    mesh.getNormals(normals, MSpace::kObject);
    const unsigned int vertexCount = static_cast<unsigned int>(std::max(m_numPoints, 0));
    m_vertexNormals.clear();
    m_vertexNormals.reserve(vertexCount);
    for (unsigned int vertex = 0; vertex < vertexCount; ++vertex)
        m_vertexNormals.push_back(vertexNormal(vertexIds, vertex, normals));
    return MStatus::kSuccess;
}

// The normal id of every face-vertex, listed by vertex in one array (a
// counting sort of the face-vertices as visited, which keeps their order).
// A vertex id outside the counted vertices (which a consistent mesh never
// gives) is skipped rather than written past the lists.
MeshGeomNoiseWrapper::VertexNormalIds MeshGeomNoiseWrapper::collectFaceVertexNormalIds(MObject& geometry) const
{
    const unsigned int vertexCount = static_cast<unsigned int>(std::max(m_numPoints, 0));
    VertexNormalIds result;
    result.first.assign(vertexCount + 1, 0);
    std::vector<unsigned int> visitedVertices;
    std::vector<int> visitedNormals;

    MStatus status;
    MItMeshPolygon polygon(geometry, &status);
    KAVO_CHECK_MSTATUS(status);

    for (; !polygon.isDone(); polygon.next()) {
        const unsigned int cornerCount = polygon.polygonVertexCount(&status);
        KAVO_CHECK_MSTATUS(status);
        for (unsigned int corner = 0; corner < cornerCount; ++corner) {
            const unsigned int vertexId = polygon.vertexIndex(static_cast<int>(corner), &status);
            KAVO_CHECK_MSTATUS(status);
            const unsigned int normalId = polygon.normalIndex(static_cast<int>(corner), &status);
            KAVO_CHECK_MSTATUS(status);
            if (vertexId < vertexCount) {
                visitedVertices.push_back(vertexId);
                visitedNormals.push_back(static_cast<int>(normalId));
                ++result.first[vertexId + 1];
            }
        }
    }

    for (unsigned int vertex = 0; vertex < vertexCount; ++vertex)
        result.first[vertex + 1] += result.first[vertex];
    result.ids.resize(visitedNormals.size());
    std::vector<unsigned int> next(result.first.begin(), result.first.end() - 1);
    for (std::size_t k = 0; k < visitedNormals.size(); ++k)
        result.ids[next[visitedVertices[k]]++] = visitedNormals[k];
    return result;
}

// One (u, v) pair per vertex, from the vertex's shared UV in the current set.
// A vertex without one repeats the pair before it; the first vertex starts
// from (0, 0).
void MeshGeomNoiseWrapper::collectVertexUVs(MObject& geometry)
{
    float2 uv = {0.0f, 0.0f};
    for (MItMeshVertex vertex(geometry); !vertex.isDone(); vertex.next()) {
        vertex.getUV(uv);
        m_uValues.append(uv[0]);
        m_vValues.append(uv[1]);
    }
}

const MVector& MeshGeomNoiseWrapper::normalOf(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_vertexNormals.size()))
        return MVector::zero;
    return m_vertexNormals[static_cast<std::size_t>(index)];
}

MStatus MeshGeomNoiseWrapper::getNormal(int index, MVector& normal, MSpace::Space)
{
    normal = normalOf(index);
    return MStatus::kSuccess;
}

MStatus MeshGeomNoiseWrapper::getNormals(const int* indices, std::size_t count, double* x, double* y, double* z,
                                         MSpace::Space)
{
    for (std::size_t k = 0; k < count; ++k) {
        const MVector& normal = normalOf(indices[k]);
        x[k] = normal.x, y[k] = normal.y, z[k] = normal.z;
    }
    return MStatus::kSuccess;
}

// When every face-vertex of the vertex carries the same normal (a smooth
// vertex, or a single face-vertex) that normal is the answer. Otherwise the
// vertex sits on a hard edge and the answer is the unnormalised sum, which
// points between the faces that meet there. A vertex that no polygon uses
// gets the zero vector.
MVector MeshGeomNoiseWrapper::vertexNormal(const VertexNormalIds& vertexIds, unsigned int vertex,
                                           const MFloatVectorArray& normals)
{
    const unsigned int begin = vertexIds.first[vertex];
    const unsigned int end = vertexIds.first[vertex + 1];
    if (begin == end)
        return MVector::zero;
    const MVector first = cachedNormal(normals, vertexIds.ids[begin]);
    MVector sum = first;
    unsigned int equalCount = 1;
    for (unsigned int k = begin + 1; k < end; ++k) {
        const MVector next = cachedNormal(normals, vertexIds.ids[k]);
        if (next.x == first.x && next.y == first.y && next.z == first.z)
            ++equalCount;
        sum += next;
    }
    return equalCount == end - begin ? first : sum;
}

// The normal list comes from a call whose outcome binding does not check; an
// id it does not cover reads as the zero vector.
MVector MeshGeomNoiseWrapper::cachedNormal(const MFloatVectorArray& normals, int normalId)
{
    if (normalId < 0 || static_cast<unsigned int>(normalId) >= normals.length())
        return MVector::zero;
    return MVector(normals[normalId]);
}
