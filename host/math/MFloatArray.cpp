#include <maya/MFloatArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<float, MFloatArray>;
template class kavo::host::math::NumberArray<float, MFloatArray>;

MFloatArray::MFloatArray(unsigned int initialSize, float initialValue) : NumberArray(initialSize, initialValue) {}
MFloatArray::MFloatArray(const double src[], unsigned int count) : NumberArray(fromValues<float>(src, count)) {}

MStatus MFloatArray::set(double element, unsigned int index)
{
    return set(static_cast<float>(element), index);
}
