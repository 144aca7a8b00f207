#include "view/DrawableShapes.h"

#include "graph/Node.h"
#include "graph/Scene.h"

namespace kavo::host::view {

namespace {

// A missing attribute reads as `absent`.
bool flag(graph::Node& node, const char* attributeName, bool absent)
{
    const graph::Attribute* attribute = node.type().findAttribute(attributeName);
    if (!attribute)
        return absent;
    graph::Slot* slot = graph::Scene::instance().evaluate(node, graph::PlugPath{attribute, {}});
    return slot ? graph::numericValue(slot->value) != 0.0 : absent;
}

} // namespace

bool DrawableShapes::isDrawable(graph::Node& node)
{
    if (flag(node, "intermediateObject", false))
        return false;
    for (graph::Node* current = &node; current; current = current->dagParent())
        if (!flag(*current, "visibility", true))
            return false;
    return true;
}

} // namespace kavo::host::view
