#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of floats, with the members of every host array (Array),
// taking doubles as well (FloatingArray).
class OPENMAYA_EXPORT MFloatArray : public kavo::host::math::FloatingArray<float, double, MFloatArray>
{
public:
    using FloatingArray::FloatingArray;
    MFloatArray() = default;
};
