#pragma once

// Reads a polygon mesh from an OBJ file, keeping what the file says: the
// vertices in file order, the faces with their corners as written (not
// triangulated), the texture coordinates and the normals with the
// face-vertex ids the faces give them. A file with several objects or
// groups becomes one mesh, their faces in file order.
//
// One reading decides what every line is and builds the mesh from exactly
// that. Lines split at line feeds (a carriage return before one is
// dropped), words at blanks and tabs, and '#' starts a comment; a byte-order
// mark at the start is skipped. v, vt, vn and f are read; every other
// statement (mtllib, usemtl, g, o, s, vp, curv, ...) is skipped unread, so
// no other file is ever opened. Anything the reading cannot take for certain
// is refused, naming the line, rather than read some other way: a control
// character inside a line, a word where a number belongs, a corner naming
// an element the file does not have.

#include "PolygonMeshDescription.h"

#include <string>
#include <string_view>

namespace kavo::app {

class ObjReader
{
public:
    // An AppError (usage) naming the file, and the line where there is one,
    // for a file that cannot be read, is malformed or holds no face.
    static PolygonMeshDescription read(const std::string& path);

    // The same for the file's text; `name` is the file named in messages.
    // Every face-vertex id of the result is within its list.
    static PolygonMeshDescription parse(std::string_view text, const std::string& name);
};

} // namespace kavo::app
