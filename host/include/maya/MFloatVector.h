#ifndef KAVO_HOST_MFLOATVECTOR_H
#define KAVO_HOST_MFLOATVECTOR_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <iosfwd>

class MFloatMatrix;
class MFloatPoint;
class MPoint;
class MVector;

#define MFloatVector_kTol 1.0e-5F

// A direction or offset (x, y, z) in single precision; the float twin of
// MVector, transformed by the upper 3x3 of an MFloatMatrix.
class OPENMAYA_EXPORT MFloatVector
{
public:
    MFloatVector() : x(0.0f), y(0.0f), z(0.0f) {}
    MFloatVector(const MFloatVector& other) = default;
    MFloatVector(const MVector& other);
    // Copies x, y and z; w is ignored.
    MFloatVector(const MPoint& point);
    MFloatVector(const MFloatPoint& point);
    MFloatVector(float xx, float yy, float zz = 0.0) : x(xx), y(yy), z(zz) {}
    MFloatVector(const float f[3]) : x(f[0]), y(f[1]), z(f[2]) {}
    MFloatVector(const double d[3]);
    ~MFloatVector() = default;

    MFloatVector& operator=(const MFloatVector& other) = default;

    float operator()(unsigned int i) const
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    float operator[](unsigned int i) const { return (*this)(i); }
    float& operator()(unsigned int i)
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    float& operator[](unsigned int i) { return (*this)(i); }

    // Cross product.
    MFloatVector operator^(const MFloatVector& right) const;
    // Dot product.
    float operator*(const MFloatVector& right) const;

    MFloatVector operator*(float scale) const;
    MFloatVector operator/(float scale) const;
    MFloatVector& operator*=(float scale);
    MFloatVector& operator/=(float scale);
    MFloatVector operator+(const MFloatVector& other) const;
    MFloatVector& operator+=(const MFloatVector& other);
    MFloatVector operator-(const MFloatVector& other) const;
    MFloatVector& operator-=(const MFloatVector& other);
    MFloatVector operator-() const;

    // Row vector times the upper 3x3 of the matrix.
    MFloatVector operator*(const MFloatMatrix& matrix) const;
    MFloatVector& operator*=(const MFloatMatrix& matrix);
    // The upper 3x3 of the matrix times the column vector.
    friend OPENMAYA_EXPORT MFloatVector operator*(const MFloatMatrix& matrix, const MFloatVector& vector);

    friend OPENMAYA_EXPORT MFloatVector operator*(int scale, const MFloatVector& vector);
    friend OPENMAYA_EXPORT MFloatVector operator*(short scale, const MFloatVector& vector);
    friend OPENMAYA_EXPORT MFloatVector operator*(unsigned int scale, const MFloatVector& vector);
    friend OPENMAYA_EXPORT MFloatVector operator*(unsigned short scale, const MFloatVector& vector);
    friend OPENMAYA_EXPORT MFloatVector operator*(float scale, const MFloatVector& vector);
    friend OPENMAYA_EXPORT MFloatVector operator*(double scale, const MFloatVector& vector);

    // Exact comparison.
    bool operator==(const MFloatVector& other) const;
    bool operator!=(const MFloatVector& other) const;

    float length() const;
    // A unit copy; a vector too short to normalise comes back unchanged.
    MFloatVector normal() const;
    // Scales to unit length when |v|^2 > 1e-20, otherwise leaves the vector as
    // it is. Always succeeds.
    MStatus normalize();
    // The angle between the two vectors in radians, 0 if either is zero.
    float angle(const MFloatVector& other) const;
    // True when the squared distance is below tol^2.
    bool isEquivalent(const MFloatVector& other, float tol = MFloatVector_kTol) const;
    MStatus get(float dest[3]) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatVector& vector);

    static const MFloatVector zero;
    static const MFloatVector one;
    static const MFloatVector xAxis;
    static const MFloatVector yAxis;
    static const MFloatVector zAxis;
    static const MFloatVector xNegAxis;
    static const MFloatVector yNegAxis;
    static const MFloatVector zNegAxis;

    float x;
    float y;
    float z;
};

#endif
