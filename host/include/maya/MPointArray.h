#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of points, with the members of every host array (Array)
// and of the point arrays (ComponentArray, PointArray).
class OPENMAYA_EXPORT MPointArray : public kavo::host::math::PointArray<MPoint, double, MPointArray>
{
public:
    using PointArray::PointArray;
    MPointArray() = default;
};
