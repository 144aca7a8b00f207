#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MPlug.h>

// A growable array of plugs, with the members of every host array (Array).
class DLL_PUBLIC MPlugArray : public kavo::host::math::Array<MPlug, MPlugArray>
{
public:
    MPlugArray();
    MPlugArray(unsigned int initializeSize, const MPlug& initialValue);
};
