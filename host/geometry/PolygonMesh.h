#pragma once

#include <maya/MPoint.h>

#include <vector>

namespace kavo::host::geometry {

// A polygon mesh as plain lists, the host's layout: the points, the number of
// corners of each face, and the point index of every corner, face after face.
// This is the input of the mesh normals and of the subdivision limit.
struct PolygonMesh
{
    std::vector<MPoint> points;
    std::vector<int> faceVertexCounts;
    std::vector<int> faceVertexIndices;

    // Every face has at least three corners, the corner counts add up to the
    // index list's length and every index names a point.
    bool isValid() const;
};

} // namespace kavo::host::geometry
