#include <kavo/host/math/Vector3.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>

namespace kavo::host::math {

namespace {
// Below this squared length a vector has no usable direction: the same
// decimal bound in each precision.
template <typename Real>
struct NormalizableLength;
template <>
struct NormalizableLength<double>
{
    static constexpr double minSquared = 1e-20;
};
template <>
struct NormalizableLength<float>
{
    static constexpr float minSquared = 1e-20f;
};
} // namespace

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator^(const Derived& right) const
{
    return Derived(y * right.z - z * right.y, z * right.x - x * right.z, x * right.y - y * right.x);
}

template <typename Real, typename Derived, typename Matrix>
Real Vector3<Real, Derived, Matrix>::operator*(const Derived& right) const
{
    return x * right.x + y * right.y + z * right.z;
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator*(Real scale) const
{
    return Derived(x * scale, y * scale, z * scale);
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator/(Real scale) const
{
    return Derived(x / scale, y / scale, z / scale);
}

template <typename Real, typename Derived, typename Matrix>
Derived& Vector3<Real, Derived, Matrix>::operator*=(Real scale)
{
    return self() = *this * scale;
}

template <typename Real, typename Derived, typename Matrix>
Derived& Vector3<Real, Derived, Matrix>::operator/=(Real scale)
{
    return self() = *this / scale;
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator+(const Derived& other) const
{
    return Derived(x + other.x, y + other.y, z + other.z);
}

template <typename Real, typename Derived, typename Matrix>
Derived& Vector3<Real, Derived, Matrix>::operator+=(const Derived& other)
{
    return self() = *this + other;
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator-(const Derived& other) const
{
    return Derived(x - other.x, y - other.y, z - other.z);
}

template <typename Real, typename Derived, typename Matrix>
Derived& Vector3<Real, Derived, Matrix>::operator-=(const Derived& other)
{
    return self() = *this - other;
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator-() const
{
    return Derived(-x, -y, -z);
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::operator*(const Matrix& matrix) const
{
    const Real(&m)[4][4] = matrix.matrix;
    return Derived(x * m[0][0] + y * m[1][0] + z * m[2][0], x * m[0][1] + y * m[1][1] + z * m[2][1],
                   x * m[0][2] + y * m[1][2] + z * m[2][2]);
}

template <typename Real, typename Derived, typename Matrix>
Derived& Vector3<Real, Derived, Matrix>::operator*=(const Matrix& matrix)
{
    return self() = *this * matrix;
}

template <typename Real, typename Derived, typename Matrix>
bool Vector3<Real, Derived, Matrix>::operator==(const Derived& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

template <typename Real, typename Derived, typename Matrix>
bool Vector3<Real, Derived, Matrix>::operator!=(const Derived& other) const
{
    return !(*this == other);
}

template <typename Real, typename Derived, typename Matrix>
Real Vector3<Real, Derived, Matrix>::length() const
{
    return std::sqrt(*this * self());
}

template <typename Real, typename Derived, typename Matrix>
Derived Vector3<Real, Derived, Matrix>::normal() const
{
    Derived unit(self());
    unit.normalize();
    return unit;
}

template <typename Real, typename Derived, typename Matrix>
MStatus Vector3<Real, Derived, Matrix>::normalize()
{
    const Real lengthSquared = *this * self();
    if (lengthSquared > NormalizableLength<Real>::minSquared)
        *this /= std::sqrt(lengthSquared);
    return MStatus::kSuccess;
}

template <typename Real, typename Derived, typename Matrix>
Real Vector3<Real, Derived, Matrix>::angle(const Derived& other) const
{
    const Real lengths = length() * other.length();
    if (lengths == Real(0))
        return Real(0);
    return std::acos(std::clamp((*this * other) / lengths, Real(-1), Real(1)));
}

template <typename Real, typename Derived, typename Matrix>
MStatus Vector3<Real, Derived, Matrix>::get(Real dest[3]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    return MStatus::kSuccess;
}

template <typename Real, typename Derived, typename Matrix>
bool Vector3<Real, Derived, Matrix>::withinTolerance(const Derived& other, Real tol) const
{
    const Derived difference = *this - other;
    return difference * difference < tol * tol;
}

template class Vector3<double, MVector, MMatrix>;
template class Vector3<float, MFloatVector, MFloatMatrix>;

} // namespace kavo::host::math
