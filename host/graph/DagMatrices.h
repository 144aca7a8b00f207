#pragma once

#include "graph/GraphFwd.h"

#include <maya/MMatrix.h>
#include <maya/MStatus.h>

namespace kavo::host::graph {

// A DAG node's matrix relative to its parent: a transform's own "matrix",
// the identity for a shape.
MMatrix localMatrix(Node& node);

// The product of the local matrices from the node up to the root.
MMatrix worldMatrix(Node& node);

// The host computation of "worldMatrix" and "worldInverseMatrix".
MStatus computeDagMatrices(Node& node, const PlugPath& plug);

} // namespace kavo::host::graph
