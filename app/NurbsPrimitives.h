#pragma once

// The NURBS examples the command line offers, as host data objects: cubic
// B-splines in the host's knot convention (n + degree - 1 knots for n CVs).

#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace kavo::app {

class NurbsPrimitives
{
public:
    // A flat 2 x 2 surface in the XZ plane, normal +Y, with cvsU x cvsV CVs
    // (4 or more each).
    static MObject plane(int cvsU, int cvsV, MStatus& status);
    // A sphere of about unit radius, periodic around Y with `sectors`
    // distinct CVs (3 or more), open from pole to pole with `rows` CVs (4 or
    // more), whose end rows close into single points.
    static MObject sphere(int sectors, int rows, MStatus& status);
    // Three turns of a helix of radius 1 rising from y = -1 to 1, open,
    // with `cvs` CVs (4 or more).
    static MObject helix(int cvs, MStatus& status);
};

} // namespace kavo::app
