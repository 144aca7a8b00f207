#ifndef KAVO_HOST_MFLOATVECTORARRAY_H
#define KAVO_HOST_MFLOATVECTORARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MFloatVector.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of single-precision vectors, with the members of every host array (Array).
class OPENMAYA_EXPORT MFloatVectorArray : public kavo::host::math::Array<MFloatVector, MFloatVectorArray>
{
public:
    MFloatVectorArray();
    MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue = MFloatVector::zero);
    MFloatVectorArray(const MFloatVector src[], unsigned int count);
    MFloatVectorArray(const double src[][3], unsigned int count);
    MFloatVectorArray(const float src[][3], unsigned int count);

    using Array::set;
    MStatus set(double element[3], unsigned int index);
    MStatus set(float element[3], unsigned int index);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][3]) const;
    MStatus get(float dest[][3]) const;
};

#endif
