#pragma once

// Writes geometry as Wavefront OBJ text: polygon meshes and subdivision
// cages as vertices and faces, NURBS curves and surfaces as free-form
// geometry (see ObjFreeFormWriter). Positions carry 17 significant digits,
// so they read back exactly.
//
// A mesh keeps its vertex order, its faces and their corners, and its UVs;
// its normals are worked out again from the points written, keeping the
// hard and smooth edges the mesh had (see RecomputedNormals). A cage's
// normals are smooth.

#include "GeometryKind.h"

#include <maya/MObject.h>

#include <ostream>

namespace kavo::app {

class ObjWriter
{
public:
    // False when the data is not of the kind or the host cannot read it.
    static bool write(const MObject& data, GeometryKind kind, std::ostream& out);

private:
    static bool writeMesh(const MObject& data, std::ostream& out);
    static bool writeSubdivisionCage(const MObject& data, std::ostream& out);
};

} // namespace kavo::app
