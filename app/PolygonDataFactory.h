#pragma once

// Turns a polygon mesh description into the host's data objects: a polygon
// mesh (points, faces, UVs and normals as described) or the cage of a
// subdivision surface (points and faces).

#include "PolygonMeshDescription.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace kavo::app {

class PolygonDataFactory
{
public:
    // A null object and a failed status when the host refuses the
    // description (a face of fewer than three corners, a corner naming no
    // point).
    static MObject makeMesh(const PolygonMeshDescription& mesh, MStatus& status);
    static MObject makeSubdivisionCage(const PolygonMeshDescription& mesh, MStatus& status);
};

} // namespace kavo::app
