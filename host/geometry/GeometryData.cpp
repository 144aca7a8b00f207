#include "geometry/GeometryData.h"

namespace kavo::host::geometry {

void GeometryData::getPoints(MPoint* points) const
{
    const unsigned int count = pointCount();
    for (unsigned int k = 0; k < count; ++k)
        points[k] = point(k);
}

void GeometryData::setPoints(const MPoint* points)
{
    const unsigned int count = pointCount();
    for (unsigned int k = 0; k < count; ++k)
        setPoint(k, points[k]);
}

} // namespace kavo::host::geometry
