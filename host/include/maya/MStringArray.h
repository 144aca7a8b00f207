#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

// A growable array of texts, with the members of every host array (Array).
class OPENMAYA_EXPORT MStringArray : public kavo::host::math::Array<MString, MStringArray>
{
public:
    using Array::Array;
    MStringArray() = default;
    MStringArray(const char* src[], unsigned int count);
};
