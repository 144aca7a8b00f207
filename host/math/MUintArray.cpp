#include <maya/MUintArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<unsigned int, MUintArray>;

MUintArray::MUintArray() = default;
MUintArray::MUintArray(unsigned int initialSize, unsigned int initialValue) : Array(initialSize, initialValue) {}
MUintArray::MUintArray(const unsigned int src[], unsigned int count) : Array(fromValues<unsigned int>(src, count)) {}

MStatus MUintArray::get(unsigned int dest[]) const
{
    return copyOut(m_elements, dest);
}
