#include <maya/MPlugArray.h>

#include "math/ArrayStorage.h"

template class kavo::host::math::Array<MPlug, MPlugArray>;

MPlugArray::MPlugArray() = default;
MPlugArray::MPlugArray(unsigned int initializeSize, const MPlug& initialValue) : Array(initializeSize, initialValue) {}
