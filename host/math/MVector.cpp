#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include "VectorConstants.h"

#include <ostream>

KAVO_VECTOR_CONSTANTS(MVector);

MVector::MVector(const MFloatVector& other) : Vector3(other.x, other.y, other.z) {}
MVector::MVector(const MPoint& point) : Vector3(point.x, point.y, point.z) {}
MVector::MVector(const MFloatPoint& point) : Vector3(point.x, point.y, point.z) {}

std::ostream& operator<<(std::ostream& out, const MVector& vector)
{
    return out << "(" << vector.x << ", " << vector.y << ", " << vector.z << ")";
}
