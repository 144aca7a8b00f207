#include <maya/MPointArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MPoint, MPointArray>;

MPointArray::MPointArray() = default;
MPointArray::MPointArray(unsigned int initialSize, const MPoint& initialValue) : Array(initialSize, initialValue) {}
MPointArray::MPointArray(const MPoint src[], unsigned int count) : Array(fromValues<MPoint>(src, count)) {}
MPointArray::MPointArray(const double src[][4], unsigned int count) : Array(fromValues<MPoint>(src, count)) {}
MPointArray::MPointArray(const float src[][4], unsigned int count) : Array(fromValues<MPoint>(src, count)) {}

MStatus MPointArray::set(unsigned int index, double x, double y, double z, double w)
{
    return set(MPoint(x, y, z, w), index);
}

MStatus MPointArray::append(double x, double y, double z, double w)
{
    return append(MPoint(x, y, z, w));
}

MStatus MPointArray::set(double element[4], unsigned int index)
{
    return set(MPoint(element), index);
}

MStatus MPointArray::set(float element[4], unsigned int index)
{
    return set(MPoint(element), index);
}

MStatus MPointArray::get(double dest[][4]) const
{
    return copyRows<4>(m_elements, dest);
}

MStatus MPointArray::get(float dest[][4]) const
{
    return copyRows<4>(m_elements, dest);
}
