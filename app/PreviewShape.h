#pragma once

// What the preview draws of one deformed geometry, reduced to polygons,
// polylines and points: a mesh or subdivision cage as its faces, a NURBS
// surface as a grid of quads through points on it, a curve as a polyline
// through points on it, particles as points. Positions are in object space;
// every shape this program makes hangs under an untransformed transform.

#include "GeometryKind.h"

#include <maya/MBoundingBox.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>

#include <vector>

namespace kavo::app {

struct PreviewShape
{
    std::vector<std::vector<MPoint>> polygons;
    std::vector<std::vector<MPoint>> polylines;
    std::vector<MPoint> points;

    static PreviewShape of(const MObject& data, GeometryKind kind);

    MBoundingBox bounds() const;
};

} // namespace kavo::app
