#ifndef KAVO_HOST_GEOMETRY_GEOMETRYDATA_H
#define KAVO_HOST_GEOMETRY_GEOMETRYDATA_H

#include "graph/Data.h"

#include <maya/MPoint.h>

namespace kavo::host::geometry {

// Geometry that deformers can move: a list of points in the host's point
// order for its kind (mesh vertex ids, CVs with V fastest, base-mesh vertices
// of a subdivision surface, particle elements), in object space.
//
// Copies made with clone() share their storage until one of them changes
// it, so passing geometry along the graph costs nothing until a node moves
// its points.
class GeometryData : public graph::Data
{
public:
    virtual unsigned int pointCount() const = 0;
    virtual MPoint point(unsigned int index) const = 0;
    virtual void setPoint(unsigned int index, const MPoint& position) = 0;

    // All points at once, as point() and setPoint() give and take them one
    // by one: `points` has room for (or holds) pointCount() points. Kinds
    // whose storage allows override these to work without a call per point.
    virtual void getPoints(MPoint* points) const;
    virtual void setPoints(const MPoint* points);
    // The points as stored, for kinds that keep them in one array of
    // pointCount() cartesian points; otherwise null.
    virtual const MPoint* storedPoints() const { return nullptr; }
};

} // namespace kavo::host::geometry

#endif
