#include "geometry/MeshData.h"

#include <algorithm>
#include <utility>

namespace kavo::host::geometry {

MeshData::MeshData()
    : currentUVSet(kDefaultUVSet)
{
    uvSets.push_back(UVSet{kDefaultUVSet, {}, {}, {}});
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
    m_mesh.points[index] = MPoint(position).cartesianize();
}

MStatus MeshData::setPolygons(PolygonMesh mesh)
{
    if (!mesh.isValid())
        return MStatus::kInvalidParameter;
    m_mesh = std::move(mesh);
    for (MPoint& point : m_mesh.points)
        point.cartesianize();
    m_firstFaceVertex.clear();
    int first = 0;
    for (int count : m_mesh.faceVertexCounts) {
        m_firstFaceVertex.push_back(first);
        first += count;
    }
    m_ownNormals.assign(m_mesh.faceVertexIndices.size(), std::nullopt);
    for (UVSet& set : uvSets)
        set.faceVertexUVs.assign(m_mesh.faceVertexIndices.size(), UVSet::kNone);
    return MStatus::kSuccess;
}

int MeshData::cornerAtVertex(int polygon, int vertex) const
{
    const auto begin = m_mesh.faceVertexIndices.begin() + m_firstFaceVertex[polygon];
    const auto end = begin + cornerCount(polygon);
    const auto found = std::find(begin, end, vertex);
    return found == end ? -1 : static_cast<int>(found - begin);
}

UVSet* MeshData::findUVSet(const std::string& name)
{
    auto found = std::find_if(uvSets.begin(), uvSets.end(), [&](const UVSet& set) { return set.name == name; });
    return found == uvSets.end() ? nullptr : &*found;
}

const UVSet* MeshData::findUVSet(const std::string& name) const
{
    return const_cast<MeshData*>(this)->findUVSet(name);
}

}  // namespace kavo::host::geometry
