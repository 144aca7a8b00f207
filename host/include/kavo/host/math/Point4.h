#pragma once

#include <kavo/host/math/SelfAccess.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>

namespace kavo::host::math {

// The one body of the host's homogeneous points, MPoint (Real = double, with
// MVector and MMatrix) and MFloatPoint (Real = float, with MFloatVector and
// MFloatMatrix): (x, y, z, w), w being 1 for an ordinary point, transformed
// as row vectors, p * M. Every member computes in Real, and the members that
// give back a point give back the Derived class. The Derived classes keep
// their constructors, constants and tolerances.
//
// The members defined out of line are compiled into the host's Foundation
// library, which instantiates the template for both classes.
template <typename Real, typename Derived, typename Vector, typename Matrix>
class DLL_PUBLIC Point4 : public SelfAccess<Derived>
{
public:
    // kFailure for a null destination.
    MStatus get(double dest[4]) const;
    MStatus get(float dest[4]) const;

    Real operator[](unsigned int i) const { return (*this)(i); }
    Real operator()(unsigned int i) const
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }
    Real& operator[](unsigned int i) { return (*this)(i); }
    Real& operator()(unsigned int i)
    {
        assert(i < 4);
        return i == 0 ? x : i == 1 ? y : i == 2 ? z : w;
    }

    // The difference of the two points, both made cartesian first.
    Vector operator-(const Derived& other) const;
    // The cartesian point moved by the vector; the result has w = 1.
    Derived operator+(const Vector& vector) const;
    Derived operator-(const Vector& vector) const;
    // Move x, y and z; w stays as it is.
    Derived& operator+=(const Vector& vector);
    Derived& operator-=(const Vector& vector);

    // Scale x, y and z; w stays as it is.
    Derived operator*(const Real scale) const;
    Derived operator/(const Real scale) const;
    friend Derived operator*(Real scale, const Derived& point) { return point * scale; }

    // Row vector times matrix, all four components: [x y z w] * M.
    Derived operator*(const Matrix& matrix) const;
    Derived& operator*=(const Matrix& matrix);
    // Matrix times column vector: M * [x y z w]^T.
    friend Derived operator*(const Matrix& matrix, const Derived& point) { return point * matrix.transpose(); }

    // Exact comparison of all four components.
    bool operator==(const Derived& other) const;
    bool operator!=(const Derived& other) const;

    // Divide x, y and z by w and set w to 1 (a point with w = 0 stays as it is).
    Derived& cartesianize();
    // Divide x, y and z by w and keep w (a point with w = 0 stays as it is).
    Derived& rationalize();
    // Multiply x, y and z by w.
    Derived& homogenize();

    // Distance between the two points, each made cartesian first.
    Real distanceTo(const Derived& other) const;

    Real x;
    Real y;
    Real z;
    Real w;

protected:
    Point4(Real xx, Real yy, Real zz, Real ww) : x(xx), y(yy), z(zz), w(ww) {}
    // True when the squared distance of the four components is below tol^2.
    bool withinTolerance(const Derived& other, Real tol) const;

private:
    using SelfAccess<Derived>::self;
};

} // namespace kavo::host::math
