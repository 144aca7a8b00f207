#pragma once

#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace kavo::host::geometry {

// A rational CV lifted into homogeneous space, (x w, y w, z w, w). B-spline
// sums of these, and of their derivatives, are linear; the cartesian curve
// and its derivatives follow by the quotient rule (RationalDerivatives).
struct HomogeneousPoint
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;

    // cv holds the cartesian position in x, y, z and the weight in w.
    static HomogeneousPoint fromCV(const MPoint& cv) { return {cv.x * cv.w, cv.y * cv.w, cv.z * cv.w, cv.w}; }

    HomogeneousPoint& addScaled(const HomogeneousPoint& p, double s)
    {
        x += p.x * s;
        y += p.y * s;
        z += p.z * s;
        w += p.w * s;
        return *this;
    }

    MVector xyz() const { return MVector(x, y, z); }
};

} // namespace kavo::host::geometry
