#include "geometry/PolygonMesh.h"

#include <algorithm>

namespace kavo::host::geometry {

bool PolygonMesh::isValid() const
{
    size_t corners = 0;
    for (int count : faceVertexCounts) {
        if (count < 3)
            return false;
        corners += static_cast<size_t>(count);
    }
    const int numPoints = static_cast<int>(points.size());
    return corners == faceVertexIndices.size() &&
           std::all_of(faceVertexIndices.begin(), faceVertexIndices.end(),
                       [numPoints](int index) { return index >= 0 && index < numPoints; });
}

} // namespace kavo::host::geometry
