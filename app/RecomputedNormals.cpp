#include "RecomputedNormals.h"

namespace kavo::app {

namespace {

// Newell's sum over the corners cornerAt(0) to cornerAt(count - 1).
template <class CornerAt>
MVector newellNormal(int count, CornerAt cornerAt)
{
    MVector sum(0.0, 0.0, 0.0);
    for (int k = 0; k < count; ++k) {
        const MPoint& current = cornerAt(k);
        const MPoint& next = cornerAt((k + 1) % count);
        sum.x += (current.y - next.y) * (current.z + next.z);
        sum.y += (current.z - next.z) * (current.x + next.x);
        sum.z += (current.x - next.x) * (current.y + next.y);
    }
    const double length = sum.length();
    return length > 0.0 ? sum / length : MVector(0.0, 0.0, 0.0);
}

} // namespace

MVector RecomputedNormals::faceNormal(const MPointArray& points, const MIntArray& corners, unsigned int first,
                                      int count)
{
    return newellNormal(count, [&](int k) -> const MPoint& { return points[corners[first + k]]; });
}

MVector RecomputedNormals::faceNormal(const std::vector<MPoint>& polygon)
{
    return newellNormal(static_cast<int>(polygon.size()), [&](int k) -> const MPoint& { return polygon[k]; });
}

std::vector<MVector> RecomputedNormals::compute(const MPointArray& points, const MIntArray& faceCounts,
                                                const MIntArray& faceVertices, const MIntArray& groupOfCorner,
                                                int groupCount)
{
    std::vector<MVector> normals(static_cast<size_t>(groupCount), MVector(0.0, 0.0, 0.0));
    // The face last added to each group, so a face touching a group at two
    // corners counts once.
    std::vector<int> lastFace(static_cast<size_t>(groupCount), -1);
    unsigned int first = 0;
    for (unsigned int face = 0; face < faceCounts.length(); ++face) {
        const int count = faceCounts[face];
        const MVector normal = faceNormal(points, faceVertices, first, count);
        for (int k = 0; k < count; ++k) {
            const int group = groupOfCorner[first + k];
            if (lastFace[group] == static_cast<int>(face))
                continue;
            lastFace[group] = static_cast<int>(face);
            normals[group] += normal;
        }
        first += count;
    }
    for (MVector& normal : normals) {
        const double length = normal.length();
        if (length > 0.0)
            normal /= length;
    }
    return normals;
}

} // namespace kavo::app
