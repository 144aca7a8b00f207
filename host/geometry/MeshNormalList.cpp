#include "geometry/MeshNormalList.h"

#include "geometry/MeshData.h"
#include "geometry/MeshNormals.h"

#include <unordered_map>

namespace kavo::host::geometry {

namespace {

constexpr int kUnassigned = -1;

}  // namespace

MeshNormalList MeshNormalList::of(const MeshData& mesh)
{
    const std::vector<MVector> smooth =
        smoothVertexNormals(mesh.points(), mesh.faceVertexCounts(), mesh.faceVertexIndices());
    MeshNormalList list;
    list.normals.reserve(smooth.size());
    // The smooth normal's id at each vertex, and the ids of the normals given
    // at the few vertices that have some of their own.
    std::vector<int> smoothIds(mesh.pointCount(), kUnassigned);
    std::unordered_map<int, std::vector<int>> ownIds;
    const std::vector<int>& vertices = mesh.faceVertexIndices();
    list.faceVertexNormalIds.reserve(vertices.size());
    for (size_t faceVertex = 0; faceVertex < vertices.size(); ++faceVertex) {
        const int vertex = vertices[faceVertex];
        const MVector* own = mesh.ownNormal(static_cast<int>(faceVertex));
        int id = kUnassigned;
        if (!own) {
            if (smoothIds[vertex] == kUnassigned) {
                smoothIds[vertex] = static_cast<int>(list.normals.size());
                list.normals.push_back(smooth[vertex]);
            }
            id = smoothIds[vertex];
        } else {
            std::vector<int>& ids = ownIds[vertex];
            for (int candidate : ids)
                if (list.normals[candidate] == *own)
                    id = candidate;
            if (id == kUnassigned) {
                id = static_cast<int>(list.normals.size());
                ids.push_back(id);
                list.normals.push_back(*own);
            }
        }
        list.faceVertexNormalIds.push_back(id);
    }
    return list;
}

}  // namespace kavo::host::geometry
