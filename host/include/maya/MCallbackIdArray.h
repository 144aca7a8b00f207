#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MMessage.h>

// The ids of installed callbacks, kept to remove them together: a host array
// (Array) that offers only indexing, append, clear and length.
class DLL_PUBLIC MCallbackIdArray : private kavo::host::math::Array<MCallbackId, MCallbackIdArray>
{
public:
    MCallbackIdArray();

    using Array::operator[];
    using Array::append;
    using Array::clear;
    using Array::length;

private:
    // Array's own members, copy among them, reach the elements of another.
    friend Array;
};
