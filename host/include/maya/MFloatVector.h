#pragma once

#include <kavo/host/math/Vector3.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

class MFloatMatrix;
class MFloatPoint;
class MPoint;
class MVector;

#define MFloatVector_kTol 1.0e-5F

// A direction or offset (x, y, z) in single precision; the float twin of
// MVector, with the same arithmetic from Vector3, transformed by the upper
// 3x3 of an MFloatMatrix.
class OPENMAYA_EXPORT MFloatVector : public kavo::host::math::Vector3<float, MFloatVector, MFloatMatrix>
{
public:
    MFloatVector() : Vector3(0.0f, 0.0f, 0.0f) {}
    MFloatVector(const MFloatVector& other) = default;
    MFloatVector(const MVector& other);
    // Copies x, y and z; w is ignored.
    MFloatVector(const MPoint& point);
    MFloatVector(const MFloatPoint& point);
    MFloatVector(float xx, float yy, float zz = 0.0) : Vector3(xx, yy, zz) {}
    MFloatVector(const float f[3]) : Vector3(f[0], f[1], f[2]) {}
    MFloatVector(const double d[3]);
    ~MFloatVector() = default;

    MFloatVector& operator=(const MFloatVector& other) = default;

    // True when the squared distance is below tol^2.
    bool isEquivalent(const MFloatVector& other, float tol = MFloatVector_kTol) const
    {
        return withinTolerance(other, tol);
    }

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatVector& vector);

    static const MFloatVector zero;
    static const MFloatVector one;
    static const MFloatVector xAxis;
    static const MFloatVector yAxis;
    static const MFloatVector zAxis;
    static const MFloatVector xNegAxis;
    static const MFloatVector yNegAxis;
    static const MFloatVector zNegAxis;
};
