#pragma once

#include <kavo/host/math/Vector3.h>
#include <maya/MStatus.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MTypes.h>

#include <iosfwd>

class MFloatPoint;
class MFloatVector;
class MMatrix;
class MPoint;

#define MVector_kTol 1.0e-10

// A direction or offset (x, y, z) in double precision. Vectors are row
// vectors and are not moved by a matrix's translation. The arithmetic,
// shared with MFloatVector, is Vector3's.
class OPENMAYA_EXPORT MVector : public kavo::host::math::Vector3<double, MVector, MMatrix>
{
public:
    enum Axis
    {
        kXaxis = 0,
        kYaxis = 1,
        kZaxis = 2,
        kWaxis = 3
    };

    MVector() : Vector3(0.0, 0.0, 0.0) {}
    MVector(const MVector& other) = default;
    MVector(const MFloatVector& other);
    // Copies x, y and z; w is ignored.
    MVector(const MPoint& point);
    MVector(const MFloatPoint& point);
    MVector(double xx, double yy, double zz = 0.0) : Vector3(xx, yy, zz) {}
    MVector(const double d[3]) : Vector3(d[0], d[1], d[2]) {}
    MVector(const float f[3]) : Vector3(f[0], f[1], f[2]) {}
    ~MVector() = default;

    MVector& operator=(const MVector& other) = default;

    // True when the squared distance is below tol^2.
    bool isEquivalent(const MVector& other, double tol = MVector_kTol) const { return withinTolerance(other, tol); }

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MVector& vector);

    static const MVector zero;
    static const MVector one;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;
    static const MVector xNegAxis;
    static const MVector yNegAxis;
    static const MVector zNegAxis;
};
