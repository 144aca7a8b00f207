#include <maya/MFloatPointArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MFloatPoint, MFloatPointArray>;
template class kavo::host::math::ComponentArray<MFloatPoint, MFloatPointArray, 4>;

MFloatPointArray::MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue)
    : ComponentArray(initialSize, initialValue)
{
}

MStatus MFloatPointArray::set(unsigned int index, float x, float y, float z, float w)
{
    return set(MFloatPoint(x, y, z, w), index);
}

MStatus MFloatPointArray::append(float x, float y, float z, float w)
{
    return append(MFloatPoint(x, y, z, w));
}
