#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MFloatPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of single-precision points, with the members of every host array (Array)
// and of the point arrays (ComponentArray, PointArray).
class OPENMAYA_EXPORT MFloatPointArray : public kavo::host::math::PointArray<MFloatPoint, float, MFloatPointArray>
{
public:
    using PointArray::PointArray;
    MFloatPointArray() = default;
};
