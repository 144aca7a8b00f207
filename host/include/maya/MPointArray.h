#ifndef KAVO_HOST_MPOINTARRAY_H
#define KAVO_HOST_MPOINTARRAY_H

#include <kavo/host/math/Array.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A growable array of points, with the members of every host array (Array)
// and of the point and vector arrays (ComponentArray).
class OPENMAYA_EXPORT MPointArray : public kavo::host::math::ComponentArray<MPoint, MPointArray, 4>
{
public:
    using ComponentArray::ComponentArray;
    MPointArray() = default;
    MPointArray(unsigned int initialSize, const MPoint& initialValue = MPoint::origin);

    using ComponentArray::append;
    using ComponentArray::set;
    MStatus set(unsigned int index, double x, double y, double z = 0, double w = 1);
    MStatus append(double x, double y, double z = 0, double w = 1);
};

#endif
