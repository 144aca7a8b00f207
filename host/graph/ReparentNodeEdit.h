#pragma once

#include "graph/GraphFwd.h"
#include "graph/ModifierEdit.h"

#include <memory>

namespace kavo::host::graph {

// Moves a DAG node under another one, or to the top of the hierarchy.
class ReparentNodeEdit : public ModifierEdit
{
public:
    ReparentNodeEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> newParent);

    MStatus doIt() override;
    MStatus undoIt() override;

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Node> m_newParent;
    std::shared_ptr<Node> m_previousParent;
};

} // namespace kavo::host::graph
