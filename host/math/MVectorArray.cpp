#include <maya/MVectorArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MVector, MVectorArray>;

MVectorArray::MVectorArray() = default;
MVectorArray::MVectorArray(unsigned int initialSize, const MVector& initialValue) : Array(initialSize, initialValue) {}
MVectorArray::MVectorArray(const MVector src[], unsigned int count) : Array(fromValues<MVector>(src, count)) {}
MVectorArray::MVectorArray(const double src[][3], unsigned int count) : Array(fromValues<MVector>(src, count)) {}
MVectorArray::MVectorArray(const float src[][3], unsigned int count) : Array(fromValues<MVector>(src, count)) {}

MStatus MVectorArray::set(double element[3], unsigned int index)
{
    return set(MVector(element), index);
}

MStatus MVectorArray::set(float element[3], unsigned int index)
{
    return set(MVector(element), index);
}

MStatus MVectorArray::get(double dest[][3]) const
{
    return copyRows<3>(m_elements, dest);
}

MStatus MVectorArray::get(float dest[][3]) const
{
    return copyRows<3>(m_elements, dest);
}
