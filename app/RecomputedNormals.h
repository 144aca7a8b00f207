#pragma once

// Normals worked out afresh from a polygon mesh's current points, so that a
// deformed mesh is never written with the normals it had before it moved.
//
// The face-vertices are grouped by the normal they share (a smooth vertex
// shares one normal between all its faces, a hard edge splits them); each
// group's normal is the normalised sum of the unit normals of its faces,
// the way the host smooths vertex normals. Grouping by vertex gives plain
// smooth normals.

#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::app {

class RecomputedNormals
{
public:
    // faceCounts and faceVertices describe the faces (corner counts, then
    // the point of every corner); groupOfCorner gives every corner's group,
    // 0 to groupCount - 1. A group whose faces have no area gets the zero
    // vector.
    static std::vector<MVector> compute(const MPointArray& points, const MIntArray& faceCounts,
                                        const MIntArray& faceVertices, const MIntArray& groupOfCorner, int groupCount);

    // The unit normal of a face by Newell's method, which holds for
    // non-planar and concave polygons; zero for a face of no area.
    // The face's corners are corners[first] to corners[first + count - 1].
    static MVector faceNormal(const MPointArray& points, const MIntArray& corners, unsigned int first, int count);
    static MVector faceNormal(const std::vector<MPoint>& polygon);
};

} // namespace kavo::app
