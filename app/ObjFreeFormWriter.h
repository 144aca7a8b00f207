#pragma once

// Writes NURBS curves and surfaces as OBJ free-form geometry:
//
//   v x y z [w]                       the CVs (w, the weight, when rational)
//   cstype [rat] bspline
//   deg p | deg pu pv
//   curv t0 t1 cv...                  or  surf s0 s1 t0 t1 cv...
//   parm u knots...  [parm v knots...]
//   end
//
// OBJ knot vectors are the textbook ones, with n + p + 1 knots; the host
// keeps n + p - 1 and leaves out one knot at each end, which no point of the
// curve depends on. Those two are put back by continuing the end spacing,
// which repeats the end knot of a clamped vector and steps on evenly on a
// uniform periodic one. The CVs that close a periodic direction are
// written once and named again where they repeat, so the file says it is
// closed. A surface's CVs are listed with u varying fastest.

#include <maya/MObject.h>

#include <ostream>
#include <vector>

namespace kavo::app {

class ObjFreeFormWriter
{
public:
    // False when the data holds no such geometry.
    static bool writeCurve(const MObject& data, std::ostream& out);
    static bool writeSurface(const MObject& data, std::ostream& out);
};

} // namespace kavo::app
