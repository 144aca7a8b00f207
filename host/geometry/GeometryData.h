#pragma once

#include "graph/Data.h"

#include <maya/MPoint.h>

#include <map>
#include <memory>
#include <vector>

namespace kavo::host::geometry {

// Geometry that deformers can move: a list of points in the host's point
// order for its kind (mesh vertex ids, CVs with V fastest, base-mesh vertices
// of a subdivision surface, particle elements), in object space.
//
// Copies made with clone() share their storage until one of them changes
// it, so passing geometry along the graph costs nothing until a node moves
// its points.
//
// Geometry also carries object groups: sets of its points, each under a
// group id, the way a deformer set marks the points its deformer works on
// (the deformer's input names the group by its groupId). A group holds
// component indices, which are point indices, in ascending order and each
// once. Groups travel with the geometry: copies and moved points keep them.
class GeometryData : public graph::Data
{
public:
    using ObjectGroup = std::vector<unsigned int>;

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

    // Makes `components` the group `groupId`, in place of any group of that
    // id; their order and repeats do not matter. Indices at or beyond the
    // point count belong to no point and are never visited.
    void setObjectGroup(unsigned int groupId, ObjectGroup components);
    // The group of that id, or null when the geometry has none.
    std::shared_ptr<const ObjectGroup> objectGroup(unsigned int groupId) const;

private:
    // Groups never change in place, so copies share them.
    std::map<unsigned int, std::shared_ptr<const ObjectGroup>> m_objectGroups;
};

} // namespace kavo::host::geometry
