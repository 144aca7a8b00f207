#ifndef KAVO_HOST_MUINTARRAY_H
#define KAVO_HOST_MUINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of unsigned integers, with the members of every host array (Array).
class OPENMAYA_EXPORT MUintArray : public kavo::host::math::Array<unsigned int, MUintArray>
{
public:
    MUintArray();
    MUintArray(unsigned int initialSize, unsigned int initialValue = 0);
    MUintArray(const unsigned int src[], unsigned int count);

    // Copies every element into dest, which must hold length() values.
    MStatus get(unsigned int dest[]) const;
};

#endif
