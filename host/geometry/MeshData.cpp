#include "geometry/MeshData.h"

#include <algorithm>
#include <utility>

namespace kavo::host::geometry {

MeshData::MeshData() : currentUVSet(kDefaultUVSet), m_polygons(std::make_shared<const Polygons>())
{
    addUVSet(UVSet{kDefaultUVSet, {}, {}, {}});
}

bool MeshData::hasFn(MFn::Type type) const
{
    return type == MFn::kMeshData || type == MFn::kData || type == MFn::kBase;
}

std::shared_ptr<graph::Data> MeshData::clone() const
{
    return std::make_shared<MeshData>(*this);
}

void MeshData::setPoint(unsigned int index, const MPoint& position)
{
    m_points.write()[index] = MPoint(position).cartesianize();
}

void MeshData::getPoints(MPoint* points) const
{
    std::copy(m_points.read().begin(), m_points.read().end(), points);
}

void MeshData::setPoints(const MPoint* points)
{
    const std::size_t count = m_points.read().size();
    if (m_points.shared()) {
        std::vector<MPoint> fresh;
        fresh.reserve(count);
        for (std::size_t k = 0; k < count; ++k)
            fresh.push_back(MPoint(points[k]).cartesianize());
        m_points.replaceShared(std::move(fresh));
        return;
    }
    std::vector<MPoint>& stored = m_points.write();
    for (std::size_t k = 0; k < count; ++k)
        stored[k] = MPoint(points[k]).cartesianize();
}

MStatus MeshData::setPolygons(PolygonMesh mesh)
{
    if (!mesh.isValid())
        return MStatus::kInvalidParameter;
    for (MPoint& point : mesh.points)
        point.cartesianize();
    Polygons polygons;
    polygons.faceVertexCounts = std::move(mesh.faceVertexCounts);
    polygons.faceVertexIndices = std::move(mesh.faceVertexIndices);
    polygons.firstFaceVertex.reserve(polygons.faceVertexCounts.size());
    int first = 0;
    for (int count : polygons.faceVertexCounts) {
        polygons.firstFaceVertex.push_back(first);
        first += count;
    }
    const std::size_t faceVertices = polygons.faceVertexIndices.size();
    m_points.assign(std::move(mesh.points));
    m_polygons = std::make_shared<const Polygons>(std::move(polygons));
    m_ownNormals.assign(FaceVertexNormals(faceVertices));
    for (UVSet& set : m_uvSets.write())
        set.faceVertexUVs.assign(faceVertices, UVSet::kNone);
    return MStatus::kSuccess;
}

int MeshData::cornerAtVertex(int polygon, int vertex) const
{
    const auto begin = faceVertexIndices().begin() + faceVertex(polygon, 0);
    const auto end = begin + cornerCount(polygon);
    const auto found = std::find(begin, end, vertex);
    return found == end ? -1 : static_cast<int>(found - begin);
}

const UVSet* MeshData::findUVSet(const std::string& name) const
{
    const std::vector<UVSet>& sets = m_uvSets.read();
    auto found = std::find_if(sets.begin(), sets.end(), [&](const UVSet& set) { return set.name == name; });
    return found == sets.end() ? nullptr : &*found;
}

UVSet* MeshData::editUVSet(const std::string& name)
{
    if (!findUVSet(name))
        return nullptr;
    std::vector<UVSet>& sets = m_uvSets.write();
    return &*std::find_if(sets.begin(), sets.end(), [&](const UVSet& set) { return set.name == name; });
}

} // namespace kavo::host::geometry
