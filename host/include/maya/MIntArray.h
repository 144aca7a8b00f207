#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of integers, with the members of every host array (Array).
class OPENMAYA_EXPORT MIntArray : public kavo::host::math::NumberArray<int, MIntArray>
{
public:
    using NumberArray::NumberArray;
    MIntArray() = default;
    MIntArray(unsigned int initialSize, int initialValue = 0);
};
