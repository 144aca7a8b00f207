#include <maya/MFloatPointArray.h>

#include "ArrayStorage.h"

template class kavo::host::math::Array<MFloatPoint, MFloatPointArray>;
template class kavo::host::math::ComponentArray<MFloatPoint, MFloatPointArray, 4>;
template class kavo::host::math::PointArray<MFloatPoint, float, MFloatPointArray>;
