#pragma once

#include <kavo/host/math/SelfAccess.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>

namespace kavo::host::math {

// The one body of the host's direction vectors, MVector (Real = double,
// transformed by MMatrix) and MFloatVector (Real = float, by MFloatMatrix):
// row vectors (x, y, z), not moved by a matrix's translation. Every member
// computes in Real, and the members that give back a vector give back the
// Derived class. The Derived classes keep their constructors, constants and
// tolerances.
//
// The members defined out of line are compiled into the host's Foundation
// library, which instantiates the template for both classes.
template <typename Real, typename Derived, typename Matrix>
class DLL_PUBLIC Vector3 : public SelfAccess<Derived>
{
public:
    Real operator()(unsigned int i) const
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    Real operator[](unsigned int i) const { return (*this)(i); }
    Real& operator()(unsigned int i)
    {
        assert(i < 3);
        return i == 0 ? x : i == 1 ? y : z;
    }
    Real& operator[](unsigned int i) { return (*this)(i); }

    // Cross product.
    Derived operator^(const Derived& right) const;
    // Dot product.
    Real operator*(const Derived& right) const;

    Derived operator*(Real scale) const;
    Derived operator/(Real scale) const;
    Derived& operator*=(Real scale);
    Derived& operator/=(Real scale);
    Derived operator+(const Derived& other) const;
    Derived& operator+=(const Derived& other);
    Derived operator-(const Derived& other) const;
    Derived& operator-=(const Derived& other);
    Derived operator-() const;

    // Row vector times the upper 3x3 of the matrix.
    Derived operator*(const Matrix& matrix) const;
    Derived& operator*=(const Matrix& matrix);
    // The upper 3x3 of the matrix times the column vector.
    friend Derived operator*(const Matrix& matrix, const Derived& vector) { return vector * matrix.transpose(); }

    // A scale of any arithmetic type is converted to Real first.
    friend Derived operator*(int scale, const Derived& vector) { return vector * static_cast<Real>(scale); }
    friend Derived operator*(short scale, const Derived& vector) { return vector * static_cast<Real>(scale); }
    friend Derived operator*(unsigned int scale, const Derived& vector) { return vector * static_cast<Real>(scale); }
    friend Derived operator*(unsigned short scale, const Derived& vector) { return vector * static_cast<Real>(scale); }
    friend Derived operator*(float scale, const Derived& vector) { return vector * static_cast<Real>(scale); }
    friend Derived operator*(double scale, const Derived& vector) { return vector * static_cast<Real>(scale); }

    // Exact comparison.
    bool operator==(const Derived& other) const;
    bool operator!=(const Derived& other) const;

    Real length() const;
    // A unit copy; a vector too short to normalise comes back unchanged.
    Derived normal() const;
    // Scales to unit length when |v|^2 > 1e-20, otherwise leaves the vector as
    // it is. Always succeeds.
    MStatus normalize();
    // The angle between the two vectors in radians, 0 if either is zero.
    Real angle(const Derived& other) const;
    MStatus get(Real dest[3]) const;

    Real x;
    Real y;
    Real z;

protected:
    Vector3(Real xx, Real yy, Real zz) : x(xx), y(yy), z(zz) {}
    // True when the squared distance is below tol^2.
    bool withinTolerance(const Derived& other, Real tol) const;

private:
    using SelfAccess<Derived>::self;
};

} // namespace kavo::host::math
