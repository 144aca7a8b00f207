#pragma once

// Reads a polygon mesh from an OBJ file, keeping what the file says: the
// vertices in file order, the faces with their corners as written (not
// triangulated), the texture coordinates and the normals with the
// face-vertex ids the faces give them. A file with several objects or
// groups becomes one mesh, their faces in file order.

#include "PolygonMeshDescription.h"

#include <string>

namespace kavo::app {

class ObjReader
{
public:
    // An AppError (usage) naming the file, and the line where there is one,
    // for a file that cannot be read or is malformed.
    static PolygonMeshDescription read(const std::string& path);
};

} // namespace kavo::app
