#include <maya/MDoubleArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<double, MDoubleArray>;

MDoubleArray::MDoubleArray() = default;
MDoubleArray::MDoubleArray(unsigned int initialSize, double initialValue) : Array(initialSize, initialValue) {}
MDoubleArray::MDoubleArray(const double src[], unsigned int count) : Array(fromValues<double>(src, count)) {}
MDoubleArray::MDoubleArray(const float src[], unsigned int count) : Array(fromValues<double>(src, count)) {}

MStatus MDoubleArray::set(float element, unsigned int index)
{
    return set(static_cast<double>(element), index);
}

MStatus MDoubleArray::get(double dest[]) const
{
    return copyOut(m_elements, dest);
}
