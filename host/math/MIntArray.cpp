#include <maya/MIntArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<int, MIntArray>;
template class kavo::host::math::NumberArray<int, MIntArray>;

MIntArray::MIntArray(unsigned int initialSize, int initialValue) : NumberArray(initialSize, initialValue) {}
