#include <maya/MCallbackIdArray.h>

#include "math/ArrayStorage.h"

template class kavo::host::math::Array<MCallbackId, MCallbackIdArray>;

MCallbackIdArray::MCallbackIdArray() = default;
