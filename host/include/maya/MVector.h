#ifndef KAVO_HOST_MVECTOR_H
#define KAVO_HOST_MVECTOR_H

#include <maya/MStatus.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MTypes.h>

#include <cassert>
#include <iosfwd>

class MFloatPoint;
class MFloatVector;
class MMatrix;
class MPoint;

#define MVector_kTol 1.0e-10

// A direction or offset (x, y, z) in double precision. Vectors are row
// vectors and are not moved by a matrix's translation.
class OPENMAYA_EXPORT MVector
{
public:
    enum Axis
    {
        kXaxis = 0,
        kYaxis = 1,
        kZaxis = 2,
        kWaxis = 3
    };

    MVector() : x(0.0), y(0.0), z(0.0) {}
    MVector(const MVector& other) = default;
    MVector(const MFloatVector& other);
    // Copies x, y and z; w is ignored.
    MVector(const MPoint& point);
    MVector(const MFloatPoint& point);
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    MVector(const double d[3]) : x(d[0]), y(d[1]), z(d[2]) {}
    MVector(const float f[3]) : x(f[0]), y(f[1]), z(f[2]) {}
    ~MVector() = default;

    MVector& operator=(const MVector& other) = default;

    double operator()(unsigned int i) const
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    double operator[](unsigned int i) const { return (*this)(i); }
    double& operator()(unsigned int i)
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    double& operator[](unsigned int i) { return (*this)(i); }

    // Cross product.
    MVector operator^(const MVector& right) const;
    // Dot product.
    double operator*(const MVector& right) const;

    MVector operator*(double scale) const;
    MVector operator/(double scale) const;
    MVector& operator*=(double scale);
    MVector& operator/=(double scale);
    MVector operator+(const MVector& other) const;
    MVector& operator+=(const MVector& other);
    MVector operator-(const MVector& other) const;
    MVector& operator-=(const MVector& other);
    MVector operator-() const;

    // Row vector times the upper 3x3 of the matrix.
    MVector operator*(const MMatrix& matrix) const;
    MVector& operator*=(const MMatrix& matrix);
    // The upper 3x3 of the matrix times the column vector.
    friend OPENMAYA_EXPORT MVector operator*(const MMatrix& matrix, const MVector& vector);

    friend OPENMAYA_EXPORT MVector operator*(int scale, const MVector& vector);
    friend OPENMAYA_EXPORT MVector operator*(short scale, const MVector& vector);
    friend OPENMAYA_EXPORT MVector operator*(unsigned int scale, const MVector& vector);
    friend OPENMAYA_EXPORT MVector operator*(unsigned short scale, const MVector& vector);
    friend OPENMAYA_EXPORT MVector operator*(float scale, const MVector& vector);
    friend OPENMAYA_EXPORT MVector operator*(double scale, const MVector& vector);

    // Exact comparison.
    bool operator==(const MVector& other) const;
    bool operator!=(const MVector& other) const;

    double length() const;
    // A unit copy; a vector too short to normalise comes back unchanged.
    MVector normal() const;
    // Scales to unit length when |v|^2 > 1e-20, otherwise leaves the vector as
    // it is. Always succeeds.
    MStatus normalize();
    // The angle between the two vectors in radians, 0 if either is zero.
    double angle(const MVector& other) const;
    // True when the squared distance is below tol^2.
    bool isEquivalent(const MVector& other, double tol = MVector_kTol) const;
    MStatus get(double dest[3]) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MVector& vector);

    static const MVector zero;
    static const MVector one;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;
    static const MVector xNegAxis;
    static const MVector yNegAxis;
    static const MVector zNegAxis;

    double x;
    double y;
    double z;
};

#endif
