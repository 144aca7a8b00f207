#include "view/Selection.h"

#include "graph/Node.h"

#include <algorithm>

namespace kavo::host::view {

std::vector<std::weak_ptr<graph::Object>>& Selection::picked()
{
    static std::vector<std::weak_ptr<graph::Object>> nodes;
    return nodes;
}

void Selection::select(const MObject& node)
{
    if (!graph::objectAs<graph::Node>(node) || isPicked(*graph::objectAs<graph::Node>(node)))
        return;
    picked().push_back(node.hostObject());
}

void Selection::deselect(const MObject& node)
{
    auto& nodes = picked();
    nodes.erase(std::remove_if(nodes.begin(), nodes.end(),
                               [&](const std::weak_ptr<graph::Object>& entry) {
                                   std::shared_ptr<graph::Object> held = entry.lock();
                                   return !held || held == node.hostObject();
                               }),
                nodes.end());
}

void Selection::clear()
{
    picked().clear();
}

bool Selection::isPicked(const graph::Node& node)
{
    for (const auto& entry : picked())
        if (entry.lock().get() == &node)
            return true;
    return false;
}

bool Selection::isSelected(const graph::Node& node)
{
    for (const graph::Node* current = &node; current; current = current->dagParent())
        if (isPicked(*current))
            return true;
    return false;
}

} // namespace kavo::host::view
