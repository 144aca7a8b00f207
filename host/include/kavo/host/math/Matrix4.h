#pragma once

#include <kavo/host/math/SelfAccess.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

namespace kavo::host::math {

// The one body of the host's 4x4 matrices, MMatrix (Real = double) and
// MFloatMatrix (Real = float): matrix[row][column], for row vectors, so a
// point p is transformed as p * M and the translation sits in row 3. The
// default is the identity. Every member computes in Real, and the members
// that give back a matrix give back the Derived class.
//
// The members are compiled into the host's Foundation library, which
// instantiates the template for both classes; a caller only links them.
template <typename Real, typename Derived>
class DLL_PUBLIC Matrix4 : public SelfAccess<Derived>
{
public:
    Matrix4();
    Matrix4(const double m[4][4]);
    Matrix4(const float m[4][4]);

    Real operator()(unsigned int row, unsigned int col) const;
    const Real* operator[](unsigned int row) const;
    Real& operator()(unsigned int row, unsigned int col);
    Real* operator[](unsigned int row);

    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;

    Derived transpose() const;
    Derived& setToIdentity();
    Derived& setToProduct(const Derived& left, const Derived& right);

    Derived operator*(const Derived& right) const;
    Derived& operator*=(const Derived& right);
    Derived operator+(const Derived& right) const;
    Derived& operator+=(const Derived& right);
    Derived operator-(const Derived& right) const;
    Derived& operator-=(const Derived& right);
    Derived operator*(Real scale) const;
    Derived& operator*=(Real scale);

    // Exact comparison of all sixteen elements.
    bool operator==(const Derived& other) const;
    bool operator!=(const Derived& other) const;

    // The general 4x4 inverse, by Gauss-Jordan elimination with partial
    // pivoting. A matrix whose elimination meets an exactly zero pivot is
    // singular and has none (nor has one whose pivot is not a number); the
    // identity is returned for it, so callers never see the infinities of a
    // division by zero. Tiny but non-zero pivots still invert.
    Derived inverse() const;
    Real det4x4() const;
    // Determinant of the upper 3x3.
    Real det3x3() const;

    Real matrix[4][4];

private:
    using SelfAccess<Derived>::self;
};

} // namespace kavo::host::math
