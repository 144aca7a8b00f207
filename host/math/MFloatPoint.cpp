#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <cassert>
#include <ostream>

const MFloatPoint MFloatPoint::origin;

MFloatPoint::MFloatPoint(const MPoint& other)
    : x(static_cast<float>(other.x))
    , y(static_cast<float>(other.y))
    , z(static_cast<float>(other.z))
    , w(static_cast<float>(other.w))
{
}

MFloatPoint::MFloatPoint(const MVector& vector)
    : x(static_cast<float>(vector.x))
    , y(static_cast<float>(vector.y))
    , z(static_cast<float>(vector.z))
    , w(1.0f)
{
}

MFloatPoint::MFloatPoint(const MFloatVector& vector) : x(vector.x), y(vector.y), z(vector.z), w(1.0f) {}

MFloatPoint::MFloatPoint(const double d[4])
    : x(static_cast<float>(d[0]))
    , y(static_cast<float>(d[1]))
    , z(static_cast<float>(d[2]))
    , w(static_cast<float>(d[3]))
{
}

MStatus MFloatPoint::get(float dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    dest[3] = w;
    return MStatus::kSuccess;
}

MStatus MFloatPoint::get(double dest[4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    dest[3] = w;
    return MStatus::kSuccess;
}

MFloatVector MFloatPoint::operator-(const MFloatPoint& other) const
{
    MFloatPoint from(other);
    MFloatPoint to(*this);
    from.cartesianize();
    to.cartesianize();
    return MFloatVector(to.x - from.x, to.y - from.y, to.z - from.z);
}

MFloatPoint MFloatPoint::operator+(const MFloatVector& vector) const
{
    MFloatPoint result(*this);
    result.cartesianize();
    return MFloatPoint(result.x + vector.x, result.y + vector.y, result.z + vector.z);
}

MFloatPoint MFloatPoint::operator-(const MFloatVector& vector) const
{
    return *this + (-vector);
}

MFloatPoint& MFloatPoint::operator+=(const MFloatVector& vector)
{
    x += vector.x;
    y += vector.y;
    z += vector.z;
    return *this;
}

MFloatPoint& MFloatPoint::operator-=(const MFloatVector& vector)
{
    x -= vector.x;
    y -= vector.y;
    z -= vector.z;
    return *this;
}

MFloatPoint MFloatPoint::operator*(const float scale) const
{
    return MFloatPoint(x * scale, y * scale, z * scale, w);
}

MFloatPoint MFloatPoint::operator/(const float scale) const
{
    return MFloatPoint(x / scale, y / scale, z / scale, w);
}

MFloatPoint operator*(float scale, const MFloatPoint& point)
{
    return point * scale;
}

MFloatPoint MFloatPoint::operator*(const MFloatMatrix& matrix) const
{
    const float(&m)[4][4] = matrix.matrix;
    return MFloatPoint(
        x * m[0][0] + y * m[1][0] + z * m[2][0] + w * m[3][0], x * m[0][1] + y * m[1][1] + z * m[2][1] + w * m[3][1],
        x * m[0][2] + y * m[1][2] + z * m[2][2] + w * m[3][2], x * m[0][3] + y * m[1][3] + z * m[2][3] + w * m[3][3]);
}

MFloatPoint& MFloatPoint::operator*=(const MFloatMatrix& matrix)
{
    return *this = *this * matrix;
}

MFloatPoint operator*(const MFloatMatrix& matrix, const MFloatPoint& point)
{
    return point * matrix.transpose();
}

bool MFloatPoint::operator==(const MFloatPoint& other) const
{
    return x == other.x && y == other.y && z == other.z && w == other.w;
}

bool MFloatPoint::operator!=(const MFloatPoint& other) const
{
    return !(*this == other);
}

MFloatPoint& MFloatPoint::cartesianize()
{
    if (w != 0.0f && w != 1.0f) {
        x /= w;
        y /= w;
        z /= w;
        w = 1.0f;
    }
    return *this;
}

MFloatPoint& MFloatPoint::rationalize()
{
    if (w != 0.0f) {
        x /= w;
        y /= w;
        z /= w;
    }
    return *this;
}

MFloatPoint& MFloatPoint::homogenize()
{
    x *= w;
    y *= w;
    z *= w;
    return *this;
}

float MFloatPoint::distanceTo(const MFloatPoint& other) const
{
    return (*this - other).length();
}

bool MFloatPoint::isEquivalent(const MFloatPoint& other, float tol) const
{
    const float dx = x - other.x;
    const float dy = y - other.y;
    const float dz = z - other.z;
    const float dw = w - other.w;
    return dx * dx + dy * dy + dz * dz + dw * dw < tol * tol;
}

std::ostream& operator<<(std::ostream& out, const MFloatPoint& point)
{
    return out << "(" << point.x << ", " << point.y << ", " << point.z << ", " << point.w << ")";
}
