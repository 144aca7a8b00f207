#pragma once

#include "geometry/GeometryData.h"
#include "geometry/PolygonMesh.h"
#include "geometry/UVSet.h"

#include <maya/MVector.h>

#include <optional>
#include <string>
#include <vector>

namespace kavo::host::geometry {

// A polygon mesh as it travels through the graph (MFn::kMeshData): points,
// polygons, the normals that face-vertices were given of their own, and UV
// sets. A face-vertex is a corner of a polygon, numbered across the whole
// mesh polygon after polygon (its place in the polygon's vertex list).
// Positions are kept in object space.
class MeshData final : public GeometryData
{
public:
    static constexpr const char* kDefaultUVSet = "map1";

    // An empty mesh with the empty UV set "map1", which is current.
    MeshData();

    MFn::Type apiType() const override { return MFn::kMeshData; }
    bool hasFn(MFn::Type type) const override;
    std::shared_ptr<graph::Data> clone() const override;

    unsigned int pointCount() const override { return static_cast<unsigned int>(m_mesh.points.size()); }
    MPoint point(unsigned int index) const override { return m_mesh.points[index]; }
    void setPoint(unsigned int index, const MPoint& position) override;

    // Replaces points and polygons. Every face-vertex starts without a normal
    // of its own and without UVs; the UV sets keep their names and pairs.
    // kInvalidParameter, with nothing changed, for an invalid mesh.
    MStatus setPolygons(PolygonMesh mesh);
    const PolygonMesh& polygons() const { return m_mesh; }

    int polygonCount() const { return static_cast<int>(m_mesh.faceVertexCounts.size()); }
    int faceVertexCount() const { return static_cast<int>(m_mesh.faceVertexIndices.size()); }
    bool isPolygon(int polygon) const { return polygon >= 0 && polygon < polygonCount(); }
    int cornerCount(int polygon) const { return m_mesh.faceVertexCounts[polygon]; }
    // The face-vertex at corner `corner` of `polygon`.
    int faceVertex(int polygon, int corner) const { return m_firstFaceVertex[polygon] + corner; }
    // The corner of `polygon` at vertex id `vertex`, or -1 when the polygon
    // does not use that vertex.
    int cornerAtVertex(int polygon, int vertex) const;

    // Normals given to single face-vertices, in object space and of unit
    // length; face-vertices without one take their vertex's smooth normal.
    const std::vector<std::optional<MVector>>& ownNormals() const { return m_ownNormals; }
    void setOwnNormal(int faceVertex, const MVector& unitNormal) { m_ownNormals[faceVertex] = unitNormal; }
    void clearOwnNormal(int faceVertex) { m_ownNormals[faceVertex].reset(); }

    std::vector<UVSet> uvSets;
    std::string currentUVSet;
    UVSet* findUVSet(const std::string& name);
    const UVSet* findUVSet(const std::string& name) const;

private:
    PolygonMesh m_mesh;
    std::vector<int> m_firstFaceVertex;  // per polygon
    std::vector<std::optional<MVector>> m_ownNormals;  // per face-vertex
};

}  // namespace kavo::host::geometry
