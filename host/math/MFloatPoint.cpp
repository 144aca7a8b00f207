#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <ostream>

const MFloatPoint MFloatPoint::origin;

MFloatPoint::MFloatPoint(const MPoint& other)
    : Point4(static_cast<float>(other.x), static_cast<float>(other.y), static_cast<float>(other.z),
             static_cast<float>(other.w))
{
}

MFloatPoint::MFloatPoint(const MVector& vector)
    : Point4(static_cast<float>(vector.x), static_cast<float>(vector.y), static_cast<float>(vector.z), 1.0f)
{
}

MFloatPoint::MFloatPoint(const MFloatVector& vector) : Point4(vector.x, vector.y, vector.z, 1.0f) {}

MFloatPoint::MFloatPoint(const double d[4])
    : Point4(static_cast<float>(d[0]), static_cast<float>(d[1]), static_cast<float>(d[2]), static_cast<float>(d[3]))
{
}

std::ostream& operator<<(std::ostream& out, const MFloatPoint& point)
{
    return out << "(" << point.x << ", " << point.y << ", " << point.z << ", " << point.w << ")";
}
