#include "graph/NodeRevival.h"

#include "graph/Node.h"

namespace kavo::host::graph {

std::shared_ptr<Node> sharedNode(Node& node)
{
    return std::static_pointer_cast<Node>(node.shared_from_this());
}

void reviveBehaviour(Node& node)
{
    if (node.behaviour() || !node.type().creator)
        return;
    node.setBehaviour(std::unique_ptr<MPxNode>(static_cast<MPxNode*>(node.type().creator())));
    if (node.behaviour())
        node.behaviour()->postConstructor();
}

} // namespace kavo::host::graph
