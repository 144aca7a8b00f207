#pragma once

#include "graph/Attribute.h"

#include <maya/MObject.h>

namespace kavo::host::graph {

// The MObject handle of an attribute the host knows by pointer.
inline MObject attributeHandle(const Attribute* attribute)
{
    if (!attribute)
        return MObject();
    return MObject(std::const_pointer_cast<Object>(attribute->shared_from_this()));
}

} // namespace kavo::host::graph
