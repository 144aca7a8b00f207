#ifndef KAVO_HOST_GEOMETRY_GEOMETRYDATA_H
#define KAVO_HOST_GEOMETRY_GEOMETRYDATA_H

#include "graph/Data.h"

#include <maya/MPoint.h>

namespace kavo::host::geometry {

// Geometry that deformers can move: a list of points in the host's point
// order for its kind (mesh vertex ids, CVs with V fastest, base-mesh vertices
// of a subdivision surface, particle elements), in object space.
class GeometryData : public graph::Data
{
public:
    virtual unsigned int pointCount() const = 0;
    virtual MPoint point(unsigned int index) const = 0;
    virtual void setPoint(unsigned int index, const MPoint& position) = 0;
};

} // namespace kavo::host::geometry

#endif
