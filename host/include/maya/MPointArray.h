#ifndef KAVO_HOST_MPOINTARRAY_H
#define KAVO_HOST_MPOINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of points, with the members of every host array (Array).
class OPENMAYA_EXPORT MPointArray : public kavo::host::math::Array<MPoint, MPointArray>
{
public:
    MPointArray();
    MPointArray(unsigned int initialSize, const MPoint& initialValue = MPoint::origin);
    MPointArray(const MPoint src[], unsigned int count);
    MPointArray(const double src[][4], unsigned int count);
    MPointArray(const float src[][4], unsigned int count);

    using Array::append;
    using Array::set;
    MStatus set(unsigned int index, double x, double y, double z = 0, double w = 1);
    MStatus set(double element[4], unsigned int index);
    MStatus set(float element[4], unsigned int index);
    MStatus append(double x, double y, double z = 0, double w = 1);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
};

#endif
