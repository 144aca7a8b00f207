#ifndef KAVO_HOST_MPOINT_H
#define KAVO_HOST_MPOINT_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <iosfwd>

class MFloatPoint;
class MFloatVector;
class MMatrix;
class MVector;

#define MPoint_kTol 1.0e-10

// A homogeneous point (x, y, z, w) in double precision; w is 1 for an
// ordinary point. Points are row vectors: p * M transforms p by M.
class OPENMAYA_EXPORT MPoint
{
public:
    MPoint() : x(0.0), y(0.0), z(0.0), w(1.0) {}
    MPoint(const MPoint& other) = default;
    MPoint(const MFloatPoint& other);
    MPoint(const MVector& vector);
    MPoint(const MFloatVector& vector);
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    MPoint(const double d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}
    MPoint(const float d[4]) : x(d[0]), y(d[1]), z(d[2]), w(d[3]) {}
    ~MPoint() = default;

    MPoint& operator=(const MPoint& other) = default;

    // kFailure for a null destination.
    MStatus get(double dest[4]) const;
    MStatus get(float dest[4]) const;

    double operator[](unsigned int i) const { return (*this)(i); }
    double operator()(unsigned int i) const
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }
    double& operator[](unsigned int i) { return (*this)(i); }
    double& operator()(unsigned int i)
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }

    // The difference of the two points, both made cartesian first.
    MVector operator-(const MPoint& other) const;
    // The cartesian point moved by the vector; the result has w = 1.
    MPoint operator+(const MVector& vector) const;
    MPoint operator-(const MVector& vector) const;
    // Move x, y and z; w stays as it is.
    MPoint& operator+=(const MVector& vector);
    MPoint& operator-=(const MVector& vector);

    // Scale x, y and z; w stays as it is.
    MPoint operator*(const double scale) const;
    MPoint operator/(const double scale) const;
    friend OPENMAYA_EXPORT MPoint operator*(double scale, const MPoint& point);

    // Row vector times matrix, all four components: [x y z w] * M.
    MPoint operator*(const MMatrix& matrix) const;
    MPoint& operator*=(const MMatrix& matrix);
    // Matrix times column vector: M * [x y z w]^T.
    friend OPENMAYA_EXPORT MPoint operator*(const MMatrix& matrix, const MPoint& point);

    // Exact comparison of all four components.
    bool operator==(const MPoint& other) const { return x == other.x && y == other.y && z == other.z && w == other.w; }
    bool operator!=(const MPoint& other) const { return !(*this == other); }

    // Divide x, y and z by w and set w to 1 (a point with w = 0 stays as it is).
    MPoint& cartesianize()
    {
        if (w != 0.0 && w != 1.0) {
            x /= w;
            y /= w;
            z /= w;
            w = 1.0;
        }
        return *this;
    }
    // Divide x, y and z by w and keep w (a point with w = 0 stays as it is).
    MPoint& rationalize();
    // Multiply x, y and z by w.
    MPoint& homogenize();

    // Distance between the two points, each made cartesian first.
    double distanceTo(const MPoint& other) const;
    // True when the squared distance of the four components is below tol^2.
    bool isEquivalent(const MPoint& other, double tol = MPoint_kTol) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MPoint& point);

    static const MPoint origin;

    double x;
    double y;
    double z;
    double w;
};

#endif
