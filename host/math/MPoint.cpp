#include "ProductOrder.h"

#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <cassert>
#include <cmath>
#include <ostream>

const MPoint MPoint::origin;

MPoint::MPoint(const MFloatPoint& other) : x(other.x), y(other.y), z(other.z), w(other.w) {}
MPoint::MPoint(const MVector& vector) : x(vector.x), y(vector.y), z(vector.z), w(1.0) {}
MPoint::MPoint(const MFloatVector& vector) : x(vector.x), y(vector.y), z(vector.z), w(1.0) {}

MStatus MPoint::get(double dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    dest[3] = w;
    return MStatus::kSuccess;
}

MStatus MPoint::get(float dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = static_cast<float>(x);
    dest[1] = static_cast<float>(y);
    dest[2] = static_cast<float>(z);
    dest[3] = static_cast<float>(w);
    return MStatus::kSuccess;
}

MVector MPoint::operator-(const MPoint& other) const
{
    MPoint from(other);
    MPoint to(*this);
    from.cartesianize();
    to.cartesianize();
    return MVector(to.x - from.x, to.y - from.y, to.z - from.z);
}

MPoint MPoint::operator+(const MVector& vector) const
{
    MPoint result(*this);
    result.cartesianize();
    return MPoint(result.x + vector.x, result.y + vector.y, result.z + vector.z);
}

MPoint MPoint::operator-(const MVector& vector) const
{
    return *this + (-vector);
}

MPoint& MPoint::operator+=(const MVector& vector)
{
    x += vector.x;
    y += vector.y;
    z += vector.z;
    return *this;
}

MPoint& MPoint::operator-=(const MVector& vector)
{
    x -= vector.x;
    y -= vector.y;
    z -= vector.z;
    return *this;
}

MPoint MPoint::operator*(const double scale) const
{
    return MPoint(x * scale, y * scale, z * scale, w);
}
MPoint MPoint::operator/(const double scale) const
{
    return MPoint(x / scale, y / scale, z / scale, w);
}
MPoint operator*(double scale, const MPoint& point)
{
    return point * scale;
}

MPoint MPoint::operator*(const MMatrix& matrix) const
{
    const double(&m)[4][4] = matrix.matrix;
    if (kavo::host::math::productOrder() == kavo::host::math::ProductOrder::wToX)
        return MPoint(w * m[3][0] + z * m[2][0] + y * m[1][0] + x * m[0][0],
                      w * m[3][1] + z * m[2][1] + y * m[1][1] + x * m[0][1],
                      w * m[3][2] + z * m[2][2] + y * m[1][2] + x * m[0][2],
                      w * m[3][3] + z * m[2][3] + y * m[1][3] + x * m[0][3]);
    return MPoint(
        x * m[0][0] + y * m[1][0] + z * m[2][0] + w * m[3][0], x * m[0][1] + y * m[1][1] + z * m[2][1] + w * m[3][1],
        x * m[0][2] + y * m[1][2] + z * m[2][2] + w * m[3][2], x * m[0][3] + y * m[1][3] + z * m[2][3] + w * m[3][3]);
}

MPoint& MPoint::operator*=(const MMatrix& matrix)
{
    return *this = *this * matrix;
}

MPoint operator*(const MMatrix& matrix, const MPoint& point)
{
    return point * matrix.transpose();
}

MPoint& MPoint::rationalize()
{
    if (w != 0.0) {
        x /= w;
        y /= w;
        z /= w;
    }
    return *this;
}

MPoint& MPoint::homogenize()
{
    x *= w;
    y *= w;
    z *= w;
    return *this;
}

double MPoint::distanceTo(const MPoint& other) const
{
    return (*this - other).length();
}

bool MPoint::isEquivalent(const MPoint& other, double tol) const
{
    const double dx = x - other.x;
    const double dy = y - other.y;
    const double dz = z - other.z;
    const double dw = w - other.w;
    return dx * dx + dy * dy + dz * dz + dw * dw < tol * tol;
}

std::ostream& operator<<(std::ostream& out, const MPoint& point)
{
    return out << "(" << point.x << ", " << point.y << ", " << point.z << ", " << point.w << ")";
}
