#include <maya/MVectorArray.h>

#include "ArrayStorage.h"

using namespace kavo::host::math;

template class kavo::host::math::Array<MVector, MVectorArray>;
template class kavo::host::math::ComponentArray<MVector, MVectorArray, 3>;

MVectorArray::MVectorArray(unsigned int initialSize, const MVector& initialValue)
    : ComponentArray(initialSize, initialValue)
{
}
