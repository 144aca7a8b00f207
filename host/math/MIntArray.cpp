#include <maya/MIntArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<int, MIntArray>;

MIntArray::MIntArray() = default;
MIntArray::MIntArray(unsigned int initialSize, int initialValue) : Array(initialSize, initialValue) {}
MIntArray::MIntArray(const int src[], unsigned int count) : Array(fromValues<int>(src, count)) {}

MStatus MIntArray::get(int dest[]) const
{
    return copyOut(m_elements, dest);
}
