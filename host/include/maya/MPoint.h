#pragma once

#include <kavo/host/math/Point4.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

class MFloatPoint;
class MFloatVector;
class MMatrix;
class MVector;

#define MPoint_kTol 1.0e-10

// A homogeneous point (x, y, z, w) in double precision; w is 1 for an
// ordinary point. Points are row vectors: p * M transforms p by M. The
// arithmetic, shared with MFloatPoint, is Point4's.
class OPENMAYA_EXPORT MPoint : public kavo::host::math::Point4<double, MPoint, MVector, MMatrix>
{
public:
    MPoint() : Point4(0.0, 0.0, 0.0, 1.0) {}
    MPoint(const MPoint& other) = default;
    MPoint(const MFloatPoint& other);
    MPoint(const MVector& vector);
    MPoint(const MFloatVector& vector);
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : Point4(xx, yy, zz, ww) {}
    MPoint(const double d[4]) : Point4(d[0], d[1], d[2], d[3]) {}
    MPoint(const float d[4]) : Point4(d[0], d[1], d[2], d[3]) {}
    ~MPoint() = default;

    MPoint& operator=(const MPoint& other) = default;

    // True when the squared distance of the four components is below tol^2.
    bool isEquivalent(const MPoint& other, double tol = MPoint_kTol) const { return withinTolerance(other, tol); }

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MPoint& point);

    static const MPoint origin;
};
