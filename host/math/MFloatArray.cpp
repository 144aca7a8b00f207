#include <maya/MFloatArray.h>

#include "ArrayStorage.h"

template class kavo::host::math::Array<float, MFloatArray>;
template class kavo::host::math::NumberArray<float, MFloatArray>;
template class kavo::host::math::FloatingArray<float, double, MFloatArray>;
