#include <maya/MFloatVectorArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MFloatVector, MFloatVectorArray>;
template class kavo::host::math::ComponentArray<MFloatVector, MFloatVectorArray, 3>;

MFloatVectorArray::MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue)
    : ComponentArray(initialSize, initialValue)
{
}
