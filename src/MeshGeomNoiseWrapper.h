#ifndef KAVO_MESHGEOMNOISEWRAPPER_H
#define KAVO_MESHGEOMNOISEWRAPPER_H

#include "IGeomNoiseWrapper.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

#include <vector>

// The adapter for polygon meshes. Its points are the mesh's vertices.
//
// Binding keeps the mesh's normal list and, per vertex, the normal ids of the
// face-vertices around it, so that a vertex normal can tell a smooth vertex
// (every face-vertex carries one normal) from a vertex on a hard edge (the
// face-vertex normals differ and are summed).
class MeshGeomNoiseWrapper : public IGeomNoiseWrapper
{
public:
    MeshGeomNoiseWrapper();
    ~MeshGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
    int numPoints(MStatus& status) override;
    MStatus getPoints(MPointArray& points, MSpace::Space space) override;
    // A vertex that no polygon uses, and an index outside the mesh, get the
    // zero vector, which the deform pass leaves as it is.
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) override;
    MStatus getUVs(MFloatArray& u, MFloatArray& v) override;

private:
    void collectFaceVertexNormalIds(MObject& geometry);
    void collectVertexUVs(MObject& geometry);
    MVector cachedNormal(int normalId) const;
    MVector vertexNormal(unsigned int vertex) const;

    int m_numPoints;
    MPointArray m_objectPoints;
    MPointArray m_worldPoints;
    MFloatArray m_uValues;
    MFloatArray m_vValues;
    MFloatVectorArray m_normals;
    // The normal ids of each vertex's face-vertices, while binding.
    std::vector<std::vector<int>> m_vertexNormalIds;
    // Each vertex's answer, worked out once when binding: the deform pass
    // asks for every vertex's normal on every evaluation.
    std::vector<MVector> m_vertexNormals;
};

#endif
