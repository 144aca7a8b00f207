#pragma once

#include "geometry/NurbsKnots.h"

#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::host::geometry {

// A NURBS curve as the host stores it: knots (host convention, see
// NurbsKnots) and CVs. A CV is an MPoint whose x, y, z is its cartesian
// position and whose w is its weight (1 for a non-rational curve); it is not
// the homogeneous (x w, y w, z w, w). A periodic curve lists its first
// `degree` CVs again at the end.
//
// Evaluation is exact: the rational curve is summed in homogeneous space and
// its derivatives follow from the quotient rule.
class NurbsCurveShape
{
public:
    struct Sample
    {
        MPoint position;
        MVector firstDerivative;
        MVector secondDerivative;
    };

    NurbsCurveShape() = default;
    NurbsCurveShape(NurbsKnots knots, std::vector<MPoint> cvs);

    // Valid knots, one CV per basis function, finite CVs with positive weights.
    bool isValid() const { return m_valid; }

    const NurbsKnots& knots() const { return m_knots; }
    const std::vector<MPoint>& cvs() const { return m_cvs; }

    // Position and derivatives at t, which is first wrapped or clamped into the
    // domain. kFailure for an invalid curve, kInvalidParameter for a t that is
    // not finite.
    MStatus evaluate(double t, Sample& sample) const;

    // The principal normal: the part of the second derivative orthogonal to
    // the tangent, normalised, so it points toward the centre of curvature.
    // Where the curve is straight (no measurable curvature) there is no
    // centre; the normal is then the unit vector orthogonal to the tangent
    // in the plane of the tangent and the coordinate axis least aligned with
    // it (the first such axis in x, y, z order), which is stable along the
    // whole straight piece. A vanishing tangent gives kFailure and leaves
    // `normal` untouched.
    MStatus principalNormal(double t, MVector& normal) const;

private:
    NurbsKnots m_knots;
    std::vector<MPoint> m_cvs;
    double m_extent = 0.0;
    bool m_valid = false;
};

} // namespace kavo::host::geometry
