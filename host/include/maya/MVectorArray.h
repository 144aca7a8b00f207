#ifndef KAVO_HOST_MVECTORARRAY_H
#define KAVO_HOST_MVECTORARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

// A growable array of vectors, with the members of every host array (Array).
class OPENMAYA_EXPORT MVectorArray : public kavo::host::math::Array<MVector, MVectorArray>
{
public:
    MVectorArray();
    MVectorArray(unsigned int initialSize, const MVector& initialValue = MVector::zero);
    MVectorArray(const MVector src[], unsigned int count);
    MVectorArray(const double src[][3], unsigned int count);
    MVectorArray(const float src[][3], unsigned int count);

    using Array::set;
    MStatus set(double element[3], unsigned int index);
    MStatus set(float element[3], unsigned int index);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][3]) const;
    MStatus get(float dest[][3]) const;
};

#endif
