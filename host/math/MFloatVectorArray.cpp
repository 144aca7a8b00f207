#include <maya/MFloatVectorArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MFloatVector, MFloatVectorArray>;

MFloatVectorArray::MFloatVectorArray() = default;
MFloatVectorArray::MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue)
    : Array(initialSize, initialValue)
{
}
MFloatVectorArray::MFloatVectorArray(const MFloatVector src[], unsigned int count)
    : Array(fromValues<MFloatVector>(src, count))
{
}
MFloatVectorArray::MFloatVectorArray(const double src[][3], unsigned int count)
    : Array(fromValues<MFloatVector>(src, count))
{
}
MFloatVectorArray::MFloatVectorArray(const float src[][3], unsigned int count)
    : Array(fromValues<MFloatVector>(src, count))
{
}

MStatus MFloatVectorArray::set(double element[3], unsigned int index)
{
    return set(MFloatVector(element), index);
}

MStatus MFloatVectorArray::set(float element[3], unsigned int index)
{
    return set(MFloatVector(element), index);
}

MStatus MFloatVectorArray::get(double dest[][3]) const
{
    return copyRows<3>(m_elements, dest);
}

MStatus MFloatVectorArray::get(float dest[][3]) const
{
    return copyRows<3>(m_elements, dest);
}
