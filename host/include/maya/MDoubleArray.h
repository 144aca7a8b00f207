#ifndef KAVO_HOST_MDOUBLEARRAY_H
#define KAVO_HOST_MDOUBLEARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of doubles, with the members of every host array (Array).
class OPENMAYA_EXPORT MDoubleArray : public kavo::host::math::Array<double, MDoubleArray>
{
public:
    MDoubleArray();
    MDoubleArray(unsigned int initialSize, double initialValue = 0);
    MDoubleArray(const double src[], unsigned int count);
    MDoubleArray(const float src[], unsigned int count);

    using Array::set;
    MStatus set(float element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(double dest[]) const;
};

#endif
