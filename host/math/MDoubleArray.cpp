#include <maya/MDoubleArray.h>

#include "ArrayStorage.h"

template class kavo::host::math::Array<double, MDoubleArray>;
template class kavo::host::math::NumberArray<double, MDoubleArray>;
template class kavo::host::math::FloatingArray<double, float, MDoubleArray>;
