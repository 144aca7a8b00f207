#pragma once

// The polygon examples the command line offers, all about the size of the
// noise handle's unit cube: faces wound counter-clockwise seen from outside,
// and UVs where the shape has a natural parameterisation.

#include "PolygonMeshDescription.h"

namespace kavo::app {

class PolygonPrimitives
{
public:
    // A 2 x 2 square in the XZ plane facing +Y, columns x rows quads.
    static PolygonMeshDescription plane(int columns, int rows);
    // A unit sphere of `segments` around Y and `rings` from pole to pole,
    // one shared point at each pole.
    static PolygonMeshDescription sphere(int segments, int rings);
    // A ring torus around Y: radius 1 to the tube's centre, tube radius 0.35.
    static PolygonMeshDescription torus(int segments, int tubeSegments);
    // A 2 x 2 x 2 cube, each side cut into divisions x divisions quads.
    static PolygonMeshDescription cube(int divisions);
};

} // namespace kavo::app
