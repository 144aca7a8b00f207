#ifndef KAVO_HOST_MFLOATARRAY_H
#define KAVO_HOST_MFLOATARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of floats, with the members of every host array (Array).
class OPENMAYA_EXPORT MFloatArray : public kavo::host::math::Array<float, MFloatArray>
{
public:
    MFloatArray();
    MFloatArray(unsigned int initialSize, float initialValue = 0);
    MFloatArray(const float src[], unsigned int count);
    MFloatArray(const double src[], unsigned int count);

    using Array::set;
    MStatus set(double element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(float dest[]) const;
};

#endif
