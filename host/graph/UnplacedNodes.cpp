#include "graph/UnplacedNodes.h"

#include "graph/Node.h"

#include <algorithm>

namespace kavo::host::graph {

UnplacedNodes& UnplacedNodes::instance()
{
    static UnplacedNodes nodes;
    return nodes;
}

size_t UnplacedNodes::countOfType(const NodeType& type) const
{
    return std::count_if(m_nodes.begin(), m_nodes.end(), [&](const Node* node) { return &node->type() == &type; });
}

} // namespace kavo::host::graph
