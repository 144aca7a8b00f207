#pragma once

#include "geometry/PolygonMesh.h"

// Small meshes built the host's way, every face counter-clockwise seen from
// outside.

// The cube [-1, 1]^3: 8 points, 6 quads.
inline kavo::host::geometry::PolygonMesh unitCubeMesh()
{
    kavo::host::geometry::PolygonMesh cube;
    cube.points = {MPoint(-1, -1, -1), MPoint(1, -1, -1), MPoint(1, 1, -1), MPoint(-1, 1, -1),
                   MPoint(-1, -1, 1),  MPoint(1, -1, 1),  MPoint(1, 1, 1),  MPoint(-1, 1, 1)};
    cube.faceVertexCounts = {4, 4, 4, 4, 4, 4};
    cube.faceVertexIndices = {0, 3, 2, 1, 4, 5, 6, 7, 0, 1, 5, 4, 2, 3, 7, 6, 0, 4, 7, 3, 1, 2, 6, 5};
    return cube;
}

// A flat grid of cells x cells unit quads in the XY plane, facing +Z; point
// (i, j) is at index j * (cells + 1) + i.
inline kavo::host::geometry::PolygonMesh planeGridMesh(int cells)
{
    kavo::host::geometry::PolygonMesh grid;
    for (int j = 0; j <= cells; ++j)
        for (int i = 0; i <= cells; ++i)
            grid.points.emplace_back(i, j, 0);
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            const int corner = j * (cells + 1) + i;
            grid.faceVertexCounts.push_back(4);
            grid.faceVertexIndices.insert(grid.faceVertexIndices.end(),
                                          {corner, corner + 1, corner + cells + 2, corner + cells + 1});
        }
    }
    return grid;
}
