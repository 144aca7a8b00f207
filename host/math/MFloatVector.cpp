#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <ostream>

const MFloatVector MFloatVector::zero;
const MFloatVector MFloatVector::one(1.0f, 1.0f, 1.0f);
const MFloatVector MFloatVector::xAxis(1.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::yAxis(0.0f, 1.0f, 0.0f);
const MFloatVector MFloatVector::zAxis(0.0f, 0.0f, 1.0f);
const MFloatVector MFloatVector::xNegAxis(-1.0f, 0.0f, 0.0f);
const MFloatVector MFloatVector::yNegAxis(0.0f, -1.0f, 0.0f);
const MFloatVector MFloatVector::zNegAxis(0.0f, 0.0f, -1.0f);

MFloatVector::MFloatVector(const MVector& other)
    : Vector3(static_cast<float>(other.x), static_cast<float>(other.y), static_cast<float>(other.z))
{
}

MFloatVector::MFloatVector(const MPoint& point)
    : Vector3(static_cast<float>(point.x), static_cast<float>(point.y), static_cast<float>(point.z))
{
}

MFloatVector::MFloatVector(const MFloatPoint& point) : Vector3(point.x, point.y, point.z) {}

MFloatVector::MFloatVector(const double d[3])
    : Vector3(static_cast<float>(d[0]), static_cast<float>(d[1]), static_cast<float>(d[2]))
{
}

std::ostream& operator<<(std::ostream& out, const MFloatVector& vector)
{
    return out << "(" << vector.x << ", " << vector.y << ", " << vector.z << ")";
}
