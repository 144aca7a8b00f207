#include "graph/NodeRevival.h"

#include "graph/Node.h"
#include "graph/NodeTypeRegistry.h"

namespace kavo::host::graph {

std::shared_ptr<Node> sharedNode(Node& node)
{
    return std::static_pointer_cast<Node>(node.shared_from_this());
}

bool reviveBehaviour(Node& node)
{
    if (node.behaviour() || !node.type().creator)
        return true;
    if (NodeTypeRegistry::instance().find(node.type().name).get() != &node.type())
        return false;
    node.setBehaviour(std::unique_ptr<MPxNode>(static_cast<MPxNode*>(node.type().creator())));
    if (node.behaviour())
        node.behaviour()->postConstructor();
    return true;
}

} // namespace kavo::host::graph
