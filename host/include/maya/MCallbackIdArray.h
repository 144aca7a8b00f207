#ifndef KAVO_HOST_MCALLBACKIDARRAY_H
#define KAVO_HOST_MCALLBACKIDARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MMessage.h>

// A growable array of callback ids, with the members of every host array
// (Array).
class DLL_PUBLIC MCallbackIdArray : public kavo::host::math::Array<MCallbackId, MCallbackIdArray>
{
public:
    MCallbackIdArray();
};

#endif
