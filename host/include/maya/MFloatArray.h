#ifndef KAVO_HOST_MFLOATARRAY_H
#define KAVO_HOST_MFLOATARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of floats, with the members of every host array (Array).
class OPENMAYA_EXPORT MFloatArray : public kavo::host::math::NumberArray<float, MFloatArray>
{
public:
    using NumberArray::NumberArray;
    MFloatArray() = default;
    MFloatArray(unsigned int initialSize, float initialValue = 0);
    MFloatArray(const double src[], unsigned int count);

    using NumberArray::set;
    MStatus set(double element, unsigned int index);
};

#endif
