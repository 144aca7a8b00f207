#include <maya/MDoubleArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<double, MDoubleArray>;
template class kavo::host::math::NumberArray<double, MDoubleArray>;

MDoubleArray::MDoubleArray(unsigned int initialSize, double initialValue) : NumberArray(initialSize, initialValue) {}
MDoubleArray::MDoubleArray(const float src[], unsigned int count) : NumberArray(fromValues<double>(src, count)) {}

MStatus MDoubleArray::set(float element, unsigned int index)
{
    return set(static_cast<double>(element), index);
}
