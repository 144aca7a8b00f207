#include "ProductOrder.h"

#include <kavo/host/math/Point4.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace kavo::host::math {

namespace {
// The order a point times a matrix is summed in: the double point sums in
// the order the host is set to play (ProductOrder.h), the float point always
// from x to w.
ProductOrder sumOrder(double)
{
    return productOrder();
}
ProductOrder sumOrder(float)
{
    return ProductOrder::xToW;
}
} // namespace

template <typename Real, typename Derived, typename Vector, typename Matrix>
MStatus Point4<Real, Derived, Vector, Matrix>::get(double dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    dest[3] = w;
    return MStatus::kSuccess;
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
MStatus Point4<Real, Derived, Vector, Matrix>::get(float dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = static_cast<float>(x);
    dest[1] = static_cast<float>(y);
    dest[2] = static_cast<float>(z);
    dest[3] = static_cast<float>(w);
    return MStatus::kSuccess;
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Vector Point4<Real, Derived, Vector, Matrix>::operator-(const Derived& other) const
{
    Derived from(other);
    Derived to(self());
    from.cartesianize();
    to.cartesianize();
    return Vector(to.x - from.x, to.y - from.y, to.z - from.z);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived Point4<Real, Derived, Vector, Matrix>::operator+(const Vector& vector) const
{
    Derived result(self());
    result.cartesianize();
    return Derived(result.x + vector.x, result.y + vector.y, result.z + vector.z);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived Point4<Real, Derived, Vector, Matrix>::operator-(const Vector& vector) const
{
    return *this + (-vector);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::operator+=(const Vector& vector)
{
    x += vector.x;
    y += vector.y;
    z += vector.z;
    return self();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::operator-=(const Vector& vector)
{
    x -= vector.x;
    y -= vector.y;
    z -= vector.z;
    return self();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived Point4<Real, Derived, Vector, Matrix>::operator*(const Real scale) const
{
    return Derived(x * scale, y * scale, z * scale, w);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived Point4<Real, Derived, Vector, Matrix>::operator/(const Real scale) const
{
    return Derived(x / scale, y / scale, z / scale, w);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived Point4<Real, Derived, Vector, Matrix>::operator*(const Matrix& matrix) const
{
    const Real(&m)[4][4] = matrix.matrix;
    if (sumOrder(Real()) == ProductOrder::wToX)
        return Derived(w * m[3][0] + z * m[2][0] + y * m[1][0] + x * m[0][0],
                       w * m[3][1] + z * m[2][1] + y * m[1][1] + x * m[0][1],
                       w * m[3][2] + z * m[2][2] + y * m[1][2] + x * m[0][2],
                       w * m[3][3] + z * m[2][3] + y * m[1][3] + x * m[0][3]);
    return Derived(
        x * m[0][0] + y * m[1][0] + z * m[2][0] + w * m[3][0], x * m[0][1] + y * m[1][1] + z * m[2][1] + w * m[3][1],
        x * m[0][2] + y * m[1][2] + z * m[2][2] + w * m[3][2], x * m[0][3] + y * m[1][3] + z * m[2][3] + w * m[3][3]);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::operator*=(const Matrix& matrix)
{
    return self() = *this * matrix;
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
bool Point4<Real, Derived, Vector, Matrix>::operator==(const Derived& other) const
{
    return x == other.x && y == other.y && z == other.z && w == other.w;
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
bool Point4<Real, Derived, Vector, Matrix>::operator!=(const Derived& other) const
{
    return !(*this == other);
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::cartesianize()
{
    if (w != Real(0) && w != Real(1)) {
        x /= w;
        y /= w;
        z /= w;
        w = Real(1);
    }
    return self();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::rationalize()
{
    if (w != Real(0)) {
        x /= w;
        y /= w;
        z /= w;
    }
    return self();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Derived& Point4<Real, Derived, Vector, Matrix>::homogenize()
{
    x *= w;
    y *= w;
    z *= w;
    return self();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
Real Point4<Real, Derived, Vector, Matrix>::distanceTo(const Derived& other) const
{
    return (*this - other).length();
}

template <typename Real, typename Derived, typename Vector, typename Matrix>
bool Point4<Real, Derived, Vector, Matrix>::withinTolerance(const Derived& other, Real tol) const
{
    const Real dx = x - other.x;
    const Real dy = y - other.y;
    const Real dz = z - other.z;
    const Real dw = w - other.w;
    return dx * dx + dy * dy + dz * dz + dw * dw < tol * tol;
}

template class Point4<double, MPoint, MVector, MMatrix>;
template class Point4<float, MFloatPoint, MFloatVector, MFloatMatrix>;

} // namespace kavo::host::math
