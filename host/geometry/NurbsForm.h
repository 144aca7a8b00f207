#pragma once

namespace kavo::host::geometry {

// How a NURBS direction closes on itself. The values are the host's
// MFnNurbsCurve::Form / MFnNurbsSurface::Form numbers, so the function sets
// convert with a plain cast.
//   kOpen      the ends are free;
//   kClosed    the first and last CV coincide, the seam may show a crease;
//   kPeriodic  the last `degree` CVs repeat the first ones and the direction
//              is smooth across the seam; parameters wrap around the domain.
enum class NurbsForm : int
{
    kOpen = 1,
    kClosed = 2,
    kPeriodic = 3
};

} // namespace kavo::host::geometry
