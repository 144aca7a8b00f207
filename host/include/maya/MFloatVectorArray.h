#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MFloatVector.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of single-precision vectors, with the members of every host array (Array)
// and of the point and vector arrays (ComponentArray).
class OPENMAYA_EXPORT MFloatVectorArray : public kavo::host::math::ComponentArray<MFloatVector, MFloatVectorArray, 3>
{
public:
    using ComponentArray::ComponentArray;
    MFloatVectorArray() = default;
    MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue = MFloatVector::zero);
};
