#pragma once

#include "CachedGeomNoiseWrapper.h"

#include <maya/MFloatVectorArray.h>

#include <vector>

// The adapter for polygon meshes. Its points are the mesh's vertices.
//
// Binding reads the mesh's normal list and, per vertex, the normal ids of the
// face-vertices around it, so that a vertex normal can tell a smooth vertex
// (every face-vertex carries one normal) from a vertex on a hard edge (the
// face-vertex normals differ and are summed). Only each vertex's answer is
// kept.
class MeshGeomNoiseWrapper : public CachedGeomNoiseWrapper
{
public:
    MeshGeomNoiseWrapper();
    ~MeshGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
    // A vertex that no polygon uses, and an index outside the mesh, get the
    // zero vector, which the deform pass leaves as it is.
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) final;
    MStatus getNormals(const int* indices, std::size_t count, double* x, double* y, double* z,
                       MSpace::Space space) final;

private:
    // The normal ids of the face-vertices of each vertex, in the order the
    // polygons and their corners are visited: those of vertex v are
    // ids[first[v]] to ids[first[v + 1] - 1].
    struct VertexNormalIds
    {
        std::vector<unsigned int> first;
        std::vector<int> ids;
    };

    VertexNormalIds collectFaceVertexNormalIds(MObject& geometry) const;
    void collectVertexUVs(MObject& geometry);
    static MVector cachedNormal(const MFloatVectorArray& normals, int normalId);
    const MVector& normalOf(int index) const;
    static MVector vertexNormal(const VertexNormalIds& vertexIds, unsigned int vertex,
                                const MFloatVectorArray& normals);

    // Each vertex's answer, worked out once when binding: the deform pass
    // asks for every vertex's normal on every evaluation.
    std::vector<MVector> m_vertexNormals;
};
