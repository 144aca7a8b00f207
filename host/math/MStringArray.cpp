#include <maya/MStringArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MString, MStringArray>;

MStringArray::MStringArray(const char* src[], unsigned int count) : Array(fromValues<MString>(src, count)) {}
