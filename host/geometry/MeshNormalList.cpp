#include "geometry/MeshNormalList.h"

#include "geometry/MeshData.h"
#include "geometry/MeshNormals.h"

#include <unordered_map>
#include <utility>

namespace kavo::host::geometry {

namespace {

constexpr int kUnassigned = -1;

// Gives every face-vertex its normal id and calls newNormal(faceVertex) for
// each id as it is first met, in id order. The ids depend only on which
// face-vertices have normals of their own, and what those are, never on the
// smooth normals, so callers that want only the ids never compute those.
template <class NewNormal>
std::vector<int> numberNormals(const MeshData& mesh, NewNormal newNormal)
{
    // The smooth normal's id at each vertex, and the ids (with the
    // face-vertex that gave each) of the normals given at the few vertices
    // that have some of their own.
    std::vector<int> smoothIds(mesh.pointCount(), kUnassigned);
    std::unordered_map<int, std::vector<std::pair<int, int>>> ownIds;
    int nextId = 0;
    const std::vector<int>& vertices = mesh.faceVertexIndices();
    std::vector<int> ids;
    ids.reserve(vertices.size());
    for (size_t index = 0; index < vertices.size(); ++index) {
        const int faceVertex = static_cast<int>(index);
        const int vertex = vertices[index];
        const MVector* own = mesh.ownNormal(faceVertex);
        int id = kUnassigned;
        if (!own) {
            if (smoothIds[vertex] == kUnassigned) {
                smoothIds[vertex] = nextId++;
                newNormal(faceVertex);
            }
            id = smoothIds[vertex];
        } else {
            std::vector<std::pair<int, int>>& given = ownIds[vertex];
            for (const auto& [candidate, giver] : given)
                if (*mesh.ownNormal(giver) == *own)
                    id = candidate;
            if (id == kUnassigned) {
                id = nextId++;
                given.emplace_back(id, faceVertex);
                newNormal(faceVertex);
            }
        }
        ids.push_back(id);
    }
    return ids;
}

} // namespace

MeshNormalList MeshNormalList::of(const MeshData& mesh)
{
    const std::vector<MVector> smooth =
        smoothVertexNormals(mesh.points(), mesh.faceVertexCounts(), mesh.faceVertexIndices());
    MeshNormalList list;
    list.normals.reserve(smooth.size());
    list.faceVertexNormalIds = numberNormals(mesh, [&](int faceVertex) {
        const MVector* own = mesh.ownNormal(faceVertex);
        list.normals.push_back(own ? *own : smooth[mesh.vertexAt(faceVertex)]);
    });
    return list;
}

std::vector<int> MeshNormalList::idsOf(const MeshData& mesh)
{
    return numberNormals(mesh, [](int) {});
}

} // namespace kavo::host::geometry
