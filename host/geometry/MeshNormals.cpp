#include "geometry/MeshNormals.h"

#include <utility>

namespace kavo::host::geometry {

namespace {

// Newell's vector is twice the polygon's area; against the sum of its squared
// edge lengths it measures how far from collinear the corners are. Below this
// ratio the polygon is a sliver whose direction is rounding noise.
constexpr double kZeroArea = 1e-12;

// Unit normals that sum to less than this cancel out.
constexpr double kCancelled = 1e-12;

} // namespace

MVector newellNormal(const std::vector<MPoint>& points, const int* corners, int count)
{
    MVector sum;
    double squaredPerimeter = 0.0;
    for (int i = 0; i < count; ++i) {
        const MPoint& a = points[corners[i]];
        const MPoint& b = points[corners[(i + 1) % count]];
        sum.x += (a.y - b.y) * (a.z + b.z);
        sum.y += (a.z - b.z) * (a.x + b.x);
        sum.z += (a.x - b.x) * (a.y + b.y);
        squaredPerimeter += (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) + (b.z - a.z) * (b.z - a.z);
    }
    const double length = sum.length();
    if (!(length > kZeroArea * squaredPerimeter))
        return MVector::zero;
    return sum / length;
}

MStatus smoothVertexNormals(const PolygonMesh& mesh, std::vector<MVector>& normals)
{
    if (!mesh.isValid())
        return MStatus::kInvalidParameter;
    normals = smoothVertexNormals(mesh.points, mesh.faceVertexCounts, mesh.faceVertexIndices);
    return MStatus::kSuccess;
}

std::vector<MVector> smoothVertexNormals(const std::vector<MPoint>& points, const std::vector<int>& faceVertexCounts,
                                         const std::vector<int>& faceVertexIndices)
{
    std::vector<MVector> sums(points.size(), MVector::zero);
    const int* corners = faceVertexIndices.data();
    for (int count : faceVertexCounts) {
        const MVector faceNormal = newellNormal(points, corners, count);
        for (int i = 0; i < count; ++i)
            sums[corners[i]] += faceNormal;
        corners += count;
    }
    for (MVector& sum : sums) {
        const double length = sum.length();
        sum = length > kCancelled ? sum / length : MVector::zero;
    }
    return sums;
}

} // namespace kavo::host::geometry
