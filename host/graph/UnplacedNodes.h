#pragma once

#include "graph/GraphFwd.h"

#include <cstddef>
#include <set>

namespace kavo::host::graph {

// Nodes a modifier has made that have not joined the scene yet. Each holds
// the behaviour object its type's creator made, so a plug-in's code must
// stay loaded until these nodes are placed in the scene or dropped.
class UnplacedNodes
{
public:
    static UnplacedNodes& instance();

    void add(const Node* node) { m_nodes.insert(node); }
    void remove(const Node* node) { m_nodes.erase(node); }
    size_t countOfType(const NodeType& type) const;

private:
    UnplacedNodes() = default;

    std::set<const Node*> m_nodes;
};

} // namespace kavo::host::graph
