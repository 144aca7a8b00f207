#ifndef KAVO_HOST_MDOUBLEARRAY_H
#define KAVO_HOST_MDOUBLEARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of doubles, with the members of every host array (Array).
class OPENMAYA_EXPORT MDoubleArray : public kavo::host::math::NumberArray<double, MDoubleArray>
{
public:
    using NumberArray::NumberArray;
    MDoubleArray() = default;
    MDoubleArray(unsigned int initialSize, double initialValue = 0);
    MDoubleArray(const float src[], unsigned int count);

    using NumberArray::set;
    MStatus set(float element, unsigned int index);
};

#endif
