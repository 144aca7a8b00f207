#include <kavo/host/math/Matrix4.h>
#include <maya/MFloatMatrix.h>
#include <maya/MMatrix.h>

#include "MatrixAlgebra.h"

#include <cassert>

namespace kavo::host::math {

template <typename Real, typename Derived>
Matrix4<Real, Derived>::Matrix4()
{
    setIdentity(matrix);
}

template <typename Real, typename Derived>
Matrix4<Real, Derived>::Matrix4(const double m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = static_cast<Real>(m[r][c]);
}

template <typename Real, typename Derived>
Matrix4<Real, Derived>::Matrix4(const float m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = m[r][c];
}

template <typename Real, typename Derived>
Real Matrix4<Real, Derived>::operator()(unsigned int row, unsigned int col) const
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

template <typename Real, typename Derived>
Real& Matrix4<Real, Derived>::operator()(unsigned int row, unsigned int col)
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

template <typename Real, typename Derived>
const Real* Matrix4<Real, Derived>::operator[](unsigned int row) const
{
    assert(row < 4);
    return matrix[row];
}

template <typename Real, typename Derived>
Real* Matrix4<Real, Derived>::operator[](unsigned int row)
{
    assert(row < 4);
    return matrix[row];
}

template <typename Real, typename Derived>
MStatus Matrix4<Real, Derived>::get(double dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = matrix[r][c];
    return MStatus::kSuccess;
}

template <typename Real, typename Derived>
MStatus Matrix4<Real, Derived>::get(float dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = static_cast<float>(matrix[r][c]);
    return MStatus::kSuccess;
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::transpose() const
{
    Derived result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[c][r];
    return result;
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::setToIdentity()
{
    setIdentity(matrix);
    return self();
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::setToProduct(const Derived& left, const Derived& right)
{
    multiply(left.matrix, right.matrix, matrix);
    return self();
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::operator*(const Derived& right) const
{
    return Derived().setToProduct(static_cast<const Derived&>(*this), right);
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::operator*=(const Derived& right)
{
    return setToProduct(self(), right);
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::operator+(const Derived& right) const
{
    return Derived(static_cast<const Derived&>(*this)) += right;
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::operator+=(const Derived& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] += right.matrix[r][c];
    return self();
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::operator-(const Derived& right) const
{
    return Derived(static_cast<const Derived&>(*this)) -= right;
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::operator-=(const Derived& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] -= right.matrix[r][c];
    return self();
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::operator*(Real scale) const
{
    return Derived(static_cast<const Derived&>(*this)) *= scale;
}

template <typename Real, typename Derived>
Derived& Matrix4<Real, Derived>::operator*=(Real scale)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] *= scale;
    return self();
}

template <typename Real, typename Derived>
bool Matrix4<Real, Derived>::operator==(const Derived& other) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (matrix[r][c] != other.matrix[r][c])
                return false;
    return true;
}

template <typename Real, typename Derived>
bool Matrix4<Real, Derived>::operator!=(const Derived& other) const
{
    return !(*this == other);
}

template <typename Real, typename Derived>
Derived Matrix4<Real, Derived>::inverse() const
{
    Derived result;
    invert(matrix, result.matrix);
    return result;
}

template <typename Real, typename Derived>
Real Matrix4<Real, Derived>::det4x4() const
{
    return determinant4(matrix);
}

template <typename Real, typename Derived>
Real Matrix4<Real, Derived>::det3x3() const
{
    return determinant3(matrix);
}

template class Matrix4<double, MMatrix>;
template class Matrix4<float, MFloatMatrix>;

} // namespace kavo::host::math
