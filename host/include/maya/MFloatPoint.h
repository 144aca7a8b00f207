#ifndef KAVO_HOST_MFLOATPOINT_H
#define KAVO_HOST_MFLOATPOINT_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <iosfwd>

class MFloatMatrix;
class MFloatVector;
class MPoint;
class MVector;

#define MFloatPoint_kTol 1.0e-10

// A homogeneous point (x, y, z, w) in single precision; the float twin of
// MPoint, transformed as a row vector by MFloatMatrix.
class OPENMAYA_EXPORT MFloatPoint
{
public:
    MFloatPoint() : x(0.0f), y(0.0f), z(0.0f), w(1.0f) {}
    MFloatPoint(const MFloatPoint& other) = default;
    MFloatPoint(const MPoint& other);
    MFloatPoint(const MVector& vector);
    MFloatPoint(const MFloatVector& vector);
    MFloatPoint(float xx, float yy, float zz = 0.0, float ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    MFloatPoint(const float d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}
    MFloatPoint(const double d[4]);
    ~MFloatPoint() = default;

    MFloatPoint& operator=(const MFloatPoint& other) = default;

    // kFailure for a null destination.
    MStatus get(float dest[4]) const;
    MStatus get(double dest[4]) const;

    float operator[](unsigned int i) const { return (*this)(i); }
    float operator()(unsigned int i) const
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }
    float& operator[](unsigned int i) { return (*this)(i); }
    float& operator()(unsigned int i)
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }

    // The difference of the two points, both made cartesian first.
    MFloatVector operator-(const MFloatPoint& other) const;
    // The cartesian point moved by the vector; the result has w = 1.
    MFloatPoint operator+(const MFloatVector& vector) const;
    MFloatPoint operator-(const MFloatVector& vector) const;
    // Move x, y and z; w stays as it is.
    MFloatPoint& operator+=(const MFloatVector& vector);
    MFloatPoint& operator-=(const MFloatVector& vector);

    // Scale x, y and z; w stays as it is.
    MFloatPoint operator*(const float scale) const;
    MFloatPoint operator/(const float scale) const;
    friend OPENMAYA_EXPORT MFloatPoint operator*(float scale, const MFloatPoint& point);

    // Row vector times matrix, all four components: [x y z w] * M.
    MFloatPoint operator*(const MFloatMatrix& matrix) const;
    MFloatPoint& operator*=(const MFloatMatrix& matrix);
    // Matrix times column vector: M * [x y z w]^T.
    friend OPENMAYA_EXPORT MFloatPoint operator*(const MFloatMatrix& matrix, const MFloatPoint& point);

    // Exact comparison of all four components.
    bool operator==(const MFloatPoint& other) const;
    bool operator!=(const MFloatPoint& other) const;

    // Divide x, y and z by w and set w to 1 (a point with w = 0 stays as it is).
    MFloatPoint& cartesianize();
    // Divide x, y and z by w and keep w (a point with w = 0 stays as it is).
    MFloatPoint& rationalize();
    // Multiply x, y and z by w.
    MFloatPoint& homogenize();

    // Distance between the two points, each made cartesian first.
    float distanceTo(const MFloatPoint& other) const;
    // True when the squared distance of the four components is below tol^2.
    bool isEquivalent(const MFloatPoint& other, float tol = MFloatPoint_kTol) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatPoint& point);

    static const MFloatPoint origin;

    float x;
    float y;
    float z;
    float w;
};

#endif
