#include "graph/CreateNodeEdit.h"

#include "graph/NodeRevival.h"
#include "graph/Scene.h"
#include "graph/UnplacedNodes.h"

namespace kavo::host::graph {

CreateNodeEdit::CreateNodeEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> parent)
    : m_node(std::move(node))
    , m_parent(std::move(parent))
{
    UnplacedNodes::instance().add(m_node.get());
}

CreateNodeEdit::~CreateNodeEdit()
{
    UnplacedNodes::instance().remove(m_node.get());
}

MStatus CreateNodeEdit::doIt()
{
    if (m_parent && !m_parent->inScene)
        return MStatus::kInvalidParameter; // the parent was deleted in the meantime
    if (!reviveBehaviour(*m_node))
        return MStatus::kFailure; // the node's type was deregistered since
    UnplacedNodes::instance().remove(m_node.get());
    Scene& scene = Scene::instance();
    scene.add(m_node);
    if (m_parent)
        scene.setDagParent(*m_node, m_parent.get());
    return MStatus::kSuccess;
}

MStatus CreateNodeEdit::undoIt()
{
    if (m_node->inScene)
        Scene::instance().remove(*m_node);
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
