#include "graph/DeleteNodeEdit.h"

#include "graph/NodeRevival.h"
#include "graph/Scene.h"

#include <algorithm>

namespace kavo::host::graph {

DeleteNodeEdit::DeleteNodeEdit(std::shared_ptr<Node> node) : m_node(std::move(node)) {}

MStatus DeleteNodeEdit::doIt()
{
    if (!m_node->inScene)
        return MStatus::kInvalidParameter;
    m_removed.clear();
    m_links.clear();
    rememberSubtree(*m_node);
    rememberConnections();
    Scene::instance().remove(*m_node);
    return MStatus::kSuccess;
}

// A node whose type was deregistered since stays out, and so do the nodes
// below it; a connection to a node that is not back stays broken.
MStatus DeleteNodeEdit::undoIt()
{
    Scene& scene = Scene::instance();
    MStatus result;
    for (const Removed& removed : m_removed) {
        const bool underMissingParent = removed.parent && !removed.parent->inScene && removed.node != m_node;
        if (underMissingParent || !reviveBehaviour(*removed.node)) {
            result = MStatus::kFailure;
            continue;
        }
        scene.add(removed.node);
        if (removed.parent && removed.parent->inScene)
            scene.setDagParent(*removed.node, removed.parent.get());
    }
    for (const Link& link : m_links)
        if (link.source.node->inScene && link.destination.node->inScene)
            scene.connect(*link.source.node, link.source.plug, *link.destination.node, link.destination.plug);
    return result;
}

void DeleteNodeEdit::rememberSubtree(Node& node)
{
    m_removed.push_back(Removed{sharedNode(node), node.dagParent() ? sharedNode(*node.dagParent()) : nullptr});
    for (Node* child : node.dagChildren())
        rememberSubtree(*child);
}

void DeleteNodeEdit::rememberConnections()
{
    const Scene& scene = Scene::instance();
    auto remember = [&](const Connection& c) {
        const bool known = std::any_of(m_links.begin(), m_links.end(), [&](const Link& link) {
            return link.source.node.get() == c.source && link.source.plug == c.sourcePlug &&
                   link.destination.node.get() == c.destination && link.destination.plug == c.destinationPlug;
        });
        if (!known)
            m_links.push_back(Link{PlugEnd{sharedNode(*c.source), c.sourcePlug},
                                   PlugEnd{sharedNode(*c.destination), c.destinationPlug}});
    };
    for (const Removed& removed : m_removed)
        for (const Attribute* attribute : removed.node->type().attributes()) {
            const PlugPath whole{attribute, {}};
            for (const Connection& c : scene.incoming(*removed.node, whole))
                remember(c);
            for (const Connection& c : scene.outgoing(*removed.node, whole))
                remember(c);
        }
}

} // namespace kavo::host::graph
