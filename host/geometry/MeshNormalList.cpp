#include "geometry/MeshNormalList.h"

#include "geometry/MeshData.h"
#include "geometry/MeshNormals.h"

namespace kavo::host::geometry {

namespace {

constexpr int kUnassigned = -1;

// The ids already handed out at one vertex.
struct VertexNormalIds {
    int smooth = kUnassigned;
    std::vector<int> own;
};

}  // namespace

MeshNormalList MeshNormalList::of(const MeshData& mesh)
{
    const std::vector<MVector> smooth =
        smoothVertexNormals(mesh.points(), mesh.faceVertexCounts(), mesh.faceVertexIndices());

    MeshNormalList list;
    std::vector<VertexNormalIds> idsAt(mesh.pointCount());
    const std::vector<int>& vertices = mesh.faceVertexIndices();
    list.faceVertexNormalIds.reserve(vertices.size());
    for (size_t faceVertex = 0; faceVertex < vertices.size(); ++faceVertex) {
        VertexNormalIds& ids = idsAt[vertices[faceVertex]];
        const MVector* own = mesh.ownNormal(faceVertex);
        int id = kUnassigned;
        if (!own) {
            if (ids.smooth == kUnassigned) {
                ids.smooth = static_cast<int>(list.normals.size());
                list.normals.push_back(smooth[vertices[faceVertex]]);
            }
            id = ids.smooth;
        } else {
            for (int candidate : ids.own)
                if (list.normals[candidate] == *own)
                    id = candidate;
            if (id == kUnassigned) {
                id = static_cast<int>(list.normals.size());
                ids.own.push_back(id);
                list.normals.push_back(*own);
            }
        }
        list.faceVertexNormalIds.push_back(id);
    }
    return list;
}

}  // namespace kavo::host::geometry
