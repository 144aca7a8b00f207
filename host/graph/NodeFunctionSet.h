#pragma once

#include "graph/Node.h"
#include "graph/Object.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

// What the node function sets (MFnDependencyNode, MFnDagNode) share: the node
// behind an object, and the one-line report of an outcome.
namespace kavo::host::graph {

// The node `object` holds, or null when it holds none.
inline Node* nodeOf(const MObject& object)
{
    return objectAs<Node>(object).get();
}

// Reports kSuccess, or kInvalidParameter when not ok, to the optional
// ReturnStatus, and hands back the value.
template <class T>
T report(MStatus* ReturnStatus, bool ok, T value)
{
    if (ReturnStatus)
        *ReturnStatus = ok ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return value;
}

} // namespace kavo::host::graph
