#pragma once

#include "geometry/PolygonMesh.h"

#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::host::geometry {

// Where the Catmull-Clark limit surface of a base (level 0) polygon mesh passes
// each base vertex, and its unit normal there. Boundaries interpolate their
// edges and corners, as the host's subdivision surfaces do.
struct SubdivisionLimit
{
    std::vector<MPoint> positions; // one per base vertex
    std::vector<MVector> normals;  // one per base vertex, unit or zero
};

// Computes the limit at every base vertex with OpenSubdiv. The normal is the
// unit cross product of the two limit tangents, oriented with the polygon
// winding: counter-clockwise faces seen from outside give outward normals.
// A vertex that no face uses keeps its position and gets the zero normal, as
// does a vertex where the limit surface has no tangent plane.
// kInvalidParameter for an invalid mesh, kFailure when OpenSubdiv rejects the
// topology; `limit` is untouched then.
MStatus computeSubdivisionLimit(const PolygonMesh& base, SubdivisionLimit& limit);

} // namespace kavo::host::geometry
