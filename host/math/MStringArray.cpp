#include <maya/MStringArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MString, MStringArray>;

MStringArray::MStringArray() = default;
MStringArray::MStringArray(unsigned int initialSize, const MString& initialValue) : Array(initialSize, initialValue) {}
MStringArray::MStringArray(const MString src[], unsigned int count) : Array(fromValues<MString>(src, count)) {}
MStringArray::MStringArray(const char* src[], unsigned int count) : Array(fromValues<MString>(src, count)) {}
