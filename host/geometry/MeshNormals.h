#pragma once

#include "geometry/PolygonMesh.h"

#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::host::geometry {

// Normals for meshes that come without a normal list.

// The unit Newell normal of the polygon through points[corners[0 .. count - 1]],
// oriented by the corner order (counter-clockwise seen from the front). Newell's
// sum is exact for planar polygons and a sensible average for non-planar ones;
// a polygon without area (collinear or repeated corners) has the zero vector.
MVector newellNormal(const std::vector<MPoint>& points, const int* corners, int count);

// One smooth normal per point: the normalised sum of the unit normals of the
// faces that use the point, every face counting the same whatever its size.
// A point no face uses, or whose face normals cancel, gets the zero vector.
// kInvalidParameter, with `normals` untouched, for an invalid mesh.
MStatus smoothVertexNormals(const PolygonMesh& mesh, std::vector<MVector>& normals);

// The same for a mesh already known to be valid, given by its parts.
std::vector<MVector> smoothVertexNormals(const std::vector<MPoint>& points, const std::vector<int>& faceVertexCounts,
                                         const std::vector<int>& faceVertexIndices);

} // namespace kavo::host::geometry
