#pragma once

// The host's active selection: the DAG nodes the user picked. A shape is
// drawn as selected when it or one of its ancestors is picked, so picking a
// locator's transform highlights the locator. Nodes are only referred to: a
// node that is deleted drops out of the selection by itself.

#include "graph/GraphFwd.h"

#include <maya/MObject.h>

#include <memory>
#include <vector>

namespace kavo::host::view {

class Selection
{
public:
    static void select(const MObject& node);
    static void deselect(const MObject& node);
    static void clear();

    // Whether the node itself was picked.
    static bool isPicked(const graph::Node& node);
    // Whether the node or one of its DAG ancestors was picked.
    static bool isSelected(const graph::Node& node);

private:
    static std::vector<std::weak_ptr<graph::Object>>& picked();
};

} // namespace kavo::host::view
