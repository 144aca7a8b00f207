#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of unsigned integers, with the members of every host array (Array).
class OPENMAYA_EXPORT MUintArray : public kavo::host::math::NumberArray<unsigned int, MUintArray>
{
public:
    using NumberArray::NumberArray;
    MUintArray() = default;
    MUintArray(unsigned int initialSize, unsigned int initialValue = 0);
};
