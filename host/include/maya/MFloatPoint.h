#pragma once

#include <kavo/host/math/Point4.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

class MFloatMatrix;
class MFloatVector;
class MPoint;
class MVector;

#define MFloatPoint_kTol 1.0e-10

// A homogeneous point (x, y, z, w) in single precision; the float twin of
// MPoint, with the same arithmetic from Point4, transformed as a row vector
// by MFloatMatrix.
class OPENMAYA_EXPORT MFloatPoint : public kavo::host::math::Point4<float, MFloatPoint, MFloatVector, MFloatMatrix>
{
public:
    MFloatPoint() : Point4(0.0f, 0.0f, 0.0f, 1.0f) {}
    MFloatPoint(const MFloatPoint& other) = default;
    MFloatPoint(const MPoint& other);
    MFloatPoint(const MVector& vector);
    MFloatPoint(const MFloatVector& vector);
    MFloatPoint(float xx, float yy, float zz = 0.0, float ww = 1.0) : Point4(xx, yy, zz, ww) {}
    MFloatPoint(const float d[4]) : Point4(d[0], d[1], d[2], d[3]) {}
    MFloatPoint(const double d[4]);
    ~MFloatPoint() = default;

    MFloatPoint& operator=(const MFloatPoint& other) = default;

    // True when the squared distance of the four components is below tol^2.
    bool isEquivalent(const MFloatPoint& other, float tol = MFloatPoint_kTol) const
    {
        return withinTolerance(other, tol);
    }

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatPoint& point);

    static const MFloatPoint origin;
};
