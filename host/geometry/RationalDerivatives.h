#pragma once

#include "geometry/HomogeneousPoint.h"

#include <maya/MVector.h>

namespace kavo::host::geometry {

// The quotient rule that takes derivatives of a homogeneous B-spline sum
// A(t) = (x w, y w, z w, w) back to the cartesian C(t) = A.xyz / A.w:
//   C'  = (A'.xyz  - w' C) / w
//   C'' = (A''.xyz - 2 w' C' - w'' C) / w
// Callers make sure w is not zero.
inline MVector cartesianPosition(const HomogeneousPoint& a)
{
    return a.xyz() / a.w;
}

inline MVector cartesianFirstDerivative(const HomogeneousPoint& a, const HomogeneousPoint& da, const MVector& position)
{
    return (da.xyz() - position * da.w) / a.w;
}

inline MVector cartesianSecondDerivative(const HomogeneousPoint& a, const HomogeneousPoint& da,
                                         const HomogeneousPoint& dda, const MVector& position,
                                         const MVector& firstDerivative)
{
    return (dda.xyz() - firstDerivative * (2.0 * da.w) - position * dda.w) / a.w;
}

} // namespace kavo::host::geometry
