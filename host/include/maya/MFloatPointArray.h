#ifndef KAVO_HOST_MFLOATPOINTARRAY_H
#define KAVO_HOST_MFLOATPOINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MFloatPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of single-precision points, with the members of every host array (Array).
class OPENMAYA_EXPORT MFloatPointArray : public kavo::host::math::Array<MFloatPoint, MFloatPointArray>
{
public:
    MFloatPointArray();
    MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue = MFloatPoint::origin);
    MFloatPointArray(const MFloatPoint src[], unsigned int count);
    MFloatPointArray(const double src[][4], unsigned int count);
    MFloatPointArray(const float src[][4], unsigned int count);

    using Array::append;
    using Array::set;
    MStatus set(unsigned int index, float x, float y, float z = 0, float w = 1);
    MStatus set(double element[4], unsigned int index);
    MStatus set(float element[4], unsigned int index);
    MStatus append(float x, float y, float z = 0, float w = 1);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
};

#endif
