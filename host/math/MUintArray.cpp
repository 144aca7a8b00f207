#include <maya/MUintArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<unsigned int, MUintArray>;
template class kavo::host::math::NumberArray<unsigned int, MUintArray>;

MUintArray::MUintArray(unsigned int initialSize, unsigned int initialValue) : NumberArray(initialSize, initialValue) {}
