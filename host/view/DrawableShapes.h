#pragma once

// Which DAG nodes a view draws: those whose "visibility" is on for the node
// and every ancestor, and that are not intermediate objects (shapes kept only
// to feed a deformer).

#include "graph/GraphFwd.h"

namespace kavo::host::view {

class DrawableShapes
{
public:
    static bool isDrawable(graph::Node& node);
};

} // namespace kavo::host::view
