#pragma once

#include "geometry/NurbsKnots.h"

#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::host::geometry {

// A NURBS surface as the host stores it: one knot vector per direction (host
// convention, see NurbsKnots) and the CVs in the host's order, U-major with V
// varying fastest: CV (iu, iv) is cvs[iu * numCVsInV + iv]. A CV is an MPoint
// whose x, y, z is its cartesian position and whose w is its weight (1 for a
// non-rational surface). A direction that is periodic repeats its first
// `degree` rows (or columns) of CVs at the end.
class NurbsSurfaceShape
{
public:
    struct Sample
    {
        MPoint position;
        MVector derivativeU;
        MVector derivativeV;
    };

    NurbsSurfaceShape() = default;
    NurbsSurfaceShape(NurbsKnots knotsU, NurbsKnots knotsV, std::vector<MPoint> cvs);

    // Valid knots in both directions, numCVsInU * numCVsInV CVs, finite CVs
    // with positive weights.
    bool isValid() const { return m_valid; }

    const NurbsKnots& knotsU() const { return m_knotsU; }
    const NurbsKnots& knotsV() const { return m_knotsV; }
    const std::vector<MPoint>& cvs() const { return m_cvs; }
    const MPoint& cv(int iu, int iv) const { return m_cvs[iu * m_knotsV.numCVs() + iv]; }

    // Position, dP/du and dP/dv at (u, v), each parameter first wrapped or
    // clamped into its direction's domain. kFailure for an invalid surface,
    // kInvalidParameter for a parameter that is not finite.
    MStatus evaluate(double u, double v, Sample& sample) const;

    // The unit normal dP/du x dP/dv. Where that cross product vanishes (a
    // pole where a row of CVs meets in one point, or a crease where the two
    // derivatives are parallel) the surface has no normal: kFailure, and
    // `normal` is left untouched.
    MStatus normal(double u, double v, MVector& normal) const;

private:
    NurbsKnots m_knotsU;
    NurbsKnots m_knotsV;
    std::vector<MPoint> m_cvs;
    double m_extent = 0.0;
    bool m_valid = false;
};

} // namespace kavo::host::geometry
