#pragma once

#include "geometry/CopyOnWrite.h"
#include "geometry/FaceVertexNormals.h"
#include "geometry/GeometryData.h"
#include "geometry/PolygonMesh.h"
#include "geometry/UVSet.h"

#include <maya/MVector.h>

#include <memory>
#include <string>
#include <vector>

namespace kavo::host::geometry {

// A polygon mesh as it travels through the graph (MFn::kMeshData): points,
// polygons, the normals that face-vertices were given of their own, and UV
// sets. A face-vertex is a corner of a polygon, numbered across the whole
// mesh polygon after polygon (its place in the polygon's vertex list).
// Positions are kept in object space.
//
// Points, polygons, normals and UV sets are stored apart and shared with
// clones, so a deformer's output shares everything but the points it moves.
class MeshData final : public GeometryData
{
public:
    static constexpr const char* kDefaultUVSet = "map1";

    // An empty mesh with the empty UV set "map1", which is current.
    MeshData();

    MFn::Type apiType() const override { return MFn::kMeshData; }
    bool hasFn(MFn::Type type) const override;
    std::shared_ptr<graph::Data> clone() const override;

    unsigned int pointCount() const override { return static_cast<unsigned int>(m_points.read().size()); }
    MPoint point(unsigned int index) const override { return m_points.read()[index]; }
    void setPoint(unsigned int index, const MPoint& position) override;
    void getPoints(MPoint* points) const override;
    void setPoints(const MPoint* points) override;
    const MPoint* storedPoints() const override { return m_points.read().data(); }

    // Replaces points and polygons. Every face-vertex starts without a normal
    // of its own and without UVs; the UV sets keep their names and pairs.
    // kInvalidParameter, with nothing changed, for an invalid mesh.
    MStatus setPolygons(PolygonMesh mesh);

    const std::vector<MPoint>& points() const { return m_points.read(); }
    const std::vector<int>& faceVertexCounts() const { return m_polygons->faceVertexCounts; }
    const std::vector<int>& faceVertexIndices() const { return m_polygons->faceVertexIndices; }

    int polygonCount() const { return static_cast<int>(faceVertexCounts().size()); }
    int faceVertexCount() const { return static_cast<int>(faceVertexIndices().size()); }
    bool isPolygon(int polygon) const { return polygon >= 0 && polygon < polygonCount(); }
    int cornerCount(int polygon) const { return faceVertexCounts()[polygon]; }
    // The face-vertex at corner `corner` of `polygon`.
    int faceVertex(int polygon, int corner) const { return m_polygons->firstFaceVertex[polygon] + corner; }
    // The vertex id at a face-vertex.
    int vertexAt(int faceVertex) const { return faceVertexIndices()[faceVertex]; }
    // The corner of `polygon` at vertex id `vertex`, or -1 when the polygon
    // does not use that vertex.
    int cornerAtVertex(int polygon, int vertex) const;

    // Normals given to single face-vertices, in object space and of unit
    // length; face-vertices without one take their vertex's smooth normal.
    const MVector* ownNormal(int faceVertex) const { return m_ownNormals.read().find(faceVertex); }
    void setOwnNormal(int faceVertex, const MVector& unitNormal) { m_ownNormals.write().set(faceVertex, unitNormal); }
    void clearOwnNormal(int faceVertex) { m_ownNormals.write().clear(faceVertex); }

    const std::vector<UVSet>& uvSets() const { return m_uvSets.read(); }
    const UVSet* findUVSet(const std::string& name) const;
    // The set named `name`, to change it; null when there is none.
    UVSet* editUVSet(const std::string& name);
    void addUVSet(UVSet set) { m_uvSets.write().push_back(std::move(set)); }
    std::string currentUVSet;

private:
    // Polygons never change in place: setPolygons() replaces them.
    struct Polygons
    {
        std::vector<int> faceVertexCounts;
        std::vector<int> faceVertexIndices;
        std::vector<int> firstFaceVertex; // per polygon
    };

    CopyOnWrite<std::vector<MPoint>> m_points;
    std::shared_ptr<const Polygons> m_polygons;
    CopyOnWrite<FaceVertexNormals> m_ownNormals;
    CopyOnWrite<std::vector<UVSet>> m_uvSets;
};

} // namespace kavo::host::geometry
