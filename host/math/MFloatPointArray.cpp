#include <maya/MFloatPointArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MFloatPoint, MFloatPointArray>;

MFloatPointArray::MFloatPointArray() = default;
MFloatPointArray::MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue)
    : Array(initialSize, initialValue)
{
}
MFloatPointArray::MFloatPointArray(const MFloatPoint src[], unsigned int count)
    : Array(fromValues<MFloatPoint>(src, count))
{
}
MFloatPointArray::MFloatPointArray(const double src[][4], unsigned int count)
    : Array(fromValues<MFloatPoint>(src, count))
{
}
MFloatPointArray::MFloatPointArray(const float src[][4], unsigned int count)
    : Array(fromValues<MFloatPoint>(src, count))
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

MStatus MFloatPointArray::set(double element[4], unsigned int index)
{
    return set(MFloatPoint(element), index);
}

MStatus MFloatPointArray::set(float element[4], unsigned int index)
{
    return set(MFloatPoint(element), index);
}

MStatus MFloatPointArray::get(double dest[][4]) const
{
    return copyRows<4>(m_elements, dest);
}

MStatus MFloatPointArray::get(float dest[][4]) const
{
    return copyRows<4>(m_elements, dest);
}
