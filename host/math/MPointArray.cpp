#include <maya/MPointArray.h>

#include "ArrayStorage.h"

template class kavo::host::math::Array<MPoint, MPointArray>;
template class kavo::host::math::ComponentArray<MPoint, MPointArray, 4>;
template class kavo::host::math::PointArray<MPoint, double, MPointArray>;
