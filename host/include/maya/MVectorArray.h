#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

// A growable array of vectors, with the members of every host array (Array)
// and of the point and vector arrays (ComponentArray).
class OPENMAYA_EXPORT MVectorArray : public kavo::host::math::ComponentArray<MVector, MVectorArray, 3>
{
public:
    using ComponentArray::ComponentArray;
    MVectorArray() = default;
    MVectorArray(unsigned int initialSize, const MVector& initialValue = MVector::zero);
};
