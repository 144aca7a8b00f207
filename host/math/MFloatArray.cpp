#include <maya/MFloatArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<float, MFloatArray>;

MFloatArray::MFloatArray() = default;
MFloatArray::MFloatArray(unsigned int initialSize, float initialValue) : Array(initialSize, initialValue) {}
MFloatArray::MFloatArray(const float src[], unsigned int count) : Array(fromValues<float>(src, count)) {}
MFloatArray::MFloatArray(const double src[], unsigned int count) : Array(fromValues<float>(src, count)) {}

MStatus MFloatArray::set(double element, unsigned int index)
{
    return set(static_cast<float>(element), index);
}

MStatus MFloatArray::get(float dest[]) const
{
    return copyOut(m_elements, dest);
}
