#ifndef KAVO_HOST_MFLOATPOINTARRAY_H
#define KAVO_HOST_MFLOATPOINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MFloatPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of single-precision points, with the members of every host array (Array)
// and of the point and vector arrays (ComponentArray).
class OPENMAYA_EXPORT MFloatPointArray : public kavo::host::math::ComponentArray<MFloatPoint, MFloatPointArray, 4>
{
public:
    using ComponentArray::ComponentArray;
    MFloatPointArray() = default;
    MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue = MFloatPoint::origin);

    using ComponentArray::append;
    using ComponentArray::set;
    MStatus set(unsigned int index, float x, float y, float z = 0, float w = 1);
    MStatus append(float x, float y, float z = 0, float w = 1);
};

#endif
