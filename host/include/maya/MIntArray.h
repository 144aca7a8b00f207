#ifndef KAVO_HOST_MINTARRAY_H
#define KAVO_HOST_MINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of integers, with the members of every host array (Array).
class OPENMAYA_EXPORT MIntArray : public kavo::host::math::Array<int, MIntArray>
{
public:
    MIntArray();
    MIntArray(unsigned int initialSize, int initialValue = 0);
    MIntArray(const int src[], unsigned int count);

    // Copies every element into dest, which must hold length() values.
    MStatus get(int dest[]) const;
};

#endif
