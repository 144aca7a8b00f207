#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <ostream>

namespace {
// Below this squared length a vector has no usable direction.
const double kMinNormalizableLengthSquared = 1e-20;
} // namespace

const MVector MVector::zero;
const MVector MVector::one(1.0, 1.0, 1.0);
const MVector MVector::xAxis(1.0, 0.0, 0.0);
const MVector MVector::yAxis(0.0, 1.0, 0.0);
const MVector MVector::zAxis(0.0, 0.0, 1.0);
const MVector MVector::xNegAxis(-1.0, 0.0, 0.0);
const MVector MVector::yNegAxis(0.0, -1.0, 0.0);
const MVector MVector::zNegAxis(0.0, 0.0, -1.0);

MVector::MVector(const MFloatVector& other) : x(other.x), y(other.y), z(other.z) {}
MVector::MVector(const MPoint& point) : x(point.x), y(point.y), z(point.z) {}
MVector::MVector(const MFloatPoint& point) : x(point.x), y(point.y), z(point.z) {}

MVector MVector::operator^(const MVector& right) const
{
    return MVector(y * right.z - z * right.y, z * right.x - x * right.z, x * right.y - y * right.x);
}

double MVector::operator*(const MVector& right) const
{
    return x * right.x + y * right.y + z * right.z;
}

MVector MVector::operator*(double scale) const
{
    return MVector(x * scale, y * scale, z * scale);
}
MVector MVector::operator/(double scale) const
{
    return MVector(x / scale, y / scale, z / scale);
}
MVector& MVector::operator*=(double scale)
{
    return *this = *this * scale;
}
MVector& MVector::operator/=(double scale)
{
    return *this = *this / scale;
}
MVector MVector::operator+(const MVector& other) const
{
    return MVector(x + other.x, y + other.y, z + other.z);
}
MVector& MVector::operator+=(const MVector& other)
{
    return *this = *this + other;
}
MVector MVector::operator-(const MVector& other) const
{
    return MVector(x - other.x, y - other.y, z - other.z);
}
MVector& MVector::operator-=(const MVector& other)
{
    return *this = *this - other;
}
MVector MVector::operator-() const
{
    return MVector(-x, -y, -z);
}

MVector MVector::operator*(const MMatrix& matrix) const
{
    const double(&m)[4][4] = matrix.matrix;
    return MVector(x * m[0][0] + y * m[1][0] + z * m[2][0], x * m[0][1] + y * m[1][1] + z * m[2][1],
                   x * m[0][2] + y * m[1][2] + z * m[2][2]);
}

MVector& MVector::operator*=(const MMatrix& matrix)
{
    return *this = *this * matrix;
}
MVector operator*(const MMatrix& matrix, const MVector& vector)
{
    return vector * matrix.transpose();
}

MVector operator*(int scale, const MVector& vector)
{
    return vector * static_cast<double>(scale);
}
MVector operator*(short scale, const MVector& vector)
{
    return vector * static_cast<double>(scale);
}
MVector operator*(unsigned int scale, const MVector& vector)
{
    return vector * static_cast<double>(scale);
}
MVector operator*(unsigned short scale, const MVector& vector)
{
    return vector * static_cast<double>(scale);
}
MVector operator*(float scale, const MVector& vector)
{
    return vector * static_cast<double>(scale);
}
MVector operator*(double scale, const MVector& vector)
{
    return vector * scale;
}

bool MVector::operator==(const MVector& other) const
{
    return x == other.x && y == other.y && z == other.z;
}
bool MVector::operator!=(const MVector& other) const
{
    return !(*this == other);
}

double MVector::length() const
{
    return std::sqrt(*this * *this);
}

MVector MVector::normal() const
{
    MVector unit(*this);
    unit.normalize();
    return unit;
}

MStatus MVector::normalize()
{
    const double lengthSquared = *this * *this;
    if (lengthSquared > kMinNormalizableLengthSquared)
        *this /= std::sqrt(lengthSquared);
    return MStatus::kSuccess;
}

double MVector::angle(const MVector& other) const
{
    const double lengths = length() * other.length();
    if (lengths == 0.0)
        return 0.0;
    return std::acos(std::clamp((*this * other) / lengths, -1.0, 1.0));
}

bool MVector::isEquivalent(const MVector& other, double tol) const
{
    const MVector difference = *this - other;
    return difference * difference < tol * tol;
}

MStatus MVector::get(double dest[3]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    dest[0] = x;
    dest[1] = y;
    dest[2] = z;
    return MStatus::kSuccess;
}

std::ostream& operator<<(std::ostream& out, const MVector& vector)
{
    return out << "(" << vector.x << ", " << vector.y << ", " << vector.z << ")";
}
