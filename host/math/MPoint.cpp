#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <ostream>

const MPoint MPoint::origin;

MPoint::MPoint(const MFloatPoint& other) : Point4(other.x, other.y, other.z, other.w) {}
MPoint::MPoint(const MVector& vector) : Point4(vector.x, vector.y, vector.z, 1.0) {}
MPoint::MPoint(const MFloatVector& vector) : Point4(vector.x, vector.y, vector.z, 1.0) {}

std::ostream& operator<<(std::ostream& out, const MPoint& point)
{
    return out << "(" << point.x << ", " << point.y << ", " << point.z << ", " << point.w << ")";
}
