#include "graph/ReparentNodeEdit.h"

#include "graph/NodeRevival.h"
#include "graph/Scene.h"

namespace kavo::host::graph {
namespace {

bool isAncestorOrSelf(const Node& candidate, const Node* node)
{
    for (; node; node = node->dagParent())
        if (node == &candidate)
            return true;
    return false;
}

} // namespace

ReparentNodeEdit::ReparentNodeEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> newParent)
    : m_node(std::move(node))
    , m_newParent(std::move(newParent))
{
}

MStatus ReparentNodeEdit::doIt()
{
    if (!m_node->inScene || (m_newParent && !m_newParent->inScene))
        return MStatus::kInvalidParameter;
    // A node cannot go below itself.
    if (m_newParent && isAncestorOrSelf(*m_node, m_newParent.get()))
        return MStatus::kInvalidParameter;
    m_previousParent = m_node->dagParent() ? sharedNode(*m_node->dagParent()) : nullptr;
    Scene::instance().setDagParent(*m_node, m_newParent.get());
    return MStatus::kSuccess;
}

MStatus ReparentNodeEdit::undoIt()
{
    if (!m_node->inScene)
        return MStatus::kInvalidParameter;
    Node* previous = m_previousParent && m_previousParent->inScene ? m_previousParent.get() : nullptr;
    Scene::instance().setDagParent(*m_node, previous);
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
