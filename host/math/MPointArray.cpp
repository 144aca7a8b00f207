#include <maya/MPointArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MPoint, MPointArray>;
template class kavo::host::math::ComponentArray<MPoint, MPointArray, 4>;

MPointArray::MPointArray(unsigned int initialSize, const MPoint& initialValue)
    : ComponentArray(initialSize, initialValue)
{
}

MStatus MPointArray::set(unsigned int index, double x, double y, double z, double w)
{
    return set(MPoint(x, y, z, w), index);
}

MStatus MPointArray::append(double x, double y, double z, double w)
{
    return append(MPoint(x, y, z, w));
}
