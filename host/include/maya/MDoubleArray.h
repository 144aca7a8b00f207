#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of doubles, with the members of every host array (Array),
// taking floats as well (FloatingArray).
class OPENMAYA_EXPORT MDoubleArray : public kavo::host::math::FloatingArray<double, float, MDoubleArray>
{
public:
    using FloatingArray::FloatingArray;
    MDoubleArray() = default;
};
