#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include "VectorConstants.h"

#include <ostream>

KAVO_VECTOR_CONSTANTS(MFloatVector);

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
