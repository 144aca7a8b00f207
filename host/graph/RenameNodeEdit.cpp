#include "graph/RenameNodeEdit.h"

#include "graph/Scene.h"

namespace kavo::host::graph {

RenameNodeEdit::RenameNodeEdit(std::shared_ptr<Node> node, std::string wantedName)
    : m_node(std::move(node))
    , m_wantedName(std::move(wantedName))
{
}

MStatus RenameNodeEdit::doIt()
{
    m_previousName = m_node->name();
    Scene::instance().rename(*m_node, m_wantedName);
    return MStatus::kSuccess;
}

MStatus RenameNodeEdit::undoIt()
{
    Scene::instance().rename(*m_node, m_previousName);
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
