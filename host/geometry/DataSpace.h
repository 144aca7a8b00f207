#pragma once

#include "graph/Data.h"

#include <maya/MPoint.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

namespace kavo::host::geometry {

// Spaces as geometry function sets answer them: MSpace::kWorld goes through
// the matrix the data carries (the world matrix of the shape it came from);
// every other space is object space, where the data keeps its values.

inline MPoint pointInSpace(const graph::Data& data, const MPoint& objectPoint, MSpace::Space space)
{
    return space == MSpace::kWorld ? objectPoint * data.transform : objectPoint;
}

inline MPoint pointFromSpace(const graph::Data& data, const MPoint& point, MSpace::Space space)
{
    return space == MSpace::kWorld ? point * data.transform.inverse() : point;
}

// Normals go through the inverse transpose, so they stay perpendicular to
// the surface under non-uniform scale, and come out of unit length (or zero).
inline MVector normalInSpace(const graph::Data& data, const MVector& objectNormal, MSpace::Space space)
{
    if (space != MSpace::kWorld)
        return objectNormal;
    return (objectNormal * data.transform.inverse().transpose()).normal();
}

inline MVector normalFromSpace(const graph::Data& data, const MVector& normal, MSpace::Space space)
{
    if (space != MSpace::kWorld)
        return normal;
    return (normal * data.transform.transpose()).normal();
}

} // namespace kavo::host::geometry
