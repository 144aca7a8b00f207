#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <ostream>

namespace {
// Below this squared length a vector has no usable direction.
const float kMinNormalizableLengthSquared = 1e-20f;
} // namespace

const MFloatVector MFloatVector::zero;
const MFloatVector MFloatVector::one(1.0f, 1.0f, 1.0f);
const MFloatVector MFloatVector::xAxis(1.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::yAxis(0.0f, 1.0f, 0.0f);
const MFloatVector MFloatVector::zAxis(0.0f, 0.0f, 1.0f);
const MFloatVector MFloatVector::xNegAxis(-1.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::yNegAxis(0.0f, -1.0f, 0.0f);
const MFloatVector MFloatVector::zNegAxis(0.0f, 0.0f, -1.0f);

MFloatVector::MFloatVector(const MVector& other)
    : x(static_cast<float>(other.x))
    , y(static_cast<float>(other.y))
    , z(static_cast<float>(other.z))
{
}

MFloatVector::MFloatVector(const MPoint& point)
    : x(static_cast<float>(point.x))
    , y(static_cast<float>(point.y))
    , z(static_cast<float>(point.z))
{
}

MFloatVector::MFloatVector(const MFloatPoint& point) : x(point.x), y(point.y), z(point.z) {}

MFloatVector::MFloatVector(const double d[3])
    : x(static_cast<float>(d[0]))
    , y(static_cast<float>(d[1]))
    , z(static_cast<float>(d[2]))
{
}

MFloatVector MFloatVector::operator^(const MFloatVector& right) const
{
    return MFloatVector(y * right.z - z * right.y, z * right.x - x * right.z, x * right.y - y * right.x);
}

float MFloatVector::operator*(const MFloatVector& right) const
{
    return x * right.x + y * right.y + z * right.z;
}

MFloatVector MFloatVector::operator*(float scale) const
{
    return MFloatVector(x * scale, y * scale, z * scale);
}
MFloatVector MFloatVector::operator/(float scale) const
{
    return MFloatVector(x / scale, y / scale, z / scale);
}
MFloatVector& MFloatVector::operator*=(float scale)
{
    return *this = *this * scale;
}
MFloatVector& MFloatVector::operator/=(float scale)
{
    return *this = *this / scale;
}

MFloatVector MFloatVector::operator+(const MFloatVector& other) const
{
    return MFloatVector(x + other.x, y + other.y, z + other.z);
}

MFloatVector& MFloatVector::operator+=(const MFloatVector& other)
{
    return *this = *this + other;
}

MFloatVector MFloatVector::operator-(const MFloatVector& other) const
{
    return MFloatVector(x - other.x, y - other.y, z - other.z);
}

MFloatVector& MFloatVector::operator-=(const MFloatVector& other)
{
    return *this = *this - other;
}
MFloatVector MFloatVector::operator-() const
{
    return MFloatVector(-x, -y, -z);
}

MFloatVector MFloatVector::operator*(const MFloatMatrix& matrix) const
{
    const float(&m)[4][4] = matrix.matrix;
    return MFloatVector(x * m[0][0] + y * m[1][0] + z * m[2][0], x * m[0][1] + y * m[1][1] + z * m[2][1],
                        x * m[0][2] + y * m[1][2] + z * m[2][2]);
}

MFloatVector& MFloatVector::operator*=(const MFloatMatrix& matrix)
{
    return *this = *this * matrix;
}

MFloatVector operator*(const MFloatMatrix& matrix, const MFloatVector& vector)
{
    return vector * matrix.transpose();
}

MFloatVector operator*(int scale, const MFloatVector& vector)
{
    return vector * static_cast<float>(scale);
}
MFloatVector operator*(short scale, const MFloatVector& vector)
{
    return vector * static_cast<float>(scale);
}
MFloatVector operator*(unsigned int scale, const MFloatVector& vector)
{
    return vector * static_cast<float>(scale);
}
MFloatVector operator*(unsigned short scale, const MFloatVector& vector)
{
    return vector * static_cast<float>(scale);
}
MFloatVector operator*(float scale, const MFloatVector& vector)
{
    return vector * scale;
}
MFloatVector operator*(double scale, const MFloatVector& vector)
{
    return vector * static_cast<float>(scale);
}

bool MFloatVector::operator==(const MFloatVector& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

bool MFloatVector::operator!=(const MFloatVector& other) const
{
    return !(*this == other);
}

float MFloatVector::length() const
{
    return std::sqrt(*this * *this);
}

MFloatVector MFloatVector::normal() const
{
    MFloatVector unit(*this);
    unit.normalize();
    return unit;
}

MStatus MFloatVector::normalize()
{
    const float lengthSquared = *this * *this;
    if (lengthSquared > kMinNormalizableLengthSquared)
        *this /= std::sqrt(lengthSquared);
    return MStatus::kSuccess;
}

float MFloatVector::angle(const MFloatVector& other) const
{
    const float lengths = length() * other.length();
    if (lengths == 0.0f)
        return 0.0f;
    return std::acos(std::clamp((*this * other) / lengths, -1.0f, 1.0f));
}

bool MFloatVector::isEquivalent(const MFloatVector& other, float tol) const
{
    const MFloatVector difference = *this - other;
    return difference * difference < tol * tol;
}

MStatus MFloatVector::get(float dest[3]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    return MStatus::kSuccess;
}

std::ostream& operator<<(std::ostream& out, const MFloatVector& vector)
{
    return out << "(" << vector.x << ", " << vector.y << ", " << vector.z << ")";
}
