// Any bytes as an OBJ file: the reading either refuses them with a usage
// error or returns a mesh whose every face-vertex id names an element of
// its list, so the host is never handed an index out of range.

#include "AppError.h"
#include "ObjReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using kavo::app::PolygonMeshDescription;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkIds(const std::vector<int>& ids, size_t corners, size_t listSize)
{
    if (ids.empty())
        return;
    require(ids.size() == corners);
    for (int id : ids)
        require(id == -1 || (id >= 0 && static_cast<size_t>(id) < listSize));
}

void checkMesh(const PolygonMeshDescription& mesh)
{
    require(!mesh.faceCounts.empty());
    size_t corners = 0;
    for (int count : mesh.faceCounts) {
        require(count >= 3);
        corners += static_cast<size_t>(count);
    }
    require(mesh.faceVertices.size() == corners);
    for (int id : mesh.faceVertices)
        require(id >= 0 && static_cast<size_t>(id) < mesh.points.size());
    for (const MPoint& point : mesh.points)
        require(std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z));
    require(mesh.us.size() == mesh.vs.size());
    checkIds(mesh.faceVertexUvs, corners, mesh.us.size());
    checkIds(mesh.faceVertexNormals, corners, mesh.normals.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        checkMesh(kavo::app::ObjReader::parse(text, "fuzz.obj"));
    } catch (const kavo::app::AppError& error) {
        require(error.exitCode() == kavo::app::AppError::kUsageExitCode);
    }
    return 0;
}
